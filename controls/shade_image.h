#pragma once

// An 8-bit palettized, bottom-up device-independent bitmap kept in memory: the shaded button
// computes its faces into these once and a paint only copies them to the screen.

#include <windows.h>

#include <vector>

class CShadeImage
{
  public:
    CShadeImage();
    ~CShadeImage();
    CShadeImage(const CShadeImage&) = delete;
    CShadeImage& operator=(const CShadeImage&) = delete;

    // A new image of width x height pixels, all index 0, with a black palette. What the image
    // held before is released. False for an empty size.
    bool Create(int width, int height);
    void Release();
    bool IsCreated() const { return !m_pixels.empty(); }

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

    void SetPaletteEntry(int index, BYTE red, BYTE green, BYTE blue);
    RGBQUAD GetPaletteEntry(int index) const;
    // Moves every palette entry percent of the way towards colour.
    void BlendPalette(COLORREF colour, int percent);

    // Same size, palette and pixels as other; an empty other empties this one.
    void CopyFrom(const CShadeImage& other);

    // Palette index of a pixel; y counts stored rows, so y = 0 is the bottom row on screen.
    BYTE GetPixelIndex(int x, int y) const;
    void SetPixelIndex(int x, int y, BYTE index);

    // Copies the image at its own size to (x, y) of the device context. False when the image
    // was never created.
    bool Draw(HDC hDC, int x, int y) const;

  private:
    int Stride() const { return (m_nWidth + 3) & ~3; }

    int m_nWidth;
    int m_nHeight;
    RGBQUAD m_palette[256];
    std::vector<BYTE> m_pixels;
};
