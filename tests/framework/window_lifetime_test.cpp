// Window objects and their windows: an object destroys the window it made, whatever its class,
// and lets go of a window it only subclassed.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/wnd.h"
#include "framework_test_support.h"

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
} // namespace
