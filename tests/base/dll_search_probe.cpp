// Loads bcrypt.dll the way its argument says, for a test that placed a DLL of that name beside
// this program: "by-name" (the system's plain search), "restricted" (the same after the search
// is restricted) or "system" (LoadSystemLibrary). Links nothing that imports bcrypt itself.
#include <windows.h>

#include <cstring>

#include "base/system_library.h"

int main(int argc, char** argv)
{
    const char* how = argc > 1 ? argv[1] : "";
    const wchar_t* name = L"bcrypt.dll";
    HMODULE module = nullptr;
    if (std::strcmp(how, "by-name") == 0)
        module = LoadLibraryW(name);
    else if (std::strcmp(how, "restricted") == 0)
    {
        RestrictDllSearchToSystem();
        module = LoadLibraryW(name);
    }
    else if (std::strcmp(how, "system") == 0)
        module = LoadSystemLibrary(name);
    else
        return 2;
    return module ? 0 : 1;
}
