#include "app/results_list_setup.h"

#include "app/app_texts.h"
#include "res/resource.h"

namespace
{
constexpr DWORD kResultsListStyles =
    LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP; // 0x430
constexpr int kResultsColumnWidths[] = {170, 90, 110, 270, 290, 0};
constexpr int kSourcePathColumn = 5;
constexpr int kHeaderHeight = 32;
constexpr int kRowIconSize = 28;
} // namespace

static_assert(sizeof kResultsColumnWidths / sizeof kResultsColumnWidths[0] ==
                  sizeof kResultsColumnHeadings / sizeof kResultsColumnHeadings[0],
              "one width per heading");

void SetUpResultsList(CEnhancedListCtrl& list, CFont& headerFont, CImageList& rowImages)
{
    list.SetExtendedStyle(kResultsListStyles);

    for (int column = 0; column <= kSourcePathColumn; ++column)
        list.InsertColumn(column, kResultsColumnHeadings[column], LVCFMT_LEFT,
                          kResultsColumnWidths[column]);
    list.AddFixedColumn(kSourcePathColumn);
    list.InsertColorColumns();

    for (int column = 0; column < kSourcePathColumn; ++column)
        list.SetColumnSortType(column, LIST_SORT_TEXT);
    // The classic indicator points the other way from the themed one: down for ascending.
    list.SetClassicSortBitmaps(IDB_SORT_DOWN, IDB_SORT_UP);
    list.SetSortArrow(0, TRUE);

    // The list lays its header out again when it is shown, now with the new height.
    list.SubclassHeader();
    list.ShowWindow(SW_HIDE);
    list.m_wndHeader.SetHeight(kHeaderHeight);
    list.ShowWindow(SW_SHOWNORMAL);

    headerFont.CreateFont(12, 0, 0, 0, 600, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          kHeaderFontFace);
    if (CHeaderCtrl* header = list.GetHeaderCtrl())
        header->SetFont(headerFont, TRUE);

    rowImages.Create(kRowIconSize, kRowIconSize, ILC_COLOR32, 1, 1);
    if (HICON icon =
            static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_ROW),
                                            IMAGE_ICON, kRowIconSize, kRowIconSize, 0)))
    {
        rowImages.Add(icon);
        ::DestroyIcon(icon);
    }
    list.SetImageList(&rowImages, LVSIL_SMALL);

    list.SetToolTipText(kResultsToolTip);
}
