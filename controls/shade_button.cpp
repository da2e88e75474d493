#include "controls/shade_button.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "framework/display_scale.h"

namespace
{
// The label is read like every other window text of the product.
constexpr int kLabelBufferSize = 1000;
constexpr int kTipMaxWidth = 300;
constexpr int kFocusInset = 4;

void SetMixedPalette(CShadeImage& image, COLORREF shadow, COLORREF face, COLORREF highlight)
{
    auto mix = [](COLORREF to, COLORREF from, int i, int index, CShadeImage& img)
    {
        img.SetPaletteEntry(
            index, static_cast<BYTE>((GetRValue(to) * i + GetRValue(from) * (128 - i)) / 128),
            static_cast<BYTE>((GetGValue(to) * i + GetGValue(from) * (128 - i)) / 128),
            static_cast<BYTE>((GetBValue(to) * i + GetBValue(from) * (128 - i)) / 128));
    };
    for (int i = 0; i <= 128; ++i)
        mix(face, shadow, i, i, image);
    for (int i = 1; i <= 128; ++i)
        mix(highlight, face, i, 127 + i, image);
}

// Every control of the dialog group that holds hCtl, in template order: from the control with
// WS_GROUP at or before it up to the next one with WS_GROUP. GetNextDlgGroupItem would skip
// hidden and disabled members, so a checked one of those would stay checked, and a walk that
// starts from a hidden or disabled button never comes back to it.
std::vector<HWND> GroupMembers(HWND hCtl)
{
    HWND hFirst = hCtl;
    while (!(::GetWindowLongA(hFirst, GWL_STYLE) & WS_GROUP))
    {
        HWND hPrevious = ::GetWindow(hFirst, GW_HWNDPREV);
        if (!hPrevious)
            break;
        hFirst = hPrevious;
    }
    std::vector<HWND> members;
    for (HWND hMember = hFirst; hMember; hMember = ::GetWindow(hMember, GW_HWNDNEXT))
    {
        if (hMember != hFirst && (::GetWindowLongA(hMember, GWL_STYLE) & WS_GROUP))
            break;
        members.push_back(hMember);
    }
    return members;
}

// A one-pixel frame: top and left lines in one colour, right and bottom in the other.
void Draw3dRect(HDC hDC, const RECT& rc, COLORREF topLeft, COLORREF bottomRight)
{
    auto fill = [hDC](LONG left, LONG top, LONG right, LONG bottom, COLORREF colour)
    {
        const RECT line = {left, top, right, bottom};
        const COLORREF previous = SetBkColor(hDC, colour);
        ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
        SetBkColor(hDC, previous);
    };
    fill(rc.left, rc.top, rc.right - 1, rc.top + 1, topLeft);
    fill(rc.left, rc.top, rc.left + 1, rc.bottom - 1, topLeft);
    fill(rc.right - 1, rc.top, rc.right, rc.bottom, bottomRight);
    fill(rc.left, rc.bottom - 1, rc.right, rc.bottom, bottomRight);
}

void FillFace(HDC hDC, const RECT& rc)
{
    FillRect(hDC, &rc, GetSysColorBrush(COLOR_BTNFACE));
}
} // namespace

CShadeButton::CShadeButton()
    : m_pLabelLogFont(nullptr), m_bChecked(0), m_bPushLike(0), m_nKind(SHADE_PUSH), m_bHover(0),
      m_bLButtonDown(0), m_nFocusInset(kFocusInset), m_clrLabel(GetSysColor(COLOR_BTNTEXT)),
      m_clrLabelHover(GetSysColor(COLOR_BTNTEXT)), m_bFrame(1), m_hIconNormal(nullptr),
      m_hIconPressed(nullptr), m_hIconHover(nullptr), m_hIconDisabled(nullptr), m_rcIcon{},
      m_nTextFormat(DT_SINGLELINE | DT_VCENTER | DT_CENTER), m_bFlat(0)
{
}

