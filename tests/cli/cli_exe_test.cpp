#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "cli/cli_texts.h"
#include "cli/csv.h"
#include "cli_process.h"
#include "engine/message_box_texts.h"
#include "engine/protect_file.h"
#include "engine/status_texts.h"
#include "engine/validate_request.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
const char* const kDamaged = "%PDF-1.4\nthis file was cut short and has no trailer\n"
                             "padding padding padding padding\n";

std::vector<std::vector<std::string>> ReportRows(const std::string& path)
{
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.compare(0, 3, kUtf8Bom), 0) << "the report starts with a byte-order mark";
    std::vector<CsvRecord> records;
    std::string error;
    EXPECT_TRUE(ParseCsv(bytes, records, error)) << error;
    std::vector<std::vector<std::string>> rows;
    for (const CsvRecord& r : records)
        rows.push_back(r.fields);
    return rows;
}

struct ExitCase
{
    const char* name;
    std::vector<std::string> args;
    unsigned long exitCode;
    // The text standard error must hold, given the scratch folder.
    std::function<std::string(const ScratchFolder&)> err = nullptr;
    const char* notInErr = nullptr;
    const char* creates = nullptr; // a target the run writes, relative to the scratch folder
};

const ExitCase kExitCases[] = {
    {"Protected", {"a.pdf", "-p", "x"}, 0, nullptr, nullptr, "a_protected.pdf"},
    {"IntoFolder", {"a.pdf", "in", "-p", "x", "-s", "_s"}, 0, nullptr, nullptr, "in\\a_s.pdf"},
    {"SkipSuffixed",
     {"in", "--skip-suffixed", "-s", "b", "-p", "x"},
     2,
     [](const ScratchFolder& f) { return AsPrinted(FormatPathMessage(kMsgNoPdfFiles, f / "in")); }},
    {"Damaged", {"bad.pdf", "-p", "x"}, 1},
    {"NoArguments", {}, 2, [](const ScratchFolder&) { return std::string("Usage:"); }},
    {"UnknownOption",
     {"a.pdf", "-p", "x", "--colour"},
     2,
     [](const ScratchFolder&) { return std::string("unknown option --colour"); }},
    {"BadMethod",
     {"a.pdf", "-p", "x", "-m", "des"},
     2,
     [](const ScratchFolder&) { return std::string("Usage:"); }},
    {"NoPasswords",
     {"a.pdf"},
     2,
     [](const ScratchFolder&) { return AsPrinted(kMsgBothPasswordsEmpty); }},
    {"BlankPasswords",
     {"a.pdf", "-p", "  ", "-P", "\t"},
     2,
     [](const ScratchFolder&) { return AsPrinted(kMsgBothPasswordsEmpty); }},
    // Passwords are checked as the window checks them, before the paths.
    {"PasswordReadersTreatDifferently",
     {"gone.pdf", "-p",
      "a\xC2\xA0"
      "b"},
     2,
     [](const ScratchFolder&)
     {
         return AsPrinted("The open password contains a character that PDF readers treat "
                          "differently (U+00A0)");
     }},
    {"MissingSource",
     {"gone.pdf", "-p", "x"},
     2,
     [](const ScratchFolder& f)
     { return AsPrinted(FormatPathMessage(kMsgSourceFileNotFound, f / "gone.pdf")); }},
    {"SameFile",
     {"a.pdf", "A.PDF", "-p", "x"},
     2,
     [](const ScratchFolder& f)
     { return AsPrinted(FormatPathMessage(kMsgSameSourceAndTargetFile, f / "a.pdf")); }},
    {"TargetFolderMissing",
     {"in", "nowhere", "-p", "x"},
     2,
     [](const ScratchFolder& f)
     { return AsPrinted(FormatPathMessage(kMsgTargetFolderNotFound, f / "nowhere")); }},
    {"SameFolderNoSuffix",
     {"in", "--suffix=", "-p", "x"},
     2,
     [](const ScratchFolder& f)
     { return AsPrinted(FormatPathMessage(kMsgSameFoldersEmptySuffix, f / "in")); }},
    {"NoPdfInFolder",
     {"empty", "-p", "x"},
     2,
     [](const ScratchFolder& f)
     { return AsPrinted(FormatPathMessage(kMsgNoPdfFiles, f / "empty")); }},
    // The window asks; the command warns with the same words and goes ahead.
    {"OnlyPermissionPassword",
     {"a.pdf", "-P", "perm"},
     0,
     [](const ScratchFolder&)
     {
         return AsPrinted("Open Password is empty. It is highly recommended to set Open "
                          "password. \n\nWithout it, some softwares can easily remove all "
                          "protections & restrictions.");
     },
     "Would you like"},
    // Restrictions that whoever opens the file could lift: refused before anything is written.
    {"RestrictionsWithoutPermissionPassword",
     {"a.pdf", "-p", "x", "--no-print"},
     2,
     [](const ScratchFolder&) { return std::string(kMsgPermissionPasswordNeeded); }},
    {"Help", {"--help"}, 0},
};

