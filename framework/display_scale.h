#pragma once

// The display scale a window is shown at, and lengths given at 100 % taken to it. The
// program declares itself per-monitor aware, so Windows does not stretch its windows: every
// pixel length, font and picture follows the window's DPI here instead. The functions that
// tell a window's own DPI came with later Windows versions than the program runs on, so they
// are looked up when first needed.

#include <windows.h>

constexpr UINT kDefaultDpi = 96;

// Sent when a window moves to a monitor of another scale (Windows 8.1 on): wParam's high word
// is the new DPI, lParam the suggested window rectangle. Vista's headers lack it.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The window's DPI where the system knows it per window or per monitor, else the screen's.
UINT GetWindowDpi(HWND hWnd);

// A length given at 96 DPI, at `dpi`, rounded to the nearest pixel.
int ScaleForDpi(int value, UINT dpi);

// The scale in percent of the drawn pictures that suits `dpi`: 100, 150 or 200.
int PictureScaleForDpi(UINT dpi);

// Keeps the dialog manager from rescaling the dialog's controls and fonts on a change of
// DPI, where the system would (Windows 10 1703 on): the window lays itself out again.
void TakeOverDpiChanges(HWND hDlg);

// Lays a dialog out again at `newDpi` (its answer to WM_DPICHANGED once the dialog manager's
// own rescaling is off): every control moved and sized, the dialog's font and the controls
// that use it at the new scale, and the dialog at the `suggested` rectangle, if any. Returns
// the new font, which the caller keeps while the dialog shows it; null when it failed.
HFONT RelayDialogForDpi(HWND hDlg, UINT oldDpi, UINT newDpi, const RECT* suggested);

// The icon resource `id` at the size that suits `dpi`: its smallest picture is its size at
// 100 %. Null when it does not load. Destroy it with DestroyIcon.
HICON LoadIconForDpi(UINT id, UINT dpi);
