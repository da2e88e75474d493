#include "gallery_capture.h"

#include <cstdio>
#include <cstdlib>

#include "tests/support/window_test_support.h"

std::string GalleryFolder(int argc, char** argv)
{
    if (argc > 1)
        return argv[1];
    const char* folder = std::getenv("SEALWICK_GALLERY");
    return folder && *folder ? folder : ".";
}

void Settle(DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    do
    {
        PumpMessages();
        ::Sleep(20);
    } while (::GetTickCount() - start < milliseconds);
}

bool CaptureScreenRect(const RECT& rect, const std::string& folder, const char* name)
{
    const std::string path = folder + "\\" + name + ".bmp";
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
    {
        std::fprintf(stderr, "gallery: %s: nothing to capture\n", name);
        return false;
    }
    // Read back from the screen rather than asking the window to print itself: that is what
    // a user sees, with every child control and any menu over it.
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as a BMP file stores its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool bCopied = false;
    if (hBitmap)
    {
        HGDIOBJ old = ::SelectObject(hMem, hBitmap);
        bCopied =
            ::BitBlt(hMem, 0, 0, width, height, hScreen, rect.left, rect.top, SRCCOPY) != FALSE;
        ::GdiFlush();
        ::SelectObject(hMem, old);
    }
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);

    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    bool bWritten = false;
    if (bCopied)
    {
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42; // "BM"
        file.bfOffBits = sizeof file + sizeof info.bmiHeader;
        file.bfSize = file.bfOffBits + imageBytes;
        info.bmiHeader.biSizeImage = imageBytes;
        if (FILE* out = std::fopen(path.c_str(), "wb"))
        {
            bWritten = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                       std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                       std::fwrite(bits, imageBytes, 1, out) == 1;
            bWritten = std::fclose(out) == 0 && bWritten;
        }
    }
    if (hBitmap)
        ::DeleteObject(hBitmap);
    if (!bWritten)
        std::fprintf(stderr, "gallery: could not write %s\n", path.c_str());
    else
        std::printf("gallery: %s (%d x %d)\n", name, width, height);
    return bWritten;
}

namespace
{
// Without a window manager Wine leaves the frame and caption to it, and they stay black: the
// pictures show what the window draws itself.
RECT ClientOnScreen(HWND hWnd)
{
    RECT rect;
    ::GetClientRect(hWnd, &rect);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
} // namespace

bool CaptureWindow(HWND hWnd, const std::string& folder, const char* name)
{
    return CaptureScreenRect(ClientOnScreen(hWnd), folder, name);
}

namespace
{
BOOL CALLBACK AddMenuRect(HWND hWnd, LPARAM lParam)
{
    char className[16] = "";
    ::GetClassNameA(hWnd, className, sizeof className);
    if (::IsWindowVisible(hWnd) && std::string(className) == "#32768") // the popup menu class
    {
        RECT menu, *all = reinterpret_cast<RECT*>(lParam);
        ::GetWindowRect(hWnd, &menu);
        ::UnionRect(all, all, &menu);
    }
    return TRUE;
}
} // namespace

bool CaptureWindowWithMenu(HWND hWnd, const std::string& folder, const char* name)
{
    RECT rect = ClientOnScreen(hWnd);
    ::EnumWindows(&AddMenuRect, reinterpret_cast<LPARAM>(&rect));
    return CaptureScreenRect(rect, folder, name);
}
