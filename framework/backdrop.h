#pragma once

#include <windows.h>

// A dialog's background, painted by the program at the dialog's real client size and display
// scale: dialog units do not grow evenly with the scale, so a picture made for one size would
// leave parts of the window bare at another.
//
// The backdrop is a static control that comes first in the template, so it lies above every
// other control, and whenever it repaints on its own it would paint over the buttons, fields
// and lists that stand on it: it paints around those controls, and only the text labels, which
// draw transparently, keep it beneath them. It follows the dialog's size.

// Draws the whole background of hDlg into hDC, whose area is `client`.
using BackdropPainter = void (*)(HDC hDC, const RECT& client, HWND hDlg);

// Makes the control `nBackdropId` of hDlg its backdrop, painted by `painter`. Returns the
// control, or nullptr when the dialog has none.
HWND PaintBackdropBeneath(HWND hDlg, int nBackdropId, BackdropPainter painter);

// Paints the backdrop again from scratch (after a change of the display scale).
void RefreshBackdrop(HWND hBackdrop);

// Helpers for painters: a flat fill, and fills that run from one colour to another.
void FillSolid(HDC hDC, const RECT& rc, COLORREF colour);
void FillVertical(HDC hDC, const RECT& rc, COLORREF top, COLORREF bottom);
void FillHorizontal(HDC hDC, const RECT& rc, COLORREF left, COLORREF right);
