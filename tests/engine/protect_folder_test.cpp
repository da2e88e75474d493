#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "engine/message_box_texts.h"
#include "engine/protect_folder.h"
#include "engine/run_workers.h"
#include "engine/status_texts.h"
#include "engine/validate_request.h"
#include "tests/support/memory_protection_view.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
using Pairs = std::vector<std::pair<std::string, std::string>>;

// Source folder "in" and target folder "out" in a scratch folder, with every file's bytes
// remembered so a test can show that the run only read them.
class FolderRun : public ::testing::Test
{
  protected:
    FolderRun()
    {
        CreateDirectoryA(In().c_str(), nullptr);
        CreateDirectoryA(Out().c_str(), nullptr);
        m_request.bFolderMode = 1;
        m_request.strSourceFile = In();
        m_request.strTargetFile = Out();
        m_request.strPassword = "open";
        m_request.strPermissionPassword = "perm";
        m_request.bTargetSetSuffix = 0;
        m_request.bIgnoreSuffixFiles = 0;
    }

    std::string In() const { return m_folder / "in"; }
    std::string Out() const { return m_folder / "out"; }

    void AddPdf(const std::string& relative)
    {
        const std::string path = In() + "\\" + relative;
        MakePdf(path);
        m_sources[path] = ReadFileBytes(path);
    }
    void AddFile(const std::string& relative, const std::string& bytes)
    {
        const std::string path = In() + "\\" + relative;
        WriteFileBytes(path, bytes);
        m_sources[path] = bytes;
    }
    void AddFolder(const std::string& relative)
    {
        CreateDirectoryA((In() + "\\" + relative).c_str(), nullptr);
    }

    bool Run() { return ProtectFolder(m_request, "AES-256", m_view); }

    // (file name, target name) of every row, sorted: the file system's order is its own.
    Pairs RowNames() const
    {
        Pairs pairs;
        for (const ResultRow& row : m_view.m_rows)
        {
            const std::string& t = row.strTargetFile;
            pairs.emplace_back(row.strFileName, t.substr(t.find_last_of('\\') + 1));
        }
        std::sort(pairs.begin(), pairs.end());
        return pairs;
    }

    void ExpectSourcesUntouched() const
    {
        for (const auto& source : m_sources)
            EXPECT_EQ(ReadFileBytes(source.first), source.second) << source.first;
    }

    ScratchFolder m_folder;
    ProtectionRequest m_request;
    CMemoryProtectionView m_view;
    std::map<std::string, std::string> m_sources;
};

struct NamingCase
{
    const char* name;
    std::vector<std::string> pdfs;   // made as real PDFs in the source folder
    std::vector<std::string> others; // other files, and folders where the name ends in '\'
    int bIgnoreSuffixFiles;
    int bTargetSetSuffix;
    const char* suffix;
    Pairs expected; // (file name, target name); empty: "No PDF files found"
};

const NamingCase kNamingCases[] = {
    {"ExtensionInAnyCase",
     {"a.pdf", "b.PDF", "c.Pdf"},
     {"a.pdf.txt", "nodot", "x.pdf\\", "sub\\"},
     0,
     0,
     "",
     {{"a.pdf", "a.pdf"}, {"b.PDF", "b.pdf"}, {"c.Pdf", "c.pdf"}}},
    {"NameThatIsOnlyTheExtension", {".pdf"}, {}, 0, 1, "_protected", {{".pdf", "_protected.pdf"}}},
    {"BaseNameCutAtLastDot",
     {"Report.final.PDF"},
     {},
     0,
     1,
     "_protected",
     {{"Report.final.PDF", "Report.final_protected.pdf"}}},
    {"IgnoreSuffixFilesWithSuffix",
     {"a.pdf", "a_protected.pdf", "B_PROTECTED.PDF"},
     {},
     1,
     1,
     "_protected",
     {{"a.pdf", "a_protected.pdf"}}},
    {"IgnoreSuffixFilesSuffixOptionOff",
     {"a.pdf", "a_protected.pdf", "B_PROTECTED.PDF"},
     {},
     1,
     0,
     "_protected",
     {{"a.pdf", "a.pdf"}}},
    {"IgnoreWithEmptySuffixPassesOverEverything", {"a.pdf", "b.pdf"}, {}, 1, 1, "", {}},
    {"SubFoldersContributeNothing", {"sub\\a.pdf", "sub\\b.pdf"}, {"sub\\"}, 0, 0, "", {}},
};

