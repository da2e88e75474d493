#include "base/executable_path.h"

#include <windows.h>

#include <vector>

std::string ExecutablePath()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;)
    {
        const DWORD n =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
        // A full buffer may hold a cut path: try again with a larger one.
        if (n < buffer.size())
            return std::string(buffer.data(), n);
        if (buffer.size() >= 65536)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string ExecutableFolder()
{
    std::string folder = ExecutablePath();
    const size_t slash = folder.find_last_of('\\');
    folder.resize(slash == std::string::npos ? 0 : slash);
    return folder;
}
