// The main window as a user meets it: at first start, during a folder run, after the run with
// its rows, and with the results list's menu open over them.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "gallery_capture.h"
#include "res/resource.h"
#include "tests/app/main_window_test_support.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
std::string g_folder;
HWND g_hWindow = nullptr;
bool g_bAllWritten = true;

void Capture(const char* name)
{
    g_bAllWritten = CaptureWindow(g_hWindow, g_folder, name) && g_bAllWritten;
}

// Runs inside the menu's own message loop: the menu is up and painted by now.
void CALLBACK CaptureMenuAndClose(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    g_bAllWritten = CaptureWindowWithMenu(g_hWindow, g_folder, "main_window_menu") && g_bAllWritten;
    ::EndMenu();
}

int ProgressPosition()
{
    return static_cast<int>(::SendDlgItemMessageA(g_hWindow, IDC_PROGRESS, PBM_GETPOS, 0, 0));
}
} // namespace

int main(int argc, char** argv)
{
    g_folder = GalleryFolder(argc, argv);
    EnsureCommonControls();
    ScriptedMessageBoxes boxes;
    ScratchFolder scratch("gallery");
    // Short folders at the top of the drive read better in the pictures than the scratch
    // folder's; they go again at the end.
    const std::string in = "C:\\Reports", out = "C:\\Protected";
    RemoveTree(in);
    RemoveTree(out);
    ::CreateDirectoryA(in.c_str(), nullptr);
    ::CreateDirectoryA(out.c_str(), nullptr);
    // Files large enough that the run lasts a few seconds, one already protected and one that
    // is no PDF: the failures give the red rows.
    PdfRecipe large;
    large.pages = 4;
    large.imageBytes = 2000000;
    for (int i = 1; i <= 10; ++i)
        MakePdf(in + "\\Quarterly report " + std::to_string(i) + ".pdf", large);
    // Names in four scripts: each is listed and protected under its own name.
    for (const wchar_t* name : {L"\u0141\u00F3d\u017A \u2013 raport.pdf",
                                L"\u65E5\u672C\u8A9E\u306E\u5831\u544A\u66F8.pdf",
                                L"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC.pdf",
                                L"\u041E\u0442\u0447\u0451\u0442.pdf"})
        MakePdf(in + "\\" + Ansi(name), large);
    MakePdf(in + "\\Signed contract.pdf", PdfRecipe{1, 3, 0, true, "user", "owner"});
    WriteFileBytes(in + "\\Scanned letter.pdf", std::string(300, 'x'));

    // A settings file that does not exist yet: the window starts as on a fresh machine.
    TestMainWindow window(scratch / "settings_sealwick.db");
    if (!window.Create())
        return 1;
    g_hWindow = window.m_hWnd;
    window.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    window.ShowWindow(SW_SHOW);
    Settle(1500);
    Capture("main_window_first_start");

    // A source in Japanese, as the command line or a drop would bring it.
    const std::wstring japanese =
        L"C:\\\u5831\u544A\u66F8\\\u65E5\u672C\u8A9E\u306E\u5831\u544A\u66F8.pdf";
    ::SetWindowTextW(::GetDlgItem(window, IDC_SOURCE), japanese.c_str());
    ::SetWindowTextW(::GetDlgItem(window, IDC_TARGET),
                     (japanese.substr(0, japanese.size() - 4) + L"_protected.pdf").c_str());
    Settle(500);
    Capture("main_window_japanese_source");

    window.Command(IDC_MODE_FOLDER_LABEL, STN_CLICKED);
    window.SetDlgItemText(IDC_SOURCE, in.c_str());
    window.SetDlgItemText(IDC_TARGET, out.c_str());
    // The open password in Cyrillic: "Пароль-7".
    ::SetWindowTextW(::GetDlgItem(window, IDC_OPEN_PASSWORD),
                     L"\u041F\u0430\u0440\u043E\u043B\u044C-7");
    window.SetDlgItemText(IDC_PERMISSION_PASSWORD, "owner");
    Settle(500);
    window.Command(IDOK);
    bool bRunSeen = false;
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 120000)
    {
        PumpMessages();
        if (!bRunSeen && window.RunActive == 1 && ProgressPosition() >= 50)
        {
            bRunSeen = true;
            Settle(150);
            Capture("main_window_during_run");
        }
        if (window.RunActive == 0 && ::IsWindowVisible(::GetDlgItem(window, IDOK)))
            break;
        ::Sleep(20);
    }
    if (!bRunSeen)
    {
        std::fprintf(stderr, "gallery: the run ended before its middle could be captured\n");
        g_bAllWritten = false;
    }
    // The failed files come last: bring them into view.
    HWND hList = ::GetDlgItem(window, IDC_RESULTS_LIST);
    ListView_EnsureVisible(hList, ListView_GetItemCount(hList) - 1, FALSE);
    Settle(800);
    Capture("main_window_after_run");

    // The menu opens where the cursor is, over a selected row.
    const int row = ListView_GetItemCount(hList) - 2;
    ListView_SetItemState(hList, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(hList, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    RECT rowRect;
    ListView_GetItemRect(hList, row, &rowRect, LVIR_LABEL);
    POINT at = {rowRect.left + 40, rowRect.top + 8};
    ::ClientToScreen(hList, &at);
    ::SetCursorPos(at.x, at.y);
    ::SetFocus(hList);
    Settle(300);
    ::SetTimer(nullptr, 0, 1000, &CaptureMenuAndClose);
    NMHDR click = {hList, IDC_RESULTS_LIST, static_cast<UINT>(NM_RCLICK)};
    window.SendMessage(WM_NOTIFY, IDC_RESULTS_LIST, reinterpret_cast<LPARAM>(&click));
    RemoveTree(in);
    RemoveTree(out);
    return g_bAllWritten ? 0 : 1;
}
