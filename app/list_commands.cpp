// The results list's commands: its context menu, copying cells, opening a row's files and
// folders, removing rows, and the two buttons below the list that share those routines.
#include "app/main_window.h"

#include <cctype>
#include <cstring>

#include "app/app_texts.h"
#include "app/clipboard.h"
#include "base/file_system.h"
#include "base/text_conversion.h"
#include "controls/browser_launch.h"
#include "framework/display_scale.h"
#include "res/resource.h"

namespace
{
// Row cells the commands read.
constexpr int kColumnTarget = 3;
constexpr int kColumnStatus = 4;
constexpr int kColumnSource = 5;
constexpr int kStatusWidthEmpty = 290;
// Cells read for a single copy or a folder are cut to this many characters.
constexpr size_t kCellMaxChars = 999;

// The folder part of a file path. A file at a drive's root keeps the backslash, since "C:"
// alone names the drive's current folder rather than its root.
std::string FolderOfPath(const std::string& path)
{
    const size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos)
        return path;
    if (slash == 2 && path[1] == ':')
        return path.substr(0, 3);
    return path.substr(0, slash);
}
} // namespace

int CMainWindow::s_bConfirmClear = 1;

int CMainWindow::FirstSelectedRow() const
{
    return m_listResults.GetNextItem(-1, LVNI_SELECTED);
}

std::string CMainWindow::ReadCell(int nRow, int nColumn) const
{
    // The list gives no length up front: read again with more room until the text fits.
    std::string text;
    for (int size = 1024;; size *= 4)
    {
        text.assign(static_cast<size_t>(size), '\0');
        const int length = m_listResults.GetItemText(nRow, nColumn, &text[0], size);
        if (length < size - 1)
        {
            text.resize(length > 0 ? static_cast<size_t>(length) : 0);
            return text;
        }
    }
}

void CMainWindow::OnListRightClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (RunActive == 1 || FirstSelectedRow() < 0 || !m_pListPopup)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    HWND hOwner = GetActiveWindow();
    m_pListPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y,
                                 hOwner ? hOwner : m_hWnd);
}

void CMainWindow::OnListItemChanged(NMHDR*, LRESULT* pResult)
{
    // The worker is appending rows and has the button disabled until it ends.
    if (RunActive == 1)
        return;
    *pResult = 0;
    UpdateOpenPdfButton();
}

void CMainWindow::UpdateOpenPdfButton()
{
    m_btnOpenPdf.EnableWindow(FALSE);
    const int nRow = FirstSelectedRow();
    if (nRow >= 0)
    {
        if (!Trim(ReadCell(nRow, kColumnTarget)).empty())
            m_btnOpenPdf.EnableWindow(TRUE);
    }
    else if (m_listResults.GetItemCount() > 0)
        m_btnOpenPdf.EnableWindow(TRUE);
}

void CMainWindow::OnCopyCell(UINT nCommand)
{
    const int nRow = FirstSelectedRow();
    if (nRow < 0)
        return;
    const std::string text =
        ClipText(ReadCell(nRow, static_cast<int>(nCommand - IDM_COPY_FILE_NAME)), kCellMaxChars);
    CopyTextToClipboard(m_hWnd, text.c_str(), text.size() + 1);
}

void CMainWindow::OnCopyEntireRow()
{
    const int nRow = FirstSelectedRow();
    if (nRow < 0)
        return;
    std::string text = ReadCell(nRow, 0);
    for (int nColumn = 1; nColumn <= kColumnStatus; ++nColumn)
        text += kRowCellSeparator + ReadCell(nRow, nColumn);
    CopyTextToClipboard(m_hWnd, text.c_str(), text.size() + 1);
}

void CMainWindow::OpenPdfOfRow(int nRow, int nColumn, const char* msgEmpty, const char* msgNotFound)
{
    const std::string path = Trim(ReadCell(nRow, nColumn));
    if (path.empty())
        AppMessageBox(msgEmpty, MB_ICONWARNING | MB_OK);
    else if (!FileExists(path))
        AppMessageBox(msgNotFound, MB_ICONWARNING | MB_OK);
    else
        ShellExecuteThroughHandler(nullptr, kShellOpenVerb, path.c_str(), nullptr, nullptr,
                                   SW_SHOW);
}

void CMainWindow::OnOpenSourcePdf()
{
    const int nRow = FirstSelectedRow();
    if (nRow >= 0)
        OpenPdfOfRow(nRow, kColumnSource, kMsgSourceEmpty, kMsgSourceNotFound);
}

void CMainWindow::OnOpenTargetPdf()
{
    int nRow = FirstSelectedRow();
    if (nRow < 0 && m_listResults.GetItemCount() > 0)
        nRow = 0;
    if (nRow >= 0)
        OpenPdfOfRow(nRow, kColumnTarget, kMsgTargetEmpty, kMsgTargetNotFound);
}

void CMainWindow::OpenFolderOfRow(int nColumn, const char* msgEmpty, const char* msgNotFound)
{
    const int nRow = FirstSelectedRow();
    if (nRow < 0)
        return;
    const std::string path = ClipText(ReadCell(nRow, nColumn), kCellMaxChars);
    if (path.empty())
        AppMessageBox(msgEmpty, MB_ICONWARNING | MB_OK);
    else if (!FileExists(path))
        AppMessageBox(msgNotFound, MB_ICONWARNING | MB_OK);
    else
        ShellExecuteThroughHandler(nullptr, nullptr, FolderOfPath(path).c_str(), nullptr, nullptr,
                                   SW_SHOWMAXIMIZED);
}

void CMainWindow::OnOpenSourceFolder()
{
    OpenFolderOfRow(kColumnSource, kMsgSourceEmpty, kMsgSourceNotFound);
}

void CMainWindow::OnOpenTargetFolder()
{
    OpenFolderOfRow(kColumnTarget, kMsgTargetEmpty, kMsgTargetNotFound);
}

void CMainWindow::OnRemoveFromList()
{
    const int nRow = FirstSelectedRow();
    if (nRow < 0)
        return;
    m_listResults.DeleteItem(nRow);
    m_listResults.ReindexItems();
    if (m_listResults.GetItemCount() == 0)
    {
        m_btnOpenPdf.EnableWindow(FALSE);
        m_btnClearList.EnableWindow(FALSE);
    }
    else
        // The selection that set the button may have gone with the row.
        UpdateOpenPdfButton();
}

void CMainWindow::OnClearList()
{
    if (s_bConfirmClear == 1)
    {
        s_bConfirmClear = 0;
        if (AppMessageBox(kMsgConfirmClear, MB_YESNO | MB_ICONWARNING) != IDYES)
            return;
    }
    m_btnClearList.EnableWindow(FALSE);
    m_btnOpenPdf.EnableWindow(FALSE);
    m_listResults.DeleteAllItems();
    m_listResults.SetColumnWidth(kColumnStatus, ScaleForDpi(kStatusWidthEmpty, m_nDpi));
    RepaintListArea();
}
