#include "controls/enhanced_list_ctrl.h"

#include <shlwapi.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

#include "base/system_library.h"
#include "base/text_conversion.h"
#include "controls/control_texts.h"

int CEnhancedListCtrl::s_nSortColumn = 0;
int CEnhancedListCtrl::s_nSortType = LIST_SORT_NONE;
int CEnhancedListCtrl::s_bSortAscending = 1;
char CEnhancedListCtrl::s_szSortText1[CEnhancedListCtrl::kSortTextSize];
char CEnhancedListCtrl::s_szSortText2[CEnhancedListCtrl::kSortTextSize];

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr UINT_PTR kShowRowsTimer = 0x5EA;

ThemeProbe g_themeProbe = nullptr;

// The header does not own the bitmaps of its items: an indicator of ours (the only bitmap with
// both flags) is deleted when it leaves its column.
void RemoveClassicSortBitmap(CHeaderCtrl& header, int nItem)
{
    HDITEMA item = {};
    item.mask = HDI_FORMAT | HDI_BITMAP;
    if (!header.GetItem(nItem, &item))
        return;
    if (!(item.fmt & HDF_BITMAP) || !(item.fmt & HDF_BITMAP_ON_RIGHT))
        return;
    HBITMAP bitmap = item.hbm;
    item.hbm = nullptr;
    item.fmt &= ~(HDF_BITMAP | HDF_BITMAP_ON_RIGHT);
    header.SetItem(nItem, &item);
    if (bitmap)
        ::DeleteObject(bitmap);
}

// Differences of values that may not fit an int keep their sign.
int Difference(long long a, long long b)
{
    const long long d = a - b;
    if (d > INT_MAX)
        return INT_MAX;
    if (d < INT_MIN)
        return INT_MIN;
    return static_cast<int>(d);
}

int CompareDates(char* first, char* second)
{
    // dd?mm?yyyy: cutting after day and month leaves three numbers to read. A field that
    // starts past a short text's end counts as 0.
    static const size_t starts[3] = {6, 3, 0}; // year, month, day
    char* texts[2] = {first, second};
    long long fields[2][3] = {};
    for (int t = 0; t < 2; ++t)
    {
        const size_t length = std::strlen(texts[t]);
        if (length > 2)
            texts[t][2] = '\0';
        if (length > 5)
            texts[t][5] = '\0';
        for (int f = 0; f < 3; ++f)
            fields[t][f] = starts[f] < length ? LeadingInteger(texts[t] + starts[f]) : 0;
    }
    for (int f = 0; f < 3; ++f)
    {
        if (fields[0][f] != fields[1][f])
            return Difference(fields[0][f], fields[1][f]);
    }
    return 0;
}
} // namespace

long long LeadingInteger(const char* text)
{
    while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\v' ||
           *text == '\f')
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
    {
        if (value < 1000000000000000LL) // stays far from overflow; such texts are not numbers
            value = value * 10 + (*text - '0');
    }
    return negative ? -value : value;
}

long long DigitsValue(const char* text)
{
    long long value = 0;
    for (; *text && *text != ' '; ++text)
    {
        if (*text >= '0' && *text <= '9' && value < 1000000000000000LL)
            value = value * 10 + (*text - '0');
    }
    return value;
}

