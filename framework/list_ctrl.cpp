#include "framework/list_ctrl.h"

#include <cstring>

#include "framework/gdi.h"

CHeaderCtrl::CHeaderCtrl() = default;
CHeaderCtrl::~CHeaderCtrl() = default;

int CHeaderCtrl::GetItemCount() const
{
    return static_cast<int>(SendMessage(HDM_GETITEMCOUNT));
}

BOOL CHeaderCtrl::GetItem(int nPos, HDITEMA* pHeaderItem) const
{
    return static_cast<BOOL>(SendMessage(HDM_GETITEMA, static_cast<WPARAM>(nPos),
                                         reinterpret_cast<LPARAM>(pHeaderItem)));
}

BOOL CHeaderCtrl::SetItem(int nPos, HDITEMA* pHeaderItem)
{
    return static_cast<BOOL>(SendMessage(HDM_SETITEMA, static_cast<WPARAM>(nPos),
                                         reinterpret_cast<LPARAM>(pHeaderItem)));
}

CListCtrl::CListCtrl() = default;
CListCtrl::~CListCtrl() = default;

DWORD CListCtrl::GetExtendedStyle() const
{
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
}

int CListCtrl::InsertColumn(int nCol, const char* heading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_TEXT;
    column.fmt = nFormat;
    column.pszText = const_cast<char*>(heading);
    if (nWidth >= 0)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem >= 0)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(nCol),
                                        reinterpret_cast<LPARAM>(&column)));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), cx));
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)));
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

int CListCtrl::InsertItem(int nItem, const char* text, int nImage)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<char*>(text);
    if (nImage >= 0)
    {
        item.mask |= LVIF_IMAGE;
        item.iImage = nImage;
    }
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(nItem)));
}

BOOL CListCtrl::DeleteAllItems()
{
    return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const char* text)
{
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<char*>(text);
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

int CListCtrl::GetItemText(int nItem, int nSubItem, char* buffer, int bufferSize) const
{
    if (bufferSize <= 0)
        return 0;
    buffer[0] = '\0';
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = buffer;
    item.cchTextMax = bufferSize;
    SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item));
    // A text longer than the buffer can come back filling it without a terminator (Wine's
    // narrow conversion does), and the count then runs past the buffer's end: cut it here.
    buffer[bufferSize - 1] = '\0';
    return static_cast<int>(std::strlen(buffer));
}

BOOL CListCtrl::GetItem(LVITEMA* pItem) const
{
    return static_cast<BOOL>(SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CListCtrl::SetItem(const LVITEMA* pItem)
{
    return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = static_cast<LPARAM>(dwData);
    return SetItem(&item);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), nMask));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item = {};
    item.state = nState;
    item.stateMask = nMask;
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), nFlags));
}

UINT CListCtrl::GetSelectedCount() const
{
    return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT));
}

BOOL CListCtrl::GetItemRect(int nItem, RECT* rect, UINT nCode) const
{
    rect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(
        SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(rect)));
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast)
{
    return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), nLast));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(dwData),
                                         reinterpret_cast<LPARAM>(pfnCompare)));
}

HIMAGELIST CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    HIMAGELIST list = pImageList ? pImageList->m_hImageList : nullptr;
    return reinterpret_cast<HIMAGELIST>(SendMessage(
        LVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType), reinterpret_cast<LPARAM>(list)));
}

HIMAGELIST CListCtrl::GetImageList(int nImageListType) const
{
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_GETIMAGELIST, static_cast<WPARAM>(nImageListType)));
}

HWND CListCtrl::GetHeaderHwnd() const
{
    return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl()
{
    HWND hHeader = GetHeaderHwnd();
    if (!hHeader)
        return nullptr;
    if (auto* bound = dynamic_cast<CHeaderCtrl*>(FromHandlePermanent(hHeader)))
        return bound;
    if (m_headerWrapper.m_hWnd != hHeader)
    {
        m_headerWrapper.Detach();
        m_headerWrapper.Attach(hHeader);
    }
    return &m_headerWrapper;
}
