// The three window procedures: they find the C++ object of a window, run its message map, and
// stop every C++ exception here, because unwinding through user32's frames is undefined.
#include "framework/window_procs.h"

#include <commctrl.h>

#include <exception>

#include "framework/wnd.h"

namespace
{
thread_local CWnd* t_beingCreated = nullptr;

void DebugReporter(const char* what)
{
    ::OutputDebugStringA("Sealwick: exception in a message handler: ");
    ::OutputDebugStringA(what);
    ::OutputDebugStringA("\n");
}

ExceptionReporter g_reporter = DebugReporter;

bool IsDirectResultMessage(UINT message)
{
    // The dialog manager takes these results from the dialog procedure's return value and
    // not from DWLP_MSGRESULT.
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           message == WM_INITDIALOG || message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
           message == WM_CHARTOITEM || message == WM_QUERYDRAGICON;
}
} // namespace

ExceptionReporter SetExceptionReporter(ExceptionReporter reporter)
{
    ExceptionReporter previous = g_reporter;
    g_reporter = reporter ? reporter : DebugReporter;
    return previous;
}

void ReportHandlerException(const char* what)
{
    g_reporter(what);
}

void SetWindowBeingCreated(CWnd* wnd)
{
    t_beingCreated = wnd;
}

struct WindowProcAccess
{
    static constexpr CWnd::Binding kOwnClass = CWnd::Binding::OwnClass;
    static constexpr CWnd::Binding kDialog = CWnd::Binding::Dialog;

    static CWnd* Find(HWND hWnd, CWnd::Binding binding)
    {
        if (CWnd* wnd = CWnd::FromHandlePermanent(hWnd))
            return wnd;
        CWnd* wnd = t_beingCreated;
        if (!wnd)
            return nullptr;
        t_beingCreated = nullptr;
        wnd->BindPermanent(hWnd, binding);
        return wnd;
    }

    // Runs the map; an escaping exception is reported and the message counts as handled with
    // a harmless result.
    static bool Dispatch(CWnd* wnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) noexcept
    {
        bool handled = false;
        const char* failure = nullptr;
        try
        {
            handled = wnd->OnWndMsg(message, wParam, lParam, &result) != FALSE;
        }
        catch (const std::exception& e)
        {
            ReportHandlerException(e.what());
            failure = "";
        }
        catch (...)
        {
            ReportHandlerException("unknown exception");
            failure = "";
        }
        if (failure)
        {
            handled = true;
            result = 0;
            if (message == WM_CREATE)
                result = -1;
            else if (message == WM_PAINT)
                ::ValidateRect(hWnd, nullptr); // else the paint comes back for ever
        }
        return handled;
    }

    static void Unbind(CWnd* wnd)
    {
        wnd->ReleaseWindow();
        {
            std::lock_guard<std::mutex> lock(wnd->m_tempLock);
            wnd->m_tempChildren.clear();
        }
        try
        {
            wnd->PostNcDestroy();
        }
        catch (...)
        {
            ReportHandlerException("exception in PostNcDestroy");
        }
    }

    static bool TakeDefaultPending(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        CWnd::CurrentMessage* current = wnd->m_pCurrent;
        if (!current || !current->bDefaultPending || current->message != message ||
            current->wParam != wParam || current->lParam != lParam)
            return false;
        current->bDefaultPending = false;
        return true;
    }
};

LRESULT CALLBACK FrameworkWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = WindowProcAccess::Find(hWnd, WindowProcAccess::kOwnClass);
    if (!wnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    CCurrentMessageScope current(wnd, message, wParam, lParam);
    LRESULT result = 0;
    if (!WindowProcAccess::Dispatch(wnd, hWnd, message, wParam, lParam, result))
        result = ::DefWindowProcA(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY && current.ObjectAlive())
        WindowProcAccess::Unbind(wnd);
    return result;
}

INT_PTR CALLBACK FrameworkDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = WindowProcAccess::Find(hWnd, WindowProcAccess::kDialog);
    if (!wnd)
        return FALSE;
    // Default() asked the dialog manager for its own processing of this message.
    if (WindowProcAccess::TakeDefaultPending(wnd, message, wParam, lParam))
        return FALSE;
    CCurrentMessageScope current(wnd, message, wParam, lParam);
    LRESULT result = 0;
    const bool handled = WindowProcAccess::Dispatch(wnd, hWnd, message, wParam, lParam, result);
    if (message == WM_NCDESTROY && current.ObjectAlive())
        WindowProcAccess::Unbind(wnd);
    if (!handled)
        return FALSE;
    if (IsDirectResultMessage(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

LRESULT CALLBACK FrameworkSubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR refData)
{
    CWnd* wnd = reinterpret_cast<CWnd*>(refData);
    CCurrentMessageScope current(wnd, message, wParam, lParam);
    LRESULT result = 0;
    const bool handled = WindowProcAccess::Dispatch(wnd, hWnd, message, wParam, lParam, result);
    if (message == WM_NCDESTROY && current.ObjectAlive())
    {
        WindowProcAccess::Unbind(wnd);
        return ::DefSubclassProc(hWnd, message, wParam, lParam);
    }
    if (!handled)
        result = ::DefSubclassProc(hWnd, message, wParam, lParam);
    return result;
}
