#include "app/protection_worker.h"

#include <commctrl.h>

#include <exception>
#include <new>

#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/window_protection_view.h"
#include "engine/protect_folder.h"
#include "res/resource.h"

namespace
{
constexpr DWORD kPauseAtEndMs = 100;
constexpr size_t kFailureChars = 512;

// Copies without allocating: it runs in the handlers of an out-of-memory failure.
void CopyFailure(char (&failure)[kFailureChars], const char* text)
{
    size_t k = 0;
    for (; text && text[k] && k + 1 < kFailureChars; ++k)
        failure[k] = text[k];
    failure[k] = '\0';
}

// Out of memory a second time, the message is left out; the window is restored all the same.
void ShowRunFailure(CProtectionView& view, const char* failure)
{
    try
    {
        view.ShowMessage(std::string(kMsgRunFailed) + failure, MB_ICONWARNING | MB_OK);
    }
    catch (...)
    {
    }
}
} // namespace

ProtectionRequest ReadProtectionRequest(CMainWindow& dlg)
{
    // Nobody writes the settings during a run: their button and the close are refused.
    return MakeProtectionRequest(dlg.ReadInputs(), dlg.GetSettings());
}

namespace
{
// Gives the window back when the run leaves, however it leaves. Its steps only send messages
// and allocate nothing, so a run that ran out of memory still ends here.
class CRunEndGuard
{
  public:
    CRunEndGuard(CMainWindow& dlg, CWindowProtectionView& view, const char* failure)
        : m_dlg(dlg), m_view(view), m_failure(failure)
    {
    }
    CRunEndGuard(const CRunEndGuard&) = delete;
    CRunEndGuard& operator=(const CRunEndGuard&) = delete;

    ~CRunEndGuard()
    {
        HWND hDlg = m_dlg.m_hWnd;
        HWND hList = m_dlg.m_listResults.m_hWnd;
        HWND hProgress = ::GetDlgItem(hDlg, IDC_PROGRESS);
        m_view.FlushReports(); // the rows in the list decide the row buttons
        m_view.UnlockInputs();
        if (::SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0) > 0)
        {
            ::EnableWindow(::GetDlgItem(hDlg, IDC_CLEAR_LIST), TRUE);
            ::SendMessageA(hList, LVM_SETCOLUMNWIDTH, kStatusColumn,
                           MAKELPARAM(kStatusWidthDone, 0));
            ::EnableWindow(::GetDlgItem(hDlg, IDC_OPEN_PDF), TRUE);
        }
        ::ShowWindow(hProgress, SW_HIDE);
        ::ShowWindow(::GetDlgItem(hDlg, IDOK), SW_SHOWNORMAL);
        m_dlg.RepaintListArea();
        if (m_failure[0])
            ShowRunFailure(m_view, m_failure);
        m_dlg.GiveBackFocus();
        // Last: once it is 0 the window may close and be destroyed, so no step may follow.
        m_dlg.RunActive = 0;
    }

  private:
    CMainWindow& m_dlg;
    CWindowProtectionView& m_view;
    const char* m_failure;
};
} // namespace

UINT ProtectionWorker(LPVOID pParam)
{
    const std::unique_ptr<RunStart> start(static_cast<RunStart*>(pParam));
    CMainWindow& dlg = *start->pWindow;
    CWindowProtectionView view(dlg, start->pQueue);
    HWND hList = dlg.m_listResults.m_hWnd;

    // Whatever fails, the window is given back: a run that kept RunActive set would leave a
    // window that can never be closed.
    char failure[kFailureChars] = "";
    const CRunEndGuard end(dlg, view, failure);
    try
    {
        // The press has locked the inputs and emptied the list on the window's thread already;
        // doing it again from here would only wait for that thread twelve times more.
        ::SendMessageA(hList, LVM_SETCOLUMNWIDTH, kStatusColumn,
                       MAKELPARAM(kStatusWidthRunning, 0));
        ::ShowWindow(::GetDlgItem(dlg.m_hWnd, IDOK), SW_HIDE);
        ::ShowWindow(::GetDlgItem(dlg.m_hWnd, IDC_PROGRESS), SW_SHOWNORMAL);
        dlg.RunActive = 1;

        dlg.RunRequest(start->request, view); // ends with the progress at 100
        ::Sleep(kPauseAtEndMs);
    }
    catch (const std::bad_alloc&)
    {
        CopyFailure(failure, kRunFailureNoMemory);
    }
    catch (const std::exception& e)
    {
        CopyFailure(failure, e.what());
    }
    catch (...)
    {
        CopyFailure(failure, kRunFailureUnknown);
    }
    return 1;
}
