#include "launch_fakes.h"

#include "controls/browser_launch.h"

namespace
{
HINSTANCE WINAPI FakeShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                  LPCSTR directory, INT show)
{
    Launches().shellCalls.push_back({owner, verb ? verb : "", file ? file : "",
                                     parameters != nullptr, directory != nullptr, show});
    return reinterpret_cast<HINSTANCE>(Launches().shellResult);
}

BOOL WINAPI FakeCreateProcess(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES,
                              LPSECURITY_ATTRIBUTES, BOOL inheritHandles, DWORD creationFlags,
                              LPVOID environment, LPCSTR directory, LPSTARTUPINFOA startup,
                              LPPROCESS_INFORMATION info)
{
    ProcessCall call = {applicationName != nullptr,
                        commandLine ? commandLine : "",
                        inheritHandles,
                        creationFlags,
                        environment != nullptr,
                        directory != nullptr,
                        startup ? startup->dwFlags : 0,
                        startup ? startup->wShowWindow : WORD(0),
                        nullptr,
                        nullptr};
    if (Launches().processResult)
    {
        // Real handles, so a test can see whether the caller closed them.
        call.process = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        call.thread = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        info->hProcess = call.process;
        info->hThread = call.thread;
        info->dwProcessId = 1;
        info->dwThreadId = 1;
    }
    Launches().processCalls.push_back(call);
    return Launches().processResult;
}

const bool g_installed = []
{
    SetShellExecuteHandler(&FakeShellExecute);
    SetCreateProcessHandler(&FakeCreateProcess);
    return true;
}();
} // namespace

LaunchFakes& Launches()
{
    static LaunchFakes fakes;
    return fakes;
}

LaunchFakes& ResetLaunchFakes()
{
    (void)g_installed;
    Launches() = LaunchFakes();
    return Launches();
}
