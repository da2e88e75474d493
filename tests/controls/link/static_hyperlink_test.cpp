// The link on a real dialog from a template: what binding adds, clicks in both modes, hover
// colour and capture, the hand cursor and the tooltip.
#include "controls/static_hyperlink.h"
#include "tests/support/window_test_support.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "launch_fakes.h"
#include "link_test_dlg.h"

namespace
{
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Pumps until the condition holds or the time is up; returns the condition.
template <typename Condition> bool PumpUntil(Condition condition, DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    while (!condition() && ::GetTickCount() - start < milliseconds)
    {
        PumpMessages();
        ::Sleep(20);
    }
    return condition();
}

// Pixels of one colour in the link's text as it paints itself on white.
int CountPixels(HWND link, COLORREF colour)
{
    RECT rect;
    ::GetClientRect(link, &rect);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, rect.right, rect.bottom);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    ::FillRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SendMessageA(link, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    int count = 0;
    for (int y = 0; y < rect.bottom; ++y)
        for (int x = 0; x < rect.right; ++x)
            count += ::GetPixel(dc, x, y) == colour;
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return count;
}

void MoveMouse(CStaticHyperLink& link, int x, int y)
{
    link.SendMessage(WM_MOUSEMOVE, 0,
                     MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                                static_cast<WORD>(static_cast<short>(y))));
}

void Click(CStaticHyperLink& link)
{
    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

std::string TipText(CStaticHyperLink& link)
{
    char text[80] = {};
    link.m_wndLinkTip.GetText(text, sizeof text, &link, CStaticHyperLink::kTipToolId);
    return text;
}

// One shown dialog for the suite: each shown window costs seconds under Wine.
class StaticHyperLinkTest : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
        // Out of the way of the links, so the real pointer sends them nothing.
        ::SetCursorPos(1200, 1000);
        s_dlg = new CLinkTestDlg;
        ASSERT_TRUE(s_dlg->Create());
        s_dlg->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        s_dlg->ShowWindow(SW_SHOW);
        PumpMessages();
    }
    static void TearDownTestSuite()
    {
        delete s_dlg;
        s_dlg = nullptr;
    }

    void SetUp() override
    {
        ResetLaunchFakes();
        s_dlg->linkClicks.clear();
    }

    void TearDown() override
    {
        ::ReleaseCapture();
        PumpMessages();
    }

    static CLinkTestDlg* s_dlg;
};

CLinkTestDlg* StaticHyperLinkTest::s_dlg = nullptr;

TEST_F(StaticHyperLinkTest, BindingGivesAnUnderlinedCopyOfTheFontAndAnEmptyHiddenTooltip)
{
    LOGFONTA dialogFont = {};
    ::GetObjectA(s_dlg->GetFont(), sizeof dialogFont, &dialogFont);
    for (CStaticHyperLink* link :
         {&s_dlg->m_linkUrl, &s_dlg->m_linkNotify, &s_dlg->m_linkOwnerColours})
    {
        SCOPED_TRACE(link->GetDlgCtrlID());
        LOGFONTA linkFont = {};
        ASSERT_TRUE(::GetObjectA(link->GetFont(), sizeof linkFont, &linkFont));
        EXPECT_EQ(1, linkFont.lfUnderline);
        EXPECT_STREQ(dialogFont.lfFaceName, linkFont.lfFaceName);
        EXPECT_EQ(dialogFont.lfHeight, linkFont.lfHeight);
        EXPECT_EQ(dialogFont.lfWeight, linkFont.lfWeight);

        ASSERT_TRUE(::IsWindow(link->m_wndLinkTip.m_hWnd));
        EXPECT_TRUE(link->m_wndLinkTip.GetStyle() & TTS_ALWAYSTIP);
        EXPECT_FALSE(link->m_wndLinkTip.IsWindowVisible());
        EXPECT_EQ(1, link->m_wndLinkTip.SendMessage(TTM_GETTOOLCOUNT));
    }
    EXPECT_EQ("", TipText(s_dlg->m_linkNotify));
    EXPECT_EQ(kHelpTip, TipText(s_dlg->m_linkUrl));

    // The other statics keep their own font.
    LOGFONTA labelFont = {};
    ::GetObjectA(reinterpret_cast<HFONT>(
                     ::SendMessageA(::GetDlgItem(*s_dlg, IDC_LINK_LABEL), WM_GETFONT, 0, 0)),
                 sizeof labelFont, &labelFont);
    EXPECT_EQ(0, labelFont.lfUnderline);
}

