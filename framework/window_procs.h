#pragma once

// The framework's window procedures; internal to the framework.

#include <windows.h>

#include "framework/wnd.h"

LRESULT CALLBACK FrameworkWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FrameworkDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK FrameworkSubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR idSubclass, DWORD_PTR refData);
constexpr UINT_PTR kFrameworkSubclassId = 0x5357; // any constant: one subclass per window

// The object that the next framework window or dialog created on this thread belongs to. Its
// first message (which comes before WM_NCCREATE or WM_INITDIALOG) binds it.
void SetWindowBeingCreated(CWnd* wnd);

// Makes a message the object's current one (CWnd::Default) for the scope's lifetime; the
// outermost scope of an object destroyed meanwhile destroys the window it made.
class CCurrentMessageScope
{
  public:
    CCurrentMessageScope(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam,
                         bool bDefaultPending = false)
        : m_wnd(wnd), m_message{message, wParam, lParam, wnd->m_pCurrent, bDefaultPending}
    {
        wnd->m_pCurrent = &m_message;
    }
    ~CCurrentMessageScope()
    {
        if (!m_message.bObjectGone)
            m_wnd->m_pCurrent = m_message.outer;
        else if (m_message.hWndDestroyAtEnd)
            ::DestroyWindow(m_message.hWndDestroyAtEnd);
    }
    // False once the object has been destroyed during the message: leave it alone then.
    bool ObjectAlive() const { return !m_message.bObjectGone; }
    CCurrentMessageScope(const CCurrentMessageScope&) = delete;
    CCurrentMessageScope& operator=(const CCurrentMessageScope&) = delete;

  private:
    CWnd* m_wnd;
    CWnd::CurrentMessage m_message;
};
