#include "framework/wnd.h"

#include <commctrl.h>

#include <exception>

#include "framework/window_procs.h"

namespace
{
// The window class that CreateEx uses when it is given no class name.
constexpr const char* kFrameworkWindowClass = "SealwickFrameworkWindow";

bool RegisterFrameworkClass()
{
    static const bool registered = []
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = FrameworkWindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kFrameworkWindowClass;
        return ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

HWND ControlOf(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam); // 0 for menus and accelerators
    case WM_NOTIFY:
        return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
    {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
            return reinterpret_cast<HWND>(lParam);
        (void)wParam;
        return nullptr;
    }
}
} // namespace

bool MessageEntry::Matches(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    switch (match)
    {
    case MessageMatch::Message:
        return msg == message;
    case MessageMatch::Command:
    case MessageMatch::CommandReflect:
    {
        const UINT id = LOWORD(wParam);
        return msg == message && HIWORD(wParam) == code &&
               (match == MessageMatch::CommandReflect || (id >= idFirst && id <= idLast));
    }
    case MessageMatch::Notify:
    case MessageMatch::NotifyReflect:
    {
        if (msg != message)
            return false;
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        return header->code == code &&
               (match == MessageMatch::NotifyReflect || header->idFrom == idFirst);
    }
    case MessageMatch::CtlColor:
        return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
    case MessageMatch::CtlColorReflect:
        return msg >= WM_REFLECT_BASE + WM_CTLCOLORMSGBOX &&
               msg <= WM_REFLECT_BASE + WM_CTLCOLORSTATIC;
    }
    return false;
}

CWnd::CWnd()
    : m_hWnd(nullptr), m_binding(Binding::None), m_pCurrent(nullptr), m_bCreatedSubclass(false)
{
}

CWnd::~CWnd()
{
    // The window must not call into freed memory: the messages it is inside forget this
    // object, the window is released, and then destroyed when this object made it, at once or
    // when the outermost of those messages ends.
    CurrentMessage* outermost = nullptr;
    for (CurrentMessage* current = m_pCurrent; current; current = current->outer)
    {
        current->bObjectGone = true;
        outermost = current;
    }
    if (!m_hWnd || m_binding == Binding::None)
        return;
    const bool made = m_binding != Binding::Subclass || m_bCreatedSubclass;
    HWND hWnd = ReleaseWindow();
    if (made && outermost)
        outermost->hWndDestroyAtEnd = hWnd;
    else if (made)
        ::DestroyWindow(hWnd);
}

void CWnd::BindPermanent(HWND hWnd, Binding binding)
{
    m_hWnd = hWnd;
    m_binding = binding;
    ::SetPropA(hWnd, kObjectProperty, this);
}

HWND CWnd::ReleaseWindow()
{
    HWND hWnd = m_hWnd;
    if (m_binding == Binding::Subclass)
        ::RemoveWindowSubclass(hWnd, FrameworkSubclassProc, kFrameworkSubclassId);
    if (m_binding != Binding::None)
        ::RemovePropA(hWnd, kObjectProperty);
    m_binding = Binding::None;
    m_bCreatedSubclass = false;
    m_hWnd = nullptr;
    return hWnd;
}

void CWnd::PostNcDestroy() {}

