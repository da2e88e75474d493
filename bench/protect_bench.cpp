// Measures ProtectFile against a bare qpdf open, encrypt and write of the same file in the
// same process, both with 256-bit AES. What ProtectFile adds is opening the source itself,
// writing beside the target and renaming over it, and the password and path conversions; the
// ratio shows their cost.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include "bench_common.h"
#include "engine/protect_file.h"
#include "engine/random_provider.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
void Protect(const std::string& in, const std::string& out)
{
    std::string status;
    if (!ProtectFile(in, out, {"open", "perm", {}, 2}, status))
        std::fprintf(stderr, "ProtectFile failed: %s\n", status.c_str());
}

// The file work ProtectFile used to add around the library, timed on its own for comparison:
// a working copy, a final copy to the target and deleting both temporaries.
void PrintFileWork(const std::string& in, const std::string& out)
{
    const std::string work = TempFolderPath() + "bench_work.pdf";
    const std::string done = TempFolderPath() + "bench_done.pdf";
    std::vector<double> copyIn, copyOut, remove;
    for (int i = 0; i < 5; ++i)
    {
        copyIn.push_back(Seconds([&] { CopyFileA(in.c_str(), work.c_str(), FALSE); }));
        CopyFileA(out.c_str(), done.c_str(), FALSE);
        copyOut.push_back(Seconds([&] { CopyFileA(done.c_str(), out.c_str(), FALSE); }));
        remove.push_back(Seconds(
            [&]
            {
                DeleteFileA(work.c_str());
                DeleteFileA(done.c_str());
            }));
    }
    std::printf("large, copies through the temporary folder (no longer made): working copy %.3f "
                "s, final copy %.3f s, deleting %.3f s\n",
                Median(copyIn), Median(copyOut), Median(remove));
}

struct Size
{
    const char* name;
    PdfRecipe recipe;
    int runs;
};
} // namespace

int main()
{
    ScratchFolder folder;
    const std::string out = folder / "out.pdf";

    Size sizes[] = {
        {"small", PdfRecipe{12, 60, 0, false, "", ""}, 15},
        {"medium", PdfRecipe{4, 20, 5u << 20, false, "", ""}, 9},
        {"large", PdfRecipe{40, 20, 50u << 20, false, "", ""}, 5},
    };

    std::printf("%-7s %9s %9s %9s %7s\n", "file", "MB", "bare s", "tool s", "ratio");
    for (Size& s : sizes)
    {
        const std::string in = folder / (std::string(s.name) + ".pdf");
        const double mb = static_cast<double>(MakePdf(in, s.recipe)) / (1024.0 * 1024.0);

        // qpdf's own random source first, while it is still in place: the reason the tool
        // brings its own.
        if (std::string(s.name) == "small")
        {
            std::vector<double> slow;
            for (int i = 0; i < 3; ++i)
                slow.push_back(Seconds([&] { BareQpdf(in, out); }));
            InstallSystemRandomProvider();
            std::vector<double> fast;
            for (int i = 0; i < 3; ++i)
                fast.push_back(Seconds([&] { BareQpdf(in, out); }));
            std::printf("random source, small file: qpdf's own %.3f s, system generator %.3f s "
                        "(%.1fx faster)\n",
                        Median(slow), Median(fast), Median(slow) / Median(fast));
        }

        std::vector<double> bare, tool;
        Protect(in, out); // warm the file cache for both
        for (int i = 0; i < s.runs; ++i)
        {
            bare.push_back(Seconds([&] { BareQpdf(in, out); }));
            tool.push_back(Seconds([&] { Protect(in, out); }));
        }
        const double b = Median(bare), t = Median(tool);
        std::printf("%-7s %9.2f %9.3f %9.3f %7.3f\n", s.name, mb, b, t, t / b);
        if (std::string(s.name) == "medium")
            std::printf("medium throughput: %.1f MB/s through ProtectFile\n", mb / t);
        if (std::string(s.name) == "large")
            PrintFileWork(in, out);
    }
    std::printf("target: ratio at most 1.05 for the medium and large files\n");
    return 0;
}
