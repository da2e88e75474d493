// The shaded button in a real dialog: style reading, check and radio behaviour, clicks, drags,
// hover, tooltips, icons and what a paint puts on the screen.
#include "controls/shade_button.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "shade_test_support.h"

namespace
{
LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

// One shown dialog for the whole suite: each top-level window costs Wine seconds to map.
class ShadeButtonTest : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        EnsureCommonControls();
        s_dlg = new CShadeTestDlg;
        ASSERT_TRUE(s_dlg->Create());
        s_dlg->SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        PumpMessages();
    }
    static void TearDownTestSuite()
    {
        delete s_dlg;
        s_dlg = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, s_dlg);
        for (UINT id = IDC_SHADE_PROTECT; id <= IDC_SHADE_LONE_RADIO; ++id)
        {
            CShadeButton* button = s_dlg->Button(id);
            button->EnableWindow(TRUE);
            button->SendMessage(BM_SETCHECK, BST_UNCHECKED);
            button->m_bLButtonDown = 0;
            button->SetState(FALSE);
        }
        ReleaseCapture();
        SetCursorPos(900, 900); // far from the dialog
        PumpMessages();
        s_dlg->clicks.clear();
    }

    static CShadeButton& Btn(UINT id) { return *s_dlg->Button(id); }

    // Puts the cursor on a client point of the button, as a real mouse would be.
    static LPARAM CursorAt(CShadeButton& button, int x, int y)
    {
        POINT screen = {x, y};
        button.ClientToScreen(&screen);
        SetCursorPos(screen.x, screen.y);
        return Point(x, y);
    }

    static std::string TipText(CShadeButton& button)
    {
        char text[100] = "";
        button.m_wndTip.GetText(text, sizeof text, &button);
        return text;
    }

    static CShadeTestDlg* s_dlg;
};

CShadeTestDlg* ShadeButtonTest::s_dlg = nullptr;

TEST_F(ShadeButtonTest, ReadsKindLookAndLabelAlignmentFromTheStyle)
{
    const struct
    {
        DWORD style;
        int kind;
        int pushLike, frame, flat;
        UINT format;
    } cases[] = {
        {BS_PUSHBUTTON, SHADE_PUSH, 1, 1, 0, 0x25},
        {BS_DEFPUSHBUTTON | BS_LEFT, SHADE_PUSH, 1, 1, 0, 0x24},
        {BS_PUSHBUTTON | BS_RIGHT | BS_FLAT, SHADE_PUSH, 1, 1, 1, 0x26},
        {BS_PUSHBUTTON | BS_CENTER, SHADE_PUSH, 1, 1, 0, 0x25},
        {BS_AUTOCHECKBOX, SHADE_CHECK, 0, 0, 0, 0x25},
        {BS_AUTOCHECKBOX | BS_PUSHLIKE, SHADE_CHECK, 1, 1, 0, 0x25},
        {BS_AUTORADIOBUTTON, SHADE_RADIO, 0, 0, 0, 0x25},
        {BS_AUTORADIOBUTTON | BS_PUSHLIKE | BS_FLAT, SHADE_RADIO, 1, 1, 1, 0x25},
        {BS_CHECKBOX, SHADE_PUSH, 1, 1, 0, 0x25}, // only the automatic kinds behave
    };
    for (const auto& c : cases)
    {
        HWND hWnd = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | c.style, 0, 0, 40, 20,
                                    s_dlg->m_hWnd, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, hWnd);
        {
            CShadeButton button;
            ASSERT_TRUE(button.SubclassWindow(hWnd));
            EXPECT_EQ(c.kind, button.m_nKind) << std::hex << c.style;
            EXPECT_EQ(c.pushLike, button.m_bPushLike) << std::hex << c.style;
            EXPECT_EQ(c.frame, button.m_bFrame) << std::hex << c.style;
            EXPECT_EQ(c.flat, button.m_bFlat) << std::hex << c.style;
            EXPECT_EQ(c.format, button.m_nTextFormat) << std::hex << c.style;
            EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & BS_OWNERDRAW);
        }
        DestroyWindow(hWnd);
    }
}

