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
