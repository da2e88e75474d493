#include "framework/control_wrappers.h"

CButton::CButton() = default;
CButton::~CButton() = default;

int CButton::GetCheck() const
{
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int nCheck)
{
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

UINT CButton::GetState() const
{
    return static_cast<UINT>(SendMessage(BM_GETSTATE));
}

void CButton::SetState(BOOL bHighlight)
{
    SendMessage(BM_SETSTATE, static_cast<WPARAM>(bHighlight));
}

UINT CButton::GetButtonStyle() const
{
    return GetStyle() & 0xFFFF;
}

void CButton::DrawItem(DRAWITEMSTRUCT*) {}

const MessageMap* CButton::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnDrawItemReflect<&CButton::DrawItem>(),
    };
    static const MessageMap map(CWnd::GetMessageMap(), entries);
    return &map;
}

CStatic::CStatic() = default;
CStatic::~CStatic() = default;

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    return reinterpret_cast<HBITMAP>(
        SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HICON CStatic::SetIcon(HICON hIcon)
{
    return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
}

CEdit::CEdit() = default;
CEdit::~CEdit() = default;

void CEdit::SetLimitText(UINT nMax)
{
    SendMessage(EM_SETLIMITTEXT, nMax);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
}

void CEdit::ReplaceSel(const char* text, BOOL bCanUndo)
{
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(text));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly)));
}

CComboBox::CComboBox() = default;
CComboBox::~CComboBox() = default;

void CComboBox::ResetContent()
{
    SendMessage(CB_RESETCONTENT);
}

int CComboBox::AddString(const char* text)
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::GetCount() const
{
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int CComboBox::GetCurSel() const
{
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int nSelect)
{
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}

int CComboBox::GetLBText(int nIndex, char* buffer) const
{
    return static_cast<int>(
        SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer)));
}

int CComboBox::GetLBTextLen(int nIndex) const
{
    return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
}

CProgressCtrl::CProgressCtrl() = default;
CProgressCtrl::~CProgressCtrl() = default;

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}

void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}

int CProgressCtrl::SetPos(int nPos)
{
    return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos)));
}

int CProgressCtrl::GetPos() const
{
    return static_cast<int>(SendMessage(PBM_GETPOS));
}

namespace
{
TTTOOLINFOA MakeToolInfo(const CWnd* pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE; // the layout that common controls 5 and 6 both accept
    info.hwnd = pWnd ? pWnd->m_hWnd : nullptr;
    info.uId = nIDTool;
    return info;
}
} // namespace

CToolTipCtrl::CToolTipCtrl() = default;
CToolTipCtrl::~CToolTipCtrl() = default;

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | dwStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const char* text, const RECT* rect, UINT_PTR nIDTool)
{
    TTTOOLINFOA info = MakeToolInfo(pWnd, nIDTool);
    // No TTF_SUBCLASS: the owner relays its mouse messages (RelayEvent) where it wants them.
    if (rect)
        info.rect = *rect;
    else if (pWnd)
        pWnd->GetClientRect(&info.rect);
    info.lpszText = const_cast<char*>(text ? text : "");
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOA info = MakeToolInfo(pWnd, nIDTool);
    info.lpszText = const_cast<char*>(text ? text : "");
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::GetText(char* buffer, int bufferSize, CWnd* pWnd, UINT_PTR nIDTool) const
{
    // TTM_GETTEXTA has no size: the caller's buffer must hold 80 characters, the tool limit.
    if (bufferSize < 80)
        return;
    buffer[0] = '\0';
    TTTOOLINFOA info = MakeToolInfo(pWnd, nIDTool);
    info.lpszText = buffer;
    SendMessage(TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, const RECT* rect)
{
    TTTOOLINFOA info = MakeToolInfo(pWnd, nIDTool);
    info.rect = *rect;
    SendMessage(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate));
}

int CToolTipCtrl::SetMaxTipWidth(int nWidth)
{
    return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, nWidth));
}

void CToolTipCtrl::RelayEvent(MSG* pMsg)
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}

void CToolTipCtrl::Pop()
{
    SendMessage(TTM_POP);
}

void CToolTipCtrl::Update()
{
    SendMessage(TTM_UPDATE);
}
