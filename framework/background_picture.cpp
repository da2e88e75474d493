#include "background_picture.h"

namespace
{
bool IsBitmapStatic(HWND hWnd)
{
    char cls[16] = {};
    GetClassNameA(hWnd, cls, sizeof cls);
    const LONG_PTR style = GetWindowLongPtrA(hWnd, GWL_STYLE);
    return lstrcmpiA(cls, "Static") == 0 && (style & SS_TYPEMASK) == SS_BITMAP;
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
        SetWindowLongPtrA(hChild, GWL_STYLE, GetWindowLongPtrA(hChild, GWL_STYLE) | WS_CLIPSIBLINGS);
        SetWindowPos(hChild, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        return hChild;
    }
    return nullptr;
}
