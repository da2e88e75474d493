// The "Protect PDF" button, the list area's repaint and what the window does ahead of its
// message map while a run is under way.
#include "app/main_window.h"

#include <memory>

#include "app/app_texts.h"
#include "app/protection_worker.h"
#include "app/window_protection_view.h"
#include "engine/message_box_texts.h"
#include "engine/protect_folder.h"
#include "engine/protection_run.h"
#include "engine/validate_request.h"
#include "framework/thread.h"
#include "res/resource.h"

namespace
{
// The strip around the list that holds its frame and labels.
constexpr int kListMarginX = 20;
constexpr int kListMarginY = 30;

bool CanTakeFocus(HWND hWnd)
{
    return hWnd && ::IsWindow(hWnd) && ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd);
}
} // namespace

void CMainWindow::OnProtectPdf()
{
    // The button is locked while a run starts or runs, but the Enter key or a click queued
    // before the lock still arrive here; they must not empty the list under a run.
    if (RunActive != 0)
        return;
    m_listResults.DeleteAllItems();

    ProtectionRequest request = ReadProtectionRequest(*this);
    const ValidationResult result =
        ValidateRequest(request, [this](const std::string& text)
                        { return AppMessageBox(text.c_str(), kQuestionStyle) == IDYES; });
    if (result.outcome == ValidationOutcome::Refused)
    {
        AppMessageBox(result.strMessage.c_str(), kRefusalStyle);
        return;
    }
    if (result.outcome == ValidationOutcome::Withdrawn)
        return;
    // Asked last, once everything else would run: restrictions that whoever opens the file
    // could lift. No keeps the passwords and locks each file with a password nobody knows.
    if (LeavesRestrictionsOpen(ProtectOptionsOf(request)))
    {
        if (AppMessageBox(kMsgAskOtherPermissionPassword, kOtherPermissionPasswordStyle) == IDYES)
        {
            HWND hPermission = m_editPermissionPassword.m_hWnd;
            SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hPermission), TRUE);
            ::SendMessageA(hPermission, EM_SETSEL, 0, -1);
            return;
        }
        request.bRandomPermissionPassword = true;
    }

    // Made before anything is marked: what fails for want of memory fails here, undoing nothing.
    auto start = std::make_unique<RunStart>(RunStart{this, request, StartRunQueue()});

    // Marked and locked here rather than only by the worker: until its thread gets going, a
    // second press or a close would otherwise still be taken.
    CWindowProtectionView view(*this, start->pQueue);
    RunActive = 1;
    KeepFocusForRun();
    view.LockInputs();
    ParkFocusDuringRun();
    // Starting the thread allocates and may throw; unless it starts, everything is undone,
    // by steps that allocate nothing.
    struct UndoUnlessStarted
    {
        CMainWindow& dlg;
        CProtectionView& view;
        bool bStarted;
        ~UndoUnlessStarted()
        {
            if (bStarted)
                return;
            view.UnlockInputs();
            dlg.RestoreFocusAfterRun();
            dlg.RunActive = 0;
        }
    } undo{*this, view, false};
    if (AfxBeginThread(&ProtectionWorker, start.get()))
    {
        start.release(); // the worker owns it now
        undo.bStarted = true;
    }
}

void CMainWindow::RunRequest(const ProtectionRequest& request, CProtectionView& view)
{
    RunProtection(request, view);
}

std::shared_ptr<CRunQueue> CMainWindow::StartRunQueue()
{
    m_pRunQueue = std::make_shared<CRunQueue>();
    return m_pRunQueue;
}

int CMainWindow::ShowRunMessage(const std::string& text, UINT style)
{
    const RunMessage message = {text, style};
    m_pRunMessage = &message;
    const LRESULT result =
        ::SendMessageA(m_hWnd, WM_RUN_MESSAGE_BOX, 0, reinterpret_cast<LPARAM>(&message));
    m_pRunMessage = nullptr;
    return static_cast<int>(result);
}

void CMainWindow::GiveBackFocus()
{
    ::SendMessageA(m_hWnd, WM_RUN_ENDED, 0, 0);
}

void CMainWindow::KeepFocusForRun()
{
    HWND hFocus = ::GetFocus();
    m_hFocusBeforeRun = hFocus && ::IsChild(m_hWnd, hFocus) ? hFocus : nullptr;
    m_hFocusDuringRun = nullptr;
}

void CMainWindow::ParkFocusDuringRun()
{
    // Disabling the focused control leaves the window without focus, and Esc and Enter would
    // reach nothing: the first control the run leaves free takes it.
    if (CanTakeFocus(::GetFocus()))
        return;
    HWND hFree = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (!CanTakeFocus(hFree))
        return;
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hFree), TRUE);
    m_hFocusDuringRun = hFree;
}

void CMainWindow::RestoreFocusAfterRun()
{
    HWND hTarget = CanTakeFocus(m_hFocusBeforeRun) ? m_hFocusBeforeRun : m_btnProtect.m_hWnd;
    HWND hFocus = ::GetFocus();
    // A control the user chose during the run keeps the focus.
    const bool bMovedByUser =
        hFocus != m_hFocusDuringRun && ::IsChild(m_hWnd, hFocus) && CanTakeFocus(hFocus);
    m_hFocusBeforeRun = nullptr;
    m_hFocusDuringRun = nullptr;
    if (hFocus == hTarget || bMovedByUser || !CanTakeFocus(hTarget))
        return;
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hTarget), TRUE);
}

void CMainWindow::RepaintListArea()
{
    RECT rcList = {};
    RECT rcWindow = {};
    ::GetWindowRect(m_listResults.m_hWnd, &rcList);
    ::GetWindowRect(m_hWnd, &rcWindow);
    const RECT rcArea = {
        rcList.left - rcWindow.left - kListMarginX, rcList.top - rcWindow.top - kListMarginY,
        rcList.right - rcWindow.left + kListMarginX, rcList.bottom - rcWindow.top + kListMarginY};
    ::InvalidateRect(m_hWnd, &rcArea, TRUE);
    ::UpdateWindow(m_hWnd);
}

BOOL CMainWindow::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_RUN_MESSAGE_BOX)
    {
        // Any process can send this message: only the pending request of this window's own
        // run is shown, and lParam is compared with it, never followed.
        const RunMessage* pending = m_pRunMessage;
        *pResult = 0;
        if (pending && reinterpret_cast<LPARAM>(pending) == lParam &&
            m_pRunMessage.compare_exchange_strong(pending, nullptr))
            *pResult = AppMessageBox(pending->text.c_str(), pending->style);
        return TRUE;
    }
    if (message == WM_RUN_REPORTS)
    {
        // Carries nothing: only the current run's own queue is read.
        if (m_pRunQueue)
            ShowRunReports(*this, *m_pRunQueue);
        *pResult = 0;
        return TRUE;
    }
    if (message == WM_RUN_ENDED)
    {
        RestoreFocusAfterRun();
        *pResult = 0;
        return TRUE;
    }
    // Rows still arriving would be sorted under the run's feet: the click is dropped before
    // the list sees it.
    if (message == WM_NOTIFY && RunActive != 0)
    {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == m_listResults.m_hWnd && header->code == LVN_COLUMNCLICK)
        {
            *pResult = 0;
            return TRUE;
        }
    }
    return CDialog::OnWndMsg(message, wParam, lParam, pResult);
}
