#include "app/application.h"

#include <objbase.h>

#include <commctrl.h>

#include <memory>

#include "app/main_window.h"
#include "engine/stale_work_files.h"

CSealwickApp::CSealwickApp() : CWinApp(nullptr) {}

CSealwickApp::~CSealwickApp() = default;

BOOL CSealwickApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    CWinApp::InitInstance();
    // The folder picker is a shell object: it needs COM, apartment-threaded, on the window's
    // thread.
    const HRESULT hrCom = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // Copies of sources a killed or crashed run left unencrypted in the temporary folder.
    RemoveStaleWorkFiles();

    RunMainWindow();

    if (SUCCEEDED(hrCom))
        CoUninitialize();
    // No message loop follows the main window.
    return FALSE;
}

void CSealwickApp::RunMainWindow()
{
    auto dialog = std::make_unique<CMainWindow>();
    m_pMainWnd = dialog.get();
    dialog->DoModal();
    m_pMainWnd = nullptr;
}
