// The main window's inputs: the operation mode with its remembered texts, browsing, drops, the
// command-line file and the coupling of the password fields with the restrictions.
#include "app/main_window.h"

#include <shellapi.h>

#include "app/app_texts.h"
#include "base/file_system.h"
#include "base/text_conversion.h"
#include "framework/file_dialog.h"
#include "framework/window_text.h"
#include "res/resource.h"

namespace
{
constexpr DWORD kOpenPdfFlags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NONETWORKBUTTON;
} // namespace

OperationMode CMainWindow::GetOperationMode() const
{
    const bool bFolder = m_pRadioFolder && m_pRadioFolder->SendMessage(BM_GETCHECK) == BST_CHECKED;
    return bFolder ? OperationMode::Folder : OperationMode::SingleFile;
}

void CMainWindow::SelectModeButtons(OperationMode mode)
{
    const bool bFolder = mode == OperationMode::Folder;
    m_pRadioSingleFile->SendMessage(BM_SETCHECK, bFolder ? BST_UNCHECKED : BST_CHECKED);
    m_pRadioFolder->SendMessage(BM_SETCHECK, bFolder ? BST_CHECKED : BST_UNCHECKED);
}

void CMainWindow::SwitchOperationMode(OperationMode mode)
{
    if (mode == m_fieldsMode)
        return;
    ModeTexts current;
    current.strSource = ReadField(m_editSource, kMemoryMaxChars);
    current.strTarget = ReadField(m_editTarget, kMemoryMaxChars);
    ShowModeTexts(mode, SwitchModeTexts(m_modeMemory, m_fieldsMode, current, mode));
}

void CMainWindow::ShowModeTexts(OperationMode mode, const ModeTexts& texts)
{
    const ModeLabels& labels = LabelsFor(mode);
    m_staticSourceLabel.SetWindowText(labels.source);
    m_staticTargetLabel.SetWindowText(labels.target);
    m_editSource.SetWindowText(texts.strSource.c_str());
    m_editTarget.SetWindowText(texts.strTarget.c_str());
    m_btnBrowseSource.SetTipTexts(labels.sourceTip, "");
    m_btnBrowseTarget.SetTipTexts(labels.targetTip, "");
    m_fieldsMode = mode;
    RepaintInputArea();
}

void CMainWindow::RepaintInputArea()
{
    // The labels are drawn transparently, so the picture behind them has to be drawn again
    // before a new text, or the old one shows through.
    RECT rect;
    m_staticSourceLabel.GetWindowRect(&rect);
    POINT topLeft = {rect.left, rect.top};
    POINT bottomRight = {rect.right, rect.bottom};
    ScreenToClient(&topLeft);
    ScreenToClient(&bottomRight);
    rect = {topLeft.x - 30, topLeft.y - 30, bottomRight.x + 10, bottomRight.y + 100};
    InvalidateRect(&rect, TRUE);
    UpdateWindow();
}

void CMainWindow::OnModeSingleFile()
{
    SwitchOperationMode(OperationMode::SingleFile);
}

void CMainWindow::OnModeFolder()
{
    SwitchOperationMode(OperationMode::Folder);
}

void CMainWindow::OnModeSingleFileLabel()
{
    SelectModeButtons(OperationMode::SingleFile);
    SwitchOperationMode(OperationMode::SingleFile);
}

void CMainWindow::OnModeFolderLabel()
{
    SelectModeButtons(OperationMode::Folder);
    SwitchOperationMode(OperationMode::Folder);
}

void CMainWindow::OnBrowseSource()
{
    if (GetOperationMode() == OperationMode::SingleFile)
    {
        CFileDialog dialog(TRUE, nullptr, nullptr, kOpenPdfFlags, kPdfFileFilter, this, 0, TRUE);
        if (dialog.DoModal() != IDOK)
            return;
        const std::string path = dialog.GetPathName();
        // Source and target change together: a new source beside the old target would have
        // a run write over that old file.
        const auto target =
            DeriveTargetPath(path, m_settings.bTargetSetSuffix, m_settings.strTargetSuffix);
        if (!target)
            return;
        m_editSource.SetWindowText(path.c_str());
        m_editTarget.SetWindowText(target->c_str());
        return;
    }
    std::string folder;
    if (!BrowseForFolder(m_hWnd, kTitleSourceFolder, 0, folder))
        return;
    const std::string text = FolderFieldText(folder);
    m_editSource.SetWindowText(text.c_str());
    m_editTarget.SetWindowText(text.c_str());
}

void CMainWindow::OnBrowseTarget()
{
    std::string folder;
    if (!BrowseForFolder(m_hWnd, kTitleTargetFolder, 0, folder))
        return;
    const std::string target =
        TargetForPickedFolder(folder, GetOperationMode(), ReadField(m_editSource));
    m_editTarget.SetWindowText(target.c_str());
}

