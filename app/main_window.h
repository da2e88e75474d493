#pragma once

// The main window: start-up, message routing, its inputs, set-up and painting, and the close
// sequence. The process runs it modally and ends when it closes.

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "app/input_rules.h"
#include "app/settings_dlg.h"
#include "controls/enhanced_list_ctrl.h"
#include "controls/shade_button.h"
#include "controls/static_hyperlink.h"
#include "framework/control_wrappers.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "settings/settings_record.h"

struct ProtectionRequest;
class CProtectionView;
class CRunQueue;

class CMainWindow : public CDialog
{
  public:
    explicit CMainWindow(CWnd* pParent = nullptr);
    ~CMainWindow() override;

    BOOL OnInitDialog() override;

    // Every message of the window and of a run: modal, owned by the window, with the
    // product's caption. Returns the pressed button's id.
    int AppMessageBox(const char* text, UINT style);

    OperationMode GetOperationMode() const;
    // The fields show `mode` afterwards; callers set the radio buttons first.
    void SwitchOperationMode(OperationMode mode);
    // Selects the radio button of `mode` and switches the fields to it.
    void ShowMode(OperationMode mode);
    // Takes a PDF into single-file mode with the target derived from it, or, when no target
    // can be derived, leaves the window unchanged and returns false: a new source beside the
    // old target would have a run write over that old file.
    bool TakeSourcePdf(const std::string& path);
    // Takes the PDF path that follows the executable's name on the command line.
    bool TakeCommandLineFile();
    void UpdatePermissionPasswordState();
    void RepaintInputArea();
    // Repaints the window around the results list, its frame and labels included.
    void RepaintListArea();
    void SetUpMainWindow();

    // The inputs as the controls hold them now; either thread may call it.
    LastInputs ReadInputs() const;

    SettingsRecord& GetSettings() { return m_dlgSettings.m_settings; }

    // The DPI the window is laid out for: pixel lengths given at 100 % are taken to it with
    // ScaleForDpi.
    UINT GetLayoutDpi() const { return m_nDpi; }

    // The engine's part of a run, called on the run's thread; tests replace it.
    virtual void RunRequest(const ProtectionRequest& request, CProtectionView& view);
    // Called on the run's thread: shows a run's message on this window's thread and returns
    // the pressed button's id.
    int ShowRunMessage(const std::string& text, UINT style);
    // A new run's queue of rows and progress, which this window shows from now on.
    std::shared_ptr<CRunQueue> StartRunQueue();
    // Called on the run's thread once the window is restored: the focus goes back to where
    // the run found it.
    void GiveBackFocus();

    // 1 until the first request to clear the results list in this process: only that one
    // asks before clearing.
    static int s_bConfirmClear;

    // 1 while a protection run is under way; only the run writes it.
    std::atomic<int> RunActive;
    int InitDone;

    // The settings file; when empty at start-up, the one beside the executable.
    std::string m_strSettingsPath;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    // Ahead of the message map: a header click on the results list during a run, and the
    // run's message boxes, which its thread hands over to be shown on this one.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Steps that leave the window or the process's own state; tests replace them.
    virtual void ShowAboutBox();
    virtual void ShowOfferDialog();
    virtual void ShowSettingsDialog();
    virtual void RegisterExplorerVerb();
    virtual std::string GetProcessCommandLine() const;

    const MessageMap* GetMessageMap() const override;

    // Fields that are not controls.
    HICON m_hIcon;
    CFont m_fontHeader;
    CFont m_fontLink;
    // The dialog's font once a change of scale replaced the template's.
    CFont m_fontDialog;
    // The DPI the window is laid out for.
    UINT m_nDpi;
    HWND m_hBackdrop;
    CImageList m_imgResults;
    // The one settings dialog carries the process's settings record.
    CSettingsDlg m_dlgSettings;
    SettingsRecord& m_settings;
    ModeMemory m_modeMemory;
    CBitmap m_bmpMenuCopy;
    CBitmap m_bmpMenuPdf;
    CBitmap m_bmpMenuFolder;
    CBitmap m_bmpMenuCross;
    CMenu m_menuList;
    CMenu* m_pListPopup;
    CWnd* m_pRadioSingleFile;
    CWnd* m_pRadioFolder;
    // The mode whose texts the fields show.
    OperationMode m_fieldsMode;

