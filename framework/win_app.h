#pragma once

// The application object. A program defines one global object of a class derived from
// CWinApp; the framework's WinMain (linked in with CWinApp) runs InitInstance and, when that
// returns TRUE, the message loop (Run), and returns ExitInstance's exit code. A dialog-based
// program runs its main dialog modally inside InitInstance and returns FALSE.

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
    CWnd* m_pMainWnd; // the window whose dialog keys Run handles

  protected:
    int m_nExitCode;
};
