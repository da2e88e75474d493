// The settings dialog, the about box and the offer dialog, each on its own.
#include <windows.h>

#include <functional>
#include <string>

#include "app/about_dlg.h"
#include "app/offer_dlg.h"
#include "app/settings_dlg.h"
#include "gallery_capture.h"
#include "res/resource.h"
#include "tests/support/window_test_support.h"

namespace
{
// Shows the dialog, lets `touch` change it, and captures it.
bool Show(CDialog& dlg, const std::string& folder, const char* name,
          const std::function<void()>& touch)
{
    if (!dlg.Create())
        return false;
    dlg.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dlg.ShowWindow(SW_SHOW);
    Settle(1000);
    if (touch)
    {
        touch();
        Settle(500);
    }
    const bool bWritten = CaptureWindow(dlg.m_hWnd, folder, name);
    dlg.DestroyWindow();
    Settle(200);
    return bWritten;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string folder = GalleryFolder(argc, argv);
    EnsureCommonControls();
    bool bAllWritten = true;
    {
        // The options a fresh settings file holds; then the user's first touches, after which
        // the labels must repaint cleanly over the picture.
        CSettingsDlg settings;
        bAllWritten = Show(settings, folder, "settings_dialog", nullptr) && bAllWritten;
        bAllWritten = Show(settings, folder, "settings_dialog_changed",
                           [&]
                           {
                               for (int label : {IDC_SET_SUFFIX_LABEL, IDC_ENABLE_MENU_LABEL})
                                   settings.SendMessage(
                                       WM_COMMAND, MAKEWPARAM(label, STN_CLICKED),
                                       reinterpret_cast<LPARAM>(::GetDlgItem(settings, label)));
                               settings.m_comboEncryption.SetCurSel(0);
                           }) &&
                      bAllWritten;
    }
    {
        CAboutDlg about;
        bAllWritten = Show(about, folder, "about_box", nullptr) && bAllWritten;
    }
    {
        COfferDlg offer;
        bAllWritten = Show(offer, folder, "offer_dialog", nullptr) && bAllWritten;
    }
    return bAllWritten ? 0 : 1;
}
