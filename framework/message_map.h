#pragma once

// Message maps: each window class lists its handlers in a static table of entries, built from
// typed member-function pointers, and links the table to its base class's. Dispatch walks the
// tables from the most derived class to CWnd; the first entry that matches and handles wins.
//
//   const MessageMap* CMyDlg::GetMessageMap() const
//   {
//       static const MessageEntry entries[] = {
//           OnMessage<&CMyDlg::OnSysCommand>(WM_SYSCOMMAND),
//           OnCommand<&CMyDlg::OnProtect>(IDOK),
//           OnNotify<&CMyDlg::OnListItemChanged>(LVN_ITEMCHANGED, 1000),
//       };
//       static const MessageMap map(CDialog::GetMessageMap(), entries);
//       return &map;
//   }
//
// Handler forms (a bool result means "handled"; false falls through to the next entry, the
// base class's table and finally the default window procedure):
//   OnMessage          LRESULT f(WPARAM, LPARAM)         | bool f(WPARAM, LPARAM, LRESULT&)
//   OnCommand          void f()                          | bool f()
//   OnCommandRange     void f(UINT id)
//   OnNotify           void f(NMHDR*, LRESULT*)          | bool f(NMHDR*, LRESULT*)
//   OnCtlColor         HBRUSH f(HDC, HWND ctl, UINT ctlType)   nullptr falls through
// Reflected from the parent to the bound control (entries of the control's own table):
//   OnCommandReflect   void f()                          | bool f()
//   OnNotifyReflect    void f(NMHDR*, LRESULT*)          | bool f(NMHDR*, LRESULT*)
//   OnCtlColorReflect  HBRUSH f(HDC, UINT ctlType)            nullptr falls through
//   OnDrawItemReflect  void f(DRAWITEMSTRUCT*)
// A reflected message that the control leaves unhandled goes on to the parent's table.

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <type_traits>

class CWnd;

// Reflected messages carry the original message id plus this base. They never travel through
// user32: only the framework's dispatch produces them.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

using MessageHandlerFn = bool (*)(CWnd* self, UINT message, WPARAM wParam, LPARAM lParam,
                                  LRESULT& result);

enum class MessageMatch : unsigned char
{
    Message,         // message == entry.message
    Command,         // WM_COMMAND, notification code, control or menu id in range
    Notify,          // WM_NOTIFY, notification code, control id
    CtlColor,        // any WM_CTLCOLOR*
    CommandReflect,  // reflected WM_COMMAND notification with this code
    NotifyReflect,   // reflected WM_NOTIFY with this code
    CtlColorReflect, // reflected WM_CTLCOLOR*
};

struct MessageEntry
{
    MessageMatch match;
    UINT message;
    UINT code;
    UINT idFirst;
    UINT idLast;
    MessageHandlerFn handler;

    bool Matches(UINT msg, WPARAM wParam, LPARAM lParam) const;
};

struct MessageMap
{
    const MessageMap* base;
    const MessageEntry* first;
    const MessageEntry* last;

    template <std::size_t N>
    MessageMap(const MessageMap* baseMap, const MessageEntry (&entries)[N])
        : base(baseMap), first(entries), last(entries + N)
    {
    }
    explicit MessageMap(const MessageMap* baseMap) : base(baseMap), first(nullptr), last(nullptr) {}
};

