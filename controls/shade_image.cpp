#include "controls/shade_image.h"

#include <cstring>

namespace
{
BYTE Blend(BYTE channel, BYTE target, int percent)
{
    return static_cast<BYTE>((channel * (100 - percent) + target * percent) / 100);
}
} // namespace

CShadeImage::CShadeImage() : m_nWidth(0), m_nHeight(0), m_palette{} {}

CShadeImage::~CShadeImage() = default;

bool CShadeImage::Create(int width, int height)
{
    Release();
    if (width <= 0 || height <= 0)
        return false;
    m_nWidth = width;
    m_nHeight = height;
    m_pixels.assign(static_cast<size_t>(Stride()) * static_cast<size_t>(height), 0);
    return true;
}

void CShadeImage::Release()
{
    m_nWidth = 0;
    m_nHeight = 0;
    std::memset(m_palette, 0, sizeof m_palette);
    std::vector<BYTE>().swap(m_pixels);
}

void CShadeImage::SetPaletteEntry(int index, BYTE red, BYTE green, BYTE blue)
{
    if (index < 0 || index > 255)
        return;
    m_palette[index].rgbRed = red;
    m_palette[index].rgbGreen = green;
    m_palette[index].rgbBlue = blue;
    m_palette[index].rgbReserved = 0;
}

RGBQUAD CShadeImage::GetPaletteEntry(int index) const
{
    return index >= 0 && index <= 255 ? m_palette[index] : RGBQUAD{};
}

void CShadeImage::BlendPalette(COLORREF colour, int percent)
{
    for (RGBQUAD& entry : m_palette)
    {
        entry.rgbRed = Blend(entry.rgbRed, GetRValue(colour), percent);
        entry.rgbGreen = Blend(entry.rgbGreen, GetGValue(colour), percent);
        entry.rgbBlue = Blend(entry.rgbBlue, GetBValue(colour), percent);
    }
}

void CShadeImage::CopyFrom(const CShadeImage& other)
{
    if (&other == this)
        return;
    m_nWidth = other.m_nWidth;
    m_nHeight = other.m_nHeight;
    std::memcpy(m_palette, other.m_palette, sizeof m_palette);
    m_pixels = other.m_pixels;
}

BYTE CShadeImage::GetPixelIndex(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return 0;
    return m_pixels[static_cast<size_t>(y) * Stride() + x];
}

void CShadeImage::SetPixelIndex(int x, int y, BYTE index)
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return;
    m_pixels[static_cast<size_t>(y) * Stride() + x] = index;
}

bool CShadeImage::Draw(HDC hDC, int x, int y) const
{
    if (!IsCreated() || !hDC)
        return false;
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = m_nWidth;
    info.header.biHeight = m_nHeight; // positive: bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 256;
    std::memcpy(info.colours, m_palette, sizeof m_palette);

    SetStretchBltMode(hDC, COLORONCOLOR);
    return SetDIBitsToDevice(hDC, x, y, static_cast<DWORD>(m_nWidth), static_cast<DWORD>(m_nHeight),
                             0, 0, 0, static_cast<UINT>(m_nHeight), m_pixels.data(),
                             reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS) != 0;
}