void PrintTo(const NamingCase& c, std::ostream* os)
{
    *os << c.name;
}

class FolderNaming : public FolderRun, public ::testing::WithParamInterface<NamingCase>
{
};

TEST_P(FolderNaming, ListsAndNamesTargets)
{
    const NamingCase& c = GetParam();
    for (const std::string& other : c.others)
        if (other.back() == '\\')
            AddFolder(other);
        else
            AddFile(other, "not a pdf");
    for (const std::string& pdf : c.pdfs)
        AddPdf(pdf);
    m_request.bIgnoreSuffixFiles = c.bIgnoreSuffixFiles;
    m_request.bTargetSetSuffix = c.bTargetSetSuffix;
    m_request.strTargetSuffix = c.suffix;

    EXPECT_EQ(Run(), !c.expected.empty());
    EXPECT_EQ(RowNames(), c.expected);
    for (const ResultRow& row : m_view.m_rows)
    {
        EXPECT_EQ(row.strStatus, kStatusProtected) << row.strFileName;
        EXPECT_EQ(row.strSourceFile, In() + "\\" + row.strFileName);
        EXPECT_EQ(row.strEncryption, "AES-256");
        EXPECT_TRUE(ReadEncryption(row.strTargetFile, "open").bUserMatched) << row.strTargetFile;
    }
    if (c.expected.empty())
    {
        ASSERT_EQ(m_view.m_messages.size(), 1u);
        EXPECT_EQ(m_view.m_messages[0].strText, FormatPathMessage(kMsgNoPdfFiles, In()));
        EXPECT_EQ(m_view.m_progress, (std::vector<int>{10, 20}));
    }
    else
    {
        EXPECT_TRUE(m_view.m_messages.empty());
    }
    ExpectSourcesUntouched();
}

