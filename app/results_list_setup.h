#pragma once

// The main window's configuration of its results list. The window keeps the header font and
// the row image list for its lifetime, so it owns them and passes them in.

#include "controls/enhanced_list_ctrl.h"
#include "framework/gdi.h"

// Once, at start-up: columns, sorting, tooltip, and what ScaleResultsList sets at `dpi`.
void SetUpResultsList(CEnhancedListCtrl& list, CFont& headerFont, CImageList& rowImages, UINT dpi);

// The header's height and font, the row images, the sort indicator and, when `oldDpi` is not
// 0, the column widths taken from oldDpi, at `dpi`.
void ScaleResultsList(CEnhancedListCtrl& list, CFont& headerFont, CImageList& rowImages, UINT dpi,
                      UINT oldDpi = 0);