CShadeButton::~CShadeButton()
{
    m_fontLabel.DeleteObject();
    delete m_pLabelLogFont;
    DestroyIcons();
    if (m_wndTip.IsWindow())
        m_wndTip.DestroyWindow();
}

void CShadeButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    const DWORD style = GetStyle();
    m_bFlat = (style & BS_FLAT) ? 1 : 0;
    m_bPushLike = (style & BS_PUSHLIKE) ? 1 : 0;

    m_nTextFormat = DT_SINGLELINE | DT_VCENTER;
    switch (style & BS_CENTER)
    {
    case BS_LEFT:
        m_nTextFormat |= DT_LEFT;
        break;
    case BS_RIGHT:
        m_nTextFormat |= DT_RIGHT;
        break;
    default:
        m_nTextFormat |= DT_CENTER;
        break;
    }

    const DWORD type = style & 0xFFFF;
    if ((type & 3) == 3)
        m_nKind = SHADE_CHECK;
    else if ((type & 9) == 9)
        m_nKind = SHADE_RADIO;
    else
    {
        m_nKind = SHADE_PUSH;
        m_bPushLike = 1;
    }
    if (!m_bPushLike)
        m_bFrame = 0;

    ModifyStyle(0, BS_OWNERDRAW);
}

BOOL CShadeButton::SetLabelFont(const char* faceName, LONG height, LONG weight, BYTE italic,
                                BYTE underline)
{
    if (!m_pLabelLogFont)
    {
        m_pLabelLogFont = new (std::nothrow) LOGFONTA();
        if (!m_pLabelLogFont)
            return FALSE;
    }
    std::memset(m_pLabelLogFont->lfFaceName, 0, sizeof m_pLabelLogFont->lfFaceName);
    if (faceName)
        std::strncpy(m_pLabelLogFont->lfFaceName, faceName, LF_FACESIZE - 1);
    m_pLabelLogFont->lfHeight = height;
    m_pLabelLogFont->lfWeight = weight;
    m_pLabelLogFont->lfItalic = italic;
    m_pLabelLogFont->lfUnderline = underline;
    m_fontLabel.DeleteObject();
    return m_fontLabel.CreateFontIndirect(m_pLabelLogFont);
}

const std::string& CShadeButton::GetTipTextToShow() const
{
    return m_bChecked && !m_strTipChecked.empty() ? m_strTipChecked : m_strTip;
}

void CShadeButton::SetTipTexts(const char* text, const char* checkedText)
{
    m_strTip = text ? text : "";
    m_strTipChecked = checkedText ? checkedText : "";
    if (m_wndTip.IsWindow())
    {
        m_wndTip.UpdateTipText(GetTipTextToShow().c_str(), this);
        return;
    }
    if (!m_wndTip.Create(this))
        return;
    if (m_wndTip.AddTool(this, GetTipTextToShow().c_str()))
    {
        m_wndTip.Activate(TRUE);
        m_wndTip.SetMaxTipWidth(ScaleForDpi(kTipMaxWidth, GetWindowDpi(m_hWnd)));
    }
}

void CShadeButton::RelayTipEvent(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_wndTip.IsWindow())
        return;
    MSG msg = {};
    msg.hwnd = m_hWnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = 0;
    msg.pt.x = GET_X_LPARAM(lParam);
    msg.pt.y = GET_Y_LPARAM(lParam);
    m_wndTip.RelayEvent(&msg);
}

void CShadeButton::BuildShadeImages()
{
    // The focus rectangle's inset and the label's margin follow the display scale.
    m_nFocusInset = static_cast<short>(ScaleForDpi(kFocusInset, GetWindowDpi(m_hWnd)));
    RECT rc = {};
    GetWindowRect(&rc);
    BuildShadeImages(rc.right - rc.left, rc.bottom - rc.top, GetSysColor(COLOR_BTNSHADOW),
                     GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT), &std::rand);
}

