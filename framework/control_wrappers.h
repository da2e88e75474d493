#pragma once

// Thin wrappers of the standard controls: each member is one message to the control. Bind one
// to a dialog's child with DDX_Control, or create one (CToolTipCtrl) with its Create.

#include <windows.h>

#include <commctrl.h>

#include "framework/wnd.h"

class CButton : public CWnd
{
  public:
    ~CButton() override;

    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(bHighlight)); }

    // Owner-drawn buttons paint here; the parent's WM_DRAWITEM is reflected to it.
    virtual void DrawItem(DRAWITEMSTRUCT* pDrawItemStruct);

  protected:
    const MessageMap* GetMessageMap() const override;
};

class CStatic : public CWnd
{
  public:
    ~CStatic() override;
};

class CEdit : public CWnd
{
  public:
    ~CEdit() override;

    void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
};

class CComboBox : public CWnd
{
  public:
    ~CComboBox() override;

    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int AddString(const char* text)
    {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect)
    {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
    }
    // buffer holds the item's text (CB_GETLBTEXTLEN) and its terminator.
    int GetLBText(int nIndex, char* buffer) const
    {
        return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
                                            reinterpret_cast<LPARAM>(buffer)));
    }
};

class CProgressCtrl : public CWnd
{
  public:
    ~CProgressCtrl() override;

    int SetPos(int nPos)
    {
        return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos)));
    }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
};

// A tooltip window owned by a control or dialog. Its tools use the TOOLINFO layout that every
// common-controls version accepts.
class CToolTipCtrl : public CWnd
{
  public:
    ~CToolTipCtrl() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // A tool covering rect of pWnd's client area (the whole client area when rect is null).
    BOOL AddTool(CWnd* pWnd, const char* text, const RECT* rect = nullptr, UINT_PTR nIDTool = 0);
    void UpdateTipText(const char* text, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(char* buffer, int bufferSize, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate)); }
    int SetMaxTipWidth(int nWidth)
    {
        return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, nWidth));
    }
    void RelayEvent(MSG* pMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg)); }
    void Pop() { SendMessage(TTM_POP); }
    void Update() { SendMessage(TTM_UPDATE); }
};
