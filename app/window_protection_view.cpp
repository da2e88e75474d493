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
constexpr int kLastProgress = 100;
} // namespace

CWindowProtectionView::CWindowProtectionView(CMainWindow& dlg) : m_dlg(dlg) {}

CWindowProtectionView::~CWindowProtectionView() = default;

HWND CWindowProtectionView::Control(int nId) const
{
    return ::GetDlgItem(m_dlg.m_hWnd, nId);
}

void CWindowProtectionView::SetProgress(int nPos)
{
    // A folder run reports after every file; the bar only needs to hear of a new position.
    if (nPos == m_nProgress)
        return;
    m_nProgress = nPos;
    ::SendMessageA(Control(IDC_PROGRESS), PBM_SETPOS, static_cast<WPARAM>(nPos), 0);
    // Every row of the run is in: show the last ones now rather than at the next tick.
    if (nPos == kLastProgress)
        m_dlg.m_listResults.SendMessage(CEnhancedListCtrl::kShowRowsMessage);
}

void CWindowProtectionView::AppendRow(const ResultRow& row)
{
    // One trip to the window's thread for the whole row; nothing sorts the list while a run
    // is under way, so the end of the list is the row's place.
    const char* texts[] = {row.strFileName.c_str(),   row.strPdfVersion.c_str(),
                           row.strEncryption.c_str(), row.strTargetFile.c_str(),
                           row.strStatus.c_str(),     row.strSourceFile.c_str()};
    const ListRowAppend append = {texts, static_cast<int>(sizeof texts / sizeof texts[0]), 0,
                                  row.clrText};
    m_dlg.m_listResults.SendMessage(CEnhancedListCtrl::kAppendRowMessage, 0,
                                    reinterpret_cast<LPARAM>(&append));
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