// Letter case aside, in any script: each character is compared in its small form, so ASCII
// sorts as the C runtime's case-blind comparison does and "\u00C9" meets "\u00E9".
int CompareIgnoringCase(const char* first, const char* second)
{
    std::wstring a = AnsiToWide(first), b = AnsiToWide(second);
    if (!a.empty())
        CharLowerBuffW(&a[0], static_cast<DWORD>(a.size()));
    if (!b.empty())
        CharLowerBuffW(&b[0], static_cast<DWORD>(b.size()));
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

int CompareSortTexts(char* first, char* second, int nSortType, bool bAscending)
{
    if (!bAscending)
        std::swap(first, second);
    switch (nSortType)
    {
    case LIST_SORT_TEXT:
        return CompareIgnoringCase(first, second);
    case LIST_SORT_NUMBER:
        return Difference(LeadingInteger(first), LeadingInteger(second));
    case LIST_SORT_DIGITS:
        return Difference(DigitsValue(first), DigitsValue(second));
    case LIST_SORT_DATE:
        return CompareDates(first, second);
    default:
        return 0;
    }
}

bool IsThemedCommonControls()
{
    if (g_themeProbe)
        return g_themeProbe();

    HMODULE uxTheme = LoadSystemLibrary(kUxThemeDll);
    if (!uxTheme)
        return false;
    using BoolFn = BOOL(WINAPI*)();
    auto isAppThemed =
        reinterpret_cast<BoolFn>(reinterpret_cast<void*>(::GetProcAddress(uxTheme, kIsAppThemed)));
    auto isThemeActive = reinterpret_cast<BoolFn>(
        reinterpret_cast<void*>(::GetProcAddress(uxTheme, kIsThemeActive)));
    const bool themed = isAppThemed && isThemeActive && isAppThemed() && isThemeActive();
    ::FreeLibrary(uxTheme);
    if (!themed)
        return false;

    // The comctl32 whose controls the program shows (version 6 through the manifest), found
    // from one of its functions: loaded by name it could come from another folder, or be the
    // system folder's older one.
    HMODULE comctl = nullptr;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                              reinterpret_cast<LPCWSTR>(reinterpret_cast<void*>(&::ImageList_Draw)),
                              &comctl))
        return false;
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(::GetProcAddress(comctl, kDllGetVersion)));
    bool version6 = false;
    if (getVersion)
    {
        DLLVERSIONINFO info = {};
        static_assert(sizeof info == 20, "the version query's size field is 20");
        info.cbSize = sizeof info;
        version6 = SUCCEEDED(getVersion(&info)) && info.dwMajorVersion >= 6;
    }
    ::FreeLibrary(comctl);
    return version6;
}

ThemeProbe SetThemeProbe(ThemeProbe probe)
{
    const ThemeProbe previous = g_themeProbe;
    g_themeProbe = probe;
    return previous;
}

CEnhancedListCtrl::CEnhancedListCtrl()
    : m_bColorColumns(0), m_nBackColorColumn(-1),
      m_nTextColorColumn(-1), m_nSortType{}, m_nFixedColumns{}, m_nFixedCount(0),
      m_nAscendingBitmap(0), m_nDescendingBitmap(0)
{
}

CEnhancedListCtrl::~CEnhancedListCtrl() = default;

void CEnhancedListCtrl::SetClassicSortBitmaps(UINT nAscendingId, UINT nDescendingId)
{
    m_nAscendingBitmap = nAscendingId;
    m_nDescendingBitmap = nDescendingId;
}

void CEnhancedListCtrl::SetToolTipText(const char* text)
{
    m_strToolTip = text ? text : "";
}

void CEnhancedListCtrl::AddFixedColumn(int nColumn)
{
    if (m_nFixedCount < kMaxFixedColumns)
        m_nFixedColumns[m_nFixedCount++] = nColumn;
}

void CEnhancedListCtrl::InsertColorColumns()
{
    if (m_bColorColumns)
        return;
    m_bColorColumns = 1;
    CHeaderCtrl* header = GetHeaderCtrl();
    const int count = header ? header->GetItemCount() : 0;
    m_nBackColorColumn = count;
    m_nTextColorColumn = count + 1;
    InsertColumn(m_nBackColorColumn, kBackColorHeading, LVCFMT_LEFT, 0);
    InsertColumn(m_nTextColorColumn, kTextColorHeading, LVCFMT_LEFT, 0);
}

void CEnhancedListCtrl::SetColumnSortType(int nColumn, int nSortType)
{
    if (nColumn >= 0 && nColumn < kMaxSortColumns)
        m_nSortType[nColumn] = nSortType;
}

void CEnhancedListCtrl::RefreshSortArrow()
{
    if (m_nArrowColumn >= 0)
        SetSortArrow(m_nArrowColumn, m_bArrowAscending);
}

void CEnhancedListCtrl::SetSortArrow(int nColumn, BOOL bAscending)
{
    m_nArrowColumn = nColumn;
    m_bArrowAscending = bAscending;
    if (IsThemedCommonControls())
        SetThemedSortArrow(nColumn, bAscending);
    else
        SetClassicSortArrow(nColumn, bAscending);
}

