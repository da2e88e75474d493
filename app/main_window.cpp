// The main window's life: start-up, routing, the fixed behaviours and the close sequence.
#include "app/main_window.h"

#include <cstdlib>

#include "app/about_dlg.h"
#include "app/app_texts.h"
#include "app/offer_dlg.h"
#include "app/settings_messages.h"
#include "base/text_conversion.h"
#include "base/windows_version.h"
#include "framework/display_scale.h"
#include "framework/message_box.h"
#include "framework/window_text.h"
#include "res/resource.h"
#include "settings/settings_store.h"
#include "shell/context_menu.h"

namespace
{
constexpr int kMinTrackWidth = 760;
constexpr int kMinTrackHeight = 580;
} // namespace

CMainWindow::CMainWindow(CWnd* pParent)
    : CDialog(IDD_SEALWICK_DIALOG, pParent), RunActive(0), InitDone(0),
      m_hIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_APP))), m_nDpi(kDefaultDpi),
      m_hBackdrop(nullptr), m_dlgSettings(this), m_settings(m_dlgSettings.m_settings),
      m_pListPopup(nullptr), m_pRadioSingleFile(nullptr), m_pRadioFolder(nullptr),
      m_fieldsMode(OperationMode::SingleFile), m_pRunMessage(nullptr), m_hFocusBeforeRun(nullptr),
      m_hFocusDuringRun(nullptr)
{
}

CMainWindow::~CMainWindow()
{
    if (m_hWnd)
        DestroyWindow();
}

void CMainWindow::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnProtect);
    DDX_Control(pDX, IDC_RESULTS_LIST, m_listResults);
    DDX_Control(pDX, IDC_CLEAR_LIST, m_btnClearList);
    DDX_Control(pDX, IDC_HELP_LINK, m_linkHelp);
    DDX_Control(pDX, IDC_ABOUT_LINK, m_linkAbout);
    DDX_Control(pDX, IDC_SETTINGS, m_btnSettings);
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
    DDX_Control(pDX, IDC_BROWSE_SOURCE, m_btnBrowseSource);
    DDX_Control(pDX, IDC_BROWSE_TARGET, m_btnBrowseTarget);
    DDX_Control(pDX, IDC_SOURCE, m_editSource);
    DDX_Control(pDX, IDC_TARGET, m_editTarget);
    DDX_Control(pDX, IDC_OPEN_PASSWORD, m_editPassword);
    DDX_Control(pDX, IDC_OPEN_PDF, m_btnOpenPdf);
    DDX_Control(pDX, IDC_SOURCE_LABEL, m_staticSourceLabel);
    DDX_Control(pDX, IDC_TARGET_LABEL, m_staticTargetLabel);
    DDX_Control(pDX, IDC_PREVENT_COPY, m_chkPreventCopy);
    DDX_Control(pDX, IDC_PREVENT_MODIFY, m_chkPreventModify);
    DDX_Control(pDX, IDC_PREVENT_PRINT, m_chkPreventPrint);
    DDX_Control(pDX, IDC_PERMISSION_PASSWORD, m_editPermissionPassword);
}

