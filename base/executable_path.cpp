#include "base/executable_path.h"

#include <windows.h>

#include <vector>

#include "base/text_conversion.h"

std::string ExecutablePath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;)
    {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
        // A full buffer may hold a cut path: try again with a larger one.
        if (n < buffer.size())
        {
            std::string path;
            WideToAnsi(std::wstring(buffer.data(), n), path);
            return path;
        }
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
