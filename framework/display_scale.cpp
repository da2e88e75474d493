#include "framework/display_scale.h"

#include <commctrl.h>

#include <algorithm>

#include "base/system_library.h"
#include "framework/wnd.h"

namespace
{
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
// MONITOR_DPI_TYPE 0: the effective DPI, the one the user chose for that monitor.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
// DIALOG_DPI_CHANGE_BEHAVIORS: DDC_DISABLE_ALL is 1.
using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);
constexpr int kDdcDisableAll = 1;

void* User32Function(const char* name)
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<void*>(GetProcAddress(user32, name)) : nullptr;
}

GetDpiForMonitorFn MonitorDpiFunction()
{
    // Kept loaded for the process: the answer is asked for at every layout.
    static HMODULE shcore = LoadSystemLibrary(L"shcore.dll");
    return shcore ? reinterpret_cast<GetDpiForMonitorFn>(
                        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                  : nullptr;
}

UINT ScreenDpi()
{
    HDC hDC = GetDC(nullptr);
    const int dpi = hDC ? GetDeviceCaps(hDC, LOGPIXELSY) : 0;
    if (hDC)
        ReleaseDC(nullptr, hDC);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}
} // namespace

namespace
{
// The scale a dialog was last laid out for, on its top-level window: the system may not
// have caught up with it yet when the dialog re-lays itself.
constexpr const char* kLaidOutDpiProperty = "SealwickLaidOutDpi";

LRESULT CALLBACK ForgetLaidOutDpi(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR)
{
    if (message == WM_NCDESTROY)
    {
        RemovePropA(hWnd, kLaidOutDpiProperty);
        RemoveWindowSubclass(hWnd, ForgetLaidOutDpi, id);
    }
    return DefSubclassProc(hWnd, message, wParam, lParam);
}
} // namespace

UINT GetWindowDpi(HWND hWnd)
{
    if (HWND hRoot = hWnd ? GetAncestor(hWnd, GA_ROOT) : nullptr)
        if (const auto laidOut = reinterpret_cast<UINT_PTR>(GetPropA(hRoot, kLaidOutDpiProperty)))
            return static_cast<UINT>(laidOut);
    static const auto forWindow =
        reinterpret_cast<GetDpiForWindowFn>(User32Function("GetDpiForWindow"));
    if (forWindow && hWnd)
        if (const UINT dpi = forWindow(hWnd))
            return dpi;
    if (const GetDpiForMonitorFn forMonitor = hWnd ? MonitorDpiFunction() : nullptr)
    {
        UINT x = 0, y = 0;
        if (SUCCEEDED(forMonitor(MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), 0, &x, &y)) &&
            y)
            return y;
    }
    return ScreenDpi();
}

int ScaleForDpi(int value, UINT dpi)
{
    return MulDiv(value, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
}

int PictureScaleForDpi(UINT dpi)
{
    // The nearest drawn scale at or above, so that a picture is only ever made smaller.
    if (dpi <= kDefaultDpi)
        return 100;
    return dpi <= kDefaultDpi * 3 / 2 ? 150 : 200;
}

void TakeOverDpiChanges(HWND hDlg)
{
    static const auto setBehavior = reinterpret_cast<SetDialogDpiChangeBehaviorFn>(
        User32Function("SetDialogDpiChangeBehavior"));
    if (setBehavior)
        setBehavior(hDlg, kDdcDisableAll, kDdcDisableAll);
}

namespace
{
HFONT CreateFontForDpi(HFONT font, UINT oldDpi, UINT newDpi)
{
    LOGFONTA logFont = {};
    if (!font || !GetObjectA(font, sizeof logFont, &logFont))
        return nullptr;
    logFont.lfHeight = MulDiv(logFont.lfHeight, static_cast<int>(newDpi), static_cast<int>(oldDpi));
    logFont.lfWidth = MulDiv(logFont.lfWidth, static_cast<int>(newDpi), static_cast<int>(oldDpi));
    return CreateFontIndirectA(&logFont);
}

void ScaleChildWindows(HWND hDlg, UINT oldDpi, UINT newDpi, HFONT oldFont, HFONT newFont)
{
    const auto scale = [oldDpi, newDpi](LONG v)
    { return MulDiv(v, static_cast<int>(newDpi), static_cast<int>(oldDpi)); };
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        RECT rc;
        GetWindowRect(hChild, &rc);
        MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
        SetWindowPos(hChild, nullptr, scale(rc.left), scale(rc.top), scale(rc.right - rc.left),
                     scale(rc.bottom - rc.top), SWP_NOZORDER | SWP_NOACTIVATE);
        if (newFont && reinterpret_cast<HFONT>(SendMessageA(hChild, WM_GETFONT, 0, 0)) == oldFont)
            SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(newFont), FALSE);
    }
}
} // namespace

HFONT RelayDialogForDpi(HWND hDlg, UINT oldDpi, UINT newDpi, const RECT* suggested)
{
    if (!GetPropA(hDlg, kLaidOutDpiProperty))
        SetWindowSubclass(hDlg, ForgetLaidOutDpi, 1, 0);
    SetPropA(hDlg, kLaidOutDpiProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(newDpi)));
    HFONT hOldFont = reinterpret_cast<HFONT>(SendMessageA(hDlg, WM_GETFONT, 0, 0));
    HFONT hNewFont = CreateFontForDpi(hOldFont, oldDpi, newDpi);
    ScaleChildWindows(hDlg, oldDpi, newDpi, hOldFont, hNewFont);
    if (hNewFont)
        SendMessageA(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(hNewFont), FALSE);
    if (suggested)
        SetWindowPos(hDlg, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return hNewFont;
}

namespace
{
// The width of the smallest picture in an icon group (GRPICONDIR: three WORDs, then one
// 14-byte entry per picture whose first byte is the width, 0 for 256).
int SmallestIconSize(HINSTANCE instance, UINT id)
{
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    const auto* bytes = static_cast<const BYTE*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD size = resource ? SizeofResource(instance, resource) : 0;
    if (!bytes || size < 6)
        return 0;
    const int count = bytes[4] | (bytes[5] << 8);
    int smallest = 0;
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(size); ++i)
    {
        const int width = bytes[6 + 14 * i] ? bytes[6 + 14 * i] : 256;
        smallest = smallest ? std::min(smallest, width) : width;
    }
    return smallest;
}
} // namespace

HICON LoadIconForDpi(UINT id, UINT dpi)
{
    HINSTANCE instance = AfxGetResourceHandle();
    const int size = ScaleForDpi(SmallestIconSize(instance, id), dpi);
    return static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}
