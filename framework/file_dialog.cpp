#include "framework/file_dialog.h"

#include <shlobj.h>

#include "framework/wnd.h"

namespace
{
BOOL RealFileDialog(OPENFILENAMEA& ofn, BOOL bOpenFileDialog)
{
    return bOpenFileDialog ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
}

BOOL RealFolderPicker(HWND hOwner, const char* title, UINT flags, char* path)
{
    BROWSEINFOA info = {};
    info.hwndOwner = hOwner;
    info.lpszTitle = title;
    info.ulFlags = flags;
    LPITEMIDLIST list = ::SHBrowseForFolderA(&info);
    if (!list)
        return FALSE;
    const BOOL found = ::SHGetPathFromIDListA(list, path);
    ::CoTaskMemFree(list);
    return found;
}

FileDialogHandler g_fileDialog = RealFileDialog;
FolderPickerHandler g_folderPicker = RealFolderPicker;
} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName,
                         DWORD dwFlags, const char* lpszFilter, CWnd* pParentWnd, DWORD,
                         BOOL bVistaStyle)
    : m_ofn{}, m_bOpenFileDialog(bOpenFileDialog), m_szFileName{}
{
    if (lpszFilter)
    {
        m_strFilter = lpszFilter;
        for (char& c : m_strFilter)
            if (c == '|')
                c = '\0';
        m_strFilter.push_back('\0'); // a filter without the closing "||" still ends twice
    }
    if (lpszDefExt)
        m_strDefExt = lpszDefExt;
    if (lpszFileName)
        lstrcpynA(m_szFileName, lpszFileName, MAX_PATH);

    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    m_ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
    // The system chooses the new-style dialog whenever no hook or template asks for the old.
    m_ofn.Flags = dwFlags | OFN_EXPLORER | (bVistaStyle ? 0 : OFN_ENABLEHOOK);
    if (!bVistaStyle)
        m_ofn.lpfnHook = [](HWND, UINT, WPARAM, LPARAM) -> UINT_PTR { return 0; };
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal()
{
    return g_fileDialog(m_ofn, m_bOpenFileDialog) ? IDOK : IDCANCEL;
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler)
{
    FileDialogHandler previous = g_fileDialog;
    g_fileDialog = handler ? handler : RealFileDialog;
    return previous;
}

BOOL BrowseForFolder(HWND hOwner, const char* title, UINT flags, char* path)
{
    return g_folderPicker(hOwner, title, flags, path);
}

FolderPickerHandler SetFolderPickerHandler(FolderPickerHandler handler)
{
    FolderPickerHandler previous = g_folderPicker;
    g_folderPicker = handler ? handler : RealFolderPicker;
    return previous;
}
