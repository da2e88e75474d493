#pragma once

// Dialogs from templates in the program's resources, modal (DoModal) or modeless (Create).
// Both run the same dialog procedure, the same OnInitDialog and the same control binding, so a
// test can create a dialog modeless, drive it with messages and read its state back.

#include <windows.h>

#include "framework/wnd.h"

class CDataExchange
{
  public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

// Binds a member control to the dialog's child with this id, once: the child is subclassed so
// that the member's own message map (and its reflected notifications) runs. A missing child is
// reported like a handler exception and the binding skipped.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd
{
  public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog in its own modal loop (the owner is disabled meanwhile) and returns the
    // value given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless; it stays until DestroyWindow or the object's destruction.
    BOOL Create(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr);

    // Ends a modal dialog's loop; a modeless dialog is hidden.
    void EndDialog(int nResult);
    BOOL IsEnded() const { return m_bEnded; }
    int GetModalResult() const { return m_nModalResult; }

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();

  protected:
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();

    const MessageMap* GetMessageMap() const override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

  private:
    BOOL CreateFromTemplate(HWND hOwner);
    void RunModalLoop();
    LRESULT HandleInitDialog(WPARAM, LPARAM);

    bool m_bModal;
    bool m_bEnded;
    int m_nModalResult;
};

// The dialog base that newer windows derive from; behaves like CDialog.
class CDialogEx : public CDialog
{
  public:
    explicit CDialogEx(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : CDialog(nIDTemplate, pParentWnd)
    {
    }
    ~CDialogEx() override;
};
