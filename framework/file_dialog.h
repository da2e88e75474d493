#pragma once

// The system's file and folder pickers. Both block on the user, so each goes through one
// replaceable function: tests install a handler that answers at once.

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

class CWnd;

class CFileDialog
{
  public:
    // lpszFilter uses '|' between parts and ends with "||", e.g. "PDF Files (*.pdf)|*.pdf||".
    CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = nullptr,
                const char* lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                const char* lpszFilter = nullptr, CWnd* pParentWnd = nullptr, DWORD dwSize = 0,
                BOOL bVistaStyle = TRUE);
    virtual ~CFileDialog();
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose a file, else IDCANCEL.
    virtual INT_PTR DoModal();
    std::string GetPathName() const { return m_ofn.lpstrFile ? m_ofn.lpstrFile : ""; }

    OPENFILENAMEA m_ofn;

  private:
    BOOL m_bOpenFileDialog;
    std::string m_strFilter; // parts separated by '\0', as the system wants them
    std::string m_strDefExt;
    std::vector<char> m_fileName; // room for the longest path the system allows
};

// Shows the dialog for ofn (open or save) and returns whether the user confirmed a file, which
// is then in ofn.lpstrFile. The default shows the system's wide dialog and hands the name back
// in the ANSI code page; a name that code page cannot hold comes back with '?' in place of what
// it lacks, never as a look-alike of another file.
using FileDialogHandler = BOOL (*)(OPENFILENAMEA& ofn, BOOL bOpenFileDialog);
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler); // nullptr: the real one

// The system's folder picker: on TRUE, path holds the chosen folder in the ANSI code page (with
// '?' for what the code page lacks, as above).
BOOL BrowseForFolder(HWND hOwner, const char* title, UINT flags, std::string& path);
using FolderPickerHandler = BOOL (*)(HWND hOwner, const char* title, UINT flags, std::string& path);
FolderPickerHandler SetFolderPickerHandler(FolderPickerHandler handler); // nullptr: the real one
