// The about box shows the running program's version; the offer's picture opens the advertised
// product's page and ends the dialog.
#include "app/about_dlg.h"
#include "app/offer_dlg.h"

#include <gtest/gtest.h>

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

TEST(DlgOffer, PictureClickOpensTheProductPage)
{
    ResetLaunchFakes();
    DlgOffer dlg;
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

TEST(DlgOffer, EscClosesWithoutOpeningAnything)
{
    ResetLaunchFakes();
    DlgOffer dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_TRUE(Launches().shellCalls.empty());
}
} // namespace

// Not a check: shows the settings dialog, the about box and the offer side by side for a
// minute, for screenshots. Run with --gtest_also_run_disabled_tests --gtest_filter=*Demo*.
#include <commctrl.h>

#include "app/settings_dlg.h"

namespace
{
TEST(DialogsDemo, DISABLED_ShowAll)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    ResetLaunchFakes();
    SettingsDlg settings;
    settings.m_settings.bIgnoreSuffixFiles = 0;
    CAboutDlg about;
    DlgOffer offer;
    ASSERT_TRUE(settings.Create());
    ASSERT_TRUE(about.Create());
    ASSERT_TRUE(offer.Create());
    settings.SetWindowPos(nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    about.SetWindowPos(nullptr, 650, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    offer.SetWindowPos(nullptr, 10, 470, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    for (CDialog* dlg : {static_cast<CDialog*>(&settings), static_cast<CDialog*>(&about),
                         static_cast<CDialog*>(&offer)})
        dlg->ShowWindow(SW_SHOW);
    const ULONGLONG start = ::GetTickCount64();
    bool bToggled = false;
    MSG msg;
    while (::GetTickCount64() < start + 60000)
    {
        // Halfway, the user's first touches: the labels must repaint cleanly over the picture.
        if (!bToggled && ::GetTickCount64() > start + 20000)
        {
            bToggled = true;
            for (int label : {IDC_SET_SUFFIX_LABEL, IDC_ENABLE_MENU_LABEL})
                settings.SendMessage(WM_COMMAND, MAKEWPARAM(label, STN_CLICKED),
                                     reinterpret_cast<LPARAM>(::GetDlgItem(settings, label)));
            settings.m_comboEncryption.SetCurSel(0);
        }
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(20);
    }
}
} // namespace
