#include "controls/header_ctrl_ex.h"

#include <commctrl.h>

CHeaderCtrlEx::CHeaderCtrlEx() : m_nHeight(20), m_bSubclassed(0) {}

CHeaderCtrlEx::~CHeaderCtrlEx() = default;

void CHeaderCtrlEx::SetHeight(int nHeight)
{
    m_nHeight = nHeight;
}

bool CHeaderCtrlEx::OnLayout(WPARAM, LPARAM lParam, LRESULT& result)
{
    // The stock layout places the header for its font; only its height is replaced.
    result = Default();
    auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
    if (layout && layout->pwpos && layout->prc)
    {
        layout->pwpos->cy = m_nHeight;
        layout->prc->top = m_nHeight;
    }
    return true;
}

const MessageMap* CHeaderCtrlEx::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnMessage<&CHeaderCtrlEx::OnLayout>(HDM_LAYOUT),
    };
    static const MessageMap map(CHeaderCtrl::GetMessageMap(), entries);
    return &map;
}