const MessageMap* CMainWindow::GetMessageMap() const
{
    // The labels beside the radio buttons and check boxes report their clicks.
    const auto OnBoxLabelClick = [](UINT nLabel)
    { return OnCommandRange<&CMainWindow::OnBoxLabel>(nLabel, nLabel, STN_CLICKED); };
    static const MessageEntry entries[] = {
        OnMessage<&CMainWindow::OnSysCommand>(WM_SYSCOMMAND),
        OnCtlColor<&CMainWindow::OnCtlColorLabels>(),
        OnMessage<&CMainWindow::OnQueryDragIcon>(WM_QUERYDRAGICON),
        OnMessage<&CMainWindow::OnEraseBkgnd>(WM_ERASEBKGND),
        OnMessage<&CMainWindow::OnDropFiles>(WM_DROPFILES),
        OnMessage<&CMainWindow::OnGetMinMaxInfo>(WM_GETMINMAXINFO),
        OnMessage<&CMainWindow::OnLinkClicked>(WM_LINK_CLICKED),
        OnMessage<&CMainWindow::OnDpiChanged>(WM_DPICHANGED),
        OnCommand<&CMainWindow::OnProtectPdf>(IDOK),
        OnCommand<&CMainWindow::OnSettings>(IDC_SETTINGS),
        OnCommand<&CMainWindow::OnModeSingleFile>(IDC_MODE_SINGLE_FILE),
        OnCommand<&CMainWindow::OnModeFolder>(IDC_MODE_FOLDER),
        OnBoxLabelClick(IDC_MODE_SINGLE_FILE_LABEL),
        OnBoxLabelClick(IDC_MODE_FOLDER_LABEL),
        OnCommand<&CMainWindow::OnBrowseSource>(IDC_BROWSE_SOURCE),
        OnCommand<&CMainWindow::OnBrowseTarget>(IDC_BROWSE_TARGET),
        OnCommand<&CMainWindow::OnRestrictionChanged>(IDC_PREVENT_COPY),
        OnCommand<&CMainWindow::OnRestrictionChanged>(IDC_PREVENT_MODIFY),
        OnCommand<&CMainWindow::OnRestrictionChanged>(IDC_PREVENT_PRINT),
        OnBoxLabelClick(IDC_PREVENT_COPY_LABEL),
        OnBoxLabelClick(IDC_PREVENT_MODIFY_LABEL),
        OnBoxLabelClick(IDC_PREVENT_PRINT_LABEL),
        OnCommand<&CMainWindow::OnOpenPasswordChange>(IDC_OPEN_PASSWORD, EN_CHANGE),
        OnNotify<&CMainWindow::OnListRightClick>(NM_RCLICK, IDC_RESULTS_LIST),
        OnNotify<&CMainWindow::OnListItemChanged>(LVN_ITEMCHANGED, IDC_RESULTS_LIST),
        OnCommandRange<&CMainWindow::OnCopyCell>(IDM_COPY_FILE_NAME, IDM_COPY_STATUS),
        OnCommand<&CMainWindow::OnCopyEntireRow>(IDM_COPY_ENTIRE_ROW),
        OnCommand<&CMainWindow::OnOpenSourcePdf>(IDM_OPEN_SOURCE_PDF),
        OnCommand<&CMainWindow::OnOpenTargetPdf>(IDM_OPEN_TARGET_PDF),
        OnCommand<&CMainWindow::OnOpenTargetPdf>(IDC_OPEN_PDF),
        OnCommand<&CMainWindow::OnOpenSourceFolder>(IDM_OPEN_SOURCE_FOLDER),
        OnCommand<&CMainWindow::OnOpenTargetFolder>(IDM_OPEN_TARGET_FOLDER),
        OnCommand<&CMainWindow::OnRemoveFromList>(IDM_REMOVE_FROM_LIST),
        OnCommand<&CMainWindow::OnClearList>(IDM_CLEAR_ENTIRE_LIST),
        OnCommand<&CMainWindow::OnClearList>(IDC_CLEAR_LIST),
    };
    static const MessageMap map(CDialog::GetMessageMap(), entries);
    return &map;
}

