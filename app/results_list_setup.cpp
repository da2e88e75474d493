#include "app/results_list_setup.h"

#include "app/app_texts.h"
#include "controls/control_texts.h"
#include "framework/display_scale.h"
#include "res/resource.h"

namespace
{
constexpr DWORD kResultsListStyles =
    LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP; // 0x430
constexpr int kResultsColumnWidths[] = {170, 90, 110, 270, 290, 0};
constexpr int kSourcePathColumn = 5;
constexpr int kHeaderHeight = 32;
constexpr int kRowIconSize = 28;
constexpr int kHeaderFontHeight = 12;
} // namespace

static_assert(sizeof kResultsColumnWidths / sizeof kResultsColumnWidths[0] ==
                  sizeof kResultsColumnHeadings / sizeof kResultsColumnHeadings[0],
              "one width per heading");

void SetUpResultsList(CEnhancedListCtrl& list, CFont& headerFont, CImageList& rowImages, UINT dpi)
{
    list.SetExtendedStyle(kResultsListStyles);

    for (int column = 0; column <= kSourcePathColumn; ++column)
        list.InsertColumn(column, kResultsColumnHeadings[column], LVCFMT_LEFT,
                          ScaleForDpi(kResultsColumnWidths[column], dpi));
    list.AddFixedColumn(kSourcePathColumn);
    list.InsertColorColumns();

    for (int column = 0; column < kSourcePathColumn; ++column)
        list.SetColumnSortType(column, LIST_SORT_TEXT);
    list.SubclassHeader();
    ScaleResultsList(list, headerFont, rowImages, dpi);
    list.SetSortArrow(0, TRUE);

    list.SetToolTipText(kResultsToolTip);
}

void ScaleResultsList(CEnhancedListCtrl& list, CFont& headerFont, CImageList& rowImages, UINT dpi,
                      UINT oldDpi)
{
    if (oldDpi)
        for (int column = 0; column <= kSourcePathColumn; ++column)
            list.SetColumnWidth(column, MulDiv(list.GetColumnWidth(column), static_cast<int>(dpi),
                                               static_cast<int>(oldDpi)));

    // The classic indicator points the other way from the themed one: down for ascending.
    const int scale = PictureScaleForDpi(dpi);
    if (scale == 100)
        list.SetClassicSortBitmaps(IDB_SORT_DOWN, IDB_SORT_UP);
    else if (scale == 150)
        list.SetClassicSortBitmaps(IDB_SORT_DOWN_150, IDB_SORT_UP_150);
    else
        list.SetClassicSortBitmaps(IDB_SORT_DOWN_200, IDB_SORT_UP_200);
    list.RefreshSortArrow();

    // The list lays its header out again when it is shown, now with the new height.
    list.ShowWindow(SW_HIDE);
    list.m_wndHeader.SetHeight(ScaleForDpi(kHeaderHeight, dpi));
    list.ShowWindow(SW_SHOWNORMAL);

    headerFont.CreateFont(ScaleForDpi(kHeaderFontHeight, dpi), 0, 0, 0, 600, FALSE, FALSE, FALSE, 0,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, kHeaderFontFace);
    if (CHeaderCtrl* header = list.GetHeaderCtrl())
        header->SetFont(headerFont, TRUE);

    const int iconSize = ScaleForDpi(kRowIconSize, dpi);
    list.SetImageList(nullptr, LVSIL_SMALL);
    rowImages.DeleteObject();
    rowImages.Create(iconSize, iconSize, ILC_COLOR32, 1, 1);
    if (HICON icon = LoadIconForDpi(IDI_ROW, dpi))
    {
        rowImages.Add(icon);
        ::DestroyIcon(icon);
    }
    list.SetImageList(&rowImages, LVSIL_SMALL);
}
