// The file and folder pickers go through replaceable functions, so a test answers them and
// sees what the program asked for.
#include "framework/file_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
const char kSystemFilter[] = "PDF Files (*.pdf)\0*.pdf\0All Files (*.*)\0*.*\0\0";
std::string g_filter;
DWORD g_flags = 0;
BOOL g_open = FALSE;

BOOL PickReport(OPENFILENAMEA& ofn, BOOL bOpen)
{
    g_filter.assign(ofn.lpstrFilter, sizeof kSystemFilter - 1);
    g_flags = ofn.Flags;
    g_open = bOpen;
    lstrcpynA(ofn.lpstrFile, "C:\\In\\report.pdf", static_cast<int>(ofn.nMaxFile));
    return TRUE;
}

BOOL Cancel(OPENFILENAMEA&, BOOL)
{
    return FALSE;
}

TEST(CFileDialog, AsksWithTheSystemsFilterFormAndReturnsThePick)
{
    FileDialogHandler previous = SetFileDialogHandler(PickReport);
    CFileDialog dialog(TRUE, nullptr, nullptr, 0x21800,
                       "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||");
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("C:\\In\\report.pdf", dialog.GetPathName());
    EXPECT_TRUE(g_open);
    EXPECT_EQ(0x21800u, g_flags & 0x21800u);
    EXPECT_EQ(std::string(kSystemFilter, sizeof kSystemFilter - 1), g_filter);

    SetFileDialogHandler(Cancel);
    CFileDialog cancelled(TRUE);
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_EQ("", cancelled.GetPathName());
    SetFileDialogHandler(previous);
}

TEST(BrowseForFolder, GoesThroughTheReplaceablePicker)
{
    FolderPickerHandler previous = SetFolderPickerHandler(
        [](HWND, const char* title, UINT, std::string& path) -> BOOL
        {
            path = title;
            return TRUE;
        });
    std::string path;
    EXPECT_TRUE(BrowseForFolder(nullptr, "D:\\Out", 0, path));
    EXPECT_EQ("D:\\Out", path);
    SetFolderPickerHandler(previous);
}
} // namespace
