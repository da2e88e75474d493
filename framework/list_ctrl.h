#pragma once

// List-view and header wrappers: each member is one message to the control.

#include <windows.h>

#include <commctrl.h>

#include "framework/wnd.h"

class CImageList;

class CHeaderCtrl : public CWnd
{
  public:
    CHeaderCtrl();
    ~CHeaderCtrl() override;

    int GetItemCount() const;
    BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const;
    BOOL SetItem(int nPos, HDITEMA* pHeaderItem);
};

class CListCtrl : public CWnd
{
  public:
    CListCtrl();
    ~CListCtrl() override;

    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwNewStyle); // replaces every extended style bit

    int InsertColumn(int nCol, const char* heading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL SetColumnWidth(int nCol, int cx);
    int GetColumnWidth(int nCol) const;

    int GetItemCount() const;
    int InsertItem(int nItem, const char* text, int nImage = -1);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL SetItemText(int nItem, int nSubItem, const char* text);
    // Always terminated, cut to bufferSize - 1 characters; returns the length.
    int GetItemText(int nItem, int nSubItem, char* buffer, int bufferSize) const;
    BOOL GetItem(LVITEMA* pItem) const;
    BOOL SetItem(const LVITEMA* pItem);
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    BOOL GetItemRect(int nItem, RECT* rect, UINT nCode) const;
    BOOL RedrawItems(int nFirst, int nLast);
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);

    HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType);
    HIMAGELIST GetImageList(int nImageListType) const;

    HWND GetHeaderHwnd() const;
    // The header as a CHeaderCtrl: the object bound to it when there is one (a subclass that
    // the list attached), else a wrapper owned by this list.
    CHeaderCtrl* GetHeaderCtrl();

  private:
    CHeaderCtrl m_headerWrapper;
};
