#include "controls/enhanced_list_ctrl.h"

#include <shlwapi.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

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

int CompareSortTexts(char* first, char* second, int nSortType, bool bAscending)
{
    if (!bAscending)
        std::swap(first, second);
    switch (nSortType)
    {
    case LIST_SORT_TEXT:
        return _stricmp(first, second);
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

    HMODULE uxTheme = ::LoadLibraryA(kUxThemeDll);
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

    HMODULE comctl = ::LoadLibraryA(kComctl32Dll);
    if (!comctl)
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

void CEnhancedListCtrl::SetSortArrow(int nColumn, BOOL bAscending)
{
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
    for (int i = 0; i < count; ++i)
    {
        HDITEMA item = {};
        item.mask = HDI_FORMAT | HDI_BITMAP;
        header->GetItem(i, &item);
        // Only an indicator of ours has both flags; its bitmap was loaded here.
        if ((item.fmt & HDF_BITMAP) && (item.fmt & HDF_BITMAP_ON_RIGHT))
        {
            if (item.hbm)
                ::DeleteObject(item.hbm);
            item.hbm = nullptr;
            item.fmt &= ~(HDF_BITMAP | HDF_BITMAP_ON_RIGHT);
            header->SetItem(i, &item);
        }
        const UINT bitmapId = bAscending ? m_nAscendingBitmap : m_nDescendingBitmap;
        if (i == nColumn && bitmapId)
        {
            item.fmt |= HDF_BITMAP | HDF_BITMAP_ON_RIGHT;
            item.hbm = static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(),
                                                         MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP,
                                                         0, 0, LR_LOADMAP3DCOLORS));
            header->SetItem(i, &item);
        }
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
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(color));
    SetItemText(nRow, m_nTextColorColumn, text);
    std::snprintf(text, sizeof text, "%d", static_cast<int>(kWhite));
    SetItemText(nRow, m_nBackColorColumn, text);
    RedrawItems(nRow, nRow);
}

void CEnhancedListCtrl::ReindexItems()
{
    const int count = GetItemCount();
    for (int i = 0; i < count; ++i)
        SetItemData(i, static_cast<DWORD_PTR>(i));
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
    SetRowTextColor(nRow, row.clrText);
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

LRESULT CEnhancedListCtrl::OnAppendRow(WPARAM, LPARAM lParam)
{
    return AppendRow(*reinterpret_cast<const ListRowAppend*>(lParam));
}

int CALLBACK CEnhancedListCtrl::CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    auto* list = reinterpret_cast<CEnhancedListCtrl*>(lParamSort);
    if (!list)
        return 0;
    list->GetItemText(static_cast<int>(lParam1), s_nSortColumn, s_szSortText1, kSortTextSize);
    list->GetItemText(static_cast<int>(lParam2), s_nSortColumn, s_szSortText2, kSortTextSize);
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
    if (SortItems(&CEnhancedListCtrl::CompareItems, reinterpret_cast<DWORD_PTR>(this)))
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
    if (!IsColorColumn(column) && !IsFixedColumn(column))
        return false;
    *pResult = 1; // no width drag on hidden columns
    return true;
}

bool CEnhancedListCtrl::OnSetColumnWidth(WPARAM wParam, LPARAM, LRESULT& result)
{
    if (!IsColorColumn(static_cast<int>(wParam)))
        return false;
    result = 0;
    return true;
}

bool CEnhancedListCtrl::OnToolTipTextA(NMHDR* pNMHDR, LRESULT*)
{
    if (m_strToolTip.empty())
        return false;
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    const size_t length = std::min(m_strToolTip.size(), sizeof info->szText - 1);
    std::memcpy(info->szText, m_strToolTip.data(), length);
    info->szText[length] = '\0';
    info->lpszText = info->szText;
    return true;
}

bool CEnhancedListCtrl::OnToolTipTextW(NMHDR* pNMHDR, LRESULT*)
{
    if (m_strToolTip.empty())
        return false;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    const int capacity = static_cast<int>(sizeof info->szText / sizeof info->szText[0]);
    const int length = static_cast<int>(std::min<size_t>(m_strToolTip.size(), capacity - 1));
    const int converted =
        ::MultiByteToWideChar(CP_ACP, 0, m_strToolTip.data(), length, info->szText, capacity - 1);
    info->szText[converted > 0 ? converted : 0] = L'\0';
    info->lpszText = info->szText;
    return true;
}

LRESULT CEnhancedListCtrl::OnSetFocus(WPARAM, LPARAM)
{
    return 0;
}

const MessageMap* CEnhancedListCtrl::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnNotifyReflect<&CEnhancedListCtrl::OnCustomDraw>(NM_CUSTOMDRAW),
        OnNotifyReflect<&CEnhancedListCtrl::OnColumnClick>(LVN_COLUMNCLICK),
        OnNotify<&CEnhancedListCtrl::OnBeginTrack>(HDN_BEGINTRACKA, 0),
        OnNotify<&CEnhancedListCtrl::OnBeginTrack>(HDN_BEGINTRACKW, 0),
        OnMessage<&CEnhancedListCtrl::OnSetColumnWidth>(LVM_SETCOLUMNWIDTH),
        OnNotify<&CEnhancedListCtrl::OnToolTipTextA>(TTN_GETDISPINFOA, 0),
        OnNotify<&CEnhancedListCtrl::OnToolTipTextW>(TTN_GETDISPINFOW, 0),
        OnMessage<&CEnhancedListCtrl::OnSetFocus>(WM_SETFOCUS),
        OnMessage<&CEnhancedListCtrl::OnAppendRow>(kAppendRowMessage),
        OnMessage<&CEnhancedListCtrl::OnTimer>(WM_TIMER),
        OnMessage<&CEnhancedListCtrl::OnShowRows>(kShowRowsMessage),
    };
    static const MessageMap map(CListCtrl::GetMessageMap(), entries);
    return &map;
}