  public:
    // Bound controls.
    CShadeButton m_btnProtect;
    CEnhancedListCtrl m_listResults;
    CShadeButton m_btnClearList;
    CStaticHyperLink m_linkHelp;
    CStaticHyperLink m_linkAbout;
    CShadeButton m_btnSettings;
    CProgressCtrl m_progress;
    CShadeButton m_btnBrowseSource;
    CShadeButton m_btnBrowseTarget;
    CEdit m_editSource;
    CEdit m_editTarget;
    CEdit m_editPassword;
    CShadeButton m_btnOpenPdf;
    CStatic m_staticSourceLabel;
    CStatic m_staticTargetLabel;
    CButton m_chkPreventCopy;
    CButton m_chkPreventModify;
    CButton m_chkPreventPrint;
    CEdit m_editPermissionPassword;

  protected:
    // Routing.
    bool OnSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
    HBRUSH OnCtlColorLabels(HDC hDC, HWND hCtl, UINT ctlType);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    bool OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT OnLinkClicked(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    void OnProtectPdf();
    void OnSettings();
    void OnModeSingleFile();
    void OnModeFolder();
    // A click on the label beside a radio button or check box.
    void OnBoxLabel(UINT nLabel);
    void OnBrowseSource();
    void OnBrowseTarget();
    void OnRestrictionChanged();
    void OnOpenPasswordChange();
    // The results list's commands.
    void OnListRightClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnCopyCell(UINT nCommand);
    void OnCopyEntireRow();
    void OnOpenSourcePdf();
    void OnOpenTargetPdf();
    void OnOpenSourceFolder();
    void OnOpenTargetFolder();
    void OnRemoveFromList();
    void OnClearList();

  private:
    // A run's message waiting to be shown. Only this one is honoured: the message that asks
    // for it can come from any process.
    struct RunMessage
    {
        const std::string& text;
        UINT style;
    };
    std::atomic<const RunMessage*> m_pRunMessage;
    // The queue of the latest run, read on this window's thread only.
    std::shared_ptr<CRunQueue> m_pRunQueue;
    // Where the focus was when the run started, and where the run put it meanwhile (a locked
    // control cannot keep it, and with no focus the keyboard reaches nothing).
    HWND m_hFocusBeforeRun;
    HWND m_hFocusDuringRun;
    void KeepFocusForRun();
    void ParkFocusDuringRun();
    void RestoreFocusAfterRun();

    void SelectModeButtons(OperationMode mode);
    // Labels, source and target texts, browse tooltips and the repaint of one mode.
    void ApplyModeTexts(OperationMode mode, const ModeTexts& texts);
    void SetUpShadeButtons();
    void SetUpLinks();
    // Fonts, pictures and icons at m_nDpi.
    void ApplyDisplayScale();
    void ScaleMenuPictures();
    void RestoreLastInputs();
    // A path field's text in the ANSI code page, at most maxChars characters.
    std::string ReadField(const CWnd& field, size_t maxChars = kFieldMaxChars) const;
    // A password field's text in UTF-8, whatever the code page.
    std::string ReadPassword(const CWnd& field) const;
    // The selected row with the lowest position, or -1.
    int FirstSelectedRow() const;
    std::string ReadCell(int nRow, int nColumn) const;
    void UpdateOpenPdfButton();
    void OpenPdfOfRow(int nRow, int nColumn, const char* msgEmpty, const char* msgNotFound);
    void OpenFolderOfRow(int nColumn, const char* msgEmpty, const char* msgNotFound);
};
