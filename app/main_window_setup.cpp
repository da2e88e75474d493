// The main window's one-time set-up and its painting rules.
#include "app/main_window.h"

#include "app/app_texts.h"
#include "app/results_list_setup.h"
#include "app/window_backdrops.h"
#include "base/executable_path.h"
#include "framework/backdrop.h"
#include "framework/display_scale.h"
#include "framework/window_text.h"
#include "res/resource.h"

namespace
{
// Labels whose text stands directly on the background picture.
constexpr int kTransparentLabels[] = {
    IDC_OPEN_PASSWORD_LABEL,    IDC_PERMISSION_PASSWORD_LABEL,
    IDC_RESTRICT_LABEL,         IDC_OPERATION_LABEL,
    IDC_SOURCE_LABEL,           IDC_TARGET_LABEL,
    IDC_MODE_SINGLE_FILE_LABEL, IDC_MODE_FOLDER_LABEL,
    IDC_PREVENT_COPY_LABEL,     IDC_PREVENT_PRINT_LABEL,
    IDC_PREVENT_MODIFY_LABEL,
};

constexpr COLORREF kLabelColour = RGB(0, 0, 0);
constexpr LONG kLinkFontHeight = 14;
constexpr int kMenuPictureSize = 13;
constexpr COLORREF kLabelHoverColour = RGB(255, 0, 0);

struct ShadeButtonLook
{
    CShadeButton CMainWindow::*button;
    LONG fontHeight; // 0: the button keeps the dialog's font
    LONG fontWeight;
    const char* tip;
    UINT iconNormal;
    UINT iconDisabled;
    UINT iconHover;
    int iconOffset;
};

const ShadeButtonLook kShadeButtons[] = {
    {&CMainWindow::m_btnProtect, 15, 800, kTipProtect, IDI_PROTECT_NORMAL, IDI_PROTECT_DISABLED,
     IDI_PROTECT_HOVER, 10},
    {&CMainWindow::m_btnOpenPdf, 12, 600, kTipOpenPdf, IDI_OPEN_NORMAL, IDI_OPEN_DISABLED,
     IDI_OPEN_HOVER, 2},
    {&CMainWindow::m_btnClearList, 12, 600, kTipClearList, IDI_CLEAR_NORMAL, IDI_CLEAR_DISABLED,
     IDI_CLEAR_HOVER, 2},
    {&CMainWindow::m_btnSettings, 12, 600, kTipSettings, IDI_SETTINGS_NORMAL, IDI_SETTINGS_DISABLED,
     IDI_SETTINGS_HOVER, 6},
    {&CMainWindow::m_btnBrowseSource, 0, 0, kTipBrowseSourceSingleFile, IDI_BROWSE_NORMAL,
     IDI_BROWSE_DISABLED, IDI_BROWSE_HOVER, 4},
    {&CMainWindow::m_btnBrowseTarget, 0, 0, kTipBrowseTargetSingleFile, IDI_BROWSE_NORMAL,
     IDI_BROWSE_DISABLED, IDI_BROWSE_HOVER, 4},
};

struct MenuPicture
{
    CBitmap CMainWindow::*bitmap;
    UINT icon;
    UINT commands[6];
};

// A menu picture at the display scale: its icon on the menu's colour, as menus take bitmaps.
HBITMAP MakeMenuPicture(UINT iconId, UINT dpi)
{
    const int size = ScaleForDpi(kMenuPictureSize, dpi);
    HICON icon = LoadIconForDpi(iconId, dpi);
    HDC hScreen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(hScreen, size, size);
    CMemoryDC mem(CreateCompatibleDC(hScreen));
    ReleaseDC(nullptr, hScreen);
    if (bitmap && mem.GetSafeHandle())
    {
        CScopedSelection selection(mem, bitmap);
        FillSolid(mem, {0, 0, size, size}, GetSysColor(COLOR_MENU));
        if (icon)
            DrawIconEx(mem, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    }
    if (icon)
        DestroyIcon(icon);
    return bitmap;
}

// A restored text of one character is taken as nothing.
bool IsRestorable(const std::string& text)
{
    return text.size() > 1;
}

std::string UserGuidePath()
{
    const std::string folder = ExecutableFolder();
    return folder.empty() ? kUserGuideFileName : folder + '\\' + kUserGuideFileName;
}
} // namespace

void CMainWindow::SetUpMainWindow()
{
    // The window re-lays itself when it moves to a monitor of another scale.
    TakeOverDpiChanges(m_hWnd);
    m_nDpi = GetWindowDpi(m_hWnd);
    m_hBackdrop = PaintBackdropBeneath(m_hWnd, IDC_BACKDROP, PaintMainBackdrop);
    SetUpResultsList(m_listResults, m_fontHeader, m_imgResults, m_nDpi);

    m_pRadioSingleFile = GetDlgItem(IDC_MODE_SINGLE_FILE);
    m_pRadioFolder = GetDlgItem(IDC_MODE_FOLDER);

    m_progress.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(1, 100));

    m_menuList.LoadMenu(IDR_LIST_MENU);
    m_pListPopup = m_menuList.GetSafeHandle() ? m_menuList.GetSubMenu(0) : nullptr;
    SetUpLinks();
    SetUpShadeButtons();
    ApplyDisplayScale();

    m_btnOpenPdf.EnableWindow(FALSE);
    m_btnClearList.EnableWindow(FALSE);

    SetWindowText(kAppCaption);

    m_modeMemory.Clear();
    m_editSource.SetWindowText("");
    m_editTarget.SetWindowText("");

    const OperationMode startMode =
        m_settings.bFolderMode == 0 ? OperationMode::SingleFile : OperationMode::Folder;
    SelectModeButtons(startMode);
    ApplyModeTexts(startMode, {LabelsFor(startMode).placeholder, ""});

