// Not a check: keeps the test dialog up with its buttons in every state, for a look or a
// screenshot. Run with --gtest_also_run_disabled_tests --gtest_filter=*Demo*; the dialog stays
// SHADE_DEMO_SECONDS (default 30) seconds.
#include <gtest/gtest.h>

#include <cstdlib>

#include "shade_test_support.h"

TEST(ShadeButtonDemo, DISABLED_ShowsEveryState)
{
    EnsureCommonControls();
    CShadeTestDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.SetWindowPos(HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    PumpMessages();

    dlg.m_btnClear.EnableWindow(FALSE);  // disabled, with its own disabled icon
    dlg.m_btnRadio3.EnableWindow(FALSE); // disabled, engraved label only
    // Disabled without a disabled icon: the system greys the normal one.
    dlg.m_btnBrowse.LoadButtonIcons(IDI_BROWSE_NORMAL, 0, IDI_BROWSE_HOVER, 4);
    dlg.m_btnBrowse.EnableWindow(FALSE);
    dlg.m_btnCheck.SendMessage(BM_SETCHECK, BST_CHECKED);
    dlg.m_btnRadio2.SendMessage(BM_CLICK);
    dlg.m_btnLoneRadio.SendMessage(BM_SETCHECK, BST_CHECKED);
    dlg.m_btnProtect.SetFocus();

    // Hover over "Open PDF": the cursor rests on it, as a user's would.
    POINT at = {20, 10};
    dlg.m_btnOpen.ClientToScreen(&at);
    SetCursorPos(at.x, at.y);
    dlg.m_btnOpen.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));

    const char* seconds = std::getenv("SHADE_DEMO_SECONDS");
    const DWORD until = GetTickCount() + 1000u * static_cast<DWORD>(seconds ? atoi(seconds) : 30);
    while (GetTickCount() < until)
    {
        PumpMessages();
        Sleep(20);
    }
}