INSTANTIATE_TEST_SUITE_P(, FolderNaming, ::testing::ValuesIn(kNamingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FolderRun, ThreeFilesMoveTheProgressAfterEachRow)
{
    AddPdf("a.pdf");
    AddPdf("b.pdf");
    AddPdf("c.pdf");
    EXPECT_TRUE(Run());
    EXPECT_EQ(m_view.m_progress, (std::vector<int>{10, 20, 46, 73, 100}));
    // Each file's row comes before the progress it earns.
    ASSERT_EQ(m_view.m_events.size(), 8u);
    for (size_t i : {2u, 4u, 6u})
        EXPECT_EQ(m_view.m_events[i].rfind("row ", 0), 0u) << i;
}

TEST_F(FolderRun, TrailingBackslashIsDropped)
{
    AddPdf("a.pdf");
    m_request.strSourceFile = In() + "\\";
    m_request.strTargetFile = Out() + "\\";
    EXPECT_TRUE(Run());
    ASSERT_EQ(m_view.m_rows.size(), 1u);
    EXPECT_EQ(m_view.m_rows[0].strSourceFile, In() + "\\a.pdf");
    EXPECT_EQ(m_view.m_rows[0].strTargetFile, Out() + "\\a.pdf");
}

TEST_F(FolderRun, FailedFileDoesNotStopTheRun)
{
    AddPdf("a.pdf");
    AddFile("broken.pdf", "this is not a PDF at all, just some text to fill fifty bytes");
    PdfRecipe locked;
    locked.bEncrypt = true;
    locked.userPassword = "theirs";
    locked.ownerPassword = "theirs";
    MakePdf(In() + "\\locked.pdf", locked);
    m_sources[In() + "\\locked.pdf"] = ReadFileBytes(In() + "\\locked.pdf");
    AddPdf("z.pdf");

    EXPECT_TRUE(Run());
    ASSERT_EQ(m_view.m_rows.size(), 4u);
    for (const ResultRow& row : m_view.m_rows)
    {
        const bool bShouldFail = row.strFileName == "broken.pdf" || row.strFileName == "locked.pdf";
        EXPECT_EQ(row.strStatus.rfind("Error: ", 0) == 0, bShouldFail) << row.strStatus;
        EXPECT_EQ(row.clrText, bShouldFail ? kRowTextFailed : kRowTextNormal);
        EXPECT_EQ(row.strTargetFile.empty(), bShouldFail);
    }
    EXPECT_TRUE(ReadEncryption(Out() + "\\z.pdf", "open").bUserMatched);
    EXPECT_EQ(m_view.m_progress.back(), 100);
    ExpectSourcesUntouched();
}

TEST_F(FolderRun, SameFolderWithSuffixDoesNotPickUpItsOwnTargets)
{
    AddPdf("a.pdf");
    AddPdf("b.pdf");
    m_request.strTargetFile = In();
    m_request.bTargetSetSuffix = 1;
    m_request.strTargetSuffix = "_p";
    EXPECT_TRUE(Run());
    EXPECT_EQ(RowNames(), (Pairs{{"a.pdf", "a_p.pdf"}, {"b.pdf", "b_p.pdf"}}));
    ExpectSourcesUntouched();
}

// Several workers finish files out of turn; the rows, statuses and progress must still be
// exactly those of one worker, in the order the folder was listed.
TEST_F(FolderRun, SeveralWorkersGiveTheRowsAndProgressOfOne)
{
    for (int i = 0; i < 12; ++i)
    {
        const std::string name = "f" + std::to_string(i) + ".pdf";
        if (i % 4 == 1)
            AddFile(name, "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
        else if (i % 4 == 2)
            MakePdf(In() + "\\" + name, PdfRecipe{1, 3, 0, true, i % 8 ? "theirs" : "", "owner"});
        else
            // Files of very different sizes, so that later ones are done first.
            MakePdf(In() + "\\" + name, PdfRecipe{1 + i, 5, i % 3 ? 0u : 600000u, false, "", ""});
    }
    std::vector<FolderEntry> listed;
    ASSERT_TRUE(ListFolderPdfs(In(), false, "", listed));

    auto runWith = [&](unsigned workers, CMemoryProtectionView& view)
    {
        EXPECT_TRUE(ProtectFolder(m_request, "AES-256", view, workers));
        std::vector<std::string> lines;
        for (const ResultRow& row : view.m_rows)
            lines.push_back(row.strFileName + "|" + row.strPdfVersion + "|" + row.strTargetFile +
                            "|" + row.strStatus + "|" + std::to_string(row.clrText));
        return lines;
    };
    CMemoryProtectionView one, several;
    const std::vector<std::string> oneRows = runWith(1, one);
    const std::vector<std::string> severalRows = runWith(4, several);

    EXPECT_EQ(oneRows, severalRows);
    EXPECT_EQ(one.m_events, several.m_events);
    ASSERT_EQ(several.m_rows.size(), listed.size());
    for (size_t i = 0; i < listed.size(); ++i)
        EXPECT_EQ(several.m_rows[i].strFileName, listed[i].name);
    int failed = 0;
    for (const ResultRow& row : several.m_rows)
        failed += row.clrText == kRowTextFailed;
    EXPECT_EQ(failed, 6);
    EXPECT_TRUE(ReadEncryption(Out() + "\\f0.pdf", "open").bUserMatched);
    ExpectSourcesUntouched();
}

// Out of threads: the workers that did start, or the calling thread alone, do every file.
TEST_F(FolderRun, WorkersThatCannotStartLeaveTheFilesToTheOthers)
{
    for (const char* name : {"a.pdf", "b.pdf", "c.pdf", "d.pdf", "e.pdf"})
        AddPdf(name);
    for (int startable : {0, 1, 2})
    {
        CMemoryProtectionView view;
        SetWorkerThreadLimit(startable);
        const bool bRan = ProtectFolder(m_request, "AES-256", view, 4);
        SetWorkerThreadLimit(-1);
        EXPECT_TRUE(bRan);
        ASSERT_EQ(view.m_rows.size(), 5u) << startable;
        for (const ResultRow& row : view.m_rows)
            EXPECT_EQ(row.strStatus, kStatusProtected) << startable << " " << row.strFileName;
    }
}

TEST_F(FolderRun, SourceBeingWrittenGetsItsRedRowAndTheOthersGoOn)
{
    AddPdf("a.pdf");
    AddPdf("b.pdf");
    AddPdf("c.pdf");
    HANDLE writer =
        CreateFileA((In() + "\\b.pdf").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    const bool bRan = ProtectFolder(m_request, "AES-256", m_view, 2);
    CloseHandle(writer);
    EXPECT_TRUE(bRan);
    ASSERT_EQ(m_view.m_rows.size(), 3u);
    for (const ResultRow& row : m_view.m_rows)
    {
        const bool bInUse = row.strFileName == "b.pdf";
        EXPECT_EQ(row.strStatus, bInUse ? kStatusSourceInUse : kStatusProtected);
        EXPECT_EQ(row.clrText, bInUse ? kRowTextFailed : kRowTextNormal);
    }
}

struct MessageCase
{
    const char* name;
    const char* sourceLeaf; // under the scratch folder; the folder "in" exists and is empty
    const char* message;
    std::vector<int> progress;
};

void PrintTo(const MessageCase& c, std::ostream* os)
{
    *os << c.name;
}

class FolderMessages : public FolderRun, public ::testing::WithParamInterface<MessageCase>
{
};

TEST_P(FolderMessages, WarnAndAddNoRow)
{
    const MessageCase& c = GetParam();
    WriteFileBytes(m_folder / "file.txt", "x");
    m_request.strSourceFile = m_folder / c.sourceLeaf;
    EXPECT_FALSE(Run());
    std::string shown = m_request.strSourceFile;
    if (shown.back() == '\\')
        shown.pop_back();
    ASSERT_EQ(m_view.m_messages.size(), 1u);
    EXPECT_EQ(m_view.m_messages[0].strText, FormatPathMessage(c.message, shown));
    EXPECT_EQ(m_view.m_messages[0].style, kRefusalStyle);
    EXPECT_TRUE(m_view.m_rows.empty());
    EXPECT_EQ(m_view.m_progress, c.progress);
}

const MessageCase kMessageCases[] = {
    {"MissingFolder", "none\\", kMsgCannotSearchFolder, {10}},
    {"FileInsteadOfFolder", "file.txt", kMsgCannotSearchFolder, {10}},
    {"EmptyFolder", "in\\", kMsgNoPdfFiles, {10, 20}},
};

INSTANTIATE_TEST_SUITE_P(, FolderMessages, ::testing::ValuesIn(kMessageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The engine's part of a whole run: the label is chosen once from the stored type.
struct LabelCase
{
    int type;
    const char* label;
};

class RunLabels : public FolderRun, public ::testing::WithParamInterface<LabelCase>
{
};

TEST_P(RunLabels, SingleFileRunRowAndProgress)
{
    m_request.bFolderMode = 0;
    m_request.bEncryptionType = GetParam().type;
    m_request.strSourceFile = In() + "\\a.pdf";
    m_request.strTargetFile = Out() + "\\a.pdf";
    AddPdf("a.pdf");
    RunProtection(m_request, m_view);
    EXPECT_EQ(m_view.m_progress, (std::vector<int>{25, 75, 100}));
    ASSERT_EQ(m_view.m_rows.size(), 1u);
    EXPECT_EQ(m_view.m_rows[0].strEncryption, GetParam().label);
    EXPECT_EQ(m_view.m_rows[0].strStatus, kStatusProtected);
}

INSTANTIATE_TEST_SUITE_P(, RunLabels,
                         ::testing::Values(LabelCase{0, "RC4-128"}, LabelCase{1, "AES-128"},
                                           LabelCase{2, "AES-256"}, LabelCase{3, "AES-128"}));

TEST_F(FolderRun, FolderRunEndsAtHundredEvenWithoutFiles)
{
    RunProtection(m_request, m_view);
    EXPECT_EQ(m_view.m_progress, (std::vector<int>{10, 20, 100}));
    EXPECT_EQ(m_view.m_messages.size(), 1u);
}

// The target folder is the source folder behind the long-path prefix, or a directory link.
class SpeltSourceFolder : public FolderRun, public ::testing::WithParamInterface<bool>
{
};

TEST_P(SpeltSourceFolder, NoTargetLandsOnASource)
{
    const std::string link = m_folder / "link", target = GetParam() ? link : "\\\\?\\" + In();
    if (GetParam() && !(CreateSymbolicLinkA(link.c_str(), In().c_str(),
                                            SYMBOLIC_LINK_FLAG_DIRECTORY |
                                                SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
                        PathExists(link)))
        GTEST_SKIP() << "no directory link could be made here";
    const auto plan = PlanFolderRun(In(), target, {{"a.pdf"}, {"a_p.pdf"}}, true, "_p", {});
    EXPECT_EQ(plan[0].status, kStatusTargetIsAnotherSource);
    EXPECT_EQ(plan[1].status, "");
}
INSTANTIATE_TEST_SUITE_P(, SpeltSourceFolder, ::testing::Bool());
} // namespace