void CEnhancedListCtrl::SetThemedSortArrow(int nColumn, BOOL bAscending)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header)
        return;
    const int count = header->GetItemCount();
    for (int i = 0; i < count; ++i)
    {
        // The look can change between two calls; a classic indicator must not stay behind.
        RemoveClassicSortBitmap(*header, i);
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        header->GetItem(i, &item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == nColumn)
            item.fmt |= bAscending ? HDF_SORTUP : HDF_SORTDOWN;
        header->SetItem(i, &item);
    }
}

void CEnhancedListCtrl::SetClassicSortArrow(int nColumn, BOOL bAscending)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header)
        return;
    const int count = header->GetItemCount();
    const UINT bitmapId = bAscending ? m_nAscendingBitmap : m_nDescendingBitmap;
    for (int i = 0; i < count; ++i)
    {
        RemoveClassicSortBitmap(*header, i);
        if (i != nColumn || !bitmapId)
            continue;
        HBITMAP bitmap =
            static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(bitmapId),
                                              IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
        if (!bitmap)
            continue;
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        header->GetItem(i, &item);
        item.mask = HDI_FORMAT | HDI_BITMAP;
        item.fmt |= HDF_BITMAP | HDF_BITMAP_ON_RIGHT;
        item.hbm = bitmap;
        if (!header->SetItem(i, &item))
            ::DeleteObject(bitmap);
    }
}

void CEnhancedListCtrl::SubclassHeader()
{
    if (m_wndHeader.m_bSubclassed)
        return;
    if (m_wndHeader.SubclassWindow(GetHeaderHwnd()))
        m_wndHeader.m_bSubclassed = 1;
}

void CEnhancedListCtrl::SetRowTextColor(int nRow, COLORREF color)
{
    if (!m_bColorColumns)
        return;
    WriteRowColors(nRow, color);
    RedrawItems(nRow, nRow);
}

void CEnhancedListCtrl::WriteRowColors(int nRow, COLORREF color)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(color));
    SetItemText(nRow, m_nTextColorColumn, text);
    std::snprintf(text, sizeof text, "%d", static_cast<int>(kWhite));
    SetItemText(nRow, m_nBackColorColumn, text);
}

void CEnhancedListCtrl::ReindexItems()
{
    const int count = GetItemCount();
    for (int i = 0; i < count; ++i)
        SetItemData(i, static_cast<DWORD_PTR>(i));
}

void CEnhancedListCtrl::TakeSortTexts()
{
    const int count = GetItemCount();
    m_sortTexts.assign(static_cast<size_t>(count > 0 ? count : 0), std::string());
    for (int row = 0; row < count; ++row)
    {
        GetItemText(row, s_nSortColumn, s_szSortText1, kSortTextSize);
        m_sortTexts[static_cast<size_t>(row)] = s_szSortText1;
    }
}

int CEnhancedListCtrl::AppendRow(const ListRowAppend& row)
{
    if (row.nTexts < 1)
        return -1;
    if (!m_bRowsPending)
    {
        SendMessage(WM_SETREDRAW, FALSE);
        m_bRowsPending = true;
        ::SetTimer(m_hWnd, kShowRowsTimer, kShowRowsMs, nullptr);
    }
    const int nRow = InsertRow(row);
    if (nRow >= 0 && m_bColorColumns)
        RedrawItems(nRow, nRow);
    return nRow;
}

int CEnhancedListCtrl::InsertRow(const ListRowAppend& row)
{
    if (row.nTexts < 1)
        return -1;
    const int nIndex = GetItemCount();
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = nIndex;
    item.pszText = const_cast<char*>(row.texts[0]);
    item.iImage = row.nImage;
    item.lParam = nIndex;
    const int nRow =
        static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (nRow < 0)
        return -1;
    for (int nColumn = 1; nColumn < row.nTexts; ++nColumn)
        SetItemText(nRow, nColumn, row.texts[nColumn]);
    if (m_bColorColumns)
        WriteRowColors(nRow, row.clrText);
    return nRow;
}