LRESULT CMainWindow::OnDropFiles(WPARAM wParam, LPARAM)
{
    HDROP hDrop = reinterpret_cast<HDROP>(wParam);
    // The wide name, so that a character the code page lacks shows as '?' (and the request
    // check refuses it) instead of as a look-alike naming another file.
    std::string path;
    const UINT length = RunActive == 0 ? DragQueryFileW(hDrop, 0, nullptr, 0) : 0;
    if (length > 0)
    {
        std::wstring wide(length + 1, L'\0');
        wide.resize(DragQueryFileW(hDrop, 0, &wide[0], length + 1));
        WideToAnsi(wide, path);
    }
    const bool bTaken = !path.empty();
    DragFinish(hDrop);
    if (!bTaken)
        return 0;

    const DropKind kind = ClassifyDroppedPath(path, FolderExists(path));
    switch (kind)
    {
    case DropKind::Folder:
    {
        SelectModeButtons(OperationMode::Folder);
        SwitchOperationMode(OperationMode::Folder);
        const std::string text = FolderFieldText(path);
        m_editSource.SetWindowText(text.c_str());
        m_editTarget.SetWindowText(text.c_str());
        break;
    }
    case DropKind::NoExtension:
    case DropKind::NotPdf:
        m_editSource.SetWindowText(DropRejectionText(kind));
        break;
    case DropKind::NoFolder:
        SelectModeButtons(OperationMode::SingleFile);
        SwitchOperationMode(OperationMode::SingleFile);
        m_editSource.SetWindowText(DropRejectionText(kind));
        break;
    case DropKind::PdfFile:
    {
        // Taken with its target or not at all, as in the source browse.
        const auto target =
            DeriveTargetPath(path, m_settings.bTargetSetSuffix, m_settings.strTargetSuffix);
        if (!target)
            break;
        SelectModeButtons(OperationMode::SingleFile);
        SwitchOperationMode(OperationMode::SingleFile);
        m_editSource.SetWindowText(path.c_str());
        m_editTarget.SetWindowText(target->c_str());
        break;
    }
    }
    return 0;
}

bool CMainWindow::TakeCommandLineFile()
{
    const auto argument = CommandLineArgument(GetProcessCommandLine());
    if (!argument)
        return false;
    // An argument that names nothing is taken as it stands; the run then reports it missing.
    std::string path = *argument;
    const std::wstring wide = AnsiToWide(path);
    const DWORD length = GetLongPathNameW(wide.c_str(), nullptr, 0);
    std::wstring longPath(length, L'\0');
    if (length > 0 && GetLongPathNameW(wide.c_str(), &longPath[0], length) == length - 1)
    {
        longPath.resize(length - 1);
        WideToAnsi(longPath, path);
    }

    const auto target =
        DeriveTargetPath(path, m_settings.bTargetSetSuffix, m_settings.strTargetSuffix);
    if (!target)
        return false;
    if (GetOperationMode() == OperationMode::Folder)
    {
        SelectModeButtons(OperationMode::SingleFile);
        SwitchOperationMode(OperationMode::SingleFile);
    }
    m_editSource.SetWindowText(path.c_str());
    m_editTarget.SetWindowText(target->c_str());
    m_editPassword.SetWindowText("");
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_editPassword.m_hWnd), TRUE);
    return true;
}

void CMainWindow::UpdatePermissionPasswordState()
{
    const bool bAnyRestriction = m_chkPreventCopy.GetCheck() == BST_CHECKED ||
                                 m_chkPreventModify.GetCheck() == BST_CHECKED ||
                                 m_chkPreventPrint.GetCheck() == BST_CHECKED;
    m_editPermissionPassword.EnableWindow(bAnyRestriction ? TRUE : FALSE);
}

void CMainWindow::OnRestrictionChanged()
{
    UpdatePermissionPasswordState();
}

void CMainWindow::ToggleRestriction(CButton& box)
{
    box.SetCheck(box.GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    UpdatePermissionPasswordState();
}

void CMainWindow::OnPreventCopyLabel()
{
    ToggleRestriction(m_chkPreventCopy);
}

void CMainWindow::OnPreventModifyLabel()
{
    ToggleRestriction(m_chkPreventModify);
}

void CMainWindow::OnPreventPrintLabel()
{
    ToggleRestriction(m_chkPreventPrint);
}

void CMainWindow::OnOpenPasswordChange()
{
    ::SetWindowTextW(m_editPermissionPassword.m_hWnd,
                     GetWindowTextWide(m_editPassword.m_hWnd, kMemoryMaxChars).c_str());
}
