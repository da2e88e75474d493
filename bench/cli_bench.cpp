// Measures sealwick-cli over the folder set that folder_bench uses, one worker and one per
// processor, beside the window's folder run (ProtectFolder) and a bare in-process loop of
// qpdf over the same files. The command's numbers include starting its process.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "bench_common.h"
#include "engine/protect_folder.h"
#include "engine/random_provider.h"
#include "tests/support/memory_protection_view.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
constexpr int kRuns = 3;

} // namespace

int main()
{
    ScratchFolder scratch;
    const std::string in = scratch / "in";
    const std::string out = scratch / "out";
    CreateDirectoryA(in.c_str(), nullptr);
    CreateDirectoryA(out.c_str(), nullptr);
    MakeFolderSet(in, scratch.Path());

    std::vector<FolderEntry> names;
    ListFolderPdfs(in, false, "", names);
    ProtectionRequest request;
    request.bFolderMode = 1;
    request.strSourceFile = in;
    request.strTargetFile = out;
    request.strPassword = "open";
    request.strPermissionPassword = "perm";
    request.bTargetSetSuffix = 0;
    request.bIgnoreSuffixFiles = 0;
    InstallSystemRandomProvider();

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::string common = "\"" + in + "\" \"" + out + "\" -p open -P perm --suffix= -q -j ";
    DWORD failedRuns = 0;
    std::vector<double> bare, window, cliOne, cliAll;
    for (int r = 0; r < kRuns; ++r)
    {
        bare.push_back(Seconds(
            [&]
            {
                for (const FolderEntry& n : names)
                    BareQpdf(in + "\\" + n.name, out + "\\" + n.name);
            }));
        window.push_back(Seconds(
            [&]
            {
                CMemoryProtectionView view;
                ProtectFolder(request, "AES-256", view);
            }));
        cliOne.push_back(Seconds([&] { failedRuns += RunCliQuietly(common + "1").exitCode != 0; }));
        cliAll.push_back(Seconds(
            [&] { failedRuns += RunCliQuietly(common + std::to_string(cores)).exitCode != 0; }));
    }
    const double b = Median(bare), w = Median(window), c1 = Median(cliOne), cn = Median(cliAll);
    std::printf("command: %zu files, median of %d runs, %u processors\n", names.size(), kRuns,
                cores);
    std::printf("bare qpdf loop %.3f s; window's folder run %.3f s (ratio %.3f); sealwick-cli "
                "-j 1 %.3f s (ratio %.3f); sealwick-cli -j %u %.3f s (ratio %.3f)\n",
                b, w, w / b, c1, c1 / b, cores, cn, cn / b);
    if (failedRuns)
        std::printf("warning: %lu command runs did not protect every file\n", failedRuns);
    return 0;
}
