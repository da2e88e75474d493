#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/protect_file.h"
#include "engine/status_texts.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
// Temporaries of this process only, in the temporary folder and in the target's folder:
// other test programs may be protecting files too.
std::vector<std::string> OurTemporaries(const std::string& targetFolder)
{
    const std::string prefix =
        std::string(kTempFilePrefix) + "_" + std::to_string(GetCurrentProcessId()) + "_";
    std::vector<std::string> found = FilesStartingWith(TempFolderPath(), prefix);
    for (const std::string& name : FilesStartingWith(targetFolder, prefix))
        found.push_back(name);
    return found;
}

struct FailureCase
{
    const char* name;
    // Prepares the source (may leave it missing) and returns the target path to use.
    std::function<std::string(const ScratchFolder&, const std::string& source)> prepare;
    // The exact status, or empty when only the "Error: " start and `mentions` are checked.
    std::string status;
    std::string mentions;
};

class ProtectFileFailures : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(ProtectFileFailures, ReportAndLeaveNothingBehind)
{
    const FailureCase& c = GetParam();
    ScratchFolder folder;
    const std::string source = folder / "source.pdf";
    const std::string target = c.prepare(folder, source);
    const std::string before = ReadFileBytes(source);
    const bool bTargetExisted = PathExists(target);
    const std::string targetBefore = ReadFileBytes(target);

    std::string status;
    EXPECT_FALSE(ProtectFile(source, target, {"open", "perm", {true, false, false}, 2}, status));
    if (!c.status.empty())
    {
        EXPECT_EQ(status, c.status);
    }
    EXPECT_EQ(status.rfind("Error: ", 0), 0u) << status;
    if (!c.mentions.empty())
    {
        EXPECT_NE(status.find(folder / c.mentions), std::string::npos) << status;
    }
    EXPECT_EQ(status.find(kTempFilePrefix), std::string::npos) << status;
    EXPECT_EQ(ReadFileBytes(source), before);
    EXPECT_EQ(PathExists(target), bTargetExisted);
    if (bTargetExisted)
    {
        EXPECT_EQ(ReadFileBytes(target), targetBefore);
    }
    EXPECT_TRUE(OurTemporaries(folder.Path()).empty());
}

