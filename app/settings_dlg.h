#pragma once

// The settings dialog: shows the record's options each time it opens, marks itself changed
// when the user touches an input, saves through the store and asks before discarding changes.
// The main window keeps one for its whole lifetime; it carries the process's settings record.

#include <windows.h>

#include <string>

#include "controls/shade_button.h"
#include "controls/static_hyperlink.h"
#include "framework/control_wrappers.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "settings/settings_record.h"

class CSettingsDlg : public CDialogEx
{
  public:
    explicit CSettingsDlg(CWnd* pParent = nullptr);
    ~CSettingsDlg() override;

    BOOL OnInitDialog() override;

    // The user guide's address; the help link opens it at its settings section.
    void SetUserGuideAddress(const std::string& address);

    // The process's options: shown at each opening, changed only by Save.
    SettingsRecord m_settings;
    // The settings file, as the main window resolved it at start-up.
    std::string m_strSettingsPath;

    // 1 once the user touched an input since the dialog opened or last saved.
    int m_bChanged;

    // Bound controls.
    CShadeButton m_btnSave;
    CShadeButton m_btnClose;
    CEdit m_editSuffix;
    CStatic m_staticSetSuffix;
    CButton m_chkSetSuffix;
    CButton m_chkIgnoreSuffixFiles;
    CButton m_chkRememberPassword;
    CButton m_chkEnableMenu;
    CButton m_chkAllowSigned;
    CComboBox m_comboEncryption;
    CStaticHyperLink m_linkHelp;
    CStatic m_staticEncryption;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // Writes or removes the Explorer verb once Save wrote a new context-menu option. Silent;
    // tests replace it so that they never touch the registry.
    virtual void ApplyContextMenuOption(int bEnableMenu);

    const MessageMap* GetMessageMap() const override;

    void OnSave();
    void OnClose();
    void OnSetSuffix();
    void OnSetSuffixLabel();
    void OnIgnoreSuffixFilesLabel();
    void OnRememberPasswordLabel();
    void OnEnableMenuLabel();
    void OnAllowSignedLabel();
    void MarkChanged();
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    HBRUSH OnCtlColorLabels(HDC hDC, HWND hCtl, UINT ctlType);

  private:
    void SetUpButton(CShadeButton& button, const char* tip, UINT iconNormal, UINT iconDisabled,
                     UINT iconHover);
    void EnableSuffixField();
    std::string ReadSuffix() const;

    std::string m_strHelpUrl;
    // The DPI the dialog is laid out for, its font once a change of scale replaced the
    // template's, and the control its background is painted on.
    UINT m_nDpi;
    CFont m_fontDialog;
    HWND m_hBackdrop;
};
