#include "framework/backdrop.h"

#include <commctrl.h>

#include "framework/gdi.h"

namespace
{
constexpr UINT_PTR kBackdropSubclass = 1;
constexpr UINT_PTR kDialogSubclass = 2;
// Where the backdrop's state can be found from its window.
constexpr const char* kBackdropProperty = "SealwickBackdrop";

// What the backdrop keeps: its painter and the picture last painted, reused until the size
// changes, so that a label's repaint costs one copy.
struct Backdrop
{
    BackdropPainter painter;
    CBitmap picture;
    SIZE size;
};

bool IsStatic(HWND hWnd)
{
    char cls[16] = {};
    GetClassNameA(hWnd, cls, sizeof cls);
    return lstrcmpiA(cls, "Static") == 0;
}

void CoverClientArea(HWND hBackdrop)
{
    RECT client;
    GetClientRect(GetParent(hBackdrop), &client);
    SetWindowPos(hBackdrop, nullptr, 0, 0, client.right, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Paints the picture everywhere except under the visible controls that paint their own
// background (every sibling but the static labels).
void PaintAroundControls(HWND hBackdrop, Backdrop& backdrop)
{
    PAINTSTRUCT ps;
    HDC hDC = BeginPaint(hBackdrop, &ps);
    HWND hDlg = GetParent(hBackdrop);
    RECT client;
    GetClientRect(hBackdrop, &client);
    CMemoryDC mem(CreateCompatibleDC(hDC));
    if (!backdrop.picture.GetSafeHandle() || backdrop.size.cx != client.right ||
        backdrop.size.cy != client.bottom)
    {
        backdrop.picture.Attach(CreateCompatibleBitmap(hDC, client.right, client.bottom));
        backdrop.size = {client.right, client.bottom};
        CScopedSelection picture(mem, backdrop.picture);
        backdrop.painter(mem, client, hDlg);
    }
    for (HWND hSib = GetWindow(hDlg, GW_CHILD); hSib; hSib = GetWindow(hSib, GW_HWNDNEXT))
    {
        if (hSib == hBackdrop || !IsWindowVisible(hSib) || IsStatic(hSib))
            continue;
        RECT rc;
        GetWindowRect(hSib, &rc);
        MapWindowPoints(nullptr, hBackdrop, reinterpret_cast<POINT*>(&rc), 2);
        ExcludeClipRect(hDC, rc.left, rc.top, rc.right, rc.bottom);
    }
    CScopedSelection picture(mem, backdrop.picture);
    BitBlt(hDC, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
    EndPaint(hBackdrop, &ps);
}

LRESULT CALLBACK BackdropProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR data)
{
    auto* backdrop = reinterpret_cast<Backdrop*>(data);
    switch (message)
    {
    case WM_PAINT:
        PaintAroundControls(hWnd, *backdrop);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hWnd, BackdropProc, id);
        RemovePropA(hWnd, kBackdropProperty);
        delete backdrop;
        break;
    }
    return DefSubclassProc(hWnd, message, wParam, lParam);
}

// The dialog's size changes reach the backdrop.
LRESULT CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                            DWORD_PTR data)
{
    switch (message)
    {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
        {
            HWND hBackdrop = reinterpret_cast<HWND>(data);
            CoverClientArea(hBackdrop);
            InvalidateRect(hBackdrop, nullptr, FALSE);
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hWnd, DialogProc, id);
        break;
    }
    return DefSubclassProc(hWnd, message, wParam, lParam);
}

COLORREF Mix(COLORREF a, COLORREF b, int i, int n)
{
    const auto channel = [i, n](int x, int y) { return x + (y - x) * i / (n > 1 ? n - 1 : 1); };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}
} // namespace

HWND PaintBackdropBeneath(HWND hDlg, int nBackdropId, BackdropPainter painter)
{
    HWND hBackdrop = GetDlgItem(hDlg, nBackdropId);
    if (!hBackdrop || !painter)
        return nullptr;
    CoverClientArea(hBackdrop);
    auto* backdrop = new Backdrop{painter, {}, {0, 0}};
    SetPropA(hBackdrop, kBackdropProperty, backdrop);
    SetWindowSubclass(hBackdrop, BackdropProc, kBackdropSubclass,
                      reinterpret_cast<DWORD_PTR>(backdrop));
    SetWindowSubclass(hDlg, DialogProc, kDialogSubclass, reinterpret_cast<DWORD_PTR>(hBackdrop));
    return hBackdrop;
}

void RefreshBackdrop(HWND hBackdrop)
{
    auto* backdrop =
        hBackdrop ? static_cast<Backdrop*>(GetPropA(hBackdrop, kBackdropProperty)) : nullptr;
    if (!backdrop)
        return;
    backdrop->picture.DeleteObject();
    CoverClientArea(hBackdrop);
    InvalidateRect(hBackdrop, nullptr, FALSE);
}

void FillSolid(HDC hDC, const RECT& rc, COLORREF colour)
{
    const COLORREF old = SetBkColor(hDC, colour);
    ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    SetBkColor(hDC, old);
}

void FillVertical(HDC hDC, const RECT& rc, COLORREF top, COLORREF bottom)
{
    const int n = rc.bottom - rc.top;
    for (int i = 0; i < n; ++i)
    {
        const RECT line = {rc.left, rc.top + i, rc.right, rc.top + i + 1};
        FillSolid(hDC, line, Mix(top, bottom, i, n));
    }
}

void FillHorizontal(HDC hDC, const RECT& rc, COLORREF left, COLORREF right)
{
    const int n = rc.right - rc.left;
    for (int i = 0; i < n; ++i)
    {
        const RECT line = {rc.left + i, rc.top, rc.left + i + 1, rc.bottom};
        FillSolid(hDC, line, Mix(left, right, i, n));
    }
}
