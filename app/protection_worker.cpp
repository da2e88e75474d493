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

// Out of memory a second time, the message is left out; the window is restored all the same.
void ShowRunFailure(CProtectionView& view, const std::string& failure)
{
    try
    {
        view.ShowMessage(kMsgRunFailed + failure, MB_ICONWARNING | MB_OK);
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

UINT ProtectionWorker(LPVOID pParam)
{
    CMainWindow& dlg = *static_cast<CMainWindow*>(pParam);
    CWindowProtectionView view(dlg);
    HWND hList = dlg.m_listResults.m_hWnd;
    HWND hProtect = ::GetDlgItem(dlg.m_hWnd, IDOK);
    HWND hProgress = ::GetDlgItem(dlg.m_hWnd, IDC_PROGRESS);

    // Whatever fails, the window is given back: a run that kept RunActive set would leave a
    // window that can never be closed.
    std::string failure;
    try
    {
        // What runs is what the fields hold now, not what was checked a moment ago.
        const ProtectionRequest request = ReadProtectionRequest(dlg);
        view.LockInputs();
        ::SendMessageA(hList, LVM_DELETEALLITEMS, 0, 0);
        ::SendMessageA(hList, LVM_SETCOLUMNWIDTH, kStatusColumn,
                       MAKELPARAM(kStatusWidthRunning, 0));
        ::ShowWindow(hProtect, SW_HIDE);
        ::ShowWindow(hProgress, SW_SHOWNORMAL);
        dlg.RunActive = 1;

        dlg.RunRequest(request, view); // ends with the progress at 100
        ::Sleep(kPauseAtEndMs);
    }
    catch (const std::bad_alloc&)
    {
        failure = kRunFailureNoMemory;
    }
    catch (const std::exception& e)
    {
        failure = e.what();
    }
    catch (...)
    {
        failure = kRunFailureUnknown;
    }

    view.UnlockInputs();
    if (::SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0) > 0)
    {
        ::EnableWindow(::GetDlgItem(dlg.m_hWnd, IDC_CLEAR_LIST), TRUE);
        ::SendMessageA(hList, LVM_SETCOLUMNWIDTH, kStatusColumn, MAKELPARAM(kStatusWidthDone, 0));
        ::EnableWindow(::GetDlgItem(dlg.m_hWnd, IDC_OPEN_PDF), TRUE);
    }
    ::ShowWindow(hProgress, SW_HIDE);
    ::ShowWindow(hProtect, SW_SHOWNORMAL);
    dlg.RepaintListArea();
    if (!failure.empty())
        ShowRunFailure(view, failure);
    dlg.GiveBackFocus();
    // Last: once it is 0 the window may close and be destroyed, so no step may follow.
    dlg.RunActive = 0;
    return 1;
}
