#include "controls/static_hyperlink.h"

#include <windowsx.h>

#include "controls/browser_launch.h"

CStaticHyperLink::CStaticHyperLink()
    : m_bNotifyParent(0), m_hLinkCursor(nullptr), m_bTipEnabled(0), m_bMouseOver(0),
      m_clrLinkHover(RGB(255, 0, 0)), m_clrLink(RGB(0, 0, 0))
{
}

CStaticHyperLink::~CStaticHyperLink()
{
    if (m_wndLinkTip.m_hWnd)
        m_wndLinkTip.DestroyWindow();
    // A link window that outlives this object must not keep drawing with the font freed below.
    if (m_hWnd && GetFont() == static_cast<HFONT>(m_fontLink))
        SetFont(nullptr, FALSE);
}

void CStaticHyperLink::SetLinkUrl(const char* address)
{
    m_strUrl = address ? address : "";
}

void CStaticHyperLink::SetLinkTipText(const char* text)
{
    if (m_bTipEnabled && m_wndLinkTip.m_hWnd)
        m_wndLinkTip.UpdateTipText(text, this, kTipToolId);
}

void CStaticHyperLink::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    // A dialog shown again binds its link again: start from a link the mouse is not over.
    m_bMouseOver = 0;

    ModifyStyle(0, SS_NOTIFY);

    LOGFONTA logFont = {};
    HFONT current = GetFont();
    if (!current)
        current = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (::GetObjectA(current, sizeof logFont, &logFont))
    {
        logFont.lfUnderline = 1;
        m_fontLink.CreateFontIndirect(&logFont);
        SetFont(m_fontLink, TRUE);
    }

    m_hLinkCursor = ::LoadCursor(nullptr, IDC_HAND);

    if (m_wndLinkTip.m_hWnd)
        m_wndLinkTip.DestroyWindow();
    if (m_wndLinkTip.Create(this, TTS_ALWAYSTIP))
    {
        m_wndLinkTip.AddTool(this, "", nullptr, kTipToolId);
        m_wndLinkTip.ShowWindow(SW_HIDE);
    }
}

BOOL CStaticHyperLink::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndLinkTip.m_hWnd)
        m_wndLinkTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

void CStaticHyperLink::SetMouseOver(bool bOver)
{
    m_bMouseOver = bOver ? 1 : 0;
    RedrawOverParent();
}

void CStaticHyperLink::RedrawOverParent()
{
    // The link paints no background of its own, so redrawing only the link would draw the new
    // text over the old one; the parent and the siblings beneath (a background picture) first
    // paint the area again.
    HWND parent = GetParentHwnd();
    if (!parent)
    {
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    }
    RECT rect;
    GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    ::RedrawWindow(parent, &rect, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool CStaticHyperLink::OnMouseMove(WPARAM, LPARAM lParam, LRESULT& result)
{
    result = Default();
    if (m_bMouseOver)
    {
        RECT client;
        GetClientRect(&client);
        const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (!::PtInRect(&client, point))
        {
            // Cleared before the capture goes, so the capture-changed handler has nothing to do.
            m_bMouseOver = 0;
            ::ReleaseCapture();
            SetMouseOver(false);
        }
    }
    else
    {
        SetMouseOver(true);
        // Holding the capture is how the link sees the mouse leave.
        SetCapture();
    }
    return true;
}

LRESULT CStaticHyperLink::OnSetCursor(WPARAM, LPARAM)
{
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

LRESULT CStaticHyperLink::OnSetFont(WPARAM, LPARAM lParam)
{
    // The control redraws itself over its old text; redraw with what lies beneath instead.
    const LRESULT result = Default();
    if (LOWORD(lParam) && IsWindowVisible())
        RedrawOverParent();
    return result;
}

LRESULT CStaticHyperLink::OnCaptureChanged(WPARAM, LPARAM)
{
    // Another window took the mouse (a dialog opened by the click, a menu, another program):
    // the link would never see the mouse leave and would stay in its hover colour.
    if (m_bMouseOver)
        SetMouseOver(false);
    return Default();
}

void CStaticHyperLink::OnClicked()
{
    if (m_bNotifyParent)
        ::SendMessageA(GetParentHwnd(), WM_LINK_CLICKED, static_cast<WPARAM>(GetDlgCtrlID()), 0);
    else
        OpenUrlInBrowser(m_strUrl.c_str());
    // The parent may have closed the window while it handled the click.
    if (m_hWnd)
        RedrawOverParent();
}

HBRUSH CStaticHyperLink::CtlColor(HDC hDC, UINT)
{
    ::SetTextColor(hDC, m_bMouseOver ? m_clrLinkHover : m_clrLink);
    ::SetBkMode(hDC, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

const MessageMap* CStaticHyperLink::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnMessage<&CStaticHyperLink::OnMouseMove>(WM_MOUSEMOVE),
        OnMessage<&CStaticHyperLink::OnSetCursor>(WM_SETCURSOR),
        OnMessage<&CStaticHyperLink::OnCaptureChanged>(WM_CAPTURECHANGED),
        OnMessage<&CStaticHyperLink::OnSetFont>(WM_SETFONT),
        OnCommandReflect<&CStaticHyperLink::OnClicked>(STN_CLICKED),
        OnCtlColorReflect<&CStaticHyperLink::CtlColor>(),
    };
    static const MessageMap map(CStatic::GetMessageMap(), entries);
    return &map;
}
