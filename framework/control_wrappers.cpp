#include "framework/control_wrappers.h"

CButton::~CButton() = default;

void CButton::DrawItem(DRAWITEMSTRUCT*) {}

const MessageMap* CButton::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnDrawItemReflect<&CButton::DrawItem>(),
    };
    static const MessageMap map(CWnd::GetMessageMap(), entries);
    return &map;
}

CStatic::~CStatic() = default;
CEdit::~CEdit() = default;
CComboBox::~CComboBox() = default;
CProgressCtrl::~CProgressCtrl() = default;

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