std::string PlainTarget(const ScratchFolder& f, const std::string&)
{
    return f / "target.pdf";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProtectFileFailures,
    ::testing::Values(
        FailureCase{"MissingSource", PlainTarget, kStatusSourceMissing, ""},
        FailureCase{"SourceNeedsPassword",
                    [](const ScratchFolder& f, const std::string& s)
                    {
                        MakePdf(s, PdfRecipe{1, 3, 0, true, "secret", "owner"});
                        return PlainTarget(f, s);
                    },
                    kStatusAlreadyProtected, ""},
        FailureCase{"SourceHasOnlyPermissionPassword",
                    [](const ScratchFolder& f, const std::string& s)
                    {
                        MakePdf(s, PdfRecipe{1, 3, 0, true, "", "owner"});
                        return PlainTarget(f, s);
                    },
                    kStatusAlreadyProtected, ""},
        FailureCase{"DamagedFile",
                    [](const ScratchFolder& f, const std::string& s)
                    {
                        WriteFileBytes(s, "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pag");
                        return PlainTarget(f, s);
                    },
                    "", "source.pdf"},
        FailureCase{"DamagedFileOverAnOldTarget",
                    [](const ScratchFolder& f, const std::string& s)
                    {
                        WriteFileBytes(s, "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pag");
                        WriteFileBytes(f / "target.pdf", "the old target");
                        return PlainTarget(f, s);
                    },
                    "", "source.pdf"},
        FailureCase{"TextFileNamedPdf",
                    [](const ScratchFolder& f, const std::string& s)
                    {
                        WriteFileBytes(s, "Dear reader,\nthis is a letter, not a PDF.\n");
                        return PlainTarget(f, s);
                    },
                    "", "source.pdf"},
        FailureCase{"TargetInMissingFolder",
                    [](const ScratchFolder& f, const std::string& s)
                    {
                        MakePdf(s);
                        return f / "no such folder\\target.pdf";
                    },
                    kStatusTargetFailed, ""},
        FailureCase{"TargetIsTheSource",
                    [](const ScratchFolder& f, const std::string& s)
                    {
                        MakePdf(s);
                        return f.Path() + "\\.\\SOURCE.PDF";
                    },
                    kStatusSameAsSource, ""}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// Another application holding the target open without sharing: the final copy must fail
// and the locked file must keep its contents.
TEST(ProtectFileLockedTarget, ReportsTargetFailure)
{
    ScratchFolder folder;
    const std::string source = folder / "source.pdf";
    const std::string target = folder / "target.pdf";
    MakePdf(source);
    WriteFileBytes(target, "in use");
    HANDLE lock = CreateFileA(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::string status;
    EXPECT_FALSE(ProtectFile(source, target, {"open", "perm", {}, 2}, status));
    CloseHandle(lock);
    EXPECT_EQ(status, kStatusTargetFailed);
    EXPECT_EQ(ReadFileBytes(target), "in use");
    EXPECT_TRUE(OurTemporaries(folder.Path()).empty());
}

// Another application writing the source: what it writes could end half in the target.
TEST(ProtectFileSourceInUse, SourceOpenForWritingIsRefused)
{
    ScratchFolder folder;
    const std::string source = folder / "source.pdf";
    const std::string target = folder / "target.pdf";
    MakePdf(source);
    HANDLE writer = CreateFileA(source.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    std::string status;
    EXPECT_FALSE(ProtectFile(source, target, {"open", "perm", {}, 2}, status));
    CloseHandle(writer);
    EXPECT_EQ(status, kStatusSourceInUse);
    EXPECT_FALSE(PathExists(target));

    // A reader that lets others read does not stand in the way.
    HANDLE reader = CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(ProtectFile(source, target, {"open", "perm", {}, 2}, status)) << status;
    CloseHandle(reader);
}

// Run only by the test below, in a process of its own that it ends half-way.
TEST(ProtectFileChild, DISABLED_ProtectsUntilEnded)
{
    char source[MAX_PATH] = "", target[MAX_PATH] = "";
    GetEnvironmentVariableA("SEALWICK_CHILD_SOURCE", source, sizeof source);
    GetEnvironmentVariableA("SEALWICK_CHILD_TARGET", target, sizeof target);
    ASSERT_TRUE(source[0] && target[0]);
    for (;;)
    {
        std::string status;
        ProtectFile(source, target, {"open", "perm", {}, 2}, status);
    }
}

// A run ended by the system (a crash, a shutdown, the task manager) must not leave a readable
// copy of a confidential source in the temporary folder, which other users may share.
TEST(ProtectFileEnded, LeavesNoUnencryptedCopyInTheTemporaryFolder)
{
    ScratchFolder folder;
    const std::string temp = folder / "temp", out = folder / "out";
    CreateDirectoryA(temp.c_str(), nullptr);
    CreateDirectoryA(out.c_str(), nullptr);
    const std::string source = folder / "confidential.pdf";
    MakePdf(source, PdfRecipe{8, 20, 8u << 20, false, "", ""});
    TempFolderOverride override(temp + "\\");
    SetEnvironmentVariableA("SEALWICK_CHILD_SOURCE", source.c_str());
    SetEnvironmentVariableA("SEALWICK_CHILD_TARGET", (out + "\\confidential.pdf").c_str());

    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string command = std::string("\"") + exe +
                          "\" --gtest_also_run_disabled_tests "
                          "--gtest_filter=ProtectFileChild.DISABLED_ProtectsUntilEnded";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION child = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                               &startup, &child));
    // End it while a file is being written: its temporary exists, wherever it is made.
    bool bMidway = false;
    for (int i = 0; i < 3000 && !bMidway; ++i)
    {
        bMidway = !FilesStartingWith(temp, kTempFilePrefix).empty() ||
                  !FilesStartingWith(out, kTempFilePrefix).empty();
        if (!bMidway)
            Sleep(5);
    }
    TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, 10000);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    CloseHandle(nul);
    EXPECT_TRUE(bMidway);
    std::vector<std::string> left = FilesStartingWith(temp, "");
    left.erase(std::remove_if(left.begin(), left.end(),
                              [](const std::string& n) { return n == "." || n == ".."; }),
               left.end());
    EXPECT_TRUE(left.empty()) << left.front();
    // Nor half a file beside the target.
    EXPECT_TRUE(FilesStartingWith(out, kTempFilePrefix).empty());
}

// The temporary folder plays no part any more; a missing one changes nothing, and
// non-ASCII names must survive.
TEST(ProtectFileWithoutTempFolder, ProtectsStraightFromSourceToTarget)
{
    ScratchFolder folder(Ansi(L"\u00C9t\u00E9"));
    const std::string source = folder / Ansi(L"r\u00E9sum\u00E9.pdf");
    const std::string target = folder / Ansi(L"r\u00E9sum\u00E9 prot\u00E9g\u00E9.pdf");
    MakePdf(source);
    const std::string before = ReadFileBytes(source);
    TempFolderOverride temp(folder / "missing\\");
    std::string status;
    EXPECT_TRUE(ProtectFile(source, target, {"open", "perm", {false, true, false}, 2}, status))
        << status;
    EXPECT_EQ(status, kStatusProtectedRestricted);
    EXPECT_EQ(ReadEncryption(target, "open").P, -300);
    EXPECT_EQ(ReadFileBytes(source), before);
}

TEST(ProtectFileWithoutTempFolder, FailuresNameTheUserFilesAndLeaveNoHalfTarget)
{
    ScratchFolder folder;
    const std::string source = folder / "broken.pdf";
    const std::string target = folder / "out.pdf";
    WriteFileBytes(source, "not a pdf at all");
    TempFolderOverride temp(folder / "missing\\");
    std::string status;
    EXPECT_FALSE(ProtectFile(source, target, {"open", "perm", {}, 2}, status));
    EXPECT_EQ(status.rfind("Error: ", 0), 0u);
    EXPECT_NE(status.find(source), std::string::npos) << status;
    EXPECT_FALSE(PathExists(target));

    status.clear();
    EXPECT_FALSE(ProtectFile(folder / "absent.pdf", target, {"open", "", {}, 2}, status));
    EXPECT_EQ(status, kStatusSourceMissing);
}
} // namespace
