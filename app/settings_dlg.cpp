#include "app/settings_dlg.h"

#include <cstdio>
#include <vector>

#include "app/app_texts.h"
#include "app/settings_messages.h"
#include "app/settings_texts.h"
#include "app/window_backdrops.h"
#include "framework/backdrop.h"
#include "framework/display_scale.h"
#include "framework/message_box.h"
#include "framework/window_text.h"
#include "res/resource.h"
#include "settings/settings_store.h"
#include "shell/context_menu.h"

namespace
{
constexpr LONG kButtonFontHeight = 12;
constexpr LONG kButtonFontWeight = 800;
constexpr int kButtonIconOffset = 10;
constexpr COLORREF kButtonLabel = RGB(0, 0, 0);
constexpr COLORREF kButtonLabelHover = RGB(255, 0, 0);
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr COLORREF kLinkHoverColour = RGB(255, 0, 0);

// The labels that stand on the background picture.
constexpr int kTransparentLabels[] = {IDC_SET_SUFFIX_LABEL,          IDC_ENCRYPTION_LABEL,
                                      IDC_IGNORE_SUFFIX_FILES_LABEL, IDC_REMEMBER_PASSWORDS_LABEL,
                                      IDC_ENABLE_MENU_LABEL,         IDC_ALLOW_SIGNED_LABEL};

int Ticked(const CButton& box)
{
    return box.GetCheck() == BST_CHECKED ? 1 : 0;
}

void Tick(CButton& box, int bTicked)
{
    box.SetCheck(bTicked ? BST_CHECKED : BST_UNCHECKED);
}

void Toggle(CButton& box)
{
    Tick(box, !Ticked(box));
}

// A guide given as a file path becomes a file address, so that the section mark after it is
// not taken as part of the file's name.
std::string ToAddress(const std::string& guide)
{
    const bool bPath = guide.size() > 2 && guide[1] == ':' && guide[2] == '\\';
    if (!bPath)
        return guide;
    std::string address = kFileAddressPrefix;
    for (char c : guide)
    {
        if (c == '\\')
            address += '/';
        else if (c == ' ' || c == '#' || c == '%')
        {
            char escaped[4] = "";
            snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            address += escaped;
        }
        else
            address += c;
    }
    return address;
}
} // namespace

CSettingsDlg::CSettingsDlg(CWnd* pParent)
    : CDialogEx(IDD_SETTINGS, pParent), m_bChanged(0), m_nDpi(kDefaultDpi), m_hBackdrop(nullptr)
{
}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::SetUserGuideAddress(const std::string& address)
{
    m_strHelpUrl = address.empty() ? address : ToAddress(address) + kUserGuideSettingsSection;
}

void CSettingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SUFFIX, m_editSuffix);
    DDX_Control(pDX, IDOK, m_btnSave);
    DDX_Control(pDX, IDCANCEL, m_btnClose);
    DDX_Control(pDX, IDC_SET_SUFFIX, m_chkSetSuffix);
    DDX_Control(pDX, IDC_SETTINGS_HELP_LINK, m_linkHelp);
    DDX_Control(pDX, IDC_IGNORE_SUFFIX_FILES, m_chkIgnoreSuffixFiles);
    DDX_Control(pDX, IDC_REMEMBER_PASSWORDS, m_chkRememberPassword);
    DDX_Control(pDX, IDC_SET_SUFFIX_LABEL, m_staticSetSuffix);
    DDX_Control(pDX, IDC_ENCRYPTION_LABEL, m_staticEncryption);
    DDX_Control(pDX, IDC_ENABLE_MENU, m_chkEnableMenu);
    DDX_Control(pDX, IDC_ENCRYPTION_TYPE, m_comboEncryption);
    DDX_Control(pDX, IDC_ALLOW_SIGNED, m_chkAllowSigned);
}

void CSettingsDlg::SetUpButton(CShadeButton& button, const char* tip, UINT iconNormal,
                               UINT iconDisabled, UINT iconHover)
{
    button.SetLabelFont(kSettingsButtonFontFace, ScaleForDpi(kButtonFontHeight, m_nDpi),
                        kButtonFontWeight, 0, 0);
    button.SetTipTexts(tip, "");
    button.BuildShadeImages();
    button.m_clrLabel = kButtonLabel;
    button.m_clrLabelHover = kButtonLabelHover;
    button.LoadButtonIcons(iconNormal, iconDisabled, iconHover, kButtonIconOffset);
}

