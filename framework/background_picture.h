#pragma once

#include <windows.h>

// A picture control that covers a dialog as its background is the template's first control,
// so the dialog manager puts it above every other control: whenever the picture repaints on
// its own (a sibling enabled, disabled or redrawn through its parent), it paints over the
// controls that stand on it. This puts the dialog's background picture beneath its siblings
// and clips them out of its painting. Returns the picture, or nullptr when there is none.
HWND KeepBackgroundPictureBeneath(HWND hDlg);