void CShadeButton::BuildShadeImages(int width, int height, COLORREF shadow, COLORREF face,
                                    COLORREF highlight, ShadeNoiseSource nextRandom)
{
    const int m = m_nFocusInset;
    m_imgFocusH.Create(std::max(width - 2 * m - 1, 1), 1);
    m_imgFocusV.Create(1, std::max(height - 2 * m, 1));
    if (!m_imgNormal.Create(width, height))
        return;
    SetMixedPalette(m_imgFocusH, shadow, face, highlight);
    SetMixedPalette(m_imgFocusV, shadow, face, highlight);
    SetMixedPalette(m_imgNormal, shadow, face, highlight);
    m_imgNormal.BlendPalette(RGB(255, 255, 255), 5);

    // Dotted lines: shadow and highlight pixels in turn.
    for (int x = 0; x < m_imgFocusH.GetWidth(); ++x)
        m_imgFocusH.SetPixelIndex(x, 0, (x & 1) ? 255 : 0);
    for (int y = 0; y < m_imgFocusV.GetHeight(); ++y)
        m_imgFocusV.SetPixelIndex(0, y, (y & 1) ? 255 : 0);

    // A cubic bump: flat in the middle, lit at the top left, shaded at the bottom right.
    for (int y = 0; y < height; ++y)
    {
        const int a = (255 * y) / height - 127;
        const int ky = a * a * a / 16384;
        for (int x = 0; x < width; ++x)
        {
            const int b = (255 * (width - x)) / width - 127;
            const int kx = b * b * b / 16384;
            int v = (ky + kx) * 120 / 128 + 128;
            v = std::min(std::max(v, 8), 247);
            v += nextRandom() / 2047 - 8;
            m_imgNormal.SetPixelIndex(x, y, static_cast<BYTE>(v));
        }
    }

    m_imgDisabled.CopyFrom(m_imgNormal);
    m_imgHover.CopyFrom(m_imgNormal);
    m_imgHover.BlendPalette(highlight, 20);
    m_imgPressed.CopyFrom(m_imgHover);
}

void CShadeButton::DestroyIcons()
{
    if (m_hIconPressed && m_hIconPressed != m_hIconNormal)
        DestroyIcon(m_hIconPressed);
    if (m_hIconHover && m_hIconHover != m_hIconNormal)
        DestroyIcon(m_hIconHover);
    if (m_hIconDisabled)
        DestroyIcon(m_hIconDisabled);
    if (m_hIconNormal)
        DestroyIcon(m_hIconNormal);
    m_hIconNormal = m_hIconPressed = m_hIconHover = m_hIconDisabled = nullptr;
}

void CShadeButton::LoadButtonIcons(UINT normalId, UINT disabledId, UINT hoverId, int xOffset)
{
    DestroyIcons();
    // Each icon at the size that suits the button's display scale.
    const UINT dpi = GetWindowDpi(m_hWnd);
    auto load = [dpi](UINT id) { return LoadIconForDpi(id, dpi); };
    m_hIconNormal = load(normalId);
    if (!m_hIconNormal)
        return;

    ICONINFO info = {};
    if (GetIconInfo(m_hIconNormal, &info))
    {
        RECT window = {};
        GetWindowRect(&window);
        const int hotX = static_cast<int>(info.xHotspot);
        const int hotY = static_cast<int>(info.yHotspot);
        SetRect(&m_rcIcon, 0, 0, 2 * hotX, 2 * hotY);
        OffsetRect(&m_rcIcon, m_nFocusInset + ScaleForDpi(xOffset, dpi),
                   std::max(static_cast<int>(window.bottom - window.top) / 2 - hotY, 0));
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
    }

    m_hIconPressed = m_hIconNormal;
    m_hIconHover = hoverId ? load(hoverId) : nullptr;
    if (!m_hIconHover)
        m_hIconHover = m_hIconNormal;
    m_hIconDisabled = disabledId ? load(disabledId) : nullptr;
}

