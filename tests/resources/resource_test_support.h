#pragma once

// Helpers the resource tests share: common controls, a dialog's children as the dialog manager
// created them, and their rectangles in the dialog's client coordinates.

#include <windows.h>

#include <commctrl.h>

#include "tests/support/window_test_support.h"

#include <string>
#include <vector>

// Children in window order, which for a dialog is its template order.
inline std::vector<HWND> ChildWindows(HWND hDlg)
{
    std::vector<HWND> children;
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        children.push_back(h);
    return children;
}

inline std::string WindowText(HWND hWnd)
{
    char buffer[1000] = "";
    GetWindowTextA(hWnd, buffer, sizeof buffer);
    return buffer;
}

inline std::string ClassName(HWND hWnd)
{
    char buffer[256] = "";
    GetClassNameA(hWnd, buffer, sizeof buffer);
    return buffer;
}

inline RECT RectInParent(HWND hChild)
{
    RECT rc;
    GetWindowRect(hChild, &rc);
    MapWindowPoints(nullptr, GetParent(hChild), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// The size of a control's text in its own font, without the trailing blanks that never show.
inline SIZE TextExtent(HWND hCtl)
{
    std::string text = WindowText(hCtl);
    text.erase(text.find_last_not_of(' ') + 1);
    SIZE size = {0, 0};
    HDC hDC = GetDC(hCtl);
    HGDIOBJ old = SelectObject(hDC, reinterpret_cast<HFONT>(SendMessageA(hCtl, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32A(hDC, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(hDC, old);
    ReleaseDC(hCtl, hDC);
    return size;
}
