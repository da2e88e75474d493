#pragma once

// CWnd: a window handle with a message map. A CWnd gets its messages in one of three ways,
// each through its own window procedure (see window_procs.cpp):
//   - a window of the framework's own class, made by CreateEx;
//   - a dialog (CDialog), through the dialog procedure;
//   - an existing child window, subclassed by SubclassWindow / SubclassDlgItem / DDX_Control.
// A CWnd that only wraps a handle (Attach, or a temporary from GetDlgItem) gets none and is
// just a convenient way to send messages.

#include <windows.h>

#include <map>
#include <memory>
#include <mutex>

#include "framework/message_map.h"

class CWnd
{
  public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object that receives a window's messages (bound by subclassing, a dialog, or made by
    // CreateEx), or nullptr. Works from any thread.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Wraps a handle without taking its messages; Detach lets it go without destroying it.
    BOOL Attach(HWND hWnd);
    HWND Detach();

    // Routes an existing window's messages through this object's message map.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // A window of the framework's own window class (or of a system class, which is then
    // subclassed so this object's map runs).
    BOOL CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName,
                  DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                  HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Called after a window is attached by subclassing and before its messages arrive here.
    virtual void PreSubclassWindow();
    // Called by the framework's message loops for messages aimed at this window or one of its
    // children, before they are dispatched. Return TRUE to swallow the message.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The default processing of the message being handled, from inside its handler.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Children and family. GetDlgItem returns the bound object when there is one, else a
    // wrapper that lives as long as this window object.
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    HWND GetParentHwnd() const;
    CWnd* GetParent() const;

    // Text.
    void SetWindowText(const char* text);
    int GetWindowText(char* buffer, int maxCount) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, const char* text);
    UINT GetDlgItemText(int nID, char* buffer, int maxCount) const;

    // State and look.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindow() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void SetFont(HFONT hFont, BOOL bRedraw = TRUE);
    HFONT GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HMENU GetSystemMenu(BOOL bRevert) const;
    void DragAcceptFiles(BOOL bAccept = TRUE);
    HWND SetFocus();

    // Geometry and painting.
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ClientToScreen(POINT* point) const;
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL bErase = TRUE);
    void UpdateWindow();
    BOOL RedrawWindow(const RECT* rect = nullptr, HRGN hRgn = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    HWND SetCapture();
    HDC GetDC();
    int ReleaseDC(HDC hDC);

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
    // Forgets the window when it is destroyed; called by the window procedures.
    virtual void PostNcDestroy();

  private:
    friend struct WindowProcAccess;

    // The message being dispatched, for Default().
    struct CurrentMessage
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current;
    // Set while Default() runs the dialog manager, which calls the dialog procedure again.
    bool m_bDefaultPending;

    mutable std::mutex m_tempLock;
    mutable std::map<HWND, std::unique_ptr<CWnd>> m_tempChildren;
};

// The window class that CreateEx uses when it is given no class name.
extern const char* const kFrameworkWindowClass;

// Reports an exception that a handler let escape, instead of letting it unwind through the
// system's window code. The default writes the text with OutputDebugString; tests replace it.
using ExceptionReporter = void (*)(const char* what);
ExceptionReporter SetExceptionReporter(ExceptionReporter reporter);
void ReportHandlerException(const char* what);

// Message loop step shared by the application's loop and the modal dialog loop: offers the
// message to PreTranslateMessage of the target window and its ancestors.
BOOL PreTranslateThroughParents(MSG* pMsg);

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
