// Measures a folder run through ProtectFolder against a bare loop of qpdf open, encrypt and
// write over the same files in the same process, both with 256-bit AES, on one worker. What
// the run adds per file is listing, opening the source, the rename over the target, the
// version read and the result row; with many small files that share is at its largest. The
// window's run on every core is window_run_bench's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include "bench_common.h"
#include "engine/path_compare.h"
#include "engine/protect_file.h"
#include "engine/protect_folder.h"
#include "engine/random_provider.h"
#include "engine/result_row.h"
#include "tests/support/memory_protection_view.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
// Where the time of one small file goes, where the run's share is largest.
void PrintSmallFileWork(const std::string& in, const std::string& out)
{
    const std::string copy = TempFolderPath() + "bench_copy.pdf";
    const int n = 50;
    auto each = [&](const std::function<void()>& f)
    {
        return Seconds(
                   [&]
                   {
                       for (int i = 0; i < n; ++i)
                           f();
                   }) *
               1000.0 / n;
    };
    std::string status, version;
    const double bare = each([&] { BareQpdf(in, out); });
    const double tool = each([&] { ProtectFile(in, out, {"open", "perm", {}, 2}, status); });
    const double same = each([&] { IsSamePath(in, out); });
    const double copies = 2 * each([&] { CopyFileA(in.c_str(), copy.c_str(), FALSE); });
    // The copies are no longer made; their cost stays printed for comparison.
    const double header = each([&] { DetectPdfVersion(in, version); });
    DeleteFileA(copy.c_str());
    std::printf(
        "one small file, ms: bare %.2f, ProtectFile %.2f; of what it adds: same-path "
        "test %.2f (only on a failed target now), two copies %.2f (no longer made); the row's "
        "version read %.2f\n",
        bare, tool, same, copies, header);
}

constexpr int kRuns = 3;
} // namespace

int main()
{
    ScratchFolder scratch;
    const std::string in = scratch / "in";
    const std::string out = scratch / "out";
    CreateDirectoryA(in.c_str(), nullptr);
    CreateDirectoryA(out.c_str(), nullptr);

    const FolderSet set = MakeFolderSet(in, scratch.Path());

    std::vector<FolderEntry> names;
    ListFolderPdfs(in, false, "", names);
    ProtectionRequest request;
    request.bFolderMode = 1;
    request.strSourceFile = in;
    request.strTargetFile = out;
    request.strPassword = "open";
    request.strPermissionPassword = "perm";
    request.bEncryptionType = 2;
    request.bTargetSetSuffix = 0;
    request.bIgnoreSuffixFiles = 0;

    InstallSystemRandomProvider();
    auto bareLoop = [&]
    {
        for (const FolderEntry& n : names)
            BareQpdf(in + "\\" + n.name, out + "\\" + n.name);
    };
    size_t failed = 0;
    auto folderRun = [&]
    {
        CMemoryProtectionView view;
        ProtectFolder(request, "AES-256", view);
        for (const ResultRow& row : view.m_rows)
            failed += row.clrText == kRowTextFailed;
    };

    folderRun(); // warm the file cache and the targets for both
    std::vector<double> bare, tool;
    for (int i = 0; i < kRuns; ++i)
    {
        bare.push_back(Seconds(bareLoop));
        tool.push_back(Seconds(folderRun));
    }
    const double b = Median(bare), t = Median(tool);
    std::printf("folder: %zu files (%d small of %.1f KB, %d medium of %.2f MB), %.1f MB, "
                "median of %d runs\n",
                names.size(), kFolderSetSmall, set.smallBytes / 1024.0, kFolderSetMedium,
                set.mediumBytes / (1024.0 * 1024.0), set.totalBytes / (1024.0 * 1024.0), kRuns);
    std::printf("bare qpdf loop %.3f s, ProtectFolder %.3f s, ratio %.3f (target at most 1.15)\n",
                b, t, t / b);
    std::printf("added per file: %.2f ms\n", (t - b) * 1000.0 / static_cast<double>(names.size()));
    PrintSmallFileWork(in + "\\small_000.pdf", out + "\\small_000.pdf");
    if (failed)
        std::printf("warning: %zu files failed to protect\n", failed);
    return 0;
}
