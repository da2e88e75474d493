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

// The words beside a radio button or check box are a label of their own; a click on them
// counts as a click on the box.
struct LabelledBox
{
    UINT label;
    int box;
};
constexpr LabelledBox kLabelledBoxes[] = {
    {IDC_MODE_SINGLE_FILE_LABEL, IDC_MODE_SINGLE_FILE},
    {IDC_MODE_FOLDER_LABEL, IDC_MODE_FOLDER},
    {IDC_PREVENT_COPY_LABEL, IDC_PREVENT_COPY},
    {IDC_PREVENT_MODIFY_LABEL, IDC_PREVENT_MODIFY},
    {IDC_PREVENT_PRINT_LABEL, IDC_PREVENT_PRINT},
};
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
    ApplyModeTexts(mode, SwitchModeTexts(m_modeMemory, m_fieldsMode, current, mode));
}

void CMainWindow::ShowMode(OperationMode mode)
{
    SelectModeButtons(mode);
    SwitchOperationMode(mode);
}

void CMainWindow::ApplyModeTexts(OperationMode mode, const ModeTexts& texts)
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

void CMainWindow::OnBoxLabel(UINT nLabel)
{
    // The box is set here rather than clicked: a run disables the boxes, which then ignore
    // clicks, but leaves their labels active.
    for (const LabelledBox& pair : kLabelledBoxes)
    {
        if (pair.label != nLabel)
            continue;
        switch (pair.box)
        {
        case IDC_MODE_SINGLE_FILE:
            ShowMode(OperationMode::SingleFile);
            break;
        case IDC_MODE_FOLDER:
            ShowMode(OperationMode::Folder);
            break;
        default:
        {
            const bool bTicked = ::IsDlgButtonChecked(m_hWnd, pair.box) == BST_CHECKED;
            ::CheckDlgButton(m_hWnd, pair.box, bTicked ? BST_UNCHECKED : BST_CHECKED);
            UpdatePermissionPasswordState();
            break;
        }
        }
        return;
    }
}

bool CMainWindow::TakeSourcePdf(const std::string& path)
{
    const auto target =
        DeriveTargetPath(path, m_settings.bTargetSetSuffix, m_settings.strTargetSuffix);
    if (!target)
        return false;
    ShowMode(OperationMode::SingleFile);
    m_editSource.SetWindowText(path.c_str());
    m_editTarget.SetWindowText(target->c_str());
    return true;
}

void CMainWindow::OnBrowseSource()
{
    if (GetOperationMode() == OperationMode::SingleFile)
    {
        CFileDialog dialog(TRUE, nullptr, nullptr, kOpenPdfFlags, kPdfFileFilter, this, 0, TRUE);
        if (dialog.DoModal() == IDOK)
            TakeSourcePdf(dialog.GetPathName());
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
        ShowMode(OperationMode::Folder);
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
        ShowMode(OperationMode::SingleFile);
        m_editSource.SetWindowText(DropRejectionText(kind));
        break;
    case DropKind::PdfFile:
        TakeSourcePdf(path);
        break;
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

    if (!TakeSourcePdf(path))
        return false;
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

void CMainWindow::OnOpenPasswordChange()
{
    ::SetWindowTextW(m_editPermissionPassword.m_hWnd,
                     GetWindowTextWide(m_editPassword.m_hWnd, kMemoryMaxChars).c_str());
}
