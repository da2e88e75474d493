#pragma once

// List-view and header wrappers: each member is one message to the control.

#include <windows.h>

#include <commctrl.h>

#include "framework/gdi.h"
#include "framework/wnd.h"

class CHeaderCtrl : public CWnd
{
  public:
    ~CHeaderCtrl() override;

    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
    BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const
    {
        return static_cast<BOOL>(SendMessage(HDM_GETITEMA, static_cast<WPARAM>(nPos),
                                             reinterpret_cast<LPARAM>(pHeaderItem)));
    }
    BOOL SetItem(int nPos, HDITEMA* pHeaderItem)
    {
        return static_cast<BOOL>(SendMessage(HDM_SETITEMA, static_cast<WPARAM>(nPos),
                                             reinterpret_cast<LPARAM>(pHeaderItem)));
    }
};

class CListCtrl : public CWnd
{
  public:
    ~CListCtrl() override;

    DWORD GetExtendedStyle() const
    {
        return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    }
    // Replaces every extended style bit.
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
    }

    int InsertColumn(int nCol, const char* heading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL SetColumnWidth(int nCol, int cx)
    {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), cx));
    }
    int GetColumnWidth(int nCol) const
    {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)));
    }

    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int InsertItem(int nItem, const char* text, int nImage = -1);
    BOOL DeleteItem(int nItem)
    {
        return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(nItem)));
    }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    BOOL SetItemText(int nItem, int nSubItem, const char* text);
    // Always terminated, cut to bufferSize - 1 characters; returns the length.
    int GetItemText(int nItem, int nSubItem, char* buffer, int bufferSize) const;
    BOOL GetItem(LVITEMA* pItem) const
    {
        return static_cast<BOOL>(SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItem(const LVITEMA* pItem)
    {
        return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    int GetNextItem(int nItem, int nFlags) const
    {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), nFlags));
    }
    BOOL GetItemRect(int nItem, RECT* rect, UINT nCode) const;
    BOOL RedrawItems(int nFirst, int nLast)
    {
        return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), nLast));
    }
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(dwData),
                                             reinterpret_cast<LPARAM>(pfnCompare)));
    }

    HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType)
    {
        return reinterpret_cast<HIMAGELIST>(SendMessage(
            LVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType),
            reinterpret_cast<LPARAM>(pImageList ? pImageList->GetSafeHandle() : nullptr)));
    }
    HIMAGELIST GetImageList(int nImageListType) const
    {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(LVM_GETIMAGELIST, static_cast<WPARAM>(nImageListType)));
    }

    HWND GetHeaderHwnd() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)); }
    // The header as a CHeaderCtrl: the object bound to it when there is one (a subclass that
    // the list attached), else a wrapper owned by this list.
    CHeaderCtrl* GetHeaderCtrl();

  private:
    CHeaderCtrl m_headerWrapper;
};
