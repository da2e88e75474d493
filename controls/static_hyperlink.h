#pragma once

// A static text that behaves as a link: hand cursor, its own colour under the mouse, an
// optional tooltip, and on a click either the browser on its address or, in notify mode, a
// WM_LINK_CLICKED message to its parent.

#include <windows.h>

#include <string>

#include "framework/control_wrappers.h"
#include "framework/gdi.h"

// Sent to the parent of a link in notify mode when it is clicked: wParam = the link's control
// id, lParam = 0.
constexpr UINT WM_LINK_CLICKED = WM_USER + 101;

class CStaticHyperLink : public CStatic
{
  public:
    CStaticHyperLink();
    ~CStaticHyperLink() override;

    void SetLinkUrl(const char* address);
    // Only once the owner has set m_bTipEnabled; before that the text is dropped.
    void SetLinkTipText(const char* text);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    BYTE m_bNotifyParent;
    HCURSOR m_hLinkCursor;
    BYTE m_bTipEnabled;
    BYTE m_bMouseOver;
    CFont m_fontLink;
    CToolTipCtrl m_wndLinkTip;
    std::string m_strUrl;
    COLORREF m_clrLinkHover;
    COLORREF m_clrLink;

    // The link's single tool in m_wndLinkTip.
    static constexpr UINT_PTR kTipToolId = 1001;

  protected:
    void PreSubclassWindow() override;

    bool OnMouseMove(WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    void OnClicked();
    HBRUSH CtlColor(HDC hDC, UINT ctlType);

    const MessageMap* GetMessageMap() const override;

  private:
    void SetMouseOver(bool bOver);
    void RedrawOverParent();
};
