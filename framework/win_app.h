#pragma once

// The application object. A program defines one global object of a class derived from
// CWinApp; the framework's WinMain (linked in with CWinApp) fills its fields, runs
// InitInstance and, when that returns TRUE, the message loop (Run), and returns ExitInstance's
// exit code. A dialog-based program runs its main dialog modally inside InitInstance and
// returns FALSE.

#include <windows.h>

class CWnd;

class CWinApp
{
  public:
    explicit CWinApp(const char* lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    const char* m_pszAppName;
    HINSTANCE m_hInstance;
    LPSTR m_lpCmdLine;
    int m_nCmdShow;
    CWnd* m_pMainWnd;

  protected:
    int m_nExitCode;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// What WinMain does; exposed so that tests can run an application object.
int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow);