TEST(CliExe, ExitCodesAndRefusals)
{
    for (const ExitCase& c : kExitCases)
    {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        MakePdf(folder / "a.pdf");
        WriteFileBytes(folder / "bad.pdf", kDamaged);
        CreateDirectoryA((folder / "in").c_str(), nullptr);
        MakePdf(folder / "in\\b.pdf");
        CreateDirectoryA((folder / "empty").c_str(), nullptr);
        const CliRun run = RunCliExe(c.args, folder.Path());
        EXPECT_EQ(run.exitCode, c.exitCode) << run.out << run.err;
        if (c.err)
        {
            EXPECT_NE(run.err.find(c.err(folder)), std::string::npos) << run.err;
        }
        if (c.notInErr)
        {
            EXPECT_EQ(run.err.find(c.notInErr), std::string::npos) << run.err;
        }
        if (c.creates)
        {
            EXPECT_TRUE(ReadEncryption(folder / c.creates, "x").bUserMatched) << c.creates;
        }
        if (c.exitCode == 2)
        {
            EXPECT_TRUE(run.out.empty()) << run.out;
        }
    }
}

// A folder with a good, a damaged and an encrypted file: every file gets its line and its
// report row with the window's texts, the good one is protected, and the run fails.
TEST(CliExe, FolderWithGoodDamagedAndEncryptedFiles)
{
    ScratchFolder folder;
    CreateDirectoryA((folder / "in").c_str(), nullptr);
    CreateDirectoryA((folder / "out").c_str(), nullptr);
    MakePdf(folder / "in\\good.pdf");
    WriteFileBytes(folder / "in\\damaged.pdf", kDamaged);
    PdfRecipe locked;
    locked.bEncrypt = true;
    locked.userPassword = locked.ownerPassword = "theirs";
    MakePdf(folder / "in\\locked.pdf", locked);

    const CliRun run = RunCliExe({"in", "out", "-p", "open", "-P", "perm", "--no-print", "--report",
                                  "report.csv", "-j", "2"},
                                 folder.Path());
    EXPECT_EQ(run.exitCode, 1u) << run.err;

    std::vector<OutputLine> lines = ParseOutputLines(run);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    std::sort(lines.begin(), lines.end(),
              [](const OutputLine& a, const OutputLine& b) { return a.source < b.source; });
    EXPECT_EQ(lines[0].word, "ERROR");
    EXPECT_EQ(lines[0].source, folder / "in\\damaged.pdf");
    EXPECT_EQ(lines[0].target, "");
    EXPECT_EQ(lines[0].status.rfind("Error: " + folder / "in\\damaged.pdf", 0), 0u)
        << lines[0].status;
    EXPECT_EQ(lines[1].word, "OK");
    EXPECT_EQ(lines[1].target, folder / "out\\good_protected.pdf");
    EXPECT_EQ(lines[1].status, kStatusProtectedRestricted);
    EXPECT_EQ(lines[2].word, "ERROR");
    EXPECT_EQ(lines[2].status, kStatusAlreadyProtected);

    const EncryptionReadback good = ReadEncryption(folder / "out\\good_protected.pdf", "open");
    EXPECT_TRUE(good.bOpened && good.bUserMatched && good.R == 6 && good.P == -2056);
    EXPECT_TRUE(ReadEncryption(folder / "out\\good_protected.pdf", "perm").bOwnerMatched);
    EXPECT_FALSE(PathExists(folder / "out\\damaged_protected.pdf"));
    EXPECT_FALSE(PathExists(folder / "out\\locked_protected.pdf"));

    // The report has a header and the lines' rows in the same order, with version and label.
    const auto rows = ReportRows(folder / "report.csv");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"Source PDF File", "Target PDF File", "PDF Version",
                                        "Encryption", "Status", "repaired", "signed", "pdfa",
                                        "random_permission_password", "checked"}));
    const std::vector<OutputLine> inOrder = ParseOutputLines(run);
    for (size_t k = 0; k < 3; ++k)
    {
        const auto& row = rows[k + 1];
        ASSERT_EQ(row.size(), 10u);
        EXPECT_EQ(row[9], inOrder[k].word == "OK" ? "yes" : "no") << "checked";
        EXPECT_EQ(row[0], inOrder[k].source);
        EXPECT_EQ(row[1], inOrder[k].target);
        EXPECT_EQ(row[2].rfind("PDF v1.", 0), 0u) << row[2];
        EXPECT_EQ(row[3], "AES-256");
        EXPECT_EQ(row[4], inOrder[k].status);
    }
}

