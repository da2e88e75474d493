// The results list's context menu, the about entry's string, the version information and the
// manifest, read back from the program's resources.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/dialog.h"
#include "res/resource.h"
#include "resource_test_support.h"

namespace
{
// Each item as (command, text); separators and the sub-menu have command 0.
using Items = std::vector<std::pair<UINT, std::string>>;

Items ReadMenu(HMENU hMenu)
{
    Items items;
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i)
    {
        char text[256] = "";
        MENUITEMINFOA info = {sizeof info};
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = sizeof text;
        EXPECT_TRUE(GetMenuItemInfoA(hMenu, i, TRUE, &info));
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        if (!separator)
        {
            EXPECT_EQ(0u, info.fState & (MFS_GRAYED | MFS_CHECKED)) << text;
        }
        items.emplace_back(separator || info.hSubMenu ? 0 : info.wID, separator ? "" : text);
    }
    return items;
}

TEST(ListMenu, FirstPopupHoldsTheRowCommandsAndTheCopyMenu)
{
    HMENU hMenu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_LIST_MENU));
    ASSERT_NE(nullptr, hMenu);
    HMENU hPopup = GetSubMenu(hMenu, 0);
    ASSERT_NE(nullptr, hPopup);

    const Items expected = {
        {32792, "Open Source PDF"},
        {32793, "Open Target PDF"},
        {0, ""},
        {32794, "Open Source Folder"},
        {32795, "Open Target Folder "},
        {0, ""},
        {32796, "Remove from List"},
        {32797, "Clear Entire List "},
        {0, ""},
        {0, "Copy"},
    };
    EXPECT_EQ(expected, ReadMenu(hPopup));

    HMENU hCopy = GetSubMenu(hPopup, GetMenuItemCount(hPopup) - 1);
    ASSERT_NE(nullptr, hCopy);
    const Items copy = {
        {32791, "Copy Entire Row"},  {0, ""}, {32786, "Copy File Name"},  {0, ""},
        {32787, "Copy PDF Version"}, {0, ""}, {32788, "Copy Encryption"}, {0, ""},
        {32789, "Copy Target File"}, {0, ""}, {32790, "Copy Status"},
    };
    EXPECT_EQ(copy, ReadMenu(hCopy));
    DestroyMenu(hMenu);
}

TEST(Strings, AboutEntryOfTheSystemMenu)
{
    char text[256] = "";
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof text), 0);
    EXPECT_STREQ("&About Veltrane Sealwick...", text);
}

std::string VersionString(const std::vector<BYTE>& block, const char* name)
{
    char* value = nullptr;
    UINT size = 0;
    const std::string path = std::string("\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &size))
        return "<missing>";
    return std::string(value, size ? size - 1 : 0);
}

std::vector<BYTE> OwnVersionBlock()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeA(path, &handle));
    if (block.empty() ||
        !GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()))
        block.clear();
    return block;
}

TEST(VersionInfo, NamesTheProductItsVersionAndWidth)
{
    const std::vector<BYTE> block = OwnVersionBlock();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(MAKELONG(0, 1), fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(MAKELONG(0, 1), fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);
    EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);

    EXPECT_EQ("Veltrane Sealwick", VersionString(block, "ProductName"));
    EXPECT_EQ("1.0.0.0", VersionString(block, "ProductVersion"));
    EXPECT_EQ("1.0.0.0", VersionString(block, "FileVersion"));
    EXPECT_NE(std::string::npos, VersionString(block, "FileDescription").find("64-bit"));
}

// The about box's text and the version resource must not drift apart.
TEST(AboutBox, ShowsTitleEditionAndTheVersionOfTheVersionResource)
{
    EnsureCommonControls();
    CDialog dlg(IDD_ABOUTBOX);
    ASSERT_TRUE(dlg.Create());
    const HWND hDlg = dlg.GetSafeHwnd();
    EXPECT_EQ("Veltrane Sealwick", WindowText(GetDlgItem(hDlg, IDC_ABOUT_TITLE)));
    const std::string edition = WindowText(GetDlgItem(hDlg, IDC_ABOUT_EDITION));
    EXPECT_NE(std::string::npos, edition.find("Edition")) << edition;
    EXPECT_NE(std::string::npos, edition.find("20")) << edition;

    const std::vector<BYTE> block = OwnVersionBlock();
    ASSERT_FALSE(block.empty());
    const std::string version = WindowText(GetDlgItem(hDlg, IDC_ABOUT_VERSION));
    EXPECT_NE(std::string::npos, version.find(VersionString(block, "ProductVersion"))) << version;
    EXPECT_NE(nullptr, GetDlgItem(hDlg, IDOK));
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(hDlg, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST(Manifest, AsksForCommonControlsSixAndTheInvokersRights)
{
    HMODULE hModule = GetModuleHandleA(nullptr);
    HRSRC hResource = FindResourceA(hModule, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(nullptr, hResource);
    const char* data = static_cast<const char*>(LockResource(LoadResource(hModule, hResource)));
    const std::string manifest(data, SizeofResource(hModule, hResource));
    EXPECT_NE(std::string::npos, manifest.find("Microsoft.Windows.Common-Controls"));
    EXPECT_NE(std::string::npos, manifest.find("version=\"6.0.0.0\""));
    EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
}
} // namespace
