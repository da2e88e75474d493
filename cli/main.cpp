// The console companion of the window: the same protection for scripts and scheduled jobs.
#include <string>
#include <vector>

#include "base/system_library.h"
#include "cli/cli_main.h"

namespace
{
// Like the window, it is often run from a download folder: no DLL may be loaded by name from
// the executable's folder, from before any other code runs.
__attribute__((constructor(101))) void RestrictDllSearchFirst()
{
    RestrictDllSearchToSystem();
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::wstring> args;
    for (int k = 1; k < argc; ++k)
        args.emplace_back(argv[k]);
    return RunCli(args);
}
