#include "app/window_protection_view.h"

#include <commctrl.h>

#include "app/main_window.h"
#include "res/resource.h"

namespace
{
// Locked in this order at the start of a run.
constexpr int kLockedControls[] = {
    IDOK,
    IDC_CLEAR_LIST,
    IDC_OPEN_PDF,
    IDC_SETTINGS,
    IDC_BROWSE_SOURCE,
    IDC_BROWSE_TARGET,
    IDC_MODE_SINGLE_FILE,
    IDC_MODE_FOLDER,
    IDC_PREVENT_COPY,
    IDC_PREVENT_MODIFY,
    IDC_PREVENT_PRINT,
};

// Unlocked in this order; "Clear List" and "Open PDF" wait for the row count.
constexpr int kUnlockedControls[] = {
    IDOK,
    IDC_SETTINGS,
    IDC_BROWSE_SOURCE,
    IDC_BROWSE_TARGET,
    IDC_MODE_SINGLE_FILE,
    IDC_MODE_FOLDER,
    IDC_PREVENT_COPY,
    IDC_PREVENT_MODIFY,
    IDC_PREVENT_PRINT,
};

// Columns 1 to 5 of a row, in the order they are set.
constexpr int kFirstTextColumn = 1;
} // namespace

CWindowProtectionView::CWindowProtectionView(CDunmereDlg& dlg) : m_dlg(dlg) {}

CWindowProtectionView::~CWindowProtectionView() = default;

HWND CWindowProtectionView::Control(int nId) const
{
    return ::GetDlgItem(m_dlg.m_hWnd, nId);
}

void CWindowProtectionView::SetProgress(int nPos)
{
    ::SendMessageA(Control(IDC_PROGRESS), PBM_SETPOS, static_cast<WPARAM>(nPos), 0);
}

void CWindowProtectionView::AppendRow(const ResultRow& row)
{
    CEnhancedListCtrl& list = m_dlg.m_listResults;
    // At the end: nothing sorts the list while a run is under way.
    const int nIndex = list.GetItemCount();
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = nIndex;
    item.pszText = const_cast<char*>(row.strFileName.c_str());
    item.iImage = 0;
    item.lParam = nIndex;
    const int nRow =
        static_cast<int>(list.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (nRow < 0)
        return;
    const std::string* texts[] = {&row.strPdfVersion, &row.strEncryption, &row.strTargetFile,
                                  &row.strStatus, &row.strSourceFile};
    int nColumn = kFirstTextColumn;
    for (const std::string* text : texts)
        list.SetItemText(nRow, nColumn++, text->c_str());
    list.SetRowTextColor(nRow, row.clrText);
}

int CWindowProtectionView::ShowMessage(const std::string& text, unsigned style)
{
    return m_dlg.ShowRunMessage(text, style);
}

void CWindowProtectionView::LockInputs()
{
    for (int nId : kLockedControls)
        ::EnableWindow(Control(nId), FALSE);
}

void CWindowProtectionView::UnlockInputs()
{
    for (int nId : kUnlockedControls)
        ::EnableWindow(Control(nId), TRUE);
}
