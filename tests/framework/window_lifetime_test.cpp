// Window objects and their windows: an object destroys the window it made, whatever its class,
// and lets go of a window it only subclassed; an object deleted while its window is inside one
// of its messages is no longer touched, and its window goes when the outermost message ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "framework/control_wrappers.h"
#include "framework/dialog.h"
#include "framework/wnd.h"
#include "framework_test_support.h"
#include "test_dialog.h"

namespace
{
TEST(WindowLifetime, ObjectDestroysTheWindowItMadeAndReleasesTheOneItSubclassed)
{
    EnsureCommonControls();
    const struct
    {
        const char* name;
        const char* className; // nullptr: the framework's own class
        bool made;             // made by CreateEx, else an existing window subclassed
    } cases[] = {
        {"own class", nullptr, true},           {"system static", "STATIC", true},
        {"system button", "BUTTON", true},      {"common control", TOOLTIPS_CLASSA, true},
        {"subclassed static", "STATIC", false},
    };
    for (const auto& c : cases)
    {
        HWND hWnd = nullptr;
        {
            CWnd wnd;
            if (c.made)
            {
                ASSERT_TRUE(
                    wnd.CreateEx(0, c.className, "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr))
                    << c.name;
                hWnd = wnd.m_hWnd;
            }
            else
            {
                hWnd = CreateWindowExA(0, c.className, "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
                ASSERT_TRUE(wnd.SubclassWindow(hWnd)) << c.name;
            }
            EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd)) << c.name;
        }
        EXPECT_EQ(!c.made, IsWindow(hWnd) != FALSE) << c.name;
        if (IsWindow(hWnd))
        {
            EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << c.name;
            EXPECT_EQ(0, SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0)) << c.name << " still answers";
            DestroyWindow(hWnd);
        }
    }
}

constexpr UINT kDeleteSelf = WM_APP + 20;   // the handler deletes its own object
constexpr UINT kDeleteNested = WM_APP + 21; // the handler sends the message that does
constexpr UINT kDeleteChild = WM_APP + 22;  // the parent deletes the child object

// The memory of a deleted object stays, filled with a pattern, so the test sees whether the
// framework wrote to the object after its deletion.
template <class Base> class CKeptMemory : public Base
{
  public:
    using Base::Base;

    static void* operator new(std::size_t size) { return ::operator new(size); }
    static void operator delete(void* memory, std::size_t size)
    {
        std::memset(memory, kPattern, size);
        Kept().push_back({static_cast<unsigned char*>(memory), size});
    }

    // Whether every kept block still holds only the pattern; frees them.
    static bool UntouchedAfterDeletion()
    {
        bool untouched = true;
        for (const auto& block : Kept())
        {
            untouched = untouched && std::all_of(block.first, block.first + block.second,
                                                 [](unsigned char b) { return b == kPattern; });
            ::operator delete(block.first);
        }
        Kept().clear();
        return untouched;
    }

  private:
    static constexpr unsigned char kPattern = 0xDD;
    static std::vector<std::pair<unsigned char*, std::size_t>>& Kept()
    {
        static std::vector<std::pair<unsigned char*, std::size_t>> blocks;
        return blocks;
    }
};

// Whether the window still existed right after its object was deleted inside a message.
bool g_windowAfterDeletion = false;

// From inside one of hWnd's messages, sends the message that deletes hWnd's object, and then
// looks at the window through nothing but its handle.
LRESULT DeleteInsideAMessage(HWND hWnd, HWND hTarget, UINT message)
{
    ::SendMessageA(hTarget, message, 0, 0);
    g_windowAfterDeletion = ::IsWindow(hWnd) != FALSE;
    return 0;
}

class CSelfDeletingDlg : public CDialog
{
  public:
    CSelfDeletingDlg() : CDialog(IDD_TEST_DIALOG) {}

  protected:
    LRESULT OnDeleteSelf(WPARAM, LPARAM)
    {
        delete this;
        return 0;
    }
    LRESULT OnDeleteNested(WPARAM, LPARAM)
    {
        return DeleteInsideAMessage(m_hWnd, m_hWnd, kDeleteSelf);
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnMessage<&CSelfDeletingDlg::OnDeleteSelf>(kDeleteSelf),
            OnMessage<&CSelfDeletingDlg::OnDeleteNested>(kDeleteNested),
        };
        static const MessageMap map(CDialog::GetMessageMap(), entries);
        return &map;
    }
};

// A button that asks its parent to delete it from inside one of its own messages.
class CDoomedButton : public CButton
{
  protected:
    LRESULT OnDeleteNested(WPARAM, LPARAM)
    {
        return DeleteInsideAMessage(m_hWnd, GetParentHwnd(), kDeleteChild);
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnMessage<&CDoomedButton::OnDeleteNested>(kDeleteNested),
        };
        static const MessageMap map(CButton::GetMessageMap(), entries);
        return &map;
    }
};

class CParentDlg : public CDialog
{
  public:
    CParentDlg() : CDialog(IDD_TEST_DIALOG) {}
    CWnd* m_pChild = nullptr;

  protected:
    LRESULT OnDeleteChild(WPARAM, LPARAM)
    {
        delete std::exchange(m_pChild, nullptr);
        return 0;
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnMessage<&CParentDlg::OnDeleteChild>(kDeleteChild),
        };
        static const MessageMap map(CDialog::GetMessageMap(), entries);
        return &map;
    }
};

TEST(WindowLifetime, ObjectDeletedInsideItsMessageIsLeftAloneAndItsWindowGoesAtTheOuterEnd)
{
    EnsureCommonControls();
    using KeptDlg = CKeptMemory<CSelfDeletingDlg>;
    using KeptButton = CKeptMemory<CDoomedButton>;
    const struct
    {
        const char* name;
        bool child;   // the parent deletes a child, else a dialog deletes itself
        UINT message; // what the test sends to the window
        bool nested;  // the deletion happens inside a further message
    } cases[] = {
        {"dialog deletes itself", false, kDeleteSelf, false},
        {"dialog deletes itself in a nested message", false, kDeleteNested, true},
        {"parent deletes a child it made", true, kDeleteNested, true},
    };
    for (const auto& c : cases)
    {
        CParentDlg parent;
        HWND hWnd = nullptr;
        if (c.child)
        {
            ASSERT_TRUE(parent.Create()) << c.name;
            auto* button = new KeptButton;
            parent.m_pChild = button;
            ASSERT_TRUE(button->CreateEx(0, "BUTTON", "doomed", WS_CHILD, 0, 0, 40, 14,
                                         parent.m_hWnd, nullptr))
                << c.name;
            hWnd = button->m_hWnd;
        }
        else
        {
            auto* dlg = new KeptDlg;
            ASSERT_TRUE(dlg->Create()) << c.name;
            hWnd = dlg->m_hWnd;
        }
        g_windowAfterDeletion = false;
        ::SendMessageA(hWnd, c.message, 0, 0);
        EXPECT_EQ(c.nested, g_windowAfterDeletion) << c.name << ": the window outlives its message";
        EXPECT_FALSE(IsWindow(hWnd)) << c.name << ": the window goes after the outer message";
        EXPECT_EQ(nullptr, parent.m_pChild) << c.name;
        EXPECT_TRUE(c.child ? KeptButton::UntouchedAfterDeletion()
                            : KeptDlg::UntouchedAfterDeletion())
            << c.name << ": nothing wrote to the deleted object";
    }
}
} // namespace
