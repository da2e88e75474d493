// Reflection: a bound control gets its own notifications (WM_COMMAND codes, WM_NOTIFY,
// WM_CTLCOLOR*, WM_DRAWITEM) before its parent, and what it leaves goes on to the parent.
// Default() inside a reflected handler gives the default of that notification.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/control_wrappers.h"
#include "framework/dialog.h"
#include "framework/list_ctrl.h"
#include "framework_test_support.h"
#include "test_dialog.h"

namespace
{
class CClickButton : public CButton
{
  public:
    int clicks = 0;

  protected:
    void OnClicked() { ++clicks; }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnCommandReflect<&CClickButton::OnClicked>(BN_CLICKED),
        };
        static const MessageMap map(CButton::GetMessageMap(), entries);
        return &map;
    }
};

class CDrawnButton : public CButton
{
  public:
    int draws = 0;
    UINT drawnId = 0;

    void DrawItem(DRAWITEMSTRUCT* item) override
    {
        ++draws;
        drawnId = item->CtlID;
        FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
};

class CColoredStatic : public CStatic
{
  protected:
    HBRUSH CtlColor(HDC hDC, UINT)
    {
        SetTextColor(hDC, RGB(255, 0, 0));
        return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnCtlColorReflect<&CColoredStatic::CtlColor>(),
        };
        static const MessageMap map(CStatic::GetMessageMap(), entries);
        return &map;
    }
};

class CSortingList : public CListCtrl
{
  public:
    int columnClicks = 0;
    int customDraws = 0;

  protected:
    // Declines, so the parent hears of the click too.
    bool OnColumnClick(NMHDR*, LRESULT*)
    {
        ++columnClicks;
        return false;
    }
    void OnCustomDraw(NMHDR*, LRESULT* result)
    {
        ++customDraws;
        *result = CDRF_NOTIFYITEMDRAW;
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnNotifyReflect<&CSortingList::OnColumnClick>(LVN_COLUMNCLICK),
            OnNotifyReflect<&CSortingList::OnCustomDraw>(NM_CUSTOMDRAW),
        };
        static const MessageMap map(CListCtrl::GetMessageMap(), entries);
        return &map;
    }
};

class CReflectDlg : public CDialog
{
  public:
    CReflectDlg() : CDialog(IDD_TEST_DIALOG) {}

    CClickButton m_push;
    CDrawnButton m_ownerDraw;
    CColoredStatic m_label;
    CEdit m_edit;
    CSortingList m_list;
    int parentPushClicks = 0;
    int parentEditChanges = 0;
    int parentColumnClicks = 0;

  protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_PUSH, m_push);
        DDX_Control(pDX, IDC_OWNER_DRAW, m_ownerDraw);
        DDX_Control(pDX, IDC_LABEL, m_label);
        DDX_Control(pDX, IDC_EDIT, m_edit);
        DDX_Control(pDX, IDC_LIST, m_list);
    }
    void OnPush() { ++parentPushClicks; }
    void OnEditChange() { ++parentEditChanges; }
    void OnColumnClick(NMHDR*, LRESULT*) { ++parentColumnClicks; }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnCommand<&CReflectDlg::OnPush>(IDC_PUSH),
            OnCommand<&CReflectDlg::OnEditChange>(IDC_EDIT, EN_CHANGE),
            OnNotify<&CReflectDlg::OnColumnClick>(LVN_COLUMNCLICK, IDC_LIST),
        };
        static const MessageMap map(CDialog::GetMessageMap(), entries);
        return &map;
    }
};

// One shown dialog for the whole suite: under Wine without a window manager every shown
// top-level window costs seconds to map and unmap.
class ReflectionTest : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        EnsureCommonControls();
        shared = new CReflectDlg;
        ASSERT_TRUE(shared->Create());
        shared->ShowWindow(SW_SHOW);
        PumpMessages();
    }
    static void TearDownTestSuite()
    {
        delete shared;
        shared = nullptr;
    }
    void SetUp() override
    {
        dlg.m_push.clicks = dlg.m_ownerDraw.draws = dlg.m_list.columnClicks = 0;
        dlg.m_list.customDraws = dlg.parentPushClicks = dlg.parentEditChanges = 0;
        dlg.parentColumnClicks = 0;
    }

    LRESULT NotifyFromList(UINT code)
    {
        NMLISTVIEW info = {};
        info.hdr = {dlg.m_list.m_hWnd, IDC_LIST, code};
        return dlg.SendMessage(WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&info));
    }

    static CReflectDlg* shared;
    CReflectDlg& dlg = *shared;
};

CReflectDlg* ReflectionTest::shared = nullptr;

TEST_F(ReflectionTest, HandledCommandStaysWithTheControl)
{
    dlg.m_push.SendMessage(BM_CLICK);
    EXPECT_EQ(1, dlg.m_push.clicks);
    EXPECT_EQ(0, dlg.parentPushClicks);
}

