#include <windows.h>

#include <gtest/gtest.h>

#include "engine/path_compare.h"
#include "tests/support/scratch.h"

namespace
{
TEST(IsSamePath, IgnoresCaseRelativeFormsAndTrailingSeparators)
{
    ScratchFolder folder("Some Folder");
    const std::string file = folder / "Report.pdf";
    WriteFileBytes(file, "x");
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    SetCurrentDirectoryA(folder.Path().c_str());

    EXPECT_TRUE(IsSamePath("C:\\a.pdf", "c:\\A.PDF"));
    EXPECT_TRUE(IsSamePath(file, "Report.pdf"));
    EXPECT_TRUE(IsSamePath(file, folder.Path() + "\\..\\Some Folder\\REPORT.pdf"));
    EXPECT_TRUE(IsSamePath(folder.Path(), folder.Path() + "\\"));
    EXPECT_TRUE(IsSamePath(folder / "new.pdf", ".\\NEW.PDF")) << "a target that does not exist yet";
    EXPECT_FALSE(IsSamePath(file, folder / "Report2.pdf"));
    EXPECT_FALSE(IsSamePath(file, folder / "Report.pdf.pdf"));

    // An 8.3 short name, where the file system has one.
    char shortName[MAX_PATH];
    DWORD n = GetShortPathNameA(file.c_str(), shortName, sizeof shortName);
    if (n > 0 && n < sizeof shortName && file != shortName)
    {
        EXPECT_TRUE(IsSamePath(file, shortName)) << shortName;
    }

    SetCurrentDirectoryA(cwd);
}

TEST(IsSamePath, SeesThroughHardLinks)
{
    ScratchFolder folder;
    const std::string file = folder / "a.pdf";
    WriteFileBytes(file, "x");
    if (!CreateHardLinkA((folder / "b.pdf").c_str(), file.c_str(), nullptr))
        GTEST_SKIP() << "no hard links here";
    EXPECT_TRUE(IsSamePath(file, folder / "b.pdf"));
}
} // namespace
