#pragma once

// The results list tests' dialog: the list set up as the main window sets up its own, with
// the column clicks the parent hears counted, and rows appended as a run appends them.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/results_list_setup.h"
#include "controls/enhanced_list_ctrl.h"
#include "framework/dialog.h"
#include "framework/display_scale.h"
#include "framework/gdi.h"
#include "list_test_dialog.h"

class CResultsDlg : public CDialog
{
  public:
    CResultsDlg() : CDialog(IDD_LIST_TEST_DIALOG) {}

    CEnhancedListCtrl m_list;
    CFont m_headerFont;
    CImageList m_rowImages;
    int parentColumnClicks = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetUpResultsList(m_list, m_headerFont, m_rowImages, GetWindowDpi(m_hWnd));
        return TRUE;
    }

  protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_RESULTS, m_list); }
    void OnColumnClick(NMHDR*, LRESULT*) { ++parentColumnClicks; }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnNotify<&CResultsDlg::OnColumnClick>(LVN_COLUMNCLICK, IDC_RESULTS),
        };
        static const MessageMap map(CDialog::GetMessageMap(), entries);
        return &map;
    }
};

// Appends a row the way the protection engine does: position as item data, then the cells,
// then the colour.
inline void AppendRow(CEnhancedListCtrl& list, const char* name, const char* status)
{
    const int row = list.GetItemCount();
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>(name);
    item.lParam = row;
    list.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const bool failed = std::string(status).find("Error:") != std::string::npos;
    const std::string target = failed ? "" : std::string("C:\\out\\") + name;
    const std::string source = std::string("C:\\in\\") + name;
    const char* cells[] = {"PDF v1.7", "AES-256", target.c_str(), status, source.c_str()};
    for (int column = 1; column <= 5; ++column)
        list.SetItemText(row, column, cells[column - 1]);
    list.SetRowTextColor(row, failed ? 255 : 0);
}