BOOL CSettingsDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    TakeOverDpiChanges(m_hWnd);
    m_nDpi = GetWindowDpi(m_hWnd);
    m_hBackdrop = PaintBackdropBeneath(m_hWnd, IDC_BACKDROP, PaintSettingsBackdrop);

    SetUpButton(m_btnSave, kTipSaveSettings, IDI_SAVE_NORMAL, IDI_SAVE_DISABLED, IDI_SAVE_HOVER);
    SetUpButton(m_btnClose, kTipCloseSettings, IDI_CLOSE_NORMAL, IDI_CLOSE_DISABLED,
                IDI_CLOSE_HOVER);

    m_comboEncryption.ResetContent();
    for (const char* label : kEncryptionTypeLabels)
        m_comboEncryption.AddString(label);
    m_comboEncryption.SetCurSel(2);

    m_linkHelp.SetWindowText(kSettingsHelpLinkText);
    m_linkHelp.SetLinkUrl(m_strHelpUrl.c_str());
    m_linkHelp.m_bTipEnabled = 1;
    m_linkHelp.m_clrLink = kLinkColour;
    m_linkHelp.m_clrLinkHover = kLinkHoverColour;
    m_linkHelp.SetLinkTipText(kTipSettingsHelpLink);

    Tick(m_chkSetSuffix, m_settings.bTargetSetSuffix);
    Tick(m_chkIgnoreSuffixFiles, m_settings.bIgnoreSuffixFiles);
    Tick(m_chkRememberPassword, m_settings.bRememberPassword);
    Tick(m_chkEnableMenu, m_settings.bEnableMenu);
    Tick(m_chkAllowSigned, m_settings.bAllowSigned);
    // The record's text may be as long as the field shows; the store clips beyond that.
    m_editSuffix.SetLimitText(static_cast<UINT>(kSettingsTextMaxChars));
    m_editSuffix.SetWindowText(m_settings.strTargetSuffix.c_str());
    // A stored value outside the list leaves no entry selected; the combo box itself would
    // keep the entry selected above for an index it does not have.
    const int encryption = m_settings.bEncryptionType;
    m_comboEncryption.SetCurSel(
        encryption >= 0 && encryption < m_comboEncryption.GetCount() ? encryption : -1);
    EnableSuffixField();

    // Filling the controls above is not a change of the user's.
    m_bChanged = 0;
    m_btnSave.SetFocus();
    return FALSE;
}

void CSettingsDlg::EnableSuffixField()
{
    m_editSuffix.EnableWindow(Ticked(m_chkSetSuffix) ? TRUE : FALSE);
}

std::string CSettingsDlg::ReadSuffix() const
{
    return GetWindowTextAnsi(m_editSuffix.m_hWnd, kSettingsTextMaxChars);
}

void CSettingsDlg::MarkChanged()
{
    m_bChanged = 1;
}

void CSettingsDlg::OnSetSuffix()
{
    EnableSuffixField();
    MarkChanged();
}

void CSettingsDlg::OnSetSuffixLabel()
{
    Toggle(m_chkSetSuffix);
    OnSetSuffix();
}

void CSettingsDlg::OnIgnoreSuffixFilesLabel()
{
    Toggle(m_chkIgnoreSuffixFiles);
    MarkChanged();
}

void CSettingsDlg::OnRememberPasswordLabel()
{
    Toggle(m_chkRememberPassword);
    MarkChanged();
}

void CSettingsDlg::OnEnableMenuLabel()
{
    Toggle(m_chkEnableMenu);
    MarkChanged();
}

void CSettingsDlg::OnAllowSignedLabel()
{
    Toggle(m_chkAllowSigned);
    MarkChanged();
}

void CSettingsDlg::ApplyContextMenuOption(int bEnableMenu)
{
    if (bEnableMenu)
        RegisterContextMenu();
    else
        UnregisterContextMenu();
}

void CSettingsDlg::OnSave()
{
    SettingsDialogValues values = m_settings;
    values.bTargetSetSuffix = Ticked(m_chkSetSuffix);
    values.bIgnoreSuffixFiles = Ticked(m_chkIgnoreSuffixFiles);
    values.bEnableMenu = Ticked(m_chkEnableMenu);
    values.bRememberPassword = Ticked(m_chkRememberPassword);
    values.bAllowSigned = Ticked(m_chkAllowSigned);
    values.bEncryptionType = m_comboEncryption.GetCurSel();
    values.strTargetSuffix = ReadSuffix();

    bool bEnableMenuWritten = false;
    const SettingsSaveOutcome outcome =
        SaveDialogSettings(m_strSettingsPath, m_settings, values, bEnableMenuWritten);
    // The verb follows the stored option, also when a later option failed to be written.
    if (bEnableMenuWritten)
        ApplyContextMenuOption(m_settings.bEnableMenu);

    switch (outcome)
    {
    case SettingsSaveOutcome::OpenFailed:
    case SettingsSaveOutcome::FileMissing:
        // Nothing was written: the user keeps the values to try again.
        ShowSettingsSaveOutcome(m_hWnd, outcome);
        return;
    case SettingsSaveOutcome::Saved:
        m_bChanged = 0;
        break;
    case SettingsSaveOutcome::Failed:
        break;
    }
    ShowSettingsSaveOutcome(m_hWnd, outcome);
    OnOK();
}

