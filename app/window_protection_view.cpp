#include "app/window_protection_view.h"

#include <commctrl.h>

#include <array>

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
// While reports keep coming the window takes them together, a few times a second: taking
// each row as it comes would wake the window, lay out the list and move the bar for every file.
constexpr UINT_PTR kTakeReportsTimer = 0x5EB;
constexpr UINT kTakeReportsMs = 250;

void CALLBACK TakeReportsAgain(HWND hWnd, UINT, UINT_PTR, DWORD)
{
    ::SendMessageA(hWnd, WM_RUN_REPORTS, 0, 0);
}
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
    // A take that found reports is followed by another (the window's timer), so what comes
    // meanwhile needs no nudge; after an empty one the next report nudges.
    m_bNudged = !reports.empty();
    return reports;
}

void CRunQueue::ForgetNudge()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bNudged = false;
}

void ShowRunReports(CMainWindow& dlg, CRunQueue& queue)
{
    const std::vector<CRunQueue::Report> reports = queue.Take();
    if (reports.empty())
    {
        ::KillTimer(dlg.m_hWnd, kTakeReportsTimer);
        return;
    }
    if (!::SetTimer(dlg.m_hWnd, kTakeReportsTimer, kTakeReportsMs, &TakeReportsAgain))
        queue.ForgetNudge();

    // Nothing sorts the list while a run is under way, so the end is the rows' place.
    constexpr int kCells = 6;
    std::vector<std::array<const char*, kCells>> texts;
    std::vector<ListRowAppend> rows;
    texts.reserve(reports.size());
    rows.reserve(reports.size());
    int nPos = -1;
    for (const CRunQueue::Report& report : reports)
    {
        if (!report.bRow)
        {
            nPos = report.nPos; // the bar only shows the last
            continue;
        }
        const ResultRow& row = report.row;
        texts.push_back({row.strFileName.c_str(), row.strPdfVersion.c_str(),
                         row.strEncryption.c_str(), row.strTargetFile.c_str(),
                         row.strStatus.c_str(), row.strSourceFile.c_str()});
        rows.push_back({texts.back().data(), kCells, 0, row.clrText});
    }
    dlg.m_listResults.AppendRows(rows.data(), static_cast<int>(rows.size()));
    if (nPos >= 0)
        dlg.m_progress.SetPos(nPos);
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
