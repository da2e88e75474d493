#pragma once

// The shaded-button tests' dialog: every button bound to a CShadeButton and set up the way the
// main window sets up its own, with the clicks the dialog hears recorded.

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "controls/shade_button.h"
#include "framework/dialog.h"
#include "res/resource.h"
#include "shade_test_dialog.h"
#include "tests/support/window_test_support.h"

class CShadeTestDlg : public CDialog
{
  public:
    CShadeTestDlg() : CDialog(IDD_SHADE_TEST) {}

    CShadeButton m_btnProtect;
    CShadeButton m_btnOpen;
    CShadeButton m_btnClear;
    CShadeButton m_btnSettings;
    CShadeButton m_btnBrowse;
    CShadeButton m_btnCheck;
    CShadeButton m_btnRadio1;
    CShadeButton m_btnRadio2;
    CShadeButton m_btnRadio3;
    CShadeButton m_btnLoneRadio;

    struct Click
    {
        UINT id;
        int checkSeen; // the button's check state when the dialog heard the click
    };
    std::vector<Click> clicks;

    CShadeButton* Button(UINT id)
    {
        return static_cast<CShadeButton*>(CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, id)));
    }

  protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_SHADE_PROTECT, m_btnProtect);
        DDX_Control(pDX, IDC_SHADE_OPEN, m_btnOpen);
        DDX_Control(pDX, IDC_SHADE_CLEAR, m_btnClear);
        DDX_Control(pDX, IDC_SHADE_SETTINGS, m_btnSettings);
        DDX_Control(pDX, IDC_SHADE_BROWSE, m_btnBrowse);
        DDX_Control(pDX, IDC_SHADE_CHECK, m_btnCheck);
        DDX_Control(pDX, IDC_SHADE_RADIO1, m_btnRadio1);
        DDX_Control(pDX, IDC_SHADE_RADIO2, m_btnRadio2);
        DDX_Control(pDX, IDC_SHADE_RADIO3, m_btnRadio3);
        DDX_Control(pDX, IDC_SHADE_LONE_RADIO, m_btnLoneRadio);
    }

    static void SetUp(CShadeButton& button, const char* font, LONG height, LONG weight,
                      const char* tip, const char* checkedTip, UINT normal, UINT disabled,
                      UINT hover, int offset)
    {
        if (font)
            button.SetLabelFont(font, height, weight, 0, 0);
        button.SetTipTexts(tip, checkedTip);
        button.BuildShadeImages();
        button.m_clrLabel = RGB(0, 0, 0);
        button.m_clrLabelHover = RGB(255, 0, 0);
        if (normal)
            button.LoadButtonIcons(normal, disabled, hover, offset);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        const char* face = "MS Shell Dlg";
        SetUp(m_btnProtect, face, 15, 800, "Click here to protect the selected PDF file...", "",
              IDI_PROTECT_NORMAL, IDI_PROTECT_DISABLED, IDI_PROTECT_HOVER, 10);
        SetUp(m_btnOpen, face, 12, 600, "Open the target PDF file...", "", IDI_OPEN_NORMAL,
              IDI_OPEN_DISABLED, IDI_OPEN_HOVER, 2);
        SetUp(m_btnClear, face, 12, 600, "Clear all the items in the above List", "",
              IDI_CLEAR_NORMAL, IDI_CLEAR_DISABLED, IDI_CLEAR_HOVER, 2);
        SetUp(m_btnSettings, face, 12, 600, "Customize the PDF Password Protection options...", "",
              IDI_SETTINGS_NORMAL, IDI_SETTINGS_DISABLED, IDI_SETTINGS_HOVER, 6);
        SetUp(m_btnBrowse, nullptr, 0, 0, "Select the Source PDF file...", "", IDI_BROWSE_NORMAL,
              IDI_BROWSE_DISABLED, IDI_BROWSE_HOVER, 4);
        SetUp(m_btnCheck, face, 12, 600, "Not checked", "Checked now", 0, 0, 0, 0);
        SetUp(m_btnRadio1, face, 12, 600, "First", "", 0, 0, 0, 0);
        SetUp(m_btnRadio2, face, 12, 600, "Second", "", 0, 0, 0, 0);
        SetUp(m_btnRadio3, face, 12, 600, "Third", "", 0, 0, 0, 0);
        SetUp(m_btnLoneRadio, face, 12, 600, "Alone", "", 0, 0, 0, 0);
        return TRUE;
    }

    void OnClicked(UINT id)
    {
        clicks.push_back(
            {id, static_cast<int>(::SendMessageA(::GetDlgItem(m_hWnd, id), BM_GETCHECK, 0, 0))});
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnCommandRange<&CShadeTestDlg::OnClicked>(IDC_SHADE_PROTECT, IDC_SHADE_LONE_RADIO),
        };
        static const MessageMap map(CDialog::GetMessageMap(), entries);
        return &map;
    }
};
