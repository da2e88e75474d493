#pragma once

// Everything the framework offers, for code that uses most of it.

#include "app.h"
#include "background_picture.h"
#include "controls.h"
#include "dialog.h"
#include "file_dialog.h"
#include "gdi.h"
#include "list_ctrl.h"
#include "message_box.h"
#include "message_map.h"
#include "thread.h"
#include "wnd.h"