void CEnhancedListCtrl::ShowAppendedRows()
{
    if (!m_bRowsPending)
        return;
    ::KillTimer(m_hWnd, kShowRowsTimer);
    m_bRowsPending = false;
    SendMessage(WM_SETREDRAW, TRUE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void CEnhancedListCtrl::AppendRows(const ListRowAppend* rows, int nCount)
{
    if (nCount <= 0)
        return;
    // Rows held across messages may have missed a paint: those show the whole list.
    ShowAppendedRows();
    const int nFirst = GetItemCount();
    RECT rcBefore = {};
    ::GetClientRect(m_hWnd, &rcBefore);
    // Drawing switched back on marks the whole list as due; what was due before is kept.
    HRGN hDue = ::CreateRectRgn(0, 0, 0, 0);
    const int nDue = hDue ? ::GetUpdateRgn(m_hWnd, hDue, FALSE) : ERROR;
    SendMessage(WM_SETREDRAW, FALSE);
    for (int i = 0; i < nCount; ++i)
        InsertRow(rows[i]);
    SendMessage(WM_SETREDRAW, TRUE); // the scroll bars take the new count here
    RECT rcAfter = {};
    ::GetClientRect(m_hWnd, &rcAfter);
    if (nDue == ERROR || !::EqualRect(&rcBefore, &rcAfter))
        // A scroll bar came or went: everything moves.
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    else
    {
        ::ValidateRect(m_hWnd, nullptr);
        if (nDue != NULLREGION)
            ::InvalidateRgn(m_hWnd, hDue, TRUE);
        // Of the new rows, only those in view (a partly shown one too) need painting.
        const int nTop = static_cast<int>(SendMessage(LVM_GETTOPINDEX));
        const int nFrom = std::max(nFirst, nTop);
        const int nTo =
            std::min(GetItemCount() - 1, nTop + static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)));
        if (nFrom <= nTo)
            RedrawItems(nFrom, nTo);
    }
    if (hDue)
        ::DeleteObject(hDue);
}

bool CEnhancedListCtrl::OnTimer(WPARAM wParam, LPARAM, LRESULT& result)
{
    if (wParam != kShowRowsTimer)
        return false;
    ShowAppendedRows();
    result = 0;
    return true;
}

LRESULT CEnhancedListCtrl::OnShowRows(WPARAM, LPARAM)
{
    ShowAppendedRows();
    return 0;
}

int CALLBACK CEnhancedListCtrl::CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const auto* list = reinterpret_cast<const CEnhancedListCtrl*>(lParamSort);
    if (!list)
        return 0;
    // A position outside the taken texts reads as an empty cell, as the list would give it.
    auto copy = [list](LPARAM position, char* buffer)
    {
        buffer[0] = '\0';
        if (position >= 0 && static_cast<size_t>(position) < list->m_sortTexts.size())
        {
            const std::string& text = list->m_sortTexts[static_cast<size_t>(position)];
            const size_t length = std::min(text.size(), static_cast<size_t>(kSortTextSize - 1));
            std::memcpy(buffer, text.data(), length);
            buffer[length] = '\0';
        }
    };
    copy(lParam1, s_szSortText1);
    copy(lParam2, s_szSortText2);
    return CompareSortTexts(s_szSortText1, s_szSortText2, s_nSortType, s_bSortAscending != 0);
}

bool CEnhancedListCtrl::IsColorColumn(int nColumn) const
{
    return m_bColorColumns && (nColumn == m_nBackColorColumn || nColumn == m_nTextColorColumn);
}

bool CEnhancedListCtrl::IsFixedColumn(int nColumn) const
{
    for (int i = 0; i < m_nFixedCount; ++i)
    {
        if (m_nFixedColumns[i] == nColumn)
            return true;
    }
    return false;
}

void CEnhancedListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    const int row = static_cast<int>(draw->nmcd.dwItemSpec);
    *pResult = 0;
    switch (draw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
    {
        *pResult = CDRF_NOTIFYPOSTPAINT;
        if (!m_bColorColumns)
            break;
        // A row whose colours were never written keeps the list's own.
        char text[kColorTextSize];
        GetItemText(row, m_nTextColorColumn, text, kColorTextSize);
        if (!text[0])
            break;
        char back[kColorTextSize];
        GetItemText(row, m_nBackColorColumn, back, kColorTextSize);
        if (!back[0])
            break;
        draw->clrText = static_cast<COLORREF>(LeadingInteger(text));
        draw->clrTextBk = static_cast<COLORREF>(LeadingInteger(back));
        break;
    }
    case CDDS_ITEMPOSTPAINT:
    {
        // The list blends a selected row's icon with the highlight; paint it once more clean.
        HIMAGELIST images = GetImageList(LVSIL_SMALL);
        if (!images)
            break;
        LVITEMA item = {};
        item.mask = LVIF_IMAGE | LVIF_STATE;
        item.iItem = row;
        item.stateMask = LVIS_SELECTED;
        if (!GetItem(&item) || !(item.state & LVIS_SELECTED))
            break;
        RECT rect = {};
        GetItemRect(row, &rect, LVIR_ICON);
        ::ImageList_Draw(images, item.iImage, draw->nmcd.hdc, rect.left, rect.top, ILD_TRANSPARENT);
        *pResult = CDRF_SKIPDEFAULT;
        break;
    }
    default:
        break;
    }
}

bool CEnhancedListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT*)
{
    const auto* click = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    s_nSortColumn = click->iSubItem;
    s_nSortType = s_nSortColumn >= 0 && s_nSortColumn < kMaxSortColumns ? m_nSortType[s_nSortColumn]
                                                                        : LIST_SORT_NONE;
    if (s_nSortType == LIST_SORT_NONE)
        return false;
    SetFocus();
    s_bSortAscending = !s_bSortAscending;
    TakeSortTexts();
    const BOOL sorted =
        SortItems(&CEnhancedListCtrl::CompareItems, reinterpret_cast<DWORD_PTR>(this));
    m_sortTexts.clear();
    if (sorted)
    {
        SetSortArrow(s_nSortColumn, s_bSortAscending);
        ReindexItems();
    }
    // The parent hears of the click too.
    return false;
}

bool CEnhancedListCtrl::OnBeginTrack(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int column = reinterpret_cast<NMHEADERA*>(pNMHDR)->iItem;
    if (!IsHiddenColumn(column))
        return false;
    *pResult = 1; // no width drag on hidden columns
    return true;
}

bool CEnhancedListCtrl::OnDividerDoubleClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    // The list would fit a hidden column to its content; the hidden columns sit at the right
    // edge of the last visible one, where a double click is easily made.
    if (!IsHiddenColumn(reinterpret_cast<NMHEADERA*>(pNMHDR)->iItem))
        return false;
    *pResult = 0;
    return true;
}

bool CEnhancedListCtrl::OnSetColumnWidth(WPARAM wParam, LPARAM, LRESULT& result)
{
    if (IsColorColumn(static_cast<int>(wParam)))
    {
        result = 0;
        return true;
    }
    // Program code may size the fixed column; the header is told so below.
    ++m_nProgramWidths;
    result = Default();
    --m_nProgramWidths;
    return true;
}

bool CEnhancedListCtrl::OnSetColumn(WPARAM, LPARAM, LRESULT& result)
{
    ++m_nProgramWidths;
    result = Default();
    --m_nProgramWidths;
    return true;
}

bool CEnhancedListCtrl::OnHeaderItemChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Every width change passes here, also those the list makes on its own for the user (it
    // fits columns to their content on some keys): a hidden column stays at width 0 unless
    // program code sizes the fixed one. Mask and width lead both forms of the item.
    const auto* change = reinterpret_cast<NMHEADERA*>(pNMHDR);
    const int column = change->iItem;
    if (!change->pitem || !(change->pitem->mask & HDI_WIDTH) || change->pitem->cxy <= 0)
        return false;
    if (!IsColorColumn(column) && !(IsFixedColumn(column) && m_nProgramWidths == 0))
        return false;
    *pResult = TRUE;
    return true;
}

