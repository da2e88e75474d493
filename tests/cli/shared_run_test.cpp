// The console and the window protect through the engine's one plan and run: over the same
// mixed folder they give the same rows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "engine/protect_folder.h"
#include "engine/status_texts.h"
#include "tests/support/memory_protection_view.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
std::string Leaf(const std::string& path)
{
    return path.substr(path.find_last_of('\\') + 1);
}

// One row as text, with the run's folder left out (a library message names the file).
std::string RowText(const std::string& source, const std::string& version,
                    const std::string& target, std::string status, bool bFailed,
                    const std::string& folder)
{
    for (size_t at; (at = status.find(folder)) != std::string::npos;)
        status.replace(at, folder.size(), "IN");
    return Leaf(source) + "|" + version + "|" + Leaf(target) + "|" + status +
           (bFailed ? "|failed" : "|ok");
}

// A folder protected in place with the suffix "_p": "a.pdf" would land on the source
// "a_p.pdf", "b.pdf" is already encrypted, "broken.pdf" is no PDF.
void MakeMixedFolder(const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    MakePdf(folder + "\\a.pdf");
    MakePdf(folder + "\\a_p.pdf", PdfRecipe{2, 4});
    MakePdf(folder + "\\b.pdf", PdfRecipe{1, 3, 0, true, "theirs", "owner"});
    WriteFileBytes(folder + "\\broken.pdf", std::string(200, 'x'));
}

TEST(SharedRun, ConsoleAndWindowGiveTheSameRowsOverAMixedFolder)
{
    ScratchFolder scratch("shared_run");
    const std::string windowIn = scratch / "window", consoleIn = scratch / "console";
    MakeMixedFolder(windowIn);
    MakeMixedFolder(consoleIn);

    ProtectionRequest request;
    request.bFolderMode = 1;
    request.strSourceFile = request.strTargetFile = windowIn;
    request.strPassword = "open";
    request.strPermissionPassword = "perm";
    request.bPreventPrint = 1;
    request.strTargetSuffix = "_p";
    request.bIgnoreSuffixFiles = 0;
    CMemoryProtectionView view;
    RunProtection(request, view);
    std::vector<std::string> windowRows;
    for (const ResultRow& row : view.m_rows)
        windowRows.push_back(RowText(row.strSourceFile, row.strPdfVersion, row.strTargetFile,
                                     row.strStatus, row.clrText == kRowTextFailed, windowIn));

    CliOptions options;
    options.strSource = consoleIn;
    options.strSuffix = "_p";
    options.bNoPrint = true;
    options.nJobs = 3;
    std::vector<CliFile> files;
    std::string message;
    ASSERT_TRUE(ListRunFiles(options, ResolvePaths(options), files, message)) << message;
    for (CliFile& file : files)
    {
        file.strOpenPassword = "open";
        file.strPermissionPassword = "perm";
    }
    std::vector<std::string> consoleRows;
    for (const FileOutcome& o : ProtectFiles(
             files, options, [](const FileOutcome&) {}, [](size_t) {}))
        consoleRows.push_back(
            RowText(o.strSource, o.strPdfVersion, o.strTarget, o.strStatus, !o.bOk, consoleIn));

    EXPECT_EQ(windowRows, consoleRows);
    ASSERT_EQ(4u, consoleRows.size());
    int failed = 0;
    for (const std::string& row : consoleRows)
        failed += row.find("|failed") != std::string::npos;
    EXPECT_EQ(3, failed);
}
} // namespace