BOOL CWnd::Attach(HWND hWnd)
{
    if (m_hWnd || !hWnd)
        return FALSE;
    m_hWnd = hWnd;
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (m_hWnd || !::IsWindow(hWnd) || FromHandlePermanent(hWnd))
        return FALSE;
    BindPermanent(hWnd, Binding::Subclass);
    PreSubclassWindow();
    if (!::SetWindowSubclass(hWnd, FrameworkSubclassProc, kFrameworkSubclassId,
                             reinterpret_cast<DWORD_PTR>(this)))
    {
        ::RemovePropA(hWnd, kObjectProperty);
        m_hWnd = nullptr;
        m_binding = Binding::None;
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName,
                    DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                    HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    const bool ownClass = lpszClassName == nullptr;
    if (ownClass)
    {
        if (!RegisterFrameworkClass())
            return FALSE;
        lpszClassName = kFrameworkWindowClass;
        SetWindowBeingCreated(this);
    }
    HWND hWnd =
        ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth, nHeight,
                          hWndParent, nIDorHMenu, ::GetModuleHandleA(nullptr), lpParam);
    SetWindowBeingCreated(nullptr);
    if (!hWnd)
    {
        m_hWnd = nullptr;
        m_binding = Binding::None;
        return FALSE;
    }
    if (ownClass)
        return TRUE;
    if (!SubclassWindow(hWnd))
    {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    m_bCreatedSubclass = true;
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND hWnd = m_hWnd;
    const bool bound = m_binding != Binding::None;
    const BOOL destroyed = ::DestroyWindow(hWnd);
    // A bound window forgets its handle in WM_NCDESTROY; a wrapped one here.
    if (!bound && destroyed)
        m_hWnd = nullptr;
    return destroyed;
}

LRESULT CWnd::Default()
{
    return m_pCurrent ? DefWindowProc(m_pCurrent->message, m_pCurrent->wParam, m_pCurrent->lParam)
                      : 0;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A reflected notification's default is the system's default for the notification itself
    // (the default colours for WM_CTLCOLOR*, nothing for the others): the control's own
    // procedure knows no reflected ids.
    if (message >= WM_REFLECT_BASE && message < WM_REFLECT_BASE + WM_USER)
        return ::DefWindowProcA(m_hWnd, message - WM_REFLECT_BASE, wParam, lParam);
    switch (m_binding)
    {
    case Binding::Subclass:
        return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
    case Binding::Dialog:
    {
        // The dialog manager calls the dialog procedure first, which then declines once.
        CCurrentMessageScope pending(this, message, wParam, lParam, true);
        return ::DefDlgProcA(m_hWnd, message, wParam, lParam);
    }
    default:
        return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    }
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    HWND hChild = ::GetDlgItem(m_hWnd, nID);
    if (!hChild)
        return nullptr;
    if (CWnd* bound = FromHandlePermanent(hChild))
        return bound;
    std::lock_guard<std::mutex> lock(m_tempLock);
    std::unique_ptr<CWnd>& wrapper = m_tempChildren[hChild];
    if (!wrapper)
    {
        wrapper = std::make_unique<CWnd>();
        wrapper->Attach(hChild);
    }
    return wrapper.get();
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~dwRemove) | dwAdd;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

const MessageMap* CWnd::GetMessageMap() const
{
    static const MessageMap map(nullptr);
    return &map;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // A notification goes to the control that sent it first, so a control class can handle
    // its own notifications wherever it is placed.
    if (message < WM_REFLECT_BASE)
    {
        CWnd* child = FromHandlePermanent(ControlOf(message, wParam, lParam));
        if (child && child != this && child->OnChildNotify(message, wParam, lParam, pResult))
            return TRUE;
    }
    for (const MessageMap* map = GetMessageMap(); map; map = map->base)
    {
        for (const MessageEntry* entry = map->first; entry != map->last; ++entry)
        {
            if (entry->Matches(message, wParam, lParam) &&
                entry->handler(this, message, wParam, lParam, *pResult))
                return TRUE;
        }
    }
    return FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const UINT reflected = WM_REFLECT_BASE + message;
    CCurrentMessageScope current(this, reflected, wParam, lParam);
    LRESULT result = 0;
    if (!OnWndMsg(reflected, wParam, lParam, &result))
        return FALSE;
    *pResult = result;
    return TRUE;
}

BOOL PreTranslateThroughParents(MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd))
    {
        CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
        if (!wnd)
            continue;
        try
        {
            if (wnd->PreTranslateMessage(pMsg))
                return TRUE;
        }
        catch (const std::exception& e)
        {
            ReportHandlerException(e.what());
            return TRUE;
        }
        catch (...)
        {
            ReportHandlerException("unknown exception");
            return TRUE;
        }
        if (!(::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
            break; // the walk ends at the top-level window
    }
    return FALSE;
}
