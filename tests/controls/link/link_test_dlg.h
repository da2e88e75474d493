#pragma once

// The link tests' dialog: three links bound from the template and configured the way the
// program's windows configure theirs, with the clicks the parent hears recorded.

#include <windows.h>

#include <utility>
#include <vector>

#include "controls/static_hyperlink.h"
#include "framework/dialog.h"
#include "link_test_dialog.h"

inline const char kGuideAddress[] = "https://example.org/sealwick/guide.html";
inline const char kHelpTip[] = "Get more Help on using Sealwick";

class CLinkTestDlg : public CDialog
{
  public:
    CLinkTestDlg() : CDialog(IDD_LINK_TEST) {}

    CStaticHyperLink m_linkUrl;
    CStaticHyperLink m_linkNotify;
    CStaticHyperLink m_linkOwnerColours;
    std::vector<std::pair<WPARAM, LPARAM>> linkClicks;

  protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_LINK_URL, m_linkUrl);
        DDX_Control(pDX, IDC_LINK_NOTIFY, m_linkNotify);
        DDX_Control(pDX, IDC_LINK_OWNER_COLOURS, m_linkOwnerColours);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_linkUrl.SetLinkUrl(kGuideAddress);
        m_linkUrl.m_bTipEnabled = 1;
        m_linkUrl.SetLinkTipText(kHelpTip);
        m_linkNotify.m_bNotifyParent = 1;
        m_linkOwnerColours.SetLinkUrl("https://example.org/sealwick/guide.html#settings");
        m_linkOwnerColours.m_clrLink = RGB(0, 0, 255);
        m_linkOwnerColours.m_clrLinkHover = RGB(255, 0, 0);
        return TRUE;
    }

    LRESULT OnLinkClicked(WPARAM wParam, LPARAM lParam)
    {
        linkClicks.emplace_back(wParam, lParam);
        return 0;
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnMessage<&CLinkTestDlg::OnLinkClicked>(WM_LINK_CLICKED),
        };
        static const MessageMap map(CDialog::GetMessageMap(), entries);
        return &map;
    }
};
