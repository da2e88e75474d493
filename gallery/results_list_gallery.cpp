// The results list with rows as a run leaves them, failures in red, sorted by file name with
// the header's arrow showing the direction, and one row selected.
#include <windows.h>

#include "gallery_capture.h"
#include "tests/controls/list/results_test_dlg.h"
#include "tests/support/window_test_support.h"

int main(int argc, char** argv)
{
    const std::string folder = GalleryFolder(argc, argv);
    EnsureCommonControls();
    CResultsDlg dlg;
    if (!dlg.Create())
        return 1;
    dlg.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dlg.ShowWindow(SW_SHOW);
    CEnhancedListCtrl& list = dlg.m_list;
    AppendRow(list, "annual-report.pdf", "Successfully protected PDF file with password");
    AppendRow(list, "scan-0042.pdf", "Error: This PDF file is already protected with password.");
    AppendRow(list, "invoice march.pdf",
              "Successfully protected PDF file with password and restrictions");
    AppendRow(list, "broken.pdf", "Error: The PDF file could not be opened.");
    AppendRow(list, "brochure.pdf", "Successfully protected PDF file with password");
    // A click on the name column's header, as the user's.
    HWND header = list.GetHeaderHwnd();
    RECT rect = {};
    Header_GetItemRect(header, 0, &rect);
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(header, WM_LBUTTONUP, 0, point);
    list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetFocus();
    ::SetCursorPos(1200, 1000);
    Settle(1000);
    return CaptureWindow(dlg.m_hWnd, folder, "results_list") ? 0 : 1;
}
