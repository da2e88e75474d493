// The console companion of the window: the same protection for scripts and scheduled jobs.
#include <string>
#include <vector>

#include "cli/cli_main.h"

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::wstring> args;
    for (int k = 1; k < argc; ++k)
        args.emplace_back(argv[k]);
    return RunCli(args);
}
