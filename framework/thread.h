#pragma once

// Worker threads. AfxBeginThread starts a function on a new thread and returns its thread
// object, which by default deletes itself (and closes its handle) when the function returns:
// keep the pointer only while the thread is known to run, or clear m_bAutoDelete first
// (start it with CREATE_SUSPENDED, clear the flag, ResumeThread) and delete it yourself.

#include <windows.h>

using AFX_THREADPROC = UINT (*)(LPVOID pParam);

class CWinThread
{
  public:
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    virtual ~CWinThread();
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    HANDLE m_hThread;
    BOOL m_bAutoDelete;

    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    BOOL SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }

  private:
    friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD,
                                      LPSECURITY_ATTRIBUTES);
    static unsigned __stdcall Start(void* self);

    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;
};

// An exception that escapes pfnThreadProc is reported like a handler's and ends the thread
// with exit code (UINT)-1, instead of ending the process.
CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                           int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                           DWORD dwCreateFlags = 0,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