void CShadeButton::DrawIconAt(HDC hDC, HICON hIcon, int dx, int dy) const
{
    if (!hIcon)
        return;
    int x = m_rcIcon.left;
    int y = m_rcIcon.top;
    ICONINFO info = {};
    if (GetIconInfo(hIcon, &info))
    {
        x = (m_rcIcon.left + m_rcIcon.right) / 2 - static_cast<int>(info.xHotspot);
        y = (m_rcIcon.top + m_rcIcon.bottom) / 2 - static_cast<int>(info.yHotspot);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
    }
    DrawIconEx(hDC, x + dx, y + dy, hIcon, 0, 0, 0, nullptr, DI_NORMAL);
}

bool CShadeButton::IsUnderCursorPoint(POINT screenPoint) const
{
    return WindowFromPoint(screenPoint) == m_hWnd;
}

void CShadeButton::DrawItem(DRAWITEMSTRUCT* item)
{
    // While the left button is held, the pushed look follows the cursor; the state change
    // repaints the button.
    POINT cursor;
    if (m_bLButtonDown && GetCapture() == m_hWnd && GetCursorPos(&cursor))
    {
        const bool over = IsUnderCursorPoint(cursor);
        const bool pushed = (GetState() & BST_PUSHED) != 0;
        if (over && !pushed)
        {
            SetState(TRUE);
            return;
        }
        if (!over && pushed)
        {
            SetState(FALSE);
            return;
        }
    }

    char label[kLabelBufferSize] = "";
    GetWindowText(label, sizeof label);

    // The face is composed off-screen at (0, 0) and copied in one piece, so it never flickers.
    const int width = item->rcItem.right - item->rcItem.left;
    const int height = item->rcItem.bottom - item->rcItem.top;
    RECT rc = {0, 0, width, height};
    const int m = m_nFocusInset;
    CMemoryDC mem(CreateCompatibleDC(item->hDC));
    if (!mem)
        return;
    HDC hMem = mem;
    CBitmap face;
    face.CreateCompatibleBitmap(item->hDC, width, height);
    CScopedSelection faceSelection(hMem, face);
    SetBkMode(hMem, TRANSPARENT);
    const bool ownFont = m_fontLabel.GetSafeHandle() != nullptr;
    CScopedSelection fontSelection(hMem, ownFont ? m_fontLabel.GetSafeHandle()
                                                 : GetStockObject(DEFAULT_GUI_FONT));

    RECT rcLabel = {rc.left + m + 2, rc.top, rc.right - m - 2, rc.bottom};
    if (m_hIconNormal)
        rcLabel.left += m_rcIcon.right - m_rcIcon.left;

    if (item->itemState & ODS_DISABLED)
    {
        if (!m_imgDisabled.Draw(hMem, 0, 0))
            FillFace(hMem, rc);
        if (m_hIconDisabled)
            DrawIconAt(hMem, m_hIconDisabled, 0, 0);
        else if (m_hIconNormal)
            DrawStateA(hMem, nullptr, nullptr, reinterpret_cast<LPARAM>(m_hIconNormal), 0,
                       m_rcIcon.left, m_rcIcon.top, 0, 0, DST_ICON | DSS_DISABLED);
        if (m_bFrame && !m_bFlat)
            DrawEdge(hMem, &rc, EDGE_RAISED, BF_RECT);
        // Engraved: a highlight line under a grey label.
        SetTextColor(hMem, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(hMem, label, -1, &rcLabel, m_nTextFormat);
        OffsetRect(&rcLabel, -1, -1);
        SetTextColor(hMem, GetSysColor(COLOR_GRAYTEXT));
        DrawTextA(hMem, label, -1, &rcLabel, m_nTextFormat);
    }
    else
    {
        if ((item->itemState & ODS_SELECTED) || m_bChecked)
        {
            if (!m_imgPressed.Draw(hMem, m_bFrame, m_bFrame))
                FillFace(hMem, rc);
            const int shift = m_bPushLike ? 1 : 0;
            DrawIconAt(hMem, m_hIconPressed, shift, shift);
            OffsetRect(&rcLabel, shift, shift);
            if (m_bFrame)
            {
                if (m_bFlat)
                    Draw3dRect(hMem, rc, GetSysColor(COLOR_BTNSHADOW),
                               GetSysColor(COLOR_BTNHIGHLIGHT));
                else
                    DrawEdge(hMem, &rc, EDGE_SUNKEN, BF_RECT);
            }
        }
        else
        {
            const CShadeImage& face = m_bHover && m_imgHover.IsCreated() ? m_imgHover : m_imgNormal;
            if (!face.Draw(hMem, 0, 0))
                FillFace(hMem, rc);
            DrawIconAt(hMem, m_bHover && m_hIconHover ? m_hIconHover : m_hIconNormal, 0, 0);
            if (m_bFrame && (m_bHover || !m_bFlat))
            {
                if (item->itemState & ODS_DEFAULT)
                {
                    DrawEdge(hMem, &rc, EDGE_SUNKEN, BF_RECT);
                    InflateRect(&rc, -1, -1);
                    DrawEdge(hMem, &rc, EDGE_RAISED, BF_RECT);
                }
                else if (m_bFlat)
                    Draw3dRect(hMem, rc, GetSysColor(COLOR_BTNHIGHLIGHT),
                               GetSysColor(COLOR_BTNSHADOW));
                else
                    DrawEdge(hMem, &rc, EDGE_RAISED, BF_RECT);
            }
        }

        if ((item->itemState & ODS_FOCUS) && m > 0)
        {
            InflateRect(&rc, -m, -m);
            m_imgFocusH.Draw(hMem, rc.left + 1, rc.top);
            m_imgFocusH.Draw(hMem, rc.left + 1, rc.bottom);
            m_imgFocusV.Draw(hMem, rc.left, rc.top + 1);
            m_imgFocusV.Draw(hMem, rc.right, rc.top + 1);
        }
        SetTextColor(hMem, m_bHover ? m_clrLabelHover : m_clrLabel);
        DrawTextA(hMem, label, -1, &rcLabel, m_nTextFormat);
    }

    BitBlt(item->hDC, item->rcItem.left, item->rcItem.top, width, height, hMem, 0, 0, SRCCOPY);
}

LRESULT CShadeButton::OnEraseBkgnd(WPARAM, LPARAM)
{
    return TRUE;
}

LRESULT CShadeButton::OnLButtonDown(WPARAM wParam, LPARAM lParam)
{
    RelayTipEvent(WM_LBUTTONDOWN, wParam, lParam);
    if (m_bHover)
    {
        TRACKMOUSEEVENT track = {sizeof track, TME_CANCEL | TME_LEAVE, m_hWnd, 0};
        if (_TrackMouseEvent(&track))
            m_bHover = 0;
    }
    Default();
    m_bLButtonDown = 1;
    return 0;
}

LRESULT CShadeButton::OnLButtonDblClk(WPARAM wParam, LPARAM lParam)
{
    // A quick second click is a second press, not a double click.
    SendMessage(WM_LBUTTONDOWN, wParam, lParam);
    return 0;
}

LRESULT CShadeButton::OnLButtonUp(WPARAM wParam, LPARAM lParam)
{
    if (m_nKind == SHADE_CHECK || m_nKind == SHADE_RADIO)
    {
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(&point);
        // The check changes before the parent hears of the click.
        if (IsUnderCursorPoint(point) && m_bLButtonDown)
            SendMessage(BM_SETCHECK, m_nKind == SHADE_CHECK ? !m_bChecked : 1);
    }
    if (m_wndTip.IsWindow())
        m_wndTip.Update();
    RelayTipEvent(WM_LBUTTONUP, wParam, lParam);
    m_bLButtonDown = 0;
    return Default();
}

LRESULT CShadeButton::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    RelayTipEvent(WM_MOUSEMOVE, wParam, lParam);
    if (m_bLButtonDown && GetCapture() == m_hWnd)
    {
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(&point);
        const bool over = IsUnderCursorPoint(point);
        const bool pushed = (GetState() & BST_PUSHED) != 0;
        if (over != pushed)
        {
            SetState(over ? TRUE : FALSE);
            Invalidate(TRUE);
        }
    }
    else if (!m_bHover)
    {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, 0};
        if (_TrackMouseEvent(&track))
        {
            m_bHover = 1;
            Invalidate(TRUE);
        }
    }
    return Default();
}

