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

bool CRunQueue::Push(Report report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reports.push_back(std::move(report));
    const bool bNudge = !m_bNudged;
    m_bNudged = true;
    return bNudge;
}

std::vector<CRunQueue::Report> CRunQueue::Take()
{
    std::vector<Report> reports;
    std::lock_guard<std::mutex> lock(m_mutex);
    reports.swap(m_reports);
    m_bNudged = false;
    return reports;
}

void CRunQueue::ForgetNudge()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bNudged = false;
}

void ShowRunReports(CMainWindow& dlg, CRunQueue& queue)
{
    for (const CRunQueue::Report& report : queue.Take())
    {
        if (!report.bRow)
        {
            dlg.m_progress.SetPos(report.nPos);
            // Every row of the run is in: show the last ones now rather than at the next tick.
            if (report.nPos == kLastProgress)
                dlg.m_listResults.ShowAppendedRows();
            continue;
        }
        // Nothing sorts the list while a run is under way, so the end is the row's place.
        const ResultRow& row = report.row;
        const char* texts[] = {row.strFileName.c_str(),   row.strPdfVersion.c_str(),
                               row.strEncryption.c_str(), row.strTargetFile.c_str(),
                               row.strStatus.c_str(),     row.strSourceFile.c_str()};
        dlg.m_listResults.AppendRow(
            {texts, static_cast<int>(sizeof texts / sizeof texts[0]), 0, row.clrText});
    }
}

CWindowProtectionView::CWindowProtectionView(CMainWindow& dlg, std::shared_ptr<CRunQueue> queue)
    : m_dlg(dlg), m_pQueue(std::move(queue))
{
}

CWindowProtectionView::~CWindowProtectionView() = default;

HWND CWindowProtectionView::Control(int nId) const
{
    return ::GetDlgItem(m_dlg.m_hWnd, nId);
}

void CWindowProtectionView::Report(CRunQueue::Report report)
{
    // A nudge that cannot be posted is made up for by the next report or the run's end.
    if (m_pQueue->Push(std::move(report)) && !::PostMessageA(m_dlg.m_hWnd, WM_RUN_REPORTS, 0, 0))
        m_pQueue->ForgetNudge();
}

void CWindowProtectionView::SetProgress(int nPos)
{
    // A folder run reports after every file; the bar only needs to hear of a new position.
    if (nPos == m_nProgress)
        return;
    m_nProgress = nPos;
    CRunQueue::Report report;
    report.nPos = nPos;
    Report(std::move(report));
}

void CWindowProtectionView::AppendRow(const ResultRow& row)
{
    CRunQueue::Report report;
    report.bRow = true;
    report.row = row;
    Report(std::move(report));
}

void CWindowProtectionView::FlushReports()
{
    ::SendMessageA(m_dlg.m_hWnd, WM_RUN_REPORTS, 0, 0);
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