    RestoreLastInputs();
}

void CMainWindow::ApplyDisplayScale()
{
    ScaleMenuPictures();

    m_fontLink.CreateFont(ScaleForDpi(kLinkFontHeight, m_nDpi), 0, 0, 0, FW_BOLD, FALSE, FALSE,
                          FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kLinkFontFace);
    for (CStaticHyperLink* link : {&m_linkHelp, &m_linkAbout})
        link->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_fontLink)),
                          TRUE);

    for (const ShadeButtonLook& look : kShadeButtons)
    {
        CShadeButton& button = this->*look.button;
        if (look.fontHeight)
            button.SetLabelFont(kButtonFontFace, ScaleForDpi(look.fontHeight, m_nDpi),
                                look.fontWeight, 0, 0);
        button.BuildShadeImages();
        button.LoadButtonIcons(look.iconNormal, look.iconDisabled, look.iconHover, look.iconOffset);
        button.Invalidate();
    }
}

void CMainWindow::ScaleMenuPictures()
{
    static const MenuPicture kMenuPictures[] = {
        {&CMainWindow::m_bmpMenuCopy,
         IDI_MENU_COPY,
         {IDM_COPY_ENTIRE_ROW, IDM_COPY_FILE_NAME, IDM_COPY_PDF_VERSION, IDM_COPY_ENCRYPTION,
          IDM_COPY_TARGET_FILE, IDM_COPY_STATUS}},
        {&CMainWindow::m_bmpMenuPdf, IDI_MENU_PDF, {IDM_OPEN_SOURCE_PDF, IDM_OPEN_TARGET_PDF}},
        {&CMainWindow::m_bmpMenuFolder,
         IDI_MENU_FOLDER,
         {IDM_OPEN_SOURCE_FOLDER, IDM_OPEN_TARGET_FOLDER}},
        {&CMainWindow::m_bmpMenuCross,
         IDI_MENU_CROSS,
         {IDM_REMOVE_FROM_LIST, IDM_CLEAR_ENTIRE_LIST}},
    };
    for (const MenuPicture& picture : kMenuPictures)
    {
        CBitmap& bitmap = this->*picture.bitmap;
        // The entries take the new picture before the old one goes.
        HBITMAP hOld = bitmap.Detach();
        bitmap.Attach(MakeMenuPicture(picture.icon, m_nDpi));
        if (m_pListPopup)
            for (UINT command : picture.commands)
                if (command)
                    m_pListPopup->SetMenuItemBitmaps(command, MF_BYCOMMAND, bitmap, bitmap);
        if (hOld)
            DeleteObject(hOld);
    }
}

void CMainWindow::SetUpLinks()
{
    const std::string guide = UserGuidePath();
    m_linkHelp.SetLinkUrl(guide.c_str());
    m_dlgSettings.SetUserGuideAddress(guide);
    m_linkHelp.m_bTipEnabled = 1;
    m_linkHelp.SetLinkTipText(kTipHelpLink);
    m_linkAbout.m_bNotifyParent = 1;
}

void CMainWindow::SetUpShadeButtons()
{
    for (const ShadeButtonLook& look : kShadeButtons)
    {
        CShadeButton& button = this->*look.button;
        button.SetTipTexts(look.tip, "");
        button.m_clrLabel = kLabelColour;
        button.m_clrLabelHover = kLabelHoverColour;
    }
}

LRESULT CMainWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    const UINT dpi = HIWORD(wParam);
    if (!dpi || dpi == m_nDpi)
        return 0;
    if (HFONT hFont = RelayDialogForDpi(m_hWnd, m_nDpi, dpi, reinterpret_cast<const RECT*>(lParam)))
        m_fontDialog.Attach(hFont);
    const UINT oldDpi = m_nDpi;
    m_nDpi = dpi;
    ScaleResultsList(m_listResults, m_fontHeader, m_imgResults, dpi, oldDpi);
    ApplyDisplayScale();
    RefreshBackdrop(m_hBackdrop);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
    return 0;
}

void CMainWindow::RestoreLastInputs()
{
    if (IsRestorable(m_settings.strSourceFile))
        m_editSource.SetWindowText(m_settings.strSourceFile.c_str());
    if (IsRestorable(m_settings.strTargetFile))
        m_editTarget.SetWindowText(m_settings.strTargetFile.c_str());
    if (IsRestorable(m_settings.strPassword))
        SetWindowTextUtf8(m_editPassword.m_hWnd, m_settings.strPassword);
    if (IsRestorable(m_settings.strPermissionPassword))
        SetWindowTextUtf8(m_editPermissionPassword.m_hWnd, m_settings.strPermissionPassword);

    m_chkPreventCopy.SetCheck(m_settings.bPreventCopy ? BST_CHECKED : BST_UNCHECKED);
    m_chkPreventModify.SetCheck(m_settings.bPreventModify ? BST_CHECKED : BST_UNCHECKED);
    m_chkPreventPrint.SetCheck(m_settings.bPreventPrint ? BST_CHECKED : BST_UNCHECKED);
    UpdatePermissionPasswordState();
}

HBRUSH CMainWindow::OnCtlColorLabels(HDC hDC, HWND hCtl, UINT)
{
    const int id = ::GetDlgCtrlID(hCtl);
    for (int label : kTransparentLabels)
        if (id == label)
        {
            SetBkMode(hDC, TRANSPARENT);
            return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        }
    return nullptr;
}

LRESULT CMainWindow::OnEraseBkgnd(WPARAM, LPARAM)
{
    // The background picture covers the whole client area.
    return TRUE;
}