LRESULT CShadeButton::OnMouseLeave(WPARAM, LPARAM)
{
    m_bHover = 0;
    Invalidate(TRUE);
    return 0;
}

LRESULT CShadeButton::OnKillFocus(WPARAM, LPARAM)
{
    if (GetCapture() == m_hWnd)
    {
        ReleaseCapture();
        m_bLButtonDown = 0;
    }
    return Default();
}

LRESULT CShadeButton::OnKeyDown(WPARAM wParam, LPARAM)
{
    if (wParam == VK_SPACE && (m_nKind == SHADE_CHECK || m_nKind == SHADE_RADIO))
        SendMessage(BM_SETCHECK, m_nKind == SHADE_CHECK ? !m_bChecked : 1);
    return Default();
}

LRESULT CShadeButton::OnSetCheck(WPARAM wParam, LPARAM)
{
    m_bChecked = wParam != 0 ? 1 : 0;
    if (m_nKind == SHADE_PUSH)
        m_bChecked = 0; // push buttons never stay checked
    else if (m_nKind == SHADE_RADIO && wParam != 0)
    {
        for (HWND hMember : GroupMembers(m_hWnd))
        {
            if (hMember != m_hWnd)
                ::PostMessageA(hMember, WM_SHADEBUTTON_UNCHECK, 0, 0);
        }
    }
    if (m_wndTip.IsWindow())
    {
        m_wndTip.Pop();
        m_wndTip.UpdateTipText(GetTipTextToShow().c_str(), this);
    }
    Invalidate(TRUE);
    return 0;
}

