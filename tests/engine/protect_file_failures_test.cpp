#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "engine/protect_file.h"
#include "engine/status_texts.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
// Temporaries of this process only: other test programs may be protecting files too.
std::vector<std::string> OurTemporaries()
{
    return FilesStartingWith(TempFolderPath(), std::string(kTempFilePrefix) + "_" +
                                                   std::to_string(GetCurrentProcessId()) + "_");
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
    EXPECT_FALSE(ProtectFile(source, target, "open", "perm", true, false, false, 2, status));
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
    EXPECT_TRUE(OurTemporaries().empty());
}

std::string PlainTarget(const ScratchFolder& f, const std::string&)
{
    return f / "target.pdf";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProtectFileFailures,
    ::testing::Values(FailureCase{"MissingSource", PlainTarget, kStatusSourceMissing, ""},
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
                                      WriteFileBytes(s,
                                                     "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pag");
                                      return PlainTarget(f, s);
                                  },
                                  "", "source.pdf"},
                      FailureCase{"TextFileNamedPdf",
                                  [](const ScratchFolder& f, const std::string& s)
                                  {
                                      WriteFileBytes(
                                          s, "Dear reader,\nthis is a letter, not a PDF.\n");
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
    EXPECT_FALSE(ProtectFile(source, target, "open", "perm", false, false, false, 2, status));
    CloseHandle(lock);
    EXPECT_EQ(status, kStatusTargetFailed);
    EXPECT_EQ(ReadFileBytes(target), "in use");
    EXPECT_TRUE(OurTemporaries().empty());
}

// Without a usable temporary folder the library reads the source and writes the target
// directly; non-ASCII names must survive that route too.
TEST(ProtectFileWithoutTempFolder, ProtectsStraightFromSourceToTarget)
{
    ScratchFolder folder("\xC9t\xE9");
    const std::string source = folder / "r\xE9sum\xE9.pdf";
    const std::string target = folder / "r\xE9sum\xE9 prot\xE9g\xE9.pdf";
    MakePdf(source);
    const std::string before = ReadFileBytes(source);
    TempFolderOverride temp(folder / "missing\\");
    std::string status;
    EXPECT_TRUE(ProtectFile(source, target, "open", "perm", false, true, false, 2, status))
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
    EXPECT_FALSE(ProtectFile(source, target, "open", "perm", false, false, false, 2, status));
    EXPECT_EQ(status.rfind("Error: ", 0), 0u);
    EXPECT_NE(status.find(source), std::string::npos) << status;
    EXPECT_FALSE(PathExists(target));

    status.clear();
    EXPECT_FALSE(
        ProtectFile(folder / "absent.pdf", target, "open", "", false, false, false, 2, status));
    EXPECT_EQ(status, kStatusSourceMissing);
}
} // namespace
