// Working files left in the temporary folder by a process that ended before cleaning up.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "engine/stale_work_files.h"
#include "tests/support/scratch.h"

namespace
{
// No process has this id: Windows ids are multiples of four and far smaller.
const std::string kEnded = "4000000000";
const std::string kOwn = std::to_string(GetCurrentProcessId());

TEST(StaleWorkFiles, OnlyTheWorkFilesOfEndedProcessesAreRemoved)
{
    struct Case
    {
        std::string name;
        bool bRemoved;
    } cases[] = {
        {"vltswk_" + kEnded + "_1234567.pdf", true},
        {"vltswk_" + kEnded + "_1234567_protected.pdf", true},
        {"vltswk_" + kEnded + "_7_read_only.pdf", false},
        {"vltswk_" + kOwn + "_1234567.pdf", false}, // this process is still at work
        {"vltswk_" + kOwn + "_1234567_protected.pdf", false},
        {"vltswk_" + kEnded + "_1234567.txt", false},
        {"vltswk_" + kEnded + "_1234567.pdf.bak", false},
        {"vltswk_" + kEnded + ".pdf", false},
        {"vltswk_" + kEnded + "_12a.pdf", false},
        {"vltswk_" + kEnded + "_1234567_copy.pdf", false},
        {"vltswk__1234567.pdf", false},
        {"vltswk_99999999999_1.pdf", false}, // not a 32-bit id
        {"vltswkx_" + kEnded + "_1234567.pdf", false},
        {"report_" + kEnded + "_1234567.pdf", false},
    };
    ScratchFolder folder("stale_work");
    for (const Case& c : cases)
        WriteFileBytes(folder / c.name, "%PDF-1.4 unencrypted copy");
    // A copy of a read-only source is read-only too, and must go all the same.
    const std::string readOnly = folder / ("vltswk_" + kEnded + "_99_protected.pdf");
    WriteFileBytes(readOnly, "%PDF-1.4");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    // A folder with a work file's name is not one of them.
    const std::string folderNamed = folder / ("vltswk_" + kEnded + "_5.pdf");
    CreateDirectoryA(folderNamed.c_str(), nullptr);

    EXPECT_EQ(3, RemoveStaleWorkFiles(folder.Path()));

    for (const Case& c : cases)
        EXPECT_EQ(!c.bRemoved, PathExists(folder / c.name)) << c.name;
    EXPECT_FALSE(PathExists(readOnly));
    EXPECT_TRUE(PathExists(folderNamed));
}

TEST(StaleWorkFiles, TheTemporaryFolderIsSearchedWhenNoneIsGiven)
{
    ScratchFolder folder("stale_temp");
    TempFolderOverride temp(folder.Path());
    const std::string stale = folder / ("vltswk_" + kEnded + "_42.pdf");
    WriteFileBytes(stale, "%PDF-1.4");
    EXPECT_EQ(1, RemoveStaleWorkFiles());
    EXPECT_FALSE(PathExists(stale));
    EXPECT_EQ(0, RemoveStaleWorkFiles(folder / "missing"));
}
} // namespace
