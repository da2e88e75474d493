#pragma once

// The main window as a protection run sees it. Every call sends messages to the window's
// controls and waits while the window's thread handles them, so it may be called from the
// run's own thread; nothing is posted.

#include <windows.h>

#include "engine/protection_view.h"

class CMainWindow;

// Sent to the main window by a run that has a message to show (CMainWindow::ShowRunMessage).
// The window shows it with its own message box and returns the pressed button's id.
constexpr UINT WM_RUN_MESSAGE_BOX = WM_APP + 1;
// Sent to the main window by a run that has given the window back.
constexpr UINT WM_RUN_ENDED = WM_APP + 2;

class CWindowProtectionView : public CProtectionView
{
  public:
    explicit CWindowProtectionView(CMainWindow& dlg);
    ~CWindowProtectionView() override;

    void SetProgress(int nPos) override;
    void AppendRow(const ResultRow& row) override;
    int ShowMessage(const std::string& text, unsigned style) override;
    // Disables the buttons and choices a run must not see used, the "Protect PDF" button
    // first; the text fields stay editable, the run has read them already.
    void LockInputs() override;
    // Enables them again, except "Clear List" and "Open PDF", which depend on the rows.
    void UnlockInputs() override;

  private:
    HWND Control(int nId) const;

    CMainWindow& m_dlg;
    int m_nProgress = -1; // the position last sent to the bar
};
