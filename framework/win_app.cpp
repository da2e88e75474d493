// WinMain lives in this file on purpose: an executable that constructs a CWinApp pulls this
// object file out of the library and gets WinMain with it, while programs without one (tests,
// tools) keep their own entry point.
#include "framework/win_app.h"

#include <exception>

#include "framework/wnd.h"

namespace
{
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* lpszAppName)
    : m_pszAppName(lpszAppName), m_pMainWnd(nullptr), m_nExitCode(0)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    MSG msg;
    BOOL got;
    while ((got = ::GetMessageA(&msg, nullptr, 0, 0)) > 0)
    {
        if (PreTranslateThroughParents(&msg))
            continue;
        HWND hMain = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
        if (hMain && ::IsDialogMessageA(hMain, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    m_nExitCode = got == 0 ? static_cast<int>(msg.wParam) : 1;
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWinApp* app = g_app;
    if (!app)
        return 1;
    try
    {
        if (!app->InitInstance())
            return app->ExitInstance();
        return app->Run();
    }
    catch (const std::exception& e)
    {
        ReportHandlerException(e.what());
    }
    catch (...)
    {
        ReportHandlerException("unknown exception in the application object");
    }
    return 1;
}
