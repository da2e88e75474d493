#include "cli/console.h"

#include <windows.h>

#include <mutex>

#include "base/text_conversion.h"

namespace
{
std::mutex g_outputLock;

HANDLE HandleOf(OutputStream stream)
{
    return GetStdHandle(stream == OutputStream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}
} // namespace

bool IsConsole(OutputStream stream)
{
    DWORD mode = 0;
    return GetConsoleMode(HandleOf(stream), &mode) != 0;
}

void WriteOutput(OutputStream stream, const std::string& utf8)
{
    std::lock_guard<std::mutex> lock(g_outputLock);
    HANDLE handle = HandleOf(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || utf8.empty())
        return;
    DWORD written = 0;
    if (IsConsole(stream))
    {
        const std::wstring wide = Utf8ToWide(utf8);
        for (size_t at = 0; at < wide.size(); at += written)
            if (!WriteConsoleW(handle, wide.data() + at, static_cast<DWORD>(wide.size() - at),
                               &written, nullptr) ||
                written == 0)
                return;
        return;
    }
    for (size_t at = 0; at < utf8.size(); at += written)
        if (!WriteFile(handle, utf8.data() + at, static_cast<DWORD>(utf8.size() - at), &written,
                       nullptr) ||
            written == 0)
            return;
}
