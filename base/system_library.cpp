#include "base/system_library.h"

#include <cwchar>
#include <string>

namespace
{
// SetDefaultDllDirectories and the LOAD_LIBRARY_SEARCH_* flags came with Windows 8, and to
// Vista and 7 with an update (KB2533623): ask kernel32 rather than import them.
FARPROC KernelFunction(const char* name)
{
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    return kernel ? ::GetProcAddress(kernel, name) : nullptr;
}

bool HasSearchFlags()
{
    return KernelFunction("AddDllDirectory") != nullptr;
}
} // namespace

void RestrictDllSearchToSystem()
{
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(KernelFunction("SetDefaultDllDirectories")));
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return;
    ::SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* name)
{
    if (!name || !*name || std::wcschr(name, L'\\') || std::wcschr(name, L'/'))
        return nullptr;
    if (HasSearchFlags())
        return ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    std::wstring path(folder, length);
    path += L'\\';
    path += name;
    // The DLL's own imports are then looked for beside it, not beside the executable.
    return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
