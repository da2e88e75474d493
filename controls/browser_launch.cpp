#include "controls/browser_launch.h"

#include <shellapi.h>

#include <cstdio>

#include "base/file_system.h"
#include "controls/control_texts.h"

namespace
{
// Null means the system's function. Kept null until set, so that a replacement installed by
// another file's static initialiser is never overwritten by this file's.
CreateProcessFn g_createProcess = nullptr;

HINSTANCE ShellExecuteNow(LPCSTR verb, LPCSTR file)
{
    return ShellExecuteThroughHandler(nullptr, verb, file, nullptr, nullptr, SW_SHOWNORMAL);
}

// CreateProcess takes at most 32,767 characters with the terminating zero.
constexpr size_t kMaxCommandLine = 32766;

// A quoted argument ends at the next double quote, and backslashes before it escape it, so
// quotes and control characters are percent-encoded (as an address carries them anyway) and
// backslashes at the end are doubled.
std::string QuoteArgumentText(const char* address)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    for (const char* p = address; *p; ++p)
    {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"' || c < 0x20 || c == 0x7F)
        {
            text += '%';
            text += hex[c >> 4];
            text += hex[c & 0xF];
        }
        else
            text += static_cast<char>(c);
    }
    size_t trailing = 0;
    while (trailing < text.size() && text[text.size() - 1 - trailing] == '\\')
        ++trailing;
    text.append(trailing, '\\');
    return text;
}

std::string OnDrive(const char* path, char drive)
{
    std::string moved = path;
    moved[0] = drive;
    return moved;
}
} // namespace

CreateProcessFn SetCreateProcessHandler(CreateProcessFn handler)
{
    CreateProcessFn previous = g_createProcess;
    g_createProcess = handler;
    return previous;
}

bool IsWow64()
{
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = ::GetModuleHandleA(kKernel32Dll);
    auto isWow64Process = kernel ? reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(
                                       ::GetProcAddress(kernel, kIsWow64Process)))
                                 : nullptr;
    if (!isWow64Process)
        return false;
    BOOL bWow64 = FALSE;
    return isWow64Process(::GetCurrentProcess(), &bWow64) && bWow64;
}

bool LaunchCommandLine(const char* commandLine)
{
    // CreateProcess may write into the command line, so it gets its own copy.
    std::string buffer = commandLine ? commandLine : "";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMAXIMIZED;
    PROCESS_INFORMATION info = {};
    CreateProcessFn createProcess = g_createProcess ? g_createProcess : &::CreateProcessA;
    if (!createProcess(nullptr, &buffer[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &startup, &info))
        return false;
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return true;
}

std::string ChooseBrowserPath(const char* windowsDirectory, bool bWow64,
                              bool (*fileExists)(const std::string&))
{
    const char drive =
        windowsDirectory && windowsDirectory[0] ? windowsDirectory[0] : kDefaultWindowsDirectory[0];
    const std::string edge = OnDrive(bWow64 ? kEdgePathWow64 : kEdgePathNative, drive);
    if (fileExists(edge))
        return edge;
    return OnDrive(kInternetExplorerPath, drive);
}

std::string BrowserCommandLine(const std::string& browserPath, const char* address)
{
    const std::string argument = QuoteArgumentText(address ? address : "");
    const int length =
        std::snprintf(nullptr, 0, kBrowserCommandFormat, browserPath.c_str(), argument.c_str());
    if (length <= 0 || static_cast<size_t>(length) > kMaxCommandLine)
        return std::string();
    std::string commandLine(static_cast<size_t>(length), '\0');
    std::snprintf(&commandLine[0], commandLine.size() + 1, kBrowserCommandFormat,
                  browserPath.c_str(), argument.c_str());
    return commandLine;
}

void OpenUrlInBrowser(const char* address)
{
    // A link without an address has nothing to show; a browser on a blank page helps no one.
    if (!address || !address[0])
        return;
    HINSTANCE shell = ShellExecuteNow(kOpenVerb, address);
    if (reinterpret_cast<INT_PTR>(shell) > 32)
        return;

    char windowsDirectory[512];
    const UINT length = ::GetSystemWindowsDirectoryA(windowsDirectory, sizeof windowsDirectory);
    if (length == 0 || length >= sizeof windowsDirectory)
        std::snprintf(windowsDirectory, sizeof windowsDirectory, "%s", kDefaultWindowsDirectory);

    const std::string commandLine =
        BrowserCommandLine(ChooseBrowserPath(windowsDirectory, IsWow64(), &FileExists), address);
    if (!commandLine.empty())
        LaunchCommandLine(commandLine.c_str());
}
