#pragma once

// CWnd: a window handle with a message map. A CWnd gets its messages in one of three ways,
// each through its own window procedure (see window_procs.cpp):
//   - a window made by CreateEx (of the framework's own class, or of a system class, which is
//     then subclassed);
//   - a dialog (CDialog), through the dialog procedure;
//   - an existing child window, subclassed by SubclassWindow / DDX_Control.
// A CWnd that only wraps a handle (a temporary from GetDlgItem) gets none and is just a
// convenient way to send messages. The one-line members below are the Win32 call of the
// same name on m_hWnd.

#include <windows.h>

#include <shellapi.h>

#include <map>
#include <memory>
#include <mutex>

#include "framework/message_map.h"

class CWnd
{
  public:
    CWnd();
    // A window that this object made (CreateEx, a dialog) is destroyed with it; a window it
    // only subclassed goes back to its own procedure. Inside one of the window's messages (a
    // handler deleting its own object, a parent deleting a child's), the window procedures
    // stop using the object at once, and the window is destroyed when the outermost of those
    // messages ends.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object that receives a window's messages (bound by subclassing, a dialog, or made by
    // CreateEx), or nullptr. Works from any thread.
    static CWnd* FromHandlePermanent(HWND hWnd)
    {
        return hWnd ? static_cast<CWnd*>(::GetPropA(hWnd, kObjectProperty)) : nullptr;
    }

    // Wraps a handle without taking its messages; Detach lets it go without destroying it.
    BOOL Attach(HWND hWnd);
    HWND Detach() { return ReleaseWindow(); }

    // Routes an existing window's messages through this object's message map.
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow() { return m_binding == Binding::Subclass ? ReleaseWindow() : nullptr; }

    // A window of the framework's own window class (lpszClassName nullptr), or of a system
    // class, which is then subclassed so this object's map runs.
    BOOL CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName,
                  DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                  HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Called after a window is attached by subclassing and before its messages arrive here.
    virtual void PreSubclassWindow() {}
    // Called by the framework's message loops for messages aimed at this window or one of its
    // children, before they are dispatched. Return TRUE to swallow the message.
    virtual BOOL PreTranslateMessage(MSG*) { return FALSE; }

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    // The default processing of the message whose handler is running (for a reflected
    // notification: the system's default for it, e.g. the default colours).
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Children and family. GetDlgItem returns the bound object when there is one, else a
    // wrapper that lives as long as this window object.
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetParentHwnd() const { return ::GetParent(m_hWnd); }

    // Text.
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    int GetWindowText(char* buffer, int maxCount) const
    {
        return ::GetWindowTextA(m_hWnd, buffer, maxCount);
    }
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    void SetDlgItemText(int nID, const char* text) { ::SetDlgItemTextA(m_hWnd, nID, text); }
    UINT GetDlgItemText(int nID, char* buffer, int maxCount) const
    {
        return ::GetDlgItemTextA(m_hWnd, nID, buffer, maxCount);
    }

    // State and look.
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void SetFont(HFONT hFont, BOOL bRedraw = TRUE)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon)
    {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(hIcon)));
    }
    HMENU GetSystemMenu(BOOL bRevert) const { return ::GetSystemMenu(m_hWnd, bRevert); }
    void DragAcceptFiles(BOOL bAccept = TRUE) { ::DragAcceptFiles(m_hWnd, bAccept); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }

    // Geometry and painting.
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void ScreenToClient(POINT* point) const { ::ScreenToClient(m_hWnd, point); }
    void ClientToScreen(POINT* point) const { ::ClientToScreen(m_hWnd, point); }
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
    {
        return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
    }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(const RECT* rect, BOOL bErase = TRUE)
    {
        ::InvalidateRect(m_hWnd, rect, bErase);
    }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(const RECT* rect = nullptr, HRGN hRgn = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return ::RedrawWindow(m_hWnd, rect, hRgn, flags);
    }
    HWND SetCapture() { return ::SetCapture(m_hWnd); }
    HDC GetDC() { return ::GetDC(m_hWnd); }
    int ReleaseDC(HDC hDC) { return ::ReleaseDC(m_hWnd, hDC); }

    // The dispatch that every window procedure runs: reflection to a bound child first, then
    // this object's message map chain. Returns whether a handler handled the message.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Receives a notification that this control's parent reflects back to it; the default
    // looks the reflected message up in this object's map.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  protected:
    virtual const MessageMap* GetMessageMap() const;

    // How this object receives its window's messages; set by whoever binds it.
    enum class Binding : unsigned char
    {
        None,
        OwnClass,
        Dialog,
        Subclass
    };
    Binding m_binding;

    // Binds this object to hWnd as the receiver of its messages (FromHandlePermanent).
    void BindPermanent(HWND hWnd, Binding binding);
    // Called when the window has gone (WM_NCDESTROY) and this object has let go of it.
    virtual void PostNcDestroy();

  private:
    friend struct WindowProcAccess;
    friend class CCurrentMessageScope;

    // Window property that holds a bound window's object.
    static constexpr const char* kObjectProperty = "Sealwick.CWnd";

    // A message this object is handling. The window procedures, the reflection and Default()
    // on a dialog each push one for the length of their call, so the innermost is the message
    // whose handler runs: the one that Default() replays. The chain is also the nesting count
    // that tells the destructor whether the window is inside one of its messages.
    struct CurrentMessage
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        CurrentMessage* outer;
        bool bDefaultPending;            // Default() handed this message to the dialog manager
        bool bObjectGone = false;        // the object was destroyed during this message
        HWND hWndDestroyAtEnd = nullptr; // outermost only: the window the gone object made
    };
    CurrentMessage* m_pCurrent;
    // The window is of a system class and was made by CreateEx, so it goes with this object.
    bool m_bCreatedSubclass;

    // Lets go of the window without destroying it: it goes back to its own procedure and no
    // longer leads to this object.
    HWND ReleaseWindow();

    mutable std::mutex m_tempLock;
    mutable std::map<HWND, std::unique_ptr<CWnd>> m_tempChildren;
};

// Reports an exception that a handler let escape, instead of letting it unwind through the
// system's window code. The default writes the text with OutputDebugString; tests replace it.
using ExceptionReporter = void (*)(const char* what);
ExceptionReporter SetExceptionReporter(ExceptionReporter reporter);
void ReportHandlerException(const char* what);

// Message loop step shared by the application's loop and the modal dialog loop: offers the
// message to PreTranslateMessage of the target window and its ancestors.
BOOL PreTranslateThroughParents(MSG* pMsg);

inline HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandleA(nullptr);
}