// The template's statics have no SS_NOTIFY: a click reaches the link only because binding
// added it.
TEST_F(StaticHyperLinkTest, AClickNotifiesTheParentInNotifyModeElseOpensTheAddress)
{
    struct Case
    {
        CStaticHyperLink CLinkTestDlg::*link;
        BYTE bNotifyParent;
        WPARAM notifiedId;  // 0: the parent hears nothing
        const char* opened; // nullptr: nothing opened
    };
    const Case cases[] = {
        {&CLinkTestDlg::m_linkNotify, 1, IDC_LINK_NOTIFY, nullptr},
        {&CLinkTestDlg::m_linkUrl, 0, 0, kGuideAddress},
        // An address does not matter in notify mode.
        {&CLinkTestDlg::m_linkUrl, 1, IDC_LINK_URL, nullptr},
    };
    for (const Case& c : cases)
    {
        CStaticHyperLink& link = s_dlg->*c.link;
        SCOPED_TRACE(link.GetDlgCtrlID());
        ResetLaunchFakes().shellResult = 2; // a shell failure would start a browser too
        s_dlg->linkClicks.clear();
        const BYTE saved = link.m_bNotifyParent;
        link.m_bNotifyParent = c.bNotifyParent;

        Click(link);
        link.m_bNotifyParent = saved;

        if (c.notifiedId)
        {
            ASSERT_EQ(1u, s_dlg->linkClicks.size());
            EXPECT_EQ(c.notifiedId, s_dlg->linkClicks[0].first);
            EXPECT_EQ(0, s_dlg->linkClicks[0].second);
        }
        else
            EXPECT_TRUE(s_dlg->linkClicks.empty());
        if (c.opened)
        {
            ASSERT_EQ(1u, Launches().shellCalls.size());
            EXPECT_EQ(c.opened, Launches().shellCalls[0].file);
            EXPECT_EQ(1u, Launches().processCalls.size());
        }
        else
        {
            EXPECT_TRUE(Launches().shellCalls.empty());
            EXPECT_TRUE(Launches().processCalls.empty());
        }
    }
}

TEST_F(StaticHyperLinkTest, TheMouseOverTheLinkTurnsItsTextToTheHoverColourUntilItLeaves)
{
    struct Case
    {
        CStaticHyperLink CLinkTestDlg::*link;
        COLORREF normal;
        COLORREF hover;
    };
    const Case cases[] = {
        {&CLinkTestDlg::m_linkUrl, kBlack, kRed},
        {&CLinkTestDlg::m_linkOwnerColours, kBlue, kRed},
    };
    for (const Case& c : cases)
    {
        CStaticHyperLink& link = s_dlg->*c.link;
        SCOPED_TRACE(link.GetDlgCtrlID());
        RECT client;
        link.GetClientRect(&client);
        EXPECT_GT(CountPixels(link, c.normal), 0);
        EXPECT_EQ(0, CountPixels(link, c.hover));

        MoveMouse(link, 2, 2);
        EXPECT_EQ(1, link.m_bMouseOver);
        EXPECT_EQ(link.m_hWnd, ::GetCapture()) << "the link must see the mouse leave";
        EXPECT_GT(CountPixels(link, c.hover), 0);
        EXPECT_EQ(0, CountPixels(link, c.normal));

        // Moves inside and a click keep it.
        MoveMouse(link, client.right - 1, client.bottom - 1);
        ResetLaunchFakes();
        Click(link);
        EXPECT_EQ(1, link.m_bMouseOver);
        EXPECT_EQ(link.m_hWnd, ::GetCapture());

        MoveMouse(link, client.right, 2);
        EXPECT_EQ(0, link.m_bMouseOver);
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_GT(CountPixels(link, c.normal), 0);
        EXPECT_EQ(0, CountPixels(link, c.hover));
    }
}

