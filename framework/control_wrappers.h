#pragma once

// Thin wrappers of the standard controls: each member is one message to the control. Bind one
// to a dialog's child with DDX_Control, or create one (CToolTipCtrl) with its Create.

#include <windows.h>

#include <commctrl.h>

#include "framework/wnd.h"

class CButton : public CWnd
{
  public:
    CButton();
    ~CButton() override;

    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    UINT GetButtonStyle() const;

    // Owner-drawn buttons paint here; the parent's WM_DRAWITEM is reflected to it.
    virtual void DrawItem(DRAWITEMSTRUCT* pDrawItemStruct);

  protected:
    const MessageMap* GetMessageMap() const override;
};

class CStatic : public CWnd
{
  public:
    CStatic();
    ~CStatic() override;

    HBITMAP SetBitmap(HBITMAP hBitmap);
    HICON SetIcon(HICON hIcon);
};

class CEdit : public CWnd
{
  public:
    CEdit();
    ~CEdit() override;

    void SetLimitText(UINT nMax);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(const char* text, BOOL bCanUndo = FALSE);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
};

class CComboBox : public CWnd
{
  public:
    CComboBox();
    ~CComboBox() override;

    void ResetContent();
    int AddString(const char* text);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int GetLBText(int nIndex, char* buffer) const; // buffer holds GetLBTextLen + 1
    int GetLBTextLen(int nIndex) const;
};

class CProgressCtrl : public CWnd
{
  public:
    CProgressCtrl();
    ~CProgressCtrl() override;

    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    int SetPos(int nPos);
    int GetPos() const;
};

// A tooltip window owned by a control or dialog. Its tools use the TOOLINFO layout that every
// common-controls version accepts.
class CToolTipCtrl : public CWnd
{
  public:
    CToolTipCtrl();
    ~CToolTipCtrl() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // A tool covering rect of pWnd's client area (the whole client area when rect is null).
    BOOL AddTool(CWnd* pWnd, const char* text, const RECT* rect = nullptr, UINT_PTR nIDTool = 0);
    void UpdateTipText(const char* text, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(char* buffer, int bufferSize, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, const RECT* rect);
    void Activate(BOOL bActivate);
    int SetMaxTipWidth(int nWidth);
    void RelayEvent(MSG* pMsg);
    void Pop();
    void Update();
};
