#pragma once

// Everything the framework offers, for code that uses most of it.

#include "framework/background_picture.h"
#include "framework/control_wrappers.h"
#include "framework/dialog.h"
#include "framework/file_dialog.h"
#include "framework/gdi.h"
#include "framework/list_ctrl.h"
#include "framework/message_box.h"
#include "framework/message_map.h"
#include "framework/thread.h"
#include "framework/win_app.h"
#include "framework/wnd.h"
