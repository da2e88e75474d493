// The links over a background picture as the main window has them, in their own colours and
// with one under the mouse.
#include <windows.h>

#include "framework/gdi.h"
#include "gallery_capture.h"
#include "tests/controls/link/link_test_dlg.h"
#include "tests/support/window_test_support.h"

namespace
{
void MoveMouse(CStaticHyperLink& link, int x, int y)
{
    POINT at = {x, y};
    link.ClientToScreen(&at);
    ::SetCursorPos(at.x, at.y);
    MSG msg = {link.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y), ::GetTickCount(), at};
    PreTranslateThroughParents(&msg);
    link.SendMessage(WM_MOUSEMOVE, 0,
                     MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                                static_cast<WORD>(static_cast<short>(y))));
}

// A light gradient, as the main window's picture is under its links.
void SetBackground(CLinkTestDlg& dlg, CBitmap& picture)
{
    RECT client;
    dlg.GetClientRect(&client);
    HDC screen = ::GetDC(nullptr);
    picture.CreateCompatibleBitmap(screen, client.right, client.bottom);
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, picture);
    for (int x = 0; x < client.right; ++x)
    {
        const int shade = 255 - 60 * x / client.right;
        RECT column = {x, 0, x + 1, client.bottom};
        HBRUSH brush = ::CreateSolidBrush(RGB(shade, shade, 255));
        ::FillRect(dc, &column, brush);
        ::DeleteObject(brush);
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::SendDlgItemMessageA(dlg, IDC_LINK_BACKGROUND, STM_SETIMAGE, IMAGE_BITMAP,
                          reinterpret_cast<LPARAM>(static_cast<HBITMAP>(picture)));
    // The picture repainted itself alone, over its siblings.
    dlg.RedrawWindow(nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
} // namespace

int main(int argc, char** argv)
{
    const std::string folder = GalleryFolder(argc, argv);
    EnsureCommonControls();
    CLinkTestDlg dlg;
    if (!dlg.Create())
        return 1;
    dlg.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dlg.ShowWindow(SW_SHOW);
    ::SetCursorPos(1200, 1000);
    Settle(1000);
    CBitmap picture;
    SetBackground(dlg, picture);
    // The bold, smoothed font the main window gives its links.
    CFont boldFont;
    boldFont.CreateFont(14, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Shell Dlg");
    dlg.m_linkUrl.SetFont(boldFont);
    dlg.m_linkNotify.SetFont(boldFont);
    // Hovers there and back first: the text must come back without remains of the other colour.
    for (int i = 0; i < 3; ++i)
        for (CStaticHyperLink* link : {&dlg.m_linkNotify, &dlg.m_linkOwnerColours})
        {
            MoveMouse(*link, 2, 2);
            Settle(100);
            MoveMouse(*link, -1, 2);
            Settle(100);
        }
    ::SetCursorPos(1200, 1000);
    Settle(500);
    bool bAll = CaptureWindow(dlg.m_hWnd, folder, "hyperlink_normal");

    MoveMouse(dlg.m_linkUrl, 4, 4);
    Settle(500);
    bAll = CaptureWindow(dlg.m_hWnd, folder, "hyperlink_hover") && bAll;
    ::ReleaseCapture();
    return bAll ? 0 : 1;
}
