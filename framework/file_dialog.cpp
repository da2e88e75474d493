#include "framework/file_dialog.h"

#include <shlobj.h>

#include "base/text_conversion.h"
#include "framework/wnd.h"

namespace
{
// A '\0'-separated list (a filter) in the ANSI code page, in UTF-16.
std::wstring WidenList(const char* list)
{
    if (!list)
        return {};
    const char* end = list;
    while (*end || end[1])
        ++end;
    return AnsiToWide(std::string(list, end + 2 - list));
}

// The narrow dialog would hand back a look-alike for a character its code page lacks; the
// wide one tells the truth, and WideToAnsi marks the loss.
BOOL RealFileDialog(OPENFILENAMEA& ofn, BOOL bOpenFileDialog)
{
    std::vector<wchar_t> file(ofn.nMaxFile ? ofn.nMaxFile : 1);
    const std::wstring initial = AnsiToWide(ofn.lpstrFile ? ofn.lpstrFile : "");
    initial.copy(file.data(), file.size() - 1);
    const std::wstring filter = WidenList(ofn.lpstrFilter);
    const std::wstring defExt = AnsiToWide(ofn.lpstrDefExt ? ofn.lpstrDefExt : "");
    const std::wstring title = AnsiToWide(ofn.lpstrTitle ? ofn.lpstrTitle : "");

    OPENFILENAMEW wide = {};
    wide.lStructSize = sizeof wide;
    wide.hwndOwner = ofn.hwndOwner;
    wide.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    wide.nFilterIndex = ofn.nFilterIndex;
    wide.lpstrFile = file.data();
    wide.nMaxFile = static_cast<DWORD>(file.size());
    wide.lpstrTitle = title.empty() ? nullptr : title.c_str();
    wide.lpstrDefExt = defExt.empty() ? nullptr : defExt.c_str();
    wide.Flags = ofn.Flags;
    wide.lpfnHook = ofn.lpfnHook;
    const BOOL bChosen = bOpenFileDialog ? ::GetOpenFileNameW(&wide) : ::GetSaveFileNameW(&wide);
    if (!bChosen)
        return FALSE;
    std::string path;
    WideToAnsi(file.data(), path);
    if (path.size() >= ofn.nMaxFile)
        return FALSE;
    path.copy(ofn.lpstrFile, path.size());
    ofn.lpstrFile[path.size()] = '\0';
    return TRUE;
}

BOOL RealFolderPicker(HWND hOwner, const char* title, UINT flags, std::string& path)
{
    const std::wstring wideTitle = AnsiToWide(title ? title : "");
    BROWSEINFOW info = {};
    info.hwndOwner = hOwner;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = flags;
    LPITEMIDLIST list = ::SHBrowseForFolderW(&info);
    if (!list)
        return FALSE;
    std::vector<wchar_t> folder(32768);
    const BOOL found = ::SHGetPathFromIDListEx(list, folder.data(),
                                               static_cast<DWORD>(folder.size()), GPFIDL_DEFAULT);
    ::CoTaskMemFree(list);
    if (found)
        WideToAnsi(folder.data(), path);
    return found;
}

FileDialogHandler g_fileDialog = RealFileDialog;
FolderPickerHandler g_folderPicker = RealFolderPicker;
} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName,
                         DWORD dwFlags, const char* lpszFilter, CWnd* pParentWnd, DWORD,
                         BOOL bVistaStyle)
    : m_ofn{}, m_bOpenFileDialog(bOpenFileDialog), m_fileName(32768, '\0')
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
        std::string(lpszFileName).copy(m_fileName.data(), m_fileName.size() - 1);

    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    m_ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    m_ofn.lpstrFile = m_fileName.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileName.size());
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

BOOL BrowseForFolder(HWND hOwner, const char* title, UINT flags, std::string& path)
{
    return g_folderPicker(hOwner, title, flags, path);
}

FolderPickerHandler SetFolderPickerHandler(FolderPickerHandler handler)
{
    FolderPickerHandler previous = g_folderPicker;
    g_folderPicker = handler ? handler : RealFolderPicker;
    return previous;
}
