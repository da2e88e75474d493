#pragma once

// The results list: a report-view list with per-row colours kept in two hidden columns of
// the row itself, sorting by a click on a column header with an indicator in the header,
// columns whose width the user cannot drag, and one tooltip text for the whole list.
//
// Row invariant: every row's item data equals its position; CompareItems finds a row's
// cells through it, so rows are appended with their position and ReindexItems renumbers
// them after every sort and removal.
//
// The columns, the header binding and the classic indicator's bitmap belong to the window:
// when it is destroyed the control lets them go, so the same object can be set up again on
// a new window.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "controls/header_ctrl_ex.h"
#include "framework/list_ctrl.h"

enum ListSortType
{
    LIST_SORT_NONE = 0,   // a click on the column does nothing
    LIST_SORT_TEXT = 1,   // case-insensitive text
    LIST_SORT_NUMBER = 2, // leading signed integer
    LIST_SORT_DIGITS = 3, // every digit up to the first blank, e.g. "1,234 KB" is 1234
    LIST_SORT_DATE = 4,   // dd?mm?yyyy: year, then month, then day
};

// Compares two cell texts of one sort kind; the texts are the list's sort buffers, which a
// date comparison cuts into fields. Negative, 0 or positive; reversed when descending.
int CompareSortTexts(char* first, char* second, int nSortType, bool bAscending);
// The value of every digit met before the first blank.
long long DigitsValue(const char* text);
// The leading signed decimal integer after leading blanks, 0 if there is none.
long long LeadingInteger(const char* text);

// Whether the system draws the header with themed common controls (version 6 or later);
// asked afresh on every call. Tests replace the probe to get either look.
bool IsThemedCommonControls();
using ThemeProbe = bool (*)();
ThemeProbe SetThemeProbe(ThemeProbe probe); // nullptr restores the real one

// A whole row for AppendRow.
struct ListRowAppend
{
    const char* const* texts; // the cells from column 0 on
    int nTexts;
    int nImage;
    COLORREF clrText;
};

class CEnhancedListCtrl : public CListCtrl
{
  public:
    // Shows the appended rows that wait to be drawn (ShowAppendedRows), from any thread.
    static constexpr UINT kShowRowsMessage = WM_APP + 0x201;

    static constexpr int kMaxSortColumns = 50;
    static constexpr int kMaxFixedColumns = 10;
    static constexpr int kSortTextSize = 5000;
    static constexpr int kColorTextSize = 512;

    CEnhancedListCtrl();
    ~CEnhancedListCtrl() override;

    void SetToolTipText(const char* text);
    void AddFixedColumn(int nColumn);
    // Appends the back and text colour columns once, hidden by width 0.
    void InsertColorColumns();
    void SetColumnSortType(int nColumn, int nSortType);
    void SetSortArrow(int nColumn, BOOL bAscending);
    // Draws the indicator again where it stands, with the bitmaps set now.
    void RefreshSortArrow();
    // The bitmaps (resource ids in the program's module) the classic indicator shows for an
    // ascending and a descending sort; without them a classic header shows no indicator.
    void SetClassicSortBitmaps(UINT nAscendingId, UINT nDescendingId);
    void SubclassHeader();
    // Also called by the protection worker: it only sends messages to the list.
    void SetRowTextColor(int nRow, COLORREF color);
    void ReindexItems();
    // Appends a row at the end with its position as item data, its cells and its text colour.
    // Rows that arrive in quick succession are shown together, a few times a second: drawing
    // them one by one would lay out the header and the scroll bars again for every row.
    int AppendRow(const ListRowAppend& row);
    // Shows the rows appended since the last time at once.
    void ShowAppendedRows();
    // Appends rows at the end and shows them, all in one go: the list measures its rows and
    // scroll bars once for all of them, and only the new rows in view are painted (when the
    // window paints next), not the whole list.
    void AppendRows(const ListRowAppend* rows, int nCount);
    static constexpr UINT kShowRowsMs = 250;

    // Compares two rows by their positions before the sort, from the texts the click took
    // of the sorted column: the list must not be asked for cells while it sorts.
    static int CALLBACK CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    CHeaderCtrlEx m_wndHeader;
    int m_bColorColumns;
    int m_nBackColorColumn;
    int m_nTextColorColumn;
    int m_nSortType[kMaxSortColumns];
    int m_nFixedColumns[kMaxFixedColumns];
    int m_nFixedCount;
    UINT m_nAscendingBitmap;
    UINT m_nDescendingBitmap;
    // Where the indicator stands (-1: nowhere yet), so that it can be drawn again at another
    // display scale.
    int m_nArrowColumn = -1;
    BOOL m_bArrowAscending = TRUE;
    std::string m_strToolTip;
    bool m_bRowsPending = false; // drawing is held while appended rows wait to be shown

    // The sort that runs: one state for every list of this class. The direction is one flag
    // that every click on a sortable column toggles, whichever column it is.
    static int s_nSortColumn;
    static int s_nSortType;
    static int s_bSortAscending;

  protected:
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    bool OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    bool OnBeginTrack(NMHDR* pNMHDR, LRESULT* pResult);
    bool OnDividerDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    bool OnSetColumnWidth(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnSetColumn(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnHeaderItemChanging(NMHDR* pNMHDR, LRESULT* pResult);
    bool OnToolTipTextA(NMHDR* pNMHDR, LRESULT* pResult);
    bool OnToolTipTextW(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    bool OnDestroy(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnTimer(WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT OnShowRows(WPARAM wParam, LPARAM lParam);

    const MessageMap* GetMessageMap() const override;

  private:
    bool IsColorColumn(int nColumn) const;
    bool IsFixedColumn(int nColumn) const;
    bool IsHiddenColumn(int nColumn) const
    {
        return IsColorColumn(nColumn) || IsFixedColumn(nColumn);
    }
    void TakeSortTexts();
    void SetClassicSortArrow(int nColumn, BOOL bAscending);
    void SetThemedSortArrow(int nColumn, BOOL bAscending);
    // Inserts the row at the end with its cells and colours; draws nothing. -1 on failure.
    int InsertRow(const ListRowAppend& row);
    void WriteRowColors(int nRow, COLORREF color);

    std::vector<std::string> m_sortTexts; // the sorted column by position, while a sort runs
    int m_nProgramWidths = 0;             // inside a width change that program code asked for
    static char s_szSortText1[kSortTextSize];
    static char s_szSortText2[kSortTextSize];
};
