#include <windows.h>

#include <gtest/gtest.h>

#include "engine/result_row.h"
#include "engine/status_texts.h"
#include "tests/support/memory_protection_view.h"
#include "tests/support/scratch.h"

namespace
{
struct VersionCase
{
    const char* name;
    std::string bytes;
    bool bFound;
    const char* version;
};

std::string Padded(const std::string& head, size_t size)
{
    return head + std::string(size > head.size() ? size - head.size() : 0, '\n');
}

const VersionCase kVersionCases[] = {
    {"Pdf17", Padded("%PDF-1.7\n%\xE2\xE3\xCF\xD3", 200), true, "PDF v1.7"},
    {"SmallLetters20", Padded("%pdf-2.0", 60), true, "PDF v2.0"},
    {"ExactlyFiftyBytes", Padded("%PDF-1.4", 50), true, "PDF v1.4"},
    {"ThirtyBytes", Padded("%PDF-1.4", 30), false, ""},
    {"FortyNineBytes", Padded("%PDF-1.4", 49), false, ""},
    {"TextFile", Padded("Quarterly notes, nothing to see here.", 400), false, ""},
    {"HeaderNotAtStart", Padded(" %PDF-1.7", 60), false, ""},
    {"ZeroByteEndsVersion", Padded(std::string("%PDF-1\0.5", 9), 60), true, "PDF v1"},
};

void PrintTo(const VersionCase& c, std::ostream* os)
{
    *os << c.name;
}

class PdfVersions : public ::testing::TestWithParam<VersionCase>
{
};

TEST_P(PdfVersions, ReadsTheHeader)
{
    ScratchFolder folder;
    const std::string path = folder / "f.pdf";
    WriteFileBytes(path, GetParam().bytes);
    std::string version = "stale";
    EXPECT_EQ(DetectPdfVersion(path, version), GetParam().bFound);
    EXPECT_EQ(version, GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(, PdfVersions, ::testing::ValuesIn(kVersionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DetectPdfVersion, MissingOrLockedFileHasNone)
{
    ScratchFolder folder;
    std::string version = "stale";
    EXPECT_FALSE(DetectPdfVersion(folder / "missing.pdf", version));
    EXPECT_EQ(version, "");

    const std::string path = folder / "held.pdf";
    WriteFileBytes(path, Padded("%PDF-1.7", 80));
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(DetectPdfVersion(path, version));
    CloseHandle(h);
    EXPECT_TRUE(DetectPdfVersion(path, version)) << "the file was closed again";
}

struct RowCase
{
    const char* name;
    const char* status;
    bool bFailed;
};

const RowCase kRowCases[] = {
    {"Protected", kStatusProtected, false},
    {"ProtectedWithRestrictions", kStatusProtectedRestricted, false},
    {"AlreadyProtected", kStatusAlreadyProtected, true},
    {"ErrorMarkInsideText", "Stopped. Error: disk full", true},
    {"MarkComparedWithCase", "error: looks like one but is not", false},
};

void PrintTo(const RowCase& c, std::ostream* os)
{
    *os << c.name;
}

class ResultRows : public ::testing::TestWithParam<RowCase>
{
};

TEST_P(ResultRows, ColourAndTargetFollowTheStatus)
{
    ScratchFolder folder;
    const std::string source = folder / "Annual Report.pdf";
    WriteFileBytes(source, Padded("%PDF-1.6", 100));
    CMemoryProtectionView view;
    AddResultRow(view, source, "AES-128", "D:\\out\\Annual Report.pdf", GetParam().status);

    ASSERT_EQ(view.m_rows.size(), 1u);
    const ResultRow& row = view.m_rows[0];
    EXPECT_EQ(row.strFileName, "Annual Report.pdf");
    EXPECT_EQ(row.strPdfVersion, "PDF v1.6");
    EXPECT_EQ(row.strEncryption, "AES-128");
    EXPECT_EQ(row.strStatus, GetParam().status);
    EXPECT_EQ(row.strSourceFile, source);
    EXPECT_EQ(row.strTargetFile, GetParam().bFailed ? "" : "D:\\out\\Annual Report.pdf");
    EXPECT_EQ(row.clrText, GetParam().bFailed ? 255u : 0u);
    EXPECT_EQ(row.clrBackground, 16777215u);
}

INSTANTIATE_TEST_SUITE_P(, ResultRows, ::testing::ValuesIn(kRowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AddResultRow, PathWithoutFolderAndEmptyPath)
{
    CMemoryProtectionView view;
    AddResultRow(view, "", "AES-256", "t.pdf", kStatusProtected);
    EXPECT_TRUE(view.m_rows.empty());

    AddResultRow(view, "no-folder.pdf", "AES-256", "t.pdf", kStatusSourceMissing);
    ASSERT_EQ(view.m_rows.size(), 1u);
    EXPECT_EQ(view.m_rows[0].strFileName, "no-folder.pdf");
    EXPECT_EQ(view.m_rows[0].strSourceFile, "no-folder.pdf");
    EXPECT_EQ(view.m_rows[0].strPdfVersion, "");
}

TEST(AddResultRow, LongStatusIsCut)
{
    CMemoryProtectionView view;
    AddResultRow(view, "C:\\a.pdf", "AES-256", "t.pdf", "Error: " + std::string(6000, 'x'));
    ASSERT_EQ(view.m_rows.size(), 1u);
    EXPECT_EQ(view.m_rows[0].strStatus.size(), kStatusMaxChars);
}
} // namespace