TEST_F(ShadeButtonTest, PushButtonNeverStaysChecked)
{
    CShadeButton& push = Btn(IDC_SHADE_OPEN);
    push.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(0, push.SendMessage(BM_GETCHECK));
    push.SendMessage(BM_CLICK);
    EXPECT_EQ(0, push.SendMessage(BM_GETCHECK));
    ASSERT_EQ(1u, s_dlg->clicks.size());
    EXPECT_EQ(static_cast<UINT>(IDC_SHADE_OPEN), s_dlg->clicks[0].id);
}

TEST_F(ShadeButtonTest, CheckBoxTogglesBeforeTheDialogHearsTheClick)
{
    CShadeButton& check = Btn(IDC_SHADE_CHECK);
    check.SendMessage(BM_CLICK);
    EXPECT_EQ(1, check.SendMessage(BM_GETCHECK));
    check.SendMessage(BM_CLICK);
    EXPECT_EQ(0, check.SendMessage(BM_GETCHECK));
    // The space key checks at once, the dialog hears of it when the key comes up.
    check.SendMessage(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(1, check.SendMessage(BM_GETCHECK));
    check.SendMessage(WM_KEYUP, VK_SPACE);
    PumpMessages();

    ASSERT_EQ(3u, s_dlg->clicks.size());
    EXPECT_EQ(1, s_dlg->clicks[0].checkSeen);
    EXPECT_EQ(0, s_dlg->clicks[1].checkSeen);
    EXPECT_EQ(1, s_dlg->clicks[2].checkSeen);
}

TEST_F(ShadeButtonTest, CheckingOneRadioUnchecksTheRestOfItsGroupOnly)
{
    const struct
    {
        UINT clicked;
        int first, second, third;
    } cases[] = {
        {IDC_SHADE_RADIO2, 0, 1, 0},
        {IDC_SHADE_RADIO3, 0, 0, 1}, // the walk wraps to the group's start
        {IDC_SHADE_RADIO1, 1, 0, 0},
    };
    for (const auto& c : cases)
    {
        Btn(IDC_SHADE_RADIO1).m_bChecked = 1;
        Btn(IDC_SHADE_RADIO2).m_bChecked = 1;
        Btn(IDC_SHADE_RADIO3).m_bChecked = 1;
        Btn(IDC_SHADE_LONE_RADIO).m_bChecked = 1;
        Btn(c.clicked).SendMessage(BM_CLICK);
        PumpMessages(); // the unchecks are posted
        EXPECT_EQ(c.first, Btn(IDC_SHADE_RADIO1).SendMessage(BM_GETCHECK)) << c.clicked;
        EXPECT_EQ(c.second, Btn(IDC_SHADE_RADIO2).SendMessage(BM_GETCHECK)) << c.clicked;
        EXPECT_EQ(c.third, Btn(IDC_SHADE_RADIO3).SendMessage(BM_GETCHECK)) << c.clicked;
        EXPECT_EQ(1, Btn(IDC_SHADE_LONE_RADIO).SendMessage(BM_GETCHECK)) << "other group";
    }
    // Unchecking a radio by message leaves the others alone.
    Btn(IDC_SHADE_RADIO1).SendMessage(BM_SETCHECK, BST_UNCHECKED);
    PumpMessages();
    EXPECT_EQ(0, Btn(IDC_SHADE_RADIO1).SendMessage(BM_GETCHECK));
    EXPECT_EQ(1, Btn(IDC_SHADE_LONE_RADIO).SendMessage(BM_GETCHECK));
}

// Turns a hang into a failure: a call that has not come back in time ends the program with a
// message, instead of leaving the whole test run waiting.
class HangGuard
{
  public:
    explicit HangGuard(std::string what)
        : m_what(std::move(what)), m_hDone(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          m_hThread(CreateThread(nullptr, 0, &Watch, this, 0, nullptr))
    {
    }
    ~HangGuard()
    {
        SetEvent(m_hDone);
        WaitForSingleObject(m_hThread, INFINITE);
        CloseHandle(m_hThread);
        CloseHandle(m_hDone);
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

  private:
    static DWORD WINAPI Watch(void* param)
    {
        auto* self = static_cast<HangGuard*>(param);
        if (WaitForSingleObject(self->m_hDone, 10000) == WAIT_TIMEOUT)
        {
            std::fprintf(stderr, "FAILED: hangs: %s\n", self->m_what.c_str());
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
        return 0;
    }

    std::string m_what;
    HANDLE m_hDone;
    HANDLE m_hThread;
};

// A hidden or disabled radio still belongs to its group: checking it by program unchecks the
// others (and returns), and checking another member unchecks it.
TEST_F(ShadeButtonTest, HiddenOrDisabledRadioStaysInItsGroup)
{
    const struct
    {
        const char* what;
        UINT idle; // hidden or disabled
        bool hidden;
        UINT checked;
    } cases[] = {
        {"disabled, checked itself", IDC_SHADE_RADIO2, false, IDC_SHADE_RADIO2},
        {"hidden, checked itself", IDC_SHADE_RADIO2, true, IDC_SHADE_RADIO2},
        {"disabled, another checked", IDC_SHADE_RADIO2, false, IDC_SHADE_RADIO3},
        {"hidden, another checked", IDC_SHADE_RADIO2, true, IDC_SHADE_RADIO1},
        {"first disabled, checked itself", IDC_SHADE_RADIO1, false, IDC_SHADE_RADIO1},
    };
    const UINT group[] = {IDC_SHADE_RADIO1, IDC_SHADE_RADIO2, IDC_SHADE_RADIO3};
    for (const auto& c : cases)
    {
        for (UINT id : group)
            Btn(id).m_bChecked = 1;
        CShadeButton& idle = Btn(c.idle);
        if (c.hidden)
            idle.ShowWindow(SW_HIDE);
        else
            idle.EnableWindow(FALSE);
        {
            HangGuard guard(c.what);
            Btn(c.checked).SendMessage(BM_SETCHECK, BST_CHECKED);
        }
        PumpMessages(); // the unchecks are posted
        for (UINT id : group)
            EXPECT_EQ(id == c.checked ? 1 : 0, Btn(id).SendMessage(BM_GETCHECK))
                << c.what << ", button " << id;
        idle.ShowWindow(SW_SHOW);
        idle.EnableWindow(TRUE);
    }
}

TEST_F(ShadeButtonTest, DraggingOffPopsUpAndReleasingOutsideSendsNoClick)
{
    CShadeButton& check = Btn(IDC_SHADE_CHECK);
    check.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, CursorAt(check, 5, 5));
    EXPECT_EQ(1, check.m_bLButtonDown);
    EXPECT_EQ(static_cast<HWND>(check), GetCapture());
    EXPECT_TRUE(check.GetState() & BST_PUSHED);

    const struct
    {
        int x, y;
        bool pushed;
    } moves[] = {
        {-30, 5, false}, // off to the left
        {10, 8, true},   // back on
        {5, 400, false}, // far below
    };
    for (const auto& m : moves)
    {
        check.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, CursorAt(check, m.x, m.y));
        UpdateWindow(check);
        EXPECT_EQ(m.pushed, (check.GetState() & BST_PUSHED) != 0) << m.x << "," << m.y;
    }

    check.SendMessage(WM_LBUTTONUP, 0, Point(5, 400));
    EXPECT_EQ(0, check.m_bLButtonDown);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(0, check.SendMessage(BM_GETCHECK));
    EXPECT_TRUE(s_dlg->clicks.empty());
}

TEST_F(ShadeButtonTest, DoubleClickIsTwoPresses)
{
    CShadeButton& push = Btn(IDC_SHADE_SETTINGS);
    const LPARAM at = CursorAt(push, 8, 8);
    push.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    push.SendMessage(WM_LBUTTONUP, 0, at);
    push.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    EXPECT_EQ(1, push.m_bLButtonDown);
    EXPECT_TRUE(push.GetState() & BST_PUSHED);
    push.SendMessage(WM_LBUTTONUP, 0, at);
    EXPECT_EQ(2u, s_dlg->clicks.size());
}

TEST_F(ShadeButtonTest, LosingFocusMidPressLetsTheMouseGo)
{
    CShadeButton& push = Btn(IDC_SHADE_SETTINGS);
    push.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, CursorAt(push, 8, 8));
    ASSERT_EQ(static_cast<HWND>(push), GetCapture());
    Btn(IDC_SHADE_OPEN).SetFocus();
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(0, push.m_bLButtonDown);
}

TEST_F(ShadeButtonTest, HoverStartsOnMoveEndsOnLeaveAndOnPress)
{
    CShadeButton& push = Btn(IDC_SHADE_OPEN);
    push.SendMessage(WM_MOUSEMOVE, 0, CursorAt(push, 10, 10));
    EXPECT_EQ(1, push.m_bHover);

    // Pressing takes the hover look away until the mouse moves again after release.
    push.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    EXPECT_EQ(0, push.m_bHover);
    push.SendMessage(WM_LBUTTONUP, 0, Point(10, 10));
    EXPECT_EQ(0, push.m_bHover);
    push.SendMessage(WM_MOUSEMOVE, 0, Point(11, 10));
    EXPECT_EQ(1, push.m_bHover);

    // The system reports the leave once the cursor is elsewhere.
    SetCursorPos(900, 900);
    for (int i = 0; i < 100 && push.m_bHover; ++i)
    {
        Sleep(20);
        PumpMessages();
    }
    EXPECT_EQ(0, push.m_bHover);
}

TEST_F(ShadeButtonTest, TooltipShowsTheTextForTheCheckState)
{
    CShadeButton& check = Btn(IDC_SHADE_CHECK);
    ASSERT_TRUE(check.m_wndTip.IsWindow());
    EXPECT_EQ("Not checked", TipText(check));
    check.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ("Checked now", TipText(check));
    check.SendMessage(BM_SETCHECK, BST_UNCHECKED);
    EXPECT_EQ("Not checked", TipText(check));

    // A radio unchecked by its group goes back to the plain text.
    CShadeButton& radio = Btn(IDC_SHADE_RADIO1);
    radio.SetTipTexts("First", "First, chosen");
    radio.SendMessage(BM_CLICK);
    EXPECT_EQ("First, chosen", TipText(radio));
    Btn(IDC_SHADE_RADIO2).SendMessage(BM_CLICK);
    PumpMessages();
    EXPECT_EQ("First", TipText(radio));

    // No checked text: the plain one throughout; a push button never shows the checked one.
    const struct
    {
        UINT id;
        const char* tip;
        const char* checkedTip;
        WPARAM check;
        const char* shown;
    } cases[] = {
        {IDC_SHADE_RADIO3, "Third", "", BST_CHECKED, "Third"},
        {IDC_SHADE_OPEN, "Open it", "Opened", BST_CHECKED, "Open it"},
        {IDC_SHADE_CHECK, "Plain", "Ticked", BST_CHECKED, "Ticked"},
    };
    for (const auto& c : cases)
    {
        Btn(c.id).SetTipTexts(c.tip, c.checkedTip);
        Btn(c.id).SendMessage(BM_SETCHECK, c.check);
        EXPECT_EQ(c.shown, TipText(Btn(c.id))) << c.id;
        EXPECT_EQ(std::string(c.shown), Btn(c.id).GetTipTextToShow());
    }
    radio.SetTipTexts("First", "");
    Btn(IDC_SHADE_CHECK).SetTipTexts("Not checked", "Checked now");
    Btn(IDC_SHADE_OPEN).SetTipTexts("Open the target PDF file...", "");
}

TEST_F(ShadeButtonTest, TooltipCoversTheButtonAndWrapsLongTexts)
{
    CShadeButton& push = Btn(IDC_SHADE_PROTECT);
    EXPECT_EQ(1, push.m_wndTip.SendMessage(TTM_GETTOOLCOUNT));
    EXPECT_EQ(300, push.m_wndTip.SendMessage(TTM_GETMAXTIPWIDTH));
    char text[100] = "";
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = push;
    info.uId = 0;
    info.lpszText = text;
    ASSERT_TRUE(push.m_wndTip.SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
    RECT client;
    push.GetClientRect(&client);
    EXPECT_TRUE(EqualRect(&client, &info.rect));
}

TEST_F(ShadeButtonTest, IconSitsAtTheLeftCentredVertically)
{
    CShadeButton button;
    HWND hWnd = CreateWindowExA(0, "BUTTON", "Icon", WS_CHILD | BS_PUSHBUTTON, 0, 0, 160, 40,
                                s_dlg->m_hWnd, nullptr, nullptr, nullptr);
    ASSERT_TRUE(button.SubclassWindow(hWnd));

    const struct
    {
        UINT normal, disabled, hover;
        int offset;
        int height;
        RECT icon;
        bool hasHover, hasDisabled;
    } cases[] = {
        {IDI_PROTECT_NORMAL,
         IDI_PROTECT_DISABLED,
         IDI_PROTECT_HOVER,
         10,
         40,
         {14, 6, 42, 34},
         true,
         true},
        {IDI_OPEN_NORMAL, 0, 0, 2, 40, {6, 10, 26, 30}, false, false},
        {IDI_BROWSE_NORMAL, IDI_BROWSE_DISABLED, 9999, 4, 40, {8, 13, 22, 27}, false, true},
        {IDI_PROTECT_NORMAL, 0, 0, 0, 20, {4, 0, 32, 28}, false, false}, // taller than the button
    };
    for (const auto& c : cases)
    {
        button.SetWindowPos(nullptr, 0, 0, 160, c.height, SWP_NOMOVE | SWP_NOZORDER);
        button.LoadButtonIcons(c.normal, c.disabled, c.hover, c.offset);
        ASSERT_NE(nullptr, button.m_hIconNormal) << c.normal;
        EXPECT_TRUE(EqualRect(&c.icon, &button.m_rcIcon))
            << c.normal << ": " << button.m_rcIcon.left << "," << button.m_rcIcon.top << ","
            << button.m_rcIcon.right << "," << button.m_rcIcon.bottom;
        EXPECT_EQ(button.m_hIconNormal, button.m_hIconPressed);
        EXPECT_EQ(c.hasHover, button.m_hIconHover != button.m_hIconNormal) << c.normal;
        EXPECT_EQ(c.hasDisabled, button.m_hIconDisabled != nullptr) << c.normal;
    }

    // A normal icon that does not load leaves the button without any.
    button.LoadButtonIcons(9999, IDI_OPEN_DISABLED, IDI_OPEN_HOVER, 0);
    EXPECT_EQ(nullptr, button.m_hIconNormal);
    EXPECT_EQ(nullptr, button.m_hIconPressed);
    EXPECT_EQ(nullptr, button.m_hIconHover);
    EXPECT_EQ(nullptr, button.m_hIconDisabled);
    DestroyWindow(hWnd);
}

TEST_F(ShadeButtonTest, LabelFontKeepsAtMost31CharactersOfTheFace)
{
    CShadeButton& push = Btn(IDC_SHADE_SETTINGS);
    const char* longFace = "A face name far longer than thirty-one characters";
    EXPECT_TRUE(push.SetLabelFont(longFace, 13, 700, 1, 1));
    ASSERT_NE(nullptr, push.m_pLabelLogFont);
    EXPECT_EQ(std::string(longFace, 31), push.m_pLabelLogFont->lfFaceName);
    EXPECT_EQ(13, push.m_pLabelLogFont->lfHeight);
    EXPECT_EQ(700, push.m_pLabelLogFont->lfWeight);
    EXPECT_EQ(1, push.m_pLabelLogFont->lfItalic);
    EXPECT_EQ(1, push.m_pLabelLogFont->lfUnderline);
    EXPECT_EQ(0, push.m_pLabelLogFont->lfCharSet);
    EXPECT_NE(nullptr, push.m_fontLabel.GetSafeHandle());
    // The font is only selected for painting; the window keeps its own.
    EXPECT_NE(push.m_fontLabel.GetSafeHandle(), push.GetFont());
    EXPECT_TRUE(push.SetLabelFont("MS Shell Dlg", 12, 600, 0, 0));
    EXPECT_STREQ("MS Shell Dlg", push.m_pLabelLogFont->lfFaceName);
}

// What one paint of a button in a state puts into a bitmap.
class Painted
{
  public:
    Painted(CShadeButton& button, UINT state)
    {
        RECT rc;
        button.GetClientRect(&rc);
        m_width = rc.right;
        m_height = rc.bottom;
        HDC hScreen = GetDC(nullptr);
        m_hDC = CreateCompatibleDC(hScreen);
        m_hBitmap = CreateCompatibleBitmap(hScreen, m_width, m_height);
        ReleaseDC(nullptr, hScreen);
        m_old = SelectObject(m_hDC, m_hBitmap);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(button.GetDlgCtrlID());
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = button;
        item.hDC = m_hDC;
        item.rcItem = rc;
        button.DrawItem(&item);
    }
    ~Painted()
    {
        SelectObject(m_hDC, m_old);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hDC);
    }
    COLORREF At(int x, int y) const { return GetPixel(m_hDC, x, y); }
    int Count(COLORREF colour) const
    {
        int n = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                n += GetPixel(m_hDC, x, y) == colour;
        return n;
    }
    int m_width, m_height;

  private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_old;
};

int Brightness(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

TEST_F(ShadeButtonTest, PaintShowsTheStateInFaceAndLabelColour)
{
    CShadeButton& push = Btn(IDC_SHADE_SETTINGS);
    push.m_clrLabel = RGB(0, 0, 160);
    push.m_clrLabelHover = RGB(255, 0, 0);

    const struct
    {
        UINT state;
        BYTE hover;
        COLORREF label;
        COLORREF absent;
    } cases[] = {
        {0, 0, RGB(0, 0, 160), RGB(255, 0, 0)},
        {0, 1, RGB(255, 0, 0), RGB(0, 0, 160)},
        {ODS_SELECTED, 1, RGB(255, 0, 0), RGB(0, 0, 160)},
        {ODS_DISABLED, 0, GetSysColor(COLOR_GRAYTEXT), RGB(0, 0, 160)},
    };
    for (const auto& c : cases)
    {
        push.m_bHover = c.hover;
        Painted painted(push, c.state);
        EXPECT_GT(painted.Count(c.label), 5) << "state " << c.state << " hover " << int(c.hover);
        EXPECT_EQ(0, painted.Count(c.absent)) << "state " << c.state;
    }

    // The face is lit from the top left, and lighter under the mouse.
    push.m_bHover = 0;
    Painted normal(push, 0);
    push.m_bHover = 1;
    Painted hover(push, 0);
    push.m_bHover = 0;
    const int w = normal.m_width, h = normal.m_height;
    EXPECT_GT(Brightness(normal.At(3, 3)), Brightness(normal.At(w - 4, h - 4)));
    // A column right of the label, below the white of the top left corner.
    for (int y = 3; y < h - 3; ++y)
        EXPECT_GT(Brightness(hover.At(w - 8, y)), Brightness(normal.At(w - 8, y))) << y;
}

TEST_F(ShadeButtonTest, FlatButtonShowsItsFrameOnlyUnderTheMouseOrPressed)
{
    HWND hWnd = CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_PUSHBUTTON | BS_FLAT, 0, 0, 60, 24,
                                s_dlg->m_hWnd, nullptr, nullptr, nullptr);
    CShadeButton flat;
    ASSERT_TRUE(flat.SubclassWindow(hWnd));
    flat.BuildShadeImages();
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);

    const struct
    {
        UINT state;
        BYTE hover;
        bool framed;
        COLORREF topLeft, bottomRight;
    } cases[] = {
        {0, 0, false, 0, 0},
        {0, 1, true, light, dark},
        {ODS_SELECTED, 0, true, dark, light},
    };
    for (const auto& c : cases)
    {
        flat.m_bHover = c.hover;
        Painted painted(flat, c.state);
        if (c.framed)
        {
            EXPECT_EQ(c.topLeft, painted.At(0, 12)) << c.state << "/" << int(c.hover);
            EXPECT_EQ(c.topLeft, painted.At(30, 0)) << c.state << "/" << int(c.hover);
            EXPECT_EQ(c.bottomRight, painted.At(59, 12)) << c.state << "/" << int(c.hover);
            EXPECT_EQ(c.bottomRight, painted.At(30, 23)) << c.state << "/" << int(c.hover);
        }
        else
        {
            EXPECT_NE(dark, painted.At(59, 12));
            EXPECT_NE(dark, painted.At(30, 23));
        }
    }
    flat.m_bHover = 0;
    DestroyWindow(hWnd);
}

TEST_F(ShadeButtonTest, PaintWithoutImagesFillsWithTheFaceColour)
{
    HWND hWnd = CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 20,
                                s_dlg->m_hWnd, nullptr, nullptr, nullptr);
    CShadeButton bare;
    ASSERT_TRUE(bare.SubclassWindow(hWnd));
    for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED), static_cast<UINT>(ODS_DISABLED)})
    {
        Painted painted(bare, state);
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), painted.At(25, 10)) << state;
    }
    DestroyWindow(hWnd);
}
} // namespace
