// Dialogs from a template: modeless creation for tests, binding of members by control id,
// ending by OK and Cancel, the modal loop, and Default() inside a dialog handler.
#include "framework/dialog.h"

#include <gtest/gtest.h>

#include "framework/control_wrappers.h"
#include "framework/list_ctrl.h"
#include "framework_test_support.h"
#include "test_dialog.h"

namespace
{
class CTestDlg : public CDialog
{
  public:
    CTestDlg() : CDialog(IDD_TEST_DIALOG) {}

    CButton m_push;
    CButton m_ownerDraw;
    CStatic m_label;
    CEdit m_edit;
    CListCtrl m_list;
    CComboBox m_combo;
    CProgressCtrl m_progress;
    CWnd m_missing;

    bool bindMissing = false;
    bool cancelOnInit = false;
    int initCount = 0;

  protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_PUSH, m_push);
        DDX_Control(pDX, IDC_OWNER_DRAW, m_ownerDraw);
        DDX_Control(pDX, IDC_LABEL, m_label);
        DDX_Control(pDX, IDC_EDIT, m_edit);
        DDX_Control(pDX, IDC_LIST, m_list);
        DDX_Control(pDX, IDC_COMBO, m_combo);
        DDX_Control(pDX, IDC_PROGRESS, m_progress);
        if (bindMissing)
            DDX_Control(pDX, IDC_MISSING, m_missing);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++initCount;
        if (cancelOnInit)
            PostMessage(WM_COMMAND, IDCANCEL);
        return TRUE;
    }

    // A caption change that goes through the dialog manager's own handling.
    LRESULT OnSetText(WPARAM, LPARAM)
    {
        ++setTextCount;
        return Default();
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnMessage<&CTestDlg::OnSetText>(WM_SETTEXT),
        };
        static const MessageMap map(CDialog::GetMessageMap(), entries);
        return &map;
    }

  public:
    int setTextCount = 0;
};

class DialogTest : public ::testing::Test
{
  protected:
    void SetUp() override { EnsureCommonControls(); }
};

TEST_F(DialogTest, ModelessFromTemplateBindsEachMemberToItsControl)
{
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(1, dlg.initCount);
    const struct
    {
        int id;
        CWnd* member;
    } bindings[] = {
        {IDC_PUSH, &dlg.m_push},         {IDC_OWNER_DRAW, &dlg.m_ownerDraw},
        {IDC_LABEL, &dlg.m_label},       {IDC_EDIT, &dlg.m_edit},
        {IDC_LIST, &dlg.m_list},         {IDC_COMBO, &dlg.m_combo},
        {IDC_PROGRESS, &dlg.m_progress},
    };
    for (const auto& b : bindings)
    {
        HWND hChild = GetDlgItem(dlg.m_hWnd, b.id);
        ASSERT_NE(nullptr, hChild) << b.id;
        EXPECT_EQ(hChild, b.member->m_hWnd) << b.id;
        EXPECT_EQ(b.member, CWnd::FromHandlePermanent(hChild)) << b.id;
        EXPECT_EQ(b.member, dlg.GetDlgItem(b.id)) << b.id;
    }

    // An unbound child comes back as a wrapper that still works.
    CWnd* ok = dlg.GetDlgItem(IDOK);
    ASSERT_NE(nullptr, ok);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(ok->m_hWnd));
    EXPECT_EQ(ok, dlg.GetDlgItem(IDOK));
    char text[8] = {};
    ok->GetWindowText(text, sizeof text);
    EXPECT_STREQ("OK", text);

    // The members talk to their controls.
    dlg.m_combo.AddString("RC4");
    dlg.m_combo.AddString("AES");
    EXPECT_EQ(1, dlg.m_combo.SetCurSel(1));
    EXPECT_EQ(2, dlg.m_combo.GetCount());
    dlg.m_progress.SetPos(40);
    EXPECT_EQ(40, dlg.m_progress.GetPos());
    EXPECT_EQ(0, dlg.m_list.InsertColumn(0, "File Name", LVCFMT_LEFT, 120));
    EXPECT_EQ(0, dlg.m_list.InsertItem(0, "a.pdf"));
    dlg.m_list.SetItemData(0, 7);
    EXPECT_EQ(7u, dlg.m_list.GetItemData(0));
    EXPECT_EQ(1, dlg.m_list.GetHeaderCtrl()->GetItemCount());
}

TEST_F(DialogTest, OkAndCancelEndAModelessDialogWithTheirResult)
{
    for (int command : {IDOK, IDCANCEL})
    {
        CTestDlg dlg;
        ASSERT_TRUE(dlg.Create());
        if (command == IDOK)
            dlg.ShowWindow(SW_SHOW); // once: showing a window is slow under Wine
        EXPECT_FALSE(dlg.IsEnded());
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(command, BN_CLICKED));
        EXPECT_TRUE(dlg.IsEnded()) << command;
        EXPECT_EQ(command, dlg.GetModalResult());
        EXPECT_FALSE(dlg.IsWindowVisible()) << command;
    }
}

TEST_F(DialogTest, DoModalReturnsTheEndResultAndBindsAgainOnTheNextShowing)
{
    CTestDlg dlg;
    dlg.cancelOnInit = true;
    for (int showing = 1; showing <= 2; ++showing)
    {
        EXPECT_EQ(IDCANCEL, dlg.DoModal()) << showing;
        EXPECT_EQ(showing, dlg.initCount);
        EXPECT_EQ(nullptr, dlg.m_hWnd);
        EXPECT_EQ(nullptr, dlg.m_push.m_hWnd) << "the control went with its dialog";
    }
}

TEST_F(DialogTest, MissingControlIsReportedAndTheOthersStillBind)
{
    ReportCapture reports;
    CTestDlg dlg;
    dlg.bindMissing = true;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(nullptr, dlg.m_missing.m_hWnd);
    EXPECT_NE(nullptr, dlg.m_progress.m_hWnd);
    ASSERT_EQ(1u, ReportCapture::Reports().size());
    EXPECT_NE(std::string::npos, ReportCapture::Reports()[0].find("1999"));
}

TEST_F(DialogTest, DefaultInsideADialogHandlerRunsTheDialogManager)
{
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.SetWindowText("Renamed");
    char caption[16] = {};
    dlg.GetWindowText(caption, sizeof caption);
    EXPECT_STREQ("Renamed", caption);
    EXPECT_EQ(1, dlg.setTextCount);
}
} // namespace
