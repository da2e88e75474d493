#include <windows.h>

#include <gtest/gtest.h>

#include "engine/message_box_texts.h"
#include "engine/protect_file.h"
#include "engine/protect_folder.h"
#include "engine/protection_run.h"
#include "engine/status_texts.h"
#include "engine/validate_request.h"
#include "tests/support/memory_protection_view.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
// The source folder spelt another way: 0 with the long-path prefix, 1 through a directory
// symbolic link. Empty when this system makes no such link.
std::string Respelt(const std::string& folder, int how)
{
    if (how == 0)
        return "\\\\?\\" + folder;
    const std::string link = folder + "_link";
    CreateSymbolicLinkA(link.c_str(), folder.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | 2);
    return PathExists(link + "\\a.pdf") ? link : std::string();
}

class SourceFolderSpelling : public ::testing::TestWithParam<int>
{
};

TEST_P(SourceFolderSpelling, NoTargetLandsOnASource)
{
    ScratchFolder scratch;
    const std::string folder = scratch / "in", kept = folder + "\\a_p.pdf";
    CreateDirectoryA(folder.c_str(), nullptr);
    MakePdf(folder + "\\a.pdf");
    MakePdf(kept, PdfRecipe{3});
    const std::string before = ReadFileBytes(kept), target = Respelt(folder, GetParam());
    if (target.empty())
        GTEST_SKIP() << "no directory link could be made here";

    ProtectionRequest r;
    r.bFolderMode = 1;
    r.strSourceFile = folder;
    r.strTargetFile = target;
    r.strPassword = "x";
    r.bTargetSetSuffix = 0;
    r.strTargetSuffix = "_p";
    r.bIgnoreSuffixFiles = 0;
    EXPECT_EQ(ValidateRequest(r, nullptr).strMessage, FormatPathMessage(kMsgSameFolders, folder));
    r.bTargetSetSuffix = 1;
    EXPECT_EQ(ValidateRequest(r, nullptr).outcome, ValidationOutcome::Accepted);
    CMemoryProtectionView view;
    ASSERT_TRUE(ProtectFolder(r, "AES-256", view, 2));
    for (const ResultRow& row : view.m_rows)
        EXPECT_EQ(row.strStatus == kStatusTargetIsAnotherSource, row.strFileName == "a.pdf")
            << row.strFileName;

    // One file whose target is itself, spelt this way.
    std::string status;
    r.bFolderMode = 0;
    r.strSourceFile = kept;
    r.strTargetFile = target + "\\A_P.PDF";
    EXPECT_EQ(ValidateRequest(r, nullptr).strMessage,
              FormatPathMessage(kMsgSameSourceAndTargetFile, kept));
    EXPECT_FALSE(ProtectFile(kept, r.strTargetFile, ProtectOptionsOf(r), status));
    EXPECT_EQ(status, kStatusSameAsSource);
    EXPECT_EQ(ReadFileBytes(kept), before);
}
INSTANTIATE_TEST_SUITE_P(Spellings, SourceFolderSpelling, ::testing::Values(0, 1));
} // namespace
