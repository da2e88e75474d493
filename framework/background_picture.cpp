#include "framework/background_picture.h"

#include <commctrl.h>

#include "framework/gdi.h"

namespace
{
bool IsStatic(HWND hWnd)
{
    char cls[16] = {};
    GetClassNameA(hWnd, cls, sizeof cls);
    return lstrcmpiA(cls, "Static") == 0;
}

bool IsBitmapStatic(HWND hWnd)
{
    return IsStatic(hWnd) && (GetWindowLongPtrA(hWnd, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

// Paints the picture everywhere except under the visible controls that paint their own
// background (every sibling but the static labels).
void PaintAroundControls(HWND hPicture)
{
    PAINTSTRUCT ps;
    HDC hDC = BeginPaint(hPicture, &ps);
    HWND hDlg = GetParent(hPicture);
    for (HWND hSib = GetWindow(hDlg, GW_CHILD); hSib; hSib = GetWindow(hSib, GW_HWNDNEXT))
    {
        if (hSib == hPicture || !IsWindowVisible(hSib) || IsStatic(hSib))
            continue;
        RECT rc;
        GetWindowRect(hSib, &rc);
        MapWindowPoints(nullptr, hPicture, reinterpret_cast<POINT*>(&rc), 2);
        ExcludeClipRect(hDC, rc.left, rc.top, rc.right, rc.bottom);
    }
    HBITMAP hBitmap =
        reinterpret_cast<HBITMAP>(SendMessageA(hPicture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP bm;
    if (hBitmap && GetObjectA(hBitmap, sizeof bm, &bm))
    {
        CMemoryDC mem(CreateCompatibleDC(hDC));
        CScopedSelection picture(mem, hBitmap);
        BitBlt(hDC, 0, 0, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
    }
    EndPaint(hPicture, &ps);
}

LRESULT CALLBACK PictureProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                             DWORD_PTR)
{
    switch (message)
    {
    case WM_PAINT:
        PaintAroundControls(hWnd);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hWnd, PictureProc, id);
        break;
    }
    return DefSubclassProc(hWnd, message, wParam, lParam);
}
} // namespace

HWND KeepBackgroundPictureBeneath(HWND hDlg)
{
    // The background is the bitmap picture that starts at the client area's top-left corner.
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        if (!IsBitmapStatic(hChild))
            continue;
        RECT rc;
        GetWindowRect(hChild, &rc);
        POINT topLeft = {rc.left, rc.top};
        ScreenToClient(hDlg, &topLeft);
        if (topLeft.x != 0 || topLeft.y != 0)
            continue;
        SetWindowSubclass(hChild, PictureProc, 1, 0);
        return hChild;
    }
    return nullptr;
}
