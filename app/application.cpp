#include "app/application.h"

#include <commctrl.h>

#include <memory>

#include "app/main_window.h"

CDunmereApp::CDunmereApp() : CWinApp(nullptr) {}

CDunmereApp::~CDunmereApp() = default;

BOOL CDunmereApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    CWinApp::InitInstance();

    auto dialog = std::make_unique<CDunmereDlg>();
    m_pMainWnd = dialog.get();
    dialog->DoModal();
    m_pMainWnd = nullptr;
    dialog.reset();
    // No message loop follows the main window.
    return FALSE;
}
