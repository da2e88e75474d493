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
#include "engine/encryption_type.h"
#include "engine/protect_file.h"
#include "engine/random_provider.h"
#include "engine/written_file_check.h"
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

// The check ProtectFile makes of an AES copy knows the file key and the dictionary the writer was
// given; read them back from the copy (outside the timing) to check it the same way.
void AddWriterDictionary(const std::string& path, WrittenFileExpectation& expected)
{
    QPDF pdf;
    pdf.processFile(path.c_str(), "perm");
    QPDFObjectHandle encrypt = pdf.getTrailer().getKey("/Encrypt");
    expected.fileKey = pdf.getEncryptionKey();
    expected.O = encrypt.getKey("/O").getStringValue();
    expected.U = encrypt.getKey("/U").getStringValue();
    if (expected.method != EncryptionAes256)
        return;
    expected.OE = encrypt.getKey("/OE").getStringValue();
    expected.UE = encrypt.getKey("/UE").getStringValue();
    expected.Perms = encrypt.getKey("/Perms").getStringValue();
}

// What the check of a written copy costs beside the whole ProtectFile call (which includes
// it), per method, on the small file. For 256-bit AES also the check that hashes both
// passwords again, as it would without the writer's dictionary.
void PrintCheckCost(const std::string& in, const std::string& out, int pages)
{
    std::printf("check of the written copy, small file (ProtectFile includes it):\n");
    std::printf("%-22s %11s %9s %7s\n", "method", "protect ms", "check ms", "share");
    for (int method : {0, 1, 2, 3})
    {
        const bool bRehash = method == 3;
        const int type = bRehash ? 2 : method;
        const ProtectOptions options{"open", "perm", {false, false, true}, type};
        WrittenFileExpectation expected;
        expected.method = NormalizeEncryptionType(type);
        expected.userPassword = "open";
        expected.ownerPassword = "perm";
        expected.bPreventPrint = true;
        expected.pages = pages;
        std::vector<double> protect, check;
        for (int i = 0; i < 15; ++i)
        {
            std::string status;
            protect.push_back(Seconds([&] { ProtectFile(in, out, options, status); }));
            if (type != 0 && !bRehash)
                AddWriterDictionary(out, expected);
            std::string what;
            check.push_back(Seconds([&] { what = CheckWrittenFile(out, expected); }));
            if (!what.empty())
                std::fprintf(stderr, "check failed: %s\n", what.c_str());
        }
        const double p = Median(protect) * 1000, c = Median(check) * 1000;
        std::printf("%-22s %11.2f %9.2f %6.1f%%\n",
                    bRehash ? "AES-256, hashing again" : EncryptionTypeLabel(type), p, c,
                    100 * c / p);
    }
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
        if (std::string(s.name) == "small")
            PrintCheckCost(in, out, s.recipe.pages);
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