void CSettingsDlg::OnClose()
{
    if (m_bChanged && AfxMessageBoxEx(m_hWnd, kMsgCloseWithoutSaving, kAppCaption,
                                      MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    OnCancel();
}

LRESULT CSettingsDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    const UINT dpi = HIWORD(wParam);
    if (!dpi || dpi == m_nDpi)
        return 0;
    if (HFONT hFont = RelayDialogForDpi(m_hWnd, m_nDpi, dpi, reinterpret_cast<const RECT*>(lParam)))
        m_fontDialog.Attach(hFont);
    m_nDpi = dpi;
    SetUpButton(m_btnSave, kTipSaveSettings, IDI_SAVE_NORMAL, IDI_SAVE_DISABLED, IDI_SAVE_HOVER);
    SetUpButton(m_btnClose, kTipCloseSettings, IDI_CLOSE_NORMAL, IDI_CLOSE_DISABLED,
                IDI_CLOSE_HOVER);
    RefreshBackdrop(m_hBackdrop);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
    return 0;
}

LRESULT CSettingsDlg::OnEraseBkgnd(WPARAM, LPARAM)
{
    // The background picture covers the whole dialog.
    return TRUE;
}

HBRUSH CSettingsDlg::OnCtlColorLabels(HDC hDC, HWND hCtl, UINT ctlType)
{
    if (ctlType != CTLCOLOR_STATIC)
        return nullptr;
    const int id = ::GetDlgCtrlID(hCtl);
    for (int label : kTransparentLabels)
    {
        if (id == label)
        {
            ::SetBkMode(hDC, TRANSPARENT);
            return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
        }
    }
    return nullptr;
}

const MessageMap* CSettingsDlg::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnCommand<&CSettingsDlg::OnSave>(IDOK),
        OnCommand<&CSettingsDlg::OnClose>(IDCANCEL),
        OnCommand<&CSettingsDlg::OnSetSuffix>(IDC_SET_SUFFIX),
        OnCommand<&CSettingsDlg::OnSetSuffixLabel>(IDC_SET_SUFFIX_LABEL),
        OnCommand<&CSettingsDlg::MarkChanged>(IDC_IGNORE_SUFFIX_FILES),
        OnCommand<&CSettingsDlg::OnIgnoreSuffixFilesLabel>(IDC_IGNORE_SUFFIX_FILES_LABEL),
        OnCommand<&CSettingsDlg::MarkChanged>(IDC_REMEMBER_PASSWORDS),
        OnCommand<&CSettingsDlg::OnRememberPasswordLabel>(IDC_REMEMBER_PASSWORDS_LABEL),
        OnCommand<&CSettingsDlg::MarkChanged>(IDC_ENABLE_MENU),
        OnCommand<&CSettingsDlg::OnEnableMenuLabel>(IDC_ENABLE_MENU_LABEL),
        OnCommand<&CSettingsDlg::MarkChanged>(IDC_ALLOW_SIGNED),
        OnCommand<&CSettingsDlg::OnAllowSignedLabel>(IDC_ALLOW_SIGNED_LABEL),
        OnCommand<&CSettingsDlg::MarkChanged>(IDC_SUFFIX, EN_CHANGE),
        // A new encryption type is a change like any other, so Close asks before losing it.
        OnCommand<&CSettingsDlg::MarkChanged>(IDC_ENCRYPTION_TYPE, CBN_SELCHANGE),
        OnCommand<&CSettingsDlg::MarkChanged>(IDC_ENCRYPTION_TYPE, CBN_EDITCHANGE),
        OnMessage<&CSettingsDlg::OnEraseBkgnd>(WM_ERASEBKGND),
        OnMessage<&CSettingsDlg::OnDpiChanged>(WM_DPICHANGED),
        OnCtlColor<&CSettingsDlg::OnCtlColorLabels>(),
    };
    static const MessageMap map(CDialogEx::GetMessageMap(), entries);
    return &map;
}
