// The one application object; the framework's WinMain runs it.
#include "app/application.h"

CDunmereApp theApp;
