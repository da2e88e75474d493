#pragma once

#include <windows.h>

// A picture control that covers a dialog as its background is the template's first control,
// so it lies above every other control, and whenever it repaints on its own it would paint over
// the buttons, fields and lists that stand on it. This makes the dialog's background picture
// paint around those controls: only the text labels, which draw transparently, keep it beneath
// them. Returns the picture, or nullptr when the dialog has none.
HWND KeepBackgroundPictureBeneath(HWND hDlg);