// With the suffix "_p", a.pdf would be written over a_p.pdf, another source of the run.
void ExpectAnotherSourceKept(const std::string& prefix, const char* jobs)
{
    ScratchFolder folder;
    MakePdf(folder / "a.pdf");
    MakePdf(folder / "a_p.pdf", PdfRecipe{3});
    const std::string before = ReadFileBytes(folder / "a_p.pdf");
    const CliRun run =
        RunCliExe({".", prefix + folder.Path(), "-s", "_p", "-p", "x", "-j", jobs}, folder.Path());
    EXPECT_EQ(run.exitCode, 1u) << run.err;
    EXPECT_EQ(ReadFileBytes(folder / "a_p.pdf"), before);
    EXPECT_NE(run.out.find("ERROR\t" + folder / "a.pdf\t\tError: Target file is another Source"),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(ReadEncryption(folder / "a_p_p.pdf", "x").bUserMatched);
}

// The target folder is the source folder, as typed or behind the long-path prefix.
TEST(CliExe, ATargetThatIsAnotherSourceIsNotWritten)
{
    ExpectAnotherSourceKept("", "1");
    ExpectAnotherSourceKept("\\\\?\\", "2");
}

TEST(CliExe, RecursiveMirrorsTheTree)
{
    ScratchFolder folder;
    for (const char* sub : {"in", "in\\x", "in\\x\\y", "in\\nothing", "out"})
        CreateDirectoryA((folder / sub).c_str(), nullptr);
    for (const char* pdf : {"in\\a.pdf", "in\\x\\b.pdf", "in\\x\\y\\c.pdf"})
        MakePdf(folder / pdf);

    const CliRun flat = RunCliExe({"in", "out", "-p", "o", "-q"}, folder.Path());
    EXPECT_EQ(flat.exitCode, 0u) << flat.err;
    EXPECT_TRUE(flat.out.empty()) << "quiet";
    EXPECT_TRUE(PathExists(folder / "out\\a_protected.pdf"));
    EXPECT_FALSE(PathExists(folder / "out\\x"));

    const CliRun deep = RunCliExe({"in", "out", "-p", "o", "-r"}, folder.Path());
    EXPECT_EQ(deep.exitCode, 0u) << deep.err;
    EXPECT_EQ(deep.Lines().size(), 3u) << deep.out;
    for (const char* target : {"out\\x\\b_protected.pdf", "out\\x\\y\\c_protected.pdf"})
        EXPECT_TRUE(ReadEncryption(folder / target, "o").bUserMatched) << target;
    EXPECT_FALSE(PathExists(folder / "out\\nothing")) << "no folder without PDFs";

    // A target folder inside the source holds outputs: a second run does not take them in.
    CreateDirectoryA((folder / "in\\out").c_str(), nullptr);
    for (int k = 0; k < 2; ++k)
    {
        const CliRun inside = RunCliExe({"in", "in\\out", "-p", "o", "-r"}, folder.Path());
        EXPECT_EQ(inside.exitCode, 0u) << inside.err;
        EXPECT_EQ(inside.Lines().size(), 3u) << inside.out;
    }
    EXPECT_TRUE(PathExists(folder / "in\\out\\x\\y\\c_protected.pdf"));
    EXPECT_FALSE(PathExists(folder / "in\\out\\out"));
}

// One worker and several list the same files in the same order with the same outcomes.
TEST(CliExe, WorkersGiveTheSameOutputsAndReport)
{
    ScratchFolder folder;
    CreateDirectoryA((folder / "in").c_str(), nullptr);
    CreateDirectoryA((folder / "out").c_str(), nullptr);
    // The workers' temporaries go to a folder of the test's own.
    CreateDirectoryA((folder / "tmp").c_str(), nullptr);
    TempFolderOverride temp(folder / "tmp");
    const int kFiles = 16;
    for (int k = 0; k < kFiles; ++k)
    {
        const std::string name = folder / ("in\\f" + std::to_string(k) + ".pdf");
        // Page counts tell the outputs apart: files protected at the same moment must not
        // share temporaries.
        if (k % 4 == 3)
            WriteFileBytes(name, kDamaged);
        else
            MakePdf(name, PdfRecipe{k + 1});
    }
    const CliRun one =
        RunCliExe({"in", "out", "-p", "o", "-j", "1", "--report", "one.csv"}, folder.Path());
    const CliRun eight =
        RunCliExe({"in", "out", "-p", "o", "-j", "8", "--report", "eight.csv"}, folder.Path());
    EXPECT_EQ(one.exitCode, 1u);
    EXPECT_EQ(eight.exitCode, 1u);
    EXPECT_EQ(one.Lines().size(), static_cast<size_t>(kFiles));
    EXPECT_EQ(one.out, eight.out);
    EXPECT_EQ(ReadFileBytes(folder / "one.csv"), ReadFileBytes(folder / "eight.csv"));
    for (int k = 0; k < kFiles; ++k)
    {
        const EncryptionReadback r =
            ReadEncryption(folder / ("out\\f" + std::to_string(k) + "_protected.pdf"), "o");
        EXPECT_EQ(r.bUserMatched, k % 4 != 3) << k;
        EXPECT_EQ(r.pages, k % 4 != 3 ? k + 1 : 0) << k;
    }
    // No temporary is left behind by files protected at the same moment.
    EXPECT_TRUE(FilesStartingWith(folder / "tmp", kTempFilePrefix).empty());
}
} // namespace
