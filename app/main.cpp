// The one application object; the framework's WinMain runs it.
#include "dunmere_app.h"

CDunmereApp theApp;
