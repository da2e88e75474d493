#pragma once

// The main window's one-time configuration of its results list. The window keeps the header
// font and the row image list for its lifetime, so it owns them and passes them in.

#include "controls/enhanced_list_ctrl.h"
#include "framework/gdi.h"

void SetUpResultsList(CEnhancedListCtrl& list, CFont& headerFont, CImageList& rowImages);
