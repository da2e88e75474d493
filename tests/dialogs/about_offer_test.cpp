// The about box shows the running program's version; the offer's picture opens the advertised
// product's page and ends the dialog.
#include "app/about_dlg.h"
#include "app/offer_dlg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/about_texts.h"
#include "res/resource.h"
#include "tests/controls/link/launch_fakes.h"

namespace
{
TEST(AboutDlg, ShowsTheTitleEditionAndVersionAndClosesWithEsc)
{
    CAboutDlg dlg;
    ASSERT_TRUE(dlg.Create());
    char text[128] = "";
    dlg.GetDlgItemText(IDC_ABOUT_TITLE, text, sizeof text);
    EXPECT_STREQ(text, "Veltrane Sealwick");
    dlg.GetDlgItemText(IDC_ABOUT_EDITION, text, sizeof text);
    EXPECT_STREQ(text, "2026 Edition");
    // The test program carries the product's version resource.
    dlg.GetDlgItemText(IDC_ABOUT_VERSION, text, sizeof text);
    EXPECT_STREQ(text,
                 sizeof(void*) == 8 ? "Version 1.0.0.0 (64-bit)" : "Version 1.0.0.0 (32-bit)");

    dlg.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(dlg.IsEnded());
}

// A version block as the resource compiler writes it, with the fixed part carrying 2.3.4.5.
std::string VersionBlock()
{
    const std::wstring key = L"VS_VERSION_INFO";
    std::string block(6, '\0');
    block.append(reinterpret_cast<const char*>(key.c_str()), (key.size() + 1) * sizeof(wchar_t));
    block.resize((block.size() + 3) & ~size_t(3), '\0');
    VS_FIXEDFILEINFO fixed = {};
    fixed.dwSignature = VS_FFI_SIGNATURE;
    fixed.dwStrucVersion = 0x10000;
    fixed.dwProductVersionMS = MAKELONG(3, 2);
    fixed.dwProductVersionLS = MAKELONG(5, 4);
    block.append(reinterpret_cast<const char*>(&fixed), sizeof fixed);
    const WORD header[3] = {static_cast<WORD>(block.size()), sizeof fixed, 0};
    block.replace(0, sizeof header, reinterpret_cast<const char*>(header), sizeof header);
    return block;
}

TEST(VersionBlock, FixedPartIsReadOnlyFromAWholeBlock)
{
    const std::string good = VersionBlock();
    auto with = [&](size_t offset, char byte)
    {
        std::string changed = good;
        changed[offset] = byte;
        return changed;
    };
    const struct
    {
        const char* what;
        std::string block;
        bool read;
    } cases[] = {
        {"whole", good, true},
        {"cut in the fixed part", good.substr(0, good.size() - 4), false},
        {"cut in the key", good.substr(0, 20), false},
        {"cut in the header", good.substr(0, 4), false},
        {"empty", "", false},
        {"other key", with(6, 'W'), false},
        {"bad signature", with(40, 0), false},
        {"no value", with(2, 0), false},
        {"length past the block", with(0, static_cast<char>(good.size() + 1)), false},
    };
    for (const auto& c : cases)
    {
        VS_FIXEDFILEINFO info = {};
        EXPECT_EQ(c.read, ParseFixedFileInfo(c.block.data(), c.block.size(), info)) << c.what;
        if (c.read)
        {
            EXPECT_EQ(static_cast<DWORD>(MAKELONG(3, 2)), info.dwProductVersionMS);
            EXPECT_EQ(static_cast<DWORD>(MAKELONG(5, 4)), info.dwProductVersionLS);
        }
    }
}

// The program's own block, read from the loaded image, agrees with what the system's version
// functions read from the file.
TEST(VersionBlock, OwnResourceReadsAsTheSystemReadsIt)
{
    HRSRC resource =
        FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    ASSERT_TRUE(resource);
    const void* block = LockResource(LoadResource(nullptr, resource));
    VS_FIXEDFILEINFO ours = {};
    ASSERT_TRUE(ParseFixedFileInfo(block, SizeofResource(nullptr, resource), ours));

    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD handle = 0;
    std::string file(GetFileVersionInfoSizeA(path, &handle), '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(file.size()), &file[0]));
    VS_FIXEDFILEINFO* system = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(file.data(), "\\", reinterpret_cast<void**>(&system), &size));
    EXPECT_EQ(0, memcmp(system, &ours, sizeof ours));
}

TEST(COfferDlg, PictureClickOpensTheProductPage)
{
    ResetLaunchFakes();
    COfferDlg dlg;
    ASSERT_TRUE(dlg.Create());
    HWND picture = ::GetDlgItem(dlg.m_hWnd, IDC_OFFER_PICTURE);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(Launches().shellCalls.empty());

    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OFFER_PICTURE, STN_CLICKED),
                    reinterpret_cast<LPARAM>(picture));
    ASSERT_EQ(Launches().shellCalls.size(), 1u);
    EXPECT_EQ(Launches().shellCalls[0].file, kOfferProductUrl);
    EXPECT_TRUE(dlg.IsEnded());
}

TEST(COfferDlg, EscClosesWithoutOpeningAnything)
{
    ResetLaunchFakes();
    COfferDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_TRUE(Launches().shellCalls.empty());
}
} // namespace
