// The windows at the display scale the test prefix is set to (SEALWICK_TEST_DPI, run by
// scripts/at-display-scale.sh): every control and picture inside the window and inside what
// it is drawn on, no two controls on one place, every text inside its control. And the same
// after the main window was moved to a monitor of another scale.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/about_dlg.h"
#include "app/offer_dlg.h"
#include "app/window_backdrops.h"
#include "framework/display_scale.h"
#include "main_window_test_support.h"
#include "res/resource.h"
#include "tests/support/scratch.h"

namespace
{
RECT InParent(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    MapWindowPoints(nullptr, GetParent(hWnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + ", " + std::to_string(rc.top) + ", " +
           std::to_string(rc.right) + ", " + std::to_string(rc.bottom) + ")";
}

SIZE TextSize(HWND hCtl, HFONT font)
{
    wchar_t text[512] = L"";
    GetWindowTextW(hCtl, text, 512);
    HDC hDC = GetDC(hCtl);
    HGDIOBJ old = SelectObject(hDC, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    GetTextExtentPoint32W(hDC, text, lstrlenW(text), &size);
    SelectObject(hDC, old);
    ReleaseDC(hCtl, hDC);
    return size;
}

// The invariants every window keeps at every scale. Shaded buttons are checked with their own
// font, icon and margins.
void ExpectLaidOut(HWND hDlg, const std::vector<std::pair<int, int>>& sharedPlaces = {})
{
    RECT client;
    GetClientRect(hDlg, &client);
    std::vector<HWND> controls;
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (IsWindowVisible(h) && GetDlgCtrlID(h) != IDC_BACKDROP)
            controls.push_back(h);
    for (size_t i = 0; i < controls.size(); ++i)
    {
        const HWND h = controls[i];
        const RECT rc = InParent(h);
        SCOPED_TRACE(testing::Message() << "control " << GetDlgCtrlID(h) << " " << Describe(rc));
        EXPECT_TRUE(Inside(rc, client)) << "outside the client area " << Describe(client);
        for (size_t j = i + 1; j < controls.size(); ++j)
        {
            const std::pair<int, int> ids = {GetDlgCtrlID(h), GetDlgCtrlID(controls[j])};
            RECT common;
            const RECT other = InParent(controls[j]);
            if (IntersectRect(&common, &rc, &other) &&
                std::find(sharedPlaces.begin(), sharedPlaces.end(), ids) == sharedPlaces.end())
                ADD_FAILURE() << "overlaps control " << ids.second;
        }
        RECT box;
        GetClientRect(h, &box);
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0));
        if (auto* button = dynamic_cast<CShadeButton*>(CWnd::FromHandlePermanent(h)))
        {
            if (button->m_hIconNormal)
            {
                EXPECT_TRUE(Inside(button->m_rcIcon, box)) << "icon " << Describe(button->m_rcIcon);
                box.left = button->m_rcIcon.right;
            }
            InflateRect(&box, -(button->m_nFocusInset + 2), 0);
            font = button->m_fontLabel;
        }
        char cls[32] = "";
        GetClassNameA(h, cls, sizeof cls);
        if ((lstrcmpiA(cls, "Static") && lstrcmpiA(cls, "Button")) || GetWindowTextLengthA(h) == 0)
            continue;
        const SIZE text = TextSize(h, font);
        EXPECT_LE(text.cy, box.bottom - box.top) << "the text is taller than its control";
        // A label that does not wrap may draw past its right edge, into nothing else.
        if ((GetWindowLongA(h, GWL_STYLE) & SS_TYPEMASK) != SS_LEFTNOWORDWRAP ||
            lstrcmpiA(cls, "Static"))
        {
            EXPECT_LE(text.cx, box.right - box.left) << "the text is wider than its control";
            continue;
        }
        const RECT drawn = {rc.left, rc.top, rc.left + text.cx, rc.bottom};
        EXPECT_TRUE(Inside(drawn, client)) << "its text runs out of the window";
        for (HWND other : controls)
        {
            RECT common;
            const RECT otherRect = InParent(other);
            if (other != h && IntersectRect(&common, &drawn, &otherRect))
                ADD_FAILURE() << "its text runs into control " << GetDlgCtrlID(other);
        }
    }
}

UINT ExpectedDpi()
{
    const char* dpi = std::getenv("SEALWICK_TEST_DPI");
    return dpi ? static_cast<UINT>(std::atoi(dpi)) : kDefaultDpi;
}

class DisplayScale : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        EnsureCommonControls();
        m_window = std::make_unique<TestMainWindow>(m_scratch / "settings_sealwick.db");
        ASSERT_TRUE(m_window->Create());
        m_window->ShowWindow(SW_SHOW);
        PumpMessages();
    }