BOOL CMainWindow::OnInitDialog()
{
    CDialog::OnInitDialog();

    HMENU hSysMenu = GetSystemMenu(FALSE);
    char aboutText[256] = "";
    LoadStringA(AfxGetResourceHandle(), IDS_ABOUTBOX, aboutText, sizeof aboutText);
    if (hSysMenu && aboutText[0])
    {
        AppendMenuA(hSysMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(hSysMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    if (!IsWindowsVersionAtLeast(0))
    {
        AppMessageBox(kMsgOldWindows, MB_ICONWARNING | MB_OK);
        ExitProcess(0);
    }

    RunActive = 0;
    // The shaded buttons draw their noise from the C library's generator.
    std::srand(static_cast<unsigned>(GetTickCount64()));

    if (m_strSettingsPath.empty())
        m_strSettingsPath = GetSettingsFilePath();
    m_dlgSettings.m_strSettingsPath = m_strSettingsPath;
    SetDefaultSettings(m_settings);
    ShowSettingsLoadOutcome(m_hWnd, LoadSettings(m_strSettingsPath, m_settings));

    SetUpMainWindow();

    DragAcceptFiles(TRUE);
    InitDone = 1;

    const bool bFileTaken = TakeCommandLineFile();
    if (!bFileTaken && m_settings.bEnableMenu)
        RegisterExplorerVerb();
    // With a file taken the focus waits in the open-password field; TRUE would have the
    // dialog manager move it to the first control.
    return bFileTaken ? FALSE : TRUE;
}

int CMainWindow::AppMessageBox(const char* text, UINT style)
{
    return AfxMessageBoxEx(m_hWnd, text, kAppCaption, style);
}

bool CMainWindow::OnSysCommand(WPARAM wParam, LPARAM, LRESULT& result)
{
    if ((wParam & 0xFFF0) != IDM_ABOUTBOX)
        return false;
    ShowAboutBox();
    result = 0;
    return true;
}

LRESULT CMainWindow::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}

bool CMainWindow::OnGetMinMaxInfo(WPARAM, LPARAM lParam, LRESULT& result)
{
    if (!InitDone)
        return false;
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize.x = ScaleForDpi(kMinTrackWidth, m_nDpi);
    info->ptMinTrackSize.y = ScaleForDpi(kMinTrackHeight, m_nDpi);
    result = 0;
    return true;
}

LRESULT CMainWindow::OnLinkClicked(WPARAM wParam, LPARAM)
{
    if (wParam == IDC_ABOUT_LINK)
        ShowAboutBox();
    return 0;
}

void CMainWindow::OnSettings()
{
    if (RunActive == 0)
        ShowSettingsDialog();
}

void CMainWindow::OnCancel()
{
    if (RunActive == 1)
    {
        AppMessageBox(kMsgRunInProgress, MB_ICONWARNING | MB_OK);
        return;
    }
    // Saved before the offer shows, so the inputs survive a process ended meanwhile; silent,
    // as the window is closing.
    SaveLastInputs(m_strSettingsPath, m_settings, ReadInputs());
    ShowOfferDialog();
    EndDialog(IDCANCEL);
}

LastInputs CMainWindow::ReadInputs() const
{
    LastInputs inputs;
    inputs.bFolderMode = GetOperationMode() == OperationMode::Folder ? 1 : 0;
    inputs.strSourceFile = ReadField(m_editSource);
    inputs.strTargetFile = ReadField(m_editTarget);
    inputs.strPassword = ReadPassword(m_editPassword);
    inputs.strPermissionPassword = ReadPassword(m_editPermissionPassword);
    inputs.bPreventCopy = m_chkPreventCopy.GetCheck() == BST_CHECKED ? 1 : 0;
    inputs.bPreventModify = m_chkPreventModify.GetCheck() == BST_CHECKED ? 1 : 0;
    inputs.bPreventPrint = m_chkPreventPrint.GetCheck() == BST_CHECKED ? 1 : 0;
    return inputs;
}

std::string CMainWindow::ReadField(const CWnd& field, size_t maxChars) const
{
    return GetWindowTextAnsi(field.m_hWnd, maxChars);
}

std::string CMainWindow::ReadPassword(const CWnd& field) const
{
    return GetWindowTextUtf8(field.m_hWnd, kFieldMaxChars);
}

void CMainWindow::ShowAboutBox()
{
    CAboutDlg about(this);
    about.DoModal();
}

void CMainWindow::ShowOfferDialog()
{
    COfferDlg offer(this);
    offer.DoModal();
}

void CMainWindow::ShowSettingsDialog()
{
    m_dlgSettings.DoModal();
}

void CMainWindow::RegisterExplorerVerb()
{
    RegisterContextMenu();
}

std::string CMainWindow::GetProcessCommandLine() const
{
    // The wide command line: the narrow one would carry a look-alike for a character the code
    // page lacks; WideToAnsi marks it with '?' instead, which the request check refuses.
    const wchar_t* commandLine = GetCommandLineW();
    std::string text;
    if (commandLine)
        WideToAnsi(commandLine, text);
    return text;
}
