#pragma once

// The main window as a protection run sees it. Rows and progress go into the run's queue and
// the window is nudged to take them; the run never waits for the window to draw. Only its
// message boxes and the locking and unlocking of the inputs wait for the window's thread.

#include <windows.h>

#include <memory>
#include <mutex>
#include <vector>

#include "engine/protection_view.h"

class CMainWindow;

// Sent to the main window by a run that has a message to show (CMainWindow::ShowRunMessage).
// The window shows it with its own message box and returns the pressed button's id.
constexpr UINT WM_RUN_MESSAGE_BOX = WM_APP + 1;
// Sent to the main window by a run that has given the window back.
constexpr UINT WM_RUN_ENDED = WM_APP + 2;
// Posted to the main window when its run's queue has something to show. It carries nothing:
// the window takes what the queue of its current run holds, so from any other sender it
// finds nothing it did not already have.
constexpr UINT WM_RUN_REPORTS = WM_APP + 3;

// What one run has reported and the window has not yet shown, in order.
class CRunQueue
{
  public:
    struct Report
    {
        bool bRow = false; // else a progress position
        int nPos = 0;
        ResultRow row;
    };

    // Keeps a report; true when the window must be nudged (its last take found nothing, or
    // it has not taken yet, so nothing brings it back on its own).
    bool Push(Report report);
    // Everything kept so far, oldest first; the queue is empty afterwards. A take that found
    // reports leaves the queue nudged: the window comes back for the rest on its own.
    std::vector<Report> Take();
    // After a nudge that could not be posted: the next report nudges again.
    void ForgetNudge();

  private:
    std::mutex m_mutex;
    std::vector<Report> m_reports;
    bool m_bNudged = false;
};

// Shows what the queue holds on the window: rows at the end of the list, the bar's last
// position. While it finds reports it comes back a few times a second on a timer of the
// window's, so a run's rows are shown in batches as they come. Called on the window's thread.
void ShowRunReports(CMainWindow& dlg, CRunQueue& queue);

class CWindowProtectionView : public CProtectionView
{
  public:
    CWindowProtectionView(CMainWindow& dlg, std::shared_ptr<CRunQueue> queue);
    ~CWindowProtectionView() override;

    void SetProgress(int nPos) override;
    void AppendRow(const ResultRow& row) override;
    int ShowMessage(const std::string& text, unsigned style) override;
    // Disables the buttons and choices a run must not see used, the "Protect PDF" button
    // first; the text fields stay editable, the run works on what was checked.
    void LockInputs() override;
    // Enables them again, except "Clear List" and "Open PDF", which depend on the rows.
    void UnlockInputs() override;
    // Waits until the window has shown everything reported so far (for the run's last steps,
    // which read the list).
    void FlushReports();

  private:
    HWND Control(int nId) const;
    void Report(CRunQueue::Report report);

    CMainWindow& m_dlg;
    std::shared_ptr<CRunQueue> m_pQueue;
    int m_nProgress = -1; // the position last reported
};
