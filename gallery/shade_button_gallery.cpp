// The shaded button in each state on its own (normal, hover, pressed, disabled), then the test
// dialog with every kind of button in a mixture of states.
#include <windows.h>

#include "gallery_capture.h"
#include "tests/controls/shade/shade_test_support.h"

namespace
{
// The button with a margin of the dialog around it, so that its edge shows.
bool CaptureButton(HWND hButton, const std::string& folder, const char* name)
{
    RECT rect;
    ::GetWindowRect(hButton, &rect);
    ::InflateRect(&rect, 6, 6);
    return CaptureScreenRect(rect, folder, name);
}

void PutCursorOn(CShadeButton& button, int x, int y)
{
    POINT at = {x, y};
    button.ClientToScreen(&at);
    ::SetCursorPos(at.x, at.y);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}
} // namespace

int main(int argc, char** argv)
{
    const std::string folder = GalleryFolder(argc, argv);
    EnsureCommonControls();
    CShadeTestDlg dlg;
    if (!dlg.Create())
        return 1;
    dlg.SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetCursorPos(1200, 1000); // away from every button
    Settle(1000);
    bool bAll = true;
    CShadeButton& protect = dlg.m_btnProtect;
    // Its tooltip would come up over the pictures of the hovered states.
    protect.m_wndTip.SendMessage(TTM_ACTIVATE, FALSE);
    bAll = CaptureButton(protect, folder, "shade_button_normal") && bAll;

    PutCursorOn(protect, 30, 20);
    Settle();
    bAll = CaptureButton(protect, folder, "shade_button_hover") && bAll;

    protect.SendMessage(BM_SETSTATE, TRUE);
    Settle();
    bAll = CaptureButton(protect, folder, "shade_button_pressed") && bAll;
    protect.SendMessage(BM_SETSTATE, FALSE);

    ::SetCursorPos(1200, 1000);
    protect.SendMessage(WM_MOUSELEAVE);
    protect.EnableWindow(FALSE);
    Settle();
    bAll = CaptureButton(protect, folder, "shade_button_disabled") && bAll;
    protect.EnableWindow(TRUE);
    protect.m_wndTip.SendMessage(TTM_ACTIVATE, TRUE);

    // Every kind together: disabled with its own disabled icon, disabled with the system's
    // greyed normal icon, engraved label only, checked, a radio group, hover.
    dlg.m_btnClear.EnableWindow(FALSE);
    dlg.m_btnRadio3.EnableWindow(FALSE);
    dlg.m_btnBrowse.LoadButtonIcons(IDI_BROWSE_NORMAL, 0, IDI_BROWSE_HOVER, 4);
    dlg.m_btnBrowse.EnableWindow(FALSE);
    dlg.m_btnCheck.SendMessage(BM_SETCHECK, BST_CHECKED);
    dlg.m_btnRadio2.SendMessage(BM_CLICK);
    dlg.m_btnLoneRadio.SendMessage(BM_SETCHECK, BST_CHECKED);
    dlg.m_btnProtect.SetFocus();
    PutCursorOn(dlg.m_btnOpen, 20, 10);
    Settle(500);
    bAll = CaptureWindow(dlg.m_hWnd, folder, "shade_buttons") && bAll;
    return bAll ? 0 : 1;
}