namespace message_map_detail
{
template <typename F> struct Member;
template <typename T, typename R, typename... A> struct Member<R (T::*)(A...)>
{
    using Class = T;
};

template <auto Fn> using ClassOf = typename Member<decltype(Fn)>::Class;

template <auto Fn, typename... Args>
constexpr bool kIs = std::is_same_v<decltype(Fn), bool (ClassOf<Fn>::*)(Args...)>;
template <auto Fn, typename R, typename... Args>
constexpr bool kReturns = std::is_same_v<decltype(Fn), R (ClassOf<Fn>::*)(Args...)>;

template <auto Fn> ClassOf<Fn>* Self(CWnd* self)
{
    return static_cast<ClassOf<Fn>*>(self);
}

template <auto Fn> bool Message(CWnd* self, UINT, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if constexpr (kReturns<Fn, LRESULT, WPARAM, LPARAM>)
    {
        result = (Self<Fn>(self)->*Fn)(wParam, lParam);
        return true;
    }
    else
    {
        static_assert(kIs<Fn, WPARAM, LPARAM, LRESULT&>,
                      "OnMessage wants LRESULT f(WPARAM, LPARAM) or bool f(WPARAM, LPARAM, "
                      "LRESULT&)");
        return (Self<Fn>(self)->*Fn)(wParam, lParam, result);
    }
}

template <auto Fn> bool Command(CWnd* self, UINT, WPARAM, LPARAM, LRESULT& result)
{
    result = 0;
    if constexpr (kReturns<Fn, void>)
    {
        (Self<Fn>(self)->*Fn)();
        return true;
    }
    else
    {
        static_assert(kIs<Fn>, "a command handler is void f() or bool f()");
        return (Self<Fn>(self)->*Fn)();
    }
}

template <auto Fn> bool CommandRange(CWnd* self, UINT, WPARAM wParam, LPARAM, LRESULT& result)
{
    static_assert(kReturns<Fn, void, UINT>, "a command range handler is void f(UINT id)");
    result = 0;
    (Self<Fn>(self)->*Fn)(LOWORD(wParam));
    return true;
}

template <auto Fn> bool Notify(CWnd* self, UINT, WPARAM, LPARAM lParam, LRESULT& result)
{
    result = 0;
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if constexpr (kReturns<Fn, void, NMHDR*, LRESULT*>)
    {
        (Self<Fn>(self)->*Fn)(header, &result);
        return true;
    }
    else
    {
        static_assert(kIs<Fn, NMHDR*, LRESULT*>,
                      "a notify handler is void f(NMHDR*, LRESULT*) or bool f(NMHDR*, LRESULT*)");
        return (Self<Fn>(self)->*Fn)(header, &result);
    }
}

template <auto Fn>
bool CtlColor(CWnd* self, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    static_assert(kReturns<Fn, HBRUSH, HDC, HWND, UINT>,
                  "OnCtlColor wants HBRUSH f(HDC, HWND, UINT ctlType)");
    const UINT ctlType = message - WM_CTLCOLORMSGBOX;
    HBRUSH brush = (Self<Fn>(self)->*Fn)(reinterpret_cast<HDC>(wParam),
                                         reinterpret_cast<HWND>(lParam), ctlType);
    result = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
}

template <auto Fn>
bool CtlColorReflect(CWnd* self, UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    static_assert(kReturns<Fn, HBRUSH, HDC, UINT>,
                  "OnCtlColorReflect wants HBRUSH f(HDC, UINT ctlType)");
    const UINT ctlType = message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX;
    HBRUSH brush = (Self<Fn>(self)->*Fn)(reinterpret_cast<HDC>(wParam), ctlType);
    result = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
}

template <auto Fn> bool DrawItem(CWnd* self, UINT, WPARAM, LPARAM lParam, LRESULT& result)
{
    static_assert(kReturns<Fn, void, DRAWITEMSTRUCT*>,
                  "OnDrawItemReflect wants void f(DRAWITEMSTRUCT*)");
    (Self<Fn>(self)->*Fn)(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}
} // namespace message_map_detail

template <auto Fn> MessageEntry OnMessage(UINT message)
{
    return {MessageMatch::Message, message, 0, 0, 0, &message_map_detail::Message<Fn>};
}

// code defaults to BN_CLICKED, which is also what menus and accelerators send (0).
template <auto Fn> MessageEntry OnCommand(UINT id, UINT code = BN_CLICKED)
{
    return {MessageMatch::Command, WM_COMMAND, code, id, id, &message_map_detail::Command<Fn>};
}

template <auto Fn> MessageEntry OnCommandRange(UINT idFirst, UINT idLast, UINT code = BN_CLICKED)
{
    return {MessageMatch::Command,
            WM_COMMAND,
            code,
            idFirst,
            idLast,
            &message_map_detail::CommandRange<Fn>};
}

template <auto Fn> MessageEntry OnNotify(UINT code, UINT id)
{
    return {MessageMatch::Notify, WM_NOTIFY, code, id, id, &message_map_detail::Notify<Fn>};
}

template <auto Fn> MessageEntry OnCtlColor()
{
    return {MessageMatch::CtlColor, 0, 0, 0, 0, &message_map_detail::CtlColor<Fn>};
}

template <auto Fn> MessageEntry OnCommandReflect(UINT code)
{
    return {MessageMatch::CommandReflect,    WM_REFLECT_BASE + WM_COMMAND, code, 0, 0,
            &message_map_detail::Command<Fn>};
}

template <auto Fn> MessageEntry OnNotifyReflect(UINT code)
{
    return {MessageMatch::NotifyReflect,    WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0,
            &message_map_detail::Notify<Fn>};
}

template <auto Fn> MessageEntry OnCtlColorReflect()
{
    return {MessageMatch::CtlColorReflect, 0, 0, 0, 0, &message_map_detail::CtlColorReflect<Fn>};
}

template <auto Fn> MessageEntry OnDrawItemReflect()
{
    return {MessageMatch::Message,
            WM_REFLECT_BASE + WM_DRAWITEM,
            0,
            0,
            0,
            &message_map_detail::DrawItem<Fn>};
}