bool CEnhancedListCtrl::OnToolTipTextA(NMHDR* pNMHDR, LRESULT*)
{
    if (m_strToolTip.empty())
        return false;
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    // Whole characters only, as many as the buffer's bytes take.
    std::string text = ClipText(m_strToolTip, sizeof info->szText - 1);
    for (size_t chars = sizeof info->szText - 1;
         text.size() > sizeof info->szText - 1 && chars > 0;)
        text = ClipText(m_strToolTip, --chars);
    std::memcpy(info->szText, text.data(), text.size());
    info->szText[text.size()] = '\0';
    info->lpszText = info->szText;
    return true;
}

bool CEnhancedListCtrl::OnToolTipTextW(NMHDR* pNMHDR, LRESULT*)
{
    if (m_strToolTip.empty())
        return false;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    const size_t capacity = sizeof info->szText / sizeof info->szText[0];
    const std::wstring text = AnsiToWide(ClipText(m_strToolTip, capacity - 1));
    text.copy(info->szText, capacity - 1);
    info->szText[std::min(text.size(), capacity - 1)] = L'\0';
    info->lpszText = info->szText;
    return true;
}

LRESULT CEnhancedListCtrl::OnSetFocus(WPARAM, LPARAM)
{
    return 0;
}

bool CEnhancedListCtrl::OnDestroy(WPARAM, LPARAM, LRESULT&)
{
    // The header lives until after this message: take the classic indicator's bitmap back.
    if (CHeaderCtrl* header = GetHeaderCtrl())
    {
        const int count = header->GetItemCount();
        for (int i = 0; i < count; ++i)
            RemoveClassicSortBitmap(*header, i);
    }
    // What belonged to this window; a new window is set up from the start.
    m_bColorColumns = 0;
    m_nBackColorColumn = -1;
    m_nTextColorColumn = -1;
    std::fill(std::begin(m_nSortType), std::end(m_nSortType), LIST_SORT_NONE);
    m_nFixedCount = 0;
    m_wndHeader.m_bSubclassed = 0;
    m_sortTexts.clear();
    return false;
}

const MessageMap* CEnhancedListCtrl::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnNotifyReflect<&CEnhancedListCtrl::OnCustomDraw>(NM_CUSTOMDRAW),
        OnNotifyReflect<&CEnhancedListCtrl::OnColumnClick>(LVN_COLUMNCLICK),
        OnNotify<&CEnhancedListCtrl::OnBeginTrack>(HDN_BEGINTRACKA, 0),
        OnNotify<&CEnhancedListCtrl::OnBeginTrack>(HDN_BEGINTRACKW, 0),
        OnNotify<&CEnhancedListCtrl::OnDividerDoubleClick>(HDN_DIVIDERDBLCLICKA, 0),
        OnNotify<&CEnhancedListCtrl::OnDividerDoubleClick>(HDN_DIVIDERDBLCLICKW, 0),
        OnMessage<&CEnhancedListCtrl::OnSetColumnWidth>(LVM_SETCOLUMNWIDTH),
        OnMessage<&CEnhancedListCtrl::OnSetColumn>(LVM_SETCOLUMNA),
        OnMessage<&CEnhancedListCtrl::OnSetColumn>(LVM_SETCOLUMNW),
        OnNotify<&CEnhancedListCtrl::OnHeaderItemChanging>(HDN_ITEMCHANGINGA, 0),
        OnNotify<&CEnhancedListCtrl::OnHeaderItemChanging>(HDN_ITEMCHANGINGW, 0),
        OnNotify<&CEnhancedListCtrl::OnToolTipTextA>(TTN_GETDISPINFOA, 0),
        OnNotify<&CEnhancedListCtrl::OnToolTipTextW>(TTN_GETDISPINFOW, 0),
        OnMessage<&CEnhancedListCtrl::OnSetFocus>(WM_SETFOCUS),
        OnMessage<&CEnhancedListCtrl::OnDestroy>(WM_DESTROY),
        OnMessage<&CEnhancedListCtrl::OnTimer>(WM_TIMER),
        OnMessage<&CEnhancedListCtrl::OnShowRows>(kShowRowsMessage),
    };
    static const MessageMap map(CListCtrl::GetMessageMap(), entries);
    return &map;
}