TEST_F(StaticHyperLinkTest, LosingTheMouseToAnotherWindowEndsTheHover)
{
    CStaticHyperLink& link = s_dlg->m_linkUrl;
    MoveMouse(link, 2, 2);
    ASSERT_EQ(1, link.m_bMouseOver);

    ::SetCapture(::GetDlgItem(*s_dlg, IDOK));
    EXPECT_EQ(0, link.m_bMouseOver);
    EXPECT_EQ(0, CountPixels(link, kRed));

    // And the next visit is seen again.
    ::ReleaseCapture();
    MoveMouse(link, 2, 2);
    EXPECT_EQ(1, link.m_bMouseOver);
    EXPECT_EQ(link.m_hWnd, ::GetCapture());
    MoveMouse(link, -1, 2);
    EXPECT_EQ(0, link.m_bMouseOver);
}

TEST_F(StaticHyperLinkTest, TheCursorOverALinkIsTheHand)
{
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    EXPECT_EQ(TRUE, s_dlg->m_linkNotify.SendMessage(
                        WM_SETCURSOR, reinterpret_cast<WPARAM>(s_dlg->m_linkNotify.m_hWnd),
                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::LoadCursor(nullptr, IDC_HAND), ::GetCursor());
}

TEST_F(StaticHyperLinkTest, TipTextIsTakenOnlyOnceTheOwnerEnablesTips)
{
    CStaticHyperLink& link = s_dlg->m_linkOwnerColours;
    link.SetLinkTipText("Find more details about each of these options...");
    EXPECT_EQ("", TipText(link));

    link.m_bTipEnabled = 1;
    link.SetLinkTipText("Find more details about each of these options...");
    EXPECT_EQ("Find more details about each of these options...", TipText(link));

    link.SetLinkTipText("");
    link.m_bTipEnabled = 0;
}

// The tooltip appears when the mouse rests on a link with a tip, and never on one without.
TEST_F(StaticHyperLinkTest, TheTooltipShowsWhenTheMouseRestsOnALinkWithATip)
{
    struct Case
    {
        CStaticHyperLink CLinkTestDlg::*link;
        bool shown;
    };
    const Case cases[] = {
        {&CLinkTestDlg::m_linkUrl, true},
        {&CLinkTestDlg::m_linkNotify, false},
    };
    for (const Case& c : cases)
    {
        CStaticHyperLink& link = s_dlg->*c.link;
        SCOPED_TRACE(link.GetDlgCtrlID());
        POINT point = {3, 3};
        link.ClientToScreen(&point);
        ::SetCursorPos(point.x, point.y);
        // What the message loop does with the mouse move: the link relays it to its tip.
        MSG msg = {link.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3), ::GetTickCount(), point};
        PreTranslateThroughParents(&msg);

        const bool shown = PumpUntil([&] { return link.m_wndLinkTip.IsWindowVisible() != 0; },
                                     c.shown ? 5000 : 1500);
        EXPECT_EQ(c.shown, shown);

        ::SetCursorPos(1200, 1000);
        link.m_wndLinkTip.Pop();
        ::ReleaseCapture();
        link.m_bMouseOver = 0;
        PumpMessages();
    }
}

// A dialog shown again binds the same link objects to new windows.
TEST(StaticHyperLinkRebind, ASecondShowingGetsAFreshFontTooltipAndHoverState)
{
    ResetLaunchFakes();
    CLinkTestDlg dlg;
    ASSERT_TRUE(dlg.Create());
    MoveMouse(dlg.m_linkUrl, 2, 2); // the window goes while the mouse is over the link
    const HWND firstTip = dlg.m_linkUrl.m_wndLinkTip.m_hWnd;
    ASSERT_TRUE(dlg.DestroyWindow());
    EXPECT_FALSE(::IsWindow(firstTip));

    ASSERT_TRUE(dlg.Create());
    CStaticHyperLink& link = dlg.m_linkUrl;
    EXPECT_EQ(0, link.m_bMouseOver);
    ASSERT_TRUE(::IsWindow(link.m_wndLinkTip.m_hWnd));
    EXPECT_EQ(kHelpTip, TipText(link));
    LOGFONTA font = {};
    ASSERT_TRUE(::GetObjectA(link.GetFont(), sizeof font, &font));
    EXPECT_EQ(1, font.lfUnderline);
    EXPECT_EQ(0, CountPixels(link, kRed));
    ::ReleaseCapture();
}
} // namespace