    void ExpectMainWindowLaidOut()
    {
        const HWND hWnd = m_window->m_hWnd;
        ExpectLaidOut(hWnd, {{IDOK, IDC_PROGRESS}});
        RECT client;
        GetClientRect(hWnd, &client);
        const MainBackdropLayout layout = LayOutMainBackdrop(hWnd, client);
        EXPECT_TRUE(Inside(layout.banner, client));
        EXPECT_TRUE(Inside(layout.logo, layout.banner)) << Describe(layout.logo);
        EXPECT_TRUE(Inside(layout.card, client));
        for (int id : {IDC_SOURCE, IDC_PERMISSION_PASSWORD, IDC_BROWSE_SOURCE, IDOK})
            EXPECT_TRUE(Inside(InParent(GetDlgItem(hWnd, id)), layout.card)) << "control " << id;
        EXPECT_TRUE(Inside(layout.footerIcon, layout.footer)) << Describe(layout.footerIcon);
        EXPECT_TRUE(Inside(layout.footer, client));

        // A row's picture within the row, the menu's pictures as large as the menu draws them.
        HWND hList = GetDlgItem(hWnd, IDC_RESULTS_LIST);
        LVITEMA item = {LVIF_TEXT | LVIF_IMAGE, 0};
        item.pszText = const_cast<char*>("a.pdf");
        ListView_InsertItem(hList, &item);
        RECT row = {LVIR_BOUNDS}, icon = {LVIR_ICON};
        SendMessageA(hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        SendMessageA(hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&icon));
        int cx = 0, cy = 0;
        ImageList_GetIconSize(ListView_GetImageList(hList, LVSIL_SMALL), &cx, &cy);
        EXPECT_LE(cy, row.bottom - row.top);
        EXPECT_LE(cx, icon.right - icon.left);
        ListView_DeleteAllItems(hList);
    }

    ScratchFolder m_scratch{"display_scale"};
    std::unique_ptr<TestMainWindow> m_window;
};

TEST_F(DisplayScale, TheWindowsFollowTheScaleTheSystemGives)
{
    EXPECT_EQ(ExpectedDpi(), GetWindowDpi(m_window->m_hWnd))
        << "the test prefix's LogPixels did not reach the program";
    ExpectMainWindowLaidOut();

    CSettingsDlg settings(m_window.get());
    settings.m_strSettingsPath = m_scratch / "settings_sealwick.db";
    ASSERT_TRUE(settings.Create());
    settings.ShowWindow(SW_SHOW);
    PumpMessages();
    SCOPED_TRACE("settings dialog");
    ExpectLaidOut(settings.m_hWnd);
    RECT client;
    GetClientRect(settings.m_hWnd, &client);
    const SettingsBackdropLayout layout = LayOutSettingsBackdrop(settings.m_hWnd, client);
    EXPECT_TRUE(Inside(layout.card, client));
    EXPECT_TRUE(Inside(layout.logo, layout.banner));
    for (int id : {IDC_ENCRYPTION_TYPE, IDC_ENABLE_MENU_LABEL, IDC_SETTINGS_HELP_LINK})
        EXPECT_TRUE(Inside(InParent(settings.GetDlgItem(id)->m_hWnd), layout.card)) << id;
}

// The offer is its picture at the scale, the window fitted around it; the about box keeps the
// rules of every window.
TEST_F(DisplayScale, TheAboutBoxAndTheOfferFollowTheScale)
{
    const UINT dpi = GetWindowDpi(m_window->m_hWnd);
    CAboutDlg about(m_window.get());
    ASSERT_TRUE(about.Create());
    about.ShowWindow(SW_SHOW);
    PumpMessages();
    ExpectLaidOut(about.m_hWnd);

    COfferDlg offer(m_window.get());
    ASSERT_TRUE(offer.Create());
    RECT client, picture;
    offer.GetClientRect(&client);
    ::GetClientRect(::GetDlgItem(offer.m_hWnd, IDC_OFFER_PICTURE), &picture);
    EXPECT_EQ(ScaleForDpi(600, dpi), picture.right);
    EXPECT_EQ(ScaleForDpi(400, dpi), picture.bottom);
    EXPECT_EQ(picture.right, client.right);
    EXPECT_EQ(picture.bottom, client.bottom);
}

// Up from 100 %, down from a larger scale, so that the window still fits the screen.
TEST_F(DisplayScale, AMoveToAMonitorOfAnotherScaleLaysTheWindowOutAgain)
{
    const UINT from = GetWindowDpi(m_window->m_hWnd);
    const UINT dpi = from > kDefaultDpi ? kDefaultDpi : 2 * kDefaultDpi;
    RECT window;
    m_window->GetWindowRect(&window);
    const auto scale = [from, dpi](LONG v) { return MulDiv(v, dpi, from); };
    const RECT suggested = {window.left, window.top,
                            window.left + scale(window.right - window.left),
                            window.top + scale(window.bottom - window.top)};
    m_window->SendMessage(WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                          reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();
    ExpectMainWindowLaidOut();
}
} // namespace