LRESULT CShadeButton::OnGetCheck(WPARAM, LPARAM)
{
    return m_bChecked;
}

LRESULT CShadeButton::OnUncheck(WPARAM, LPARAM)
{
    if (m_bChecked)
    {
        m_bChecked = 0;
        if (m_wndTip.IsWindow())
            m_wndTip.UpdateTipText(m_strTip.c_str(), this);
        Invalidate(TRUE);
    }
    return 0;
}

const MessageMap* CShadeButton::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnMessage<&CShadeButton::OnEraseBkgnd>(WM_ERASEBKGND),
        OnMessage<&CShadeButton::OnLButtonDown>(WM_LBUTTONDOWN),
        OnMessage<&CShadeButton::OnLButtonDblClk>(WM_LBUTTONDBLCLK),
        OnMessage<&CShadeButton::OnLButtonUp>(WM_LBUTTONUP),
        OnMessage<&CShadeButton::OnMouseMove>(WM_MOUSEMOVE),
        OnMessage<&CShadeButton::OnMouseLeave>(WM_MOUSELEAVE),
        OnMessage<&CShadeButton::OnKillFocus>(WM_KILLFOCUS),
        OnMessage<&CShadeButton::OnKeyDown>(WM_KEYDOWN),
        OnMessage<&CShadeButton::OnSetCheck>(BM_SETCHECK),
        OnMessage<&CShadeButton::OnGetCheck>(BM_GETCHECK),
        OnMessage<&CShadeButton::OnUncheck>(WM_SHADEBUTTON_UNCHECK),
    };
    static const MessageMap map(CButton::GetMessageMap(), entries);
    return &map;
}
