// The "Protect PDF" button, the list area's repaint and what the window does ahead of its
// message map while a run is under way.
#include "app/main_window.h"

#include "app/protection_worker.h"
#include "app/window_protection_view.h"
#include "engine/message_box_texts.h"
#include "engine/validate_request.h"
#include "framework/thread.h"
#include "res/resource.h"

namespace
{
// The strip around the list that holds its frame and labels.
constexpr int kListMarginX = 20;
constexpr int kListMarginY = 30;
} // namespace

void CDunmereDlg::OnProtectPdf()
{
    // The button is locked while a run starts or runs, but the Enter key or a click queued
    // before the lock still arrive here; they must not empty the list under a run.
    if (RunActive != 0)
        return;
    m_listResults.DeleteAllItems();

    const ProtectionRequest request = ReadProtectionRequest(*this);
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

    // Marked and locked here rather than only by the worker: until its thread gets going, a
    // second press or a close would otherwise still be taken.
    CWindowProtectionView view(*this);
    RunActive = 1;
    view.LockInputs();
    if (!AfxBeginThread(&ProtectionWorker, this))
    {
        RunActive = 0;
        view.UnlockInputs();
    }
}

void CDunmereDlg::RepaintListArea()
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

BOOL CDunmereDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_RUN_MESSAGE_BOX)
    {
        *pResult = AppMessageBox(reinterpret_cast<const char*>(lParam), static_cast<UINT>(wParam));
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
