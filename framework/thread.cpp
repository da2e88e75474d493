#include "framework/thread.h"

#include <process.h>

#include <exception>

#include "framework/wnd.h"

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_hThread(nullptr), m_bAutoDelete(TRUE), m_pfnThreadProc(pfnThreadProc),
      m_pThreadParams(pParam)
{
}

CWinThread::~CWinThread()
{
    if (m_hThread)
        ::CloseHandle(m_hThread);
}

unsigned __stdcall CWinThread::Start(void* self)
{
    auto* thread = static_cast<CWinThread*>(self);
    UINT exitCode = static_cast<UINT>(-1);
    try
    {
        exitCode = thread->m_pfnThreadProc(thread->m_pThreadParams);
    }
    catch (const std::exception& e)
    {
        ReportHandlerException(e.what());
    }
    catch (...)
    {
        ReportHandlerException("unknown exception in a worker thread");
    }
    if (thread->m_bAutoDelete)
        delete thread;
    return exitCode;
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority,
                           UINT nStackSize, DWORD dwCreateFlags,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    auto* thread = new CWinThread(pfnThreadProc, pParam);
    // Always start suspended: the handle must be stored before the thread can end and delete
    // its object.
    const uintptr_t handle = ::_beginthreadex(lpSecurityAttrs, nStackSize, CWinThread::Start,
                                              thread, CREATE_SUSPENDED, nullptr);
    if (!handle)
    {
        delete thread;
        return nullptr;
    }
    thread->m_hThread = reinterpret_cast<HANDLE>(handle);
    thread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        thread->ResumeThread();
    return thread;
}
