// The one application object; the framework's WinMain runs it.
#include "app/application.h"
#include "base/system_library.h"

namespace
{
// Before any other code of the program, static objects included: no DLL may be loaded by name
// from the executable's folder.
__attribute__((constructor(101))) void RestrictDllSearchFirst()
{
    RestrictDllSearchToSystem();
}
} // namespace

CSealwickApp theApp;