TEST_F(ReflectionTest, CommandTheControlIgnoresReachesTheParent)
{
    dlg.m_edit.SetWindowText("changed");
    EXPECT_EQ(1, dlg.parentEditChanges);
}

TEST_F(ReflectionTest, DeclinedNotifyReachesBothAndAResultComesBackToTheSender)
{
    NotifyFromList(LVN_COLUMNCLICK);
    EXPECT_EQ(1, dlg.m_list.columnClicks);
    EXPECT_EQ(1, dlg.parentColumnClicks);
    EXPECT_EQ(CDRF_NOTIFYITEMDRAW, NotifyFromList(NM_CUSTOMDRAW));
}

TEST_F(ReflectionTest, ListPaintingIsCustomDrawnByTheControl)
{
    dlg.m_list.RedrawWindow();
    EXPECT_GT(dlg.m_list.customDraws, 0);
}

TEST_F(ReflectionTest, ControlChoosesItsColoursOthersKeepTheDefault)
{
    HDC hDC = GetDC(dlg.m_hWnd);
    const LRESULT labelBrush = dlg.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                               reinterpret_cast<LPARAM>(dlg.m_label.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH)), labelBrush);
    EXPECT_EQ(RGB(255, 0, 0), GetTextColor(hDC));

    const LRESULT editBrush = dlg.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
                                              reinterpret_cast<LPARAM>(dlg.m_edit.m_hWnd));
    EXPECT_NE(labelBrush, editBrush);
    ReleaseDC(dlg.m_hWnd, hDC);
}

TEST_F(ReflectionTest, OwnerDrawnButtonPaintsItself)
{
    dlg.m_ownerDraw.RedrawWindow();
    EXPECT_GT(dlg.m_ownerDraw.draws, 0);
    EXPECT_EQ(static_cast<UINT>(IDC_OWNER_DRAW), dlg.m_ownerDraw.drawnId);
}

// Handles its text "default first", and its change notification the same way.
class CDefaultFirstEdit : public CEdit
{
  public:
    int changes = 0;

  protected:
    LRESULT OnSetText(WPARAM, LPARAM) { return Default(); }
    bool OnChange()
    {
        if (++changes < 5) // a replay of the text would notify again: stop after a few
            Default();
        return true;
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnMessage<&CDefaultFirstEdit::OnSetText>(WM_SETTEXT),
            OnCommandReflect<&CDefaultFirstEdit::OnChange>(EN_CHANGE),
        };
        static const MessageMap map(CEdit::GetMessageMap(), entries);
        return &map;
    }
};

// Takes the default colours and changes only the text colour.
class CDefaultColourStatic : public CStatic
{
  public:
    HBRUSH defaultBrush = nullptr;

  protected:
    HBRUSH CtlColor(HDC hDC, UINT)
    {
        defaultBrush = reinterpret_cast<HBRUSH>(Default());
        SetTextColor(hDC, RGB(0, 0, 255));
        return defaultBrush;
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnCtlColorReflect<&CDefaultColourStatic::CtlColor>(),
        };
        static const MessageMap map(CStatic::GetMessageMap(), entries);
        return &map;
    }
};

class CDefaultFirstDlg : public CDialog
{
  public:
    CDefaultFirstDlg() : CDialog(IDD_TEST_DIALOG) {}

    CDefaultFirstEdit m_edit;
    CDefaultColourStatic m_label;

  protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_EDIT, m_edit);
        DDX_Control(pDX, IDC_LABEL, m_label);
    }
};

TEST(ReflectionDefault, RunsTheDefaultOfTheReflectedNotificationNotOfAnotherMessage)
{
    EnsureCommonControls();
    CDefaultFirstDlg dlg;
    ASSERT_TRUE(dlg.Create());

    // The change arrives while the edit is inside its own WM_SETTEXT handler: replaying that
    // message would set the text again and notify again.
    dlg.m_edit.SetWindowText("changed");
    EXPECT_EQ(1, dlg.m_edit.changes);

    HDC hDC = GetDC(dlg.m_hWnd);
    const LRESULT expected =
        DefWindowProcA(dlg.m_label.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                       reinterpret_cast<LPARAM>(dlg.m_label.m_hWnd));
    ASSERT_NE(0, expected);
    const LRESULT brush = dlg.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                          reinterpret_cast<LPARAM>(dlg.m_label.m_hWnd));
    EXPECT_EQ(expected, reinterpret_cast<LRESULT>(dlg.m_label.defaultBrush));
    EXPECT_EQ(expected, brush);
    EXPECT_EQ(RGB(0, 0, 255), GetTextColor(hDC));
    ReleaseDC(dlg.m_hWnd, hDC);
}
} // namespace
