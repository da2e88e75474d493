// The results list in a dialog: set-up, sorting by header clicks, hidden columns that keep
// their width, per-row colours and the tooltip.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/results_list_setup.h"
#include "controls/enhanced_list_ctrl.h"
#include "framework/dialog.h"
#include "results_test_dlg.h"
#include "tests/support/scratch.h"
#include "tests/support/window_test_support.h"

namespace
{
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

std::string Cell(const CEnhancedListCtrl& list, int row, int column)
{
    char text[256];
    list.GetItemText(row, column, text, sizeof text);
    return text;
}

std::vector<std::string> Column(const CEnhancedListCtrl& list, int column)
{
    std::vector<std::string> cells;
    for (int row = 0; row < list.GetItemCount(); ++row)
        cells.push_back(Cell(list, row, column));
    return cells;
}

int HeaderFormat(CEnhancedListCtrl& list, int column, HBITMAP* bitmap = nullptr)
{
    HDITEMA item = {};
    item.mask = HDI_FORMAT | HDI_BITMAP;
    list.GetHeaderCtrl()->GetItem(column, &item);
    if (bitmap)
        *bitmap = item.hbm;
    return item.fmt;
}

bool Themed()
{
    return true;
}
bool Classic()
{
    return false;
}

class ResultsListTest : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        shared = new CResultsDlg;
        ASSERT_TRUE(shared->Create());
        shared->ShowWindow(SW_SHOW);
        PumpMessages();
    }
    static void TearDownTestSuite()
    {
        delete shared;
        shared = nullptr;
    }
    void SetUp() override
    {
        // As after start-up: no rows, ascending indicator on "File Name".
        list.DeleteAllItems();
        CEnhancedListCtrl::s_bSortAscending = 1;
        list.SetSortArrow(0, TRUE);
        dlg.parentColumnClicks = 0;
    }

    // A real click: the header tells the list, the list tells its parent, which reflects it.
    void ClickHeader(int column)
    {
        HWND header = list.GetHeaderHwnd();
        RECT rect = {};
        Header_GetItemRect(header, column, &rect);
        const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(header, WM_LBUTTONUP, 0, point);
        PumpMessages();
    }

    void NotifyColumnClick(int column)
    {
        NMLISTVIEW info = {};
        info.hdr = {list.m_hWnd, IDC_RESULTS, static_cast<UINT>(LVN_COLUMNCLICK)};
        info.iItem = -1;
        info.iSubItem = column;
        dlg.SendMessage(WM_NOTIFY, IDC_RESULTS, reinterpret_cast<LPARAM>(&info));
    }

    void ExpectItemDataEqualsPosition()
    {
        for (int row = 0; row < list.GetItemCount(); ++row)
            EXPECT_EQ(static_cast<DWORD_PTR>(row), list.GetItemData(row)) << "row " << row;
    }

    static CResultsDlg* shared;
    CResultsDlg& dlg = *shared;
    CEnhancedListCtrl& list = shared->m_list;
};

CResultsDlg* ResultsListTest::shared = nullptr;

TEST_F(ResultsListTest, SetUpGivesTheColumnsHeaderAndRowImage)
{
    EXPECT_EQ(0x430u, list.GetExtendedStyle());

    struct ColumnCase
    {
        const char* heading;
        int width;
    };
    const ColumnCase columns[] = {
        {"File Name", 170},       {"PDF Version", 90},    {"Encryption", 110},
        {"Target PDF File", 270}, {"Status", 290},        {"", 0},
        {"Back Color Code", 0},   {"Text Color Code", 0},
    };
    ASSERT_EQ(8, list.GetHeaderCtrl()->GetItemCount());
    for (int i = 0; i < 8; ++i)
    {
        char heading[64] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_FMT;
        column.pszText = heading;
        column.cchTextMax = sizeof heading;
        list.SendMessage(LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        EXPECT_STREQ(columns[i].heading, heading) << "column " << i;
        EXPECT_EQ(columns[i].width, list.GetColumnWidth(i)) << "column " << i;
        EXPECT_EQ(LVCFMT_LEFT, column.fmt & LVCFMT_JUSTIFYMASK) << "column " << i;
    }
    EXPECT_EQ(6, list.m_nBackColorColumn);
    EXPECT_EQ(7, list.m_nTextColorColumn);

    RECT header = {};
    GetWindowRect(list.GetHeaderHwnd(), &header);
    EXPECT_EQ(32, header.bottom - header.top);

    HIMAGELIST images = list.GetImageList(LVSIL_SMALL);
    ASSERT_NE(nullptr, images);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(1, ImageList_GetImageCount(images));
    EXPECT_EQ(28, cx);
    EXPECT_EQ(28, cy);
    EXPECT_EQ("Right click here for more options...", list.m_strToolTip);

    // A second call finds the colour columns there.
    list.InsertColorColumns();
    EXPECT_EQ(8, list.GetHeaderCtrl()->GetItemCount());
}

TEST_F(ResultsListTest, FirstClickSortsDescendingNextClickAnyColumnReverses)
{
    const char* names[] = {"delta.pdf", "Alpha.pdf", "echo.pdf",    "charlie.pdf",
                           "Bravo.pdf", "golf.pdf",  "foxtrot.pdf", "india.pdf",
                           "hotel.pdf", "kilo.pdf",  "juliet.pdf",  "lima.pdf"};
    for (const char* name : names)
        AppendRow(list, name, "Successfully protected PDF file with password");

    ClickHeader(0);
    const std::vector<std::string> descending = {
        "lima.pdf",    "kilo.pdf", "juliet.pdf", "india.pdf",   "hotel.pdf", "golf.pdf",
        "foxtrot.pdf", "echo.pdf", "delta.pdf",  "charlie.pdf", "Bravo.pdf", "Alpha.pdf"};
    EXPECT_EQ(descending, Column(list, 0));
    EXPECT_EQ(0, CEnhancedListCtrl::s_bSortAscending);
    EXPECT_EQ(1, dlg.parentColumnClicks); // the parent hears of it too
    ExpectItemDataEqualsPosition();
    // Cells move with their row.
    EXPECT_EQ("C:\\in\\lima.pdf", Cell(list, 0, 5));

    ClickHeader(1); // all equal: order kept or not, the direction flips
    ClickHeader(0);
    EXPECT_EQ(0, CEnhancedListCtrl::s_bSortAscending);
    ClickHeader(2);
    EXPECT_EQ(1, CEnhancedListCtrl::s_bSortAscending);
    ClickHeader(0);
    EXPECT_EQ(0, CEnhancedListCtrl::s_bSortAscending);
    ClickHeader(0);
    const std::vector<std::string> ascending(descending.rbegin(), descending.rend());
    EXPECT_EQ(ascending, Column(list, 0));
    ExpectItemDataEqualsPosition();
}

TEST_F(ResultsListTest, ClickOnHiddenColumnChangesNothing)
{
    AppendRow(list, "b.pdf", "Successfully protected PDF file with password");
    AppendRow(list, "a.pdf", "Error: This PDF file is already protected with password.");
    AppendRow(list, "c.pdf", "Successfully protected PDF file with password");
    const std::vector<std::string> before = Column(list, 0);
    std::vector<int> formats;
    for (int column = 0; column < 8; ++column)
        formats.push_back(HeaderFormat(list, column));

    for (int column : {5, 6, 7})
    {
        NotifyColumnClick(column);
        EXPECT_EQ(before, Column(list, 0)) << "column " << column;
        EXPECT_EQ(1, CEnhancedListCtrl::s_bSortAscending) << "column " << column;
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(formats[i], HeaderFormat(list, i)) << "column " << column;
    }
    EXPECT_EQ(3, dlg.parentColumnClicks);
}

TEST_F(ResultsListTest, RemovingARowRenumbersTheRest)
{
    for (const char* name : {"a.pdf", "b.pdf", "c.pdf", "d.pdf"})
        AppendRow(list, name, "Successfully protected PDF file with password");
    list.DeleteItem(1);
    list.ReindexItems();
    ExpectItemDataEqualsPosition();
    EXPECT_EQ((std::vector<std::string>{"a.pdf", "c.pdf", "d.pdf"}), Column(list, 0));
}

TEST_F(ResultsListTest, ColourColumnsRefuseAWidthOthersTakeIt)
{
    struct WidthCase
    {
        int column;
        bool accepted;
    };
    for (const WidthCase& c :
         {WidthCase{6, false}, WidthCase{7, false}, WidthCase{4, true}, WidthCase{5, true}})
    {
        const int before = list.GetColumnWidth(c.column);
        const LRESULT result = list.SendMessage(LVM_SETCOLUMNWIDTH, c.column, 123);
        EXPECT_EQ(c.accepted, result != 0) << "column " << c.column;
        EXPECT_EQ(c.accepted ? 123 : 0, list.GetColumnWidth(c.column)) << "column " << c.column;
        list.SendMessage(LVM_SETCOLUMNWIDTH, c.column, before);
    }
}

// Widths the list sets on its own for the user reach the header like any other; only program
// code may size the fixed column, and nothing the colour columns.
TEST_F(ResultsListTest, HeaderKeepsHiddenColumnsClosedAgainstAllButTheProgram)
{
    struct WidthCase
    {
        int column;
        bool byHeader; // else by LVM_SETCOLUMN, as program code would
        bool accepted;
    };
    const WidthCase cases[] = {
        {4, true, true},  {5, true, false}, {6, true, false},  {7, true, false},
        {4, false, true}, {5, false, true}, {6, false, false}, {7, false, false},
    };
    for (const WidthCase& c : cases)
    {
        const int before = list.GetColumnWidth(c.column);
        if (c.byHeader)
        {
            HDITEMA item = {};
            item.mask = HDI_WIDTH;
            item.cxy = 55;
            list.GetHeaderCtrl()->SetItem(c.column, &item);
        }
        else
        {
            LVCOLUMNA column = {};
            column.mask = LVCF_WIDTH;
            column.cx = 55;
            list.SendMessage(LVM_SETCOLUMNA, c.column, reinterpret_cast<LPARAM>(&column));
        }
        EXPECT_EQ(c.accepted ? 55 : before, list.GetColumnWidth(c.column))
            << "column " << c.column << (c.byHeader ? " by header" : " by program");
        list.SetColumnWidth(c.column, before);
    }
}

TEST_F(ResultsListTest, DividersOfHiddenColumnsCannotBeDragged)
{
    // The header asks its list before a drag starts; 1 refuses it.
    for (UINT code : {static_cast<UINT>(HDN_BEGINTRACKA), static_cast<UINT>(HDN_BEGINTRACKW)})
    {
        for (int column = 0; column < 8; ++column)
        {
            NMHEADERA info = {};
            info.hdr = {list.GetHeaderHwnd(), 0, code};
            info.iItem = column;
            const LRESULT refused = list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
            EXPECT_EQ(column >= 5 ? 1 : 0, refused) << "column " << column << " code " << code;
        }
    }
}

// The hidden columns have width 0 at the right edge of "Status": what the mouse does just past
// that edge must not open them, while the divider of "Status" itself still works.
TEST_F(ResultsListTest, MouseAtTheHiddenColumnsEdgeLeavesThemHidden)
{
    AppendRow(list, "a-rather-long-file-name-for-the-column.pdf",
              "Successfully protected PDF file with password");
    // The header takes the mouse only over its window: bring the edge of "Status" into view.
    list.SetColumnWidth(0, 100);
    list.SetColumnWidth(3, 40);
    HWND header = list.GetHeaderHwnd();
    RECT status = {};
    Header_GetItemRect(header, 4, &status);
    const int y = (status.top + status.bottom) / 2;
    auto expectHidden = [&](const char* what)
    {
        for (int column = 5; column < 8; ++column)
            EXPECT_EQ(0, list.GetColumnWidth(column)) << what << ", column " << column;
    };

    const LPARAM pastEdge = MAKELPARAM(status.right + 2, y);
    SendMessageA(header, WM_LBUTTONDBLCLK, MK_LBUTTON, pastEdge);
    SendMessageA(header, WM_LBUTTONUP, 0, pastEdge);
    PumpMessages();
    expectHidden("double click");

    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, pastEdge);
    SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(status.right + 60, y));
    SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(status.right + 60, y));
    PumpMessages();
    expectHidden("drag");
    EXPECT_EQ(290, list.GetColumnWidth(4));

    // Inside "Status", its own divider fits it to its content.
    const LPARAM onEdge = MAKELPARAM(status.right - 1, y);
    SendMessageA(header, WM_LBUTTONDBLCLK, MK_LBUTTON, onEdge);
    SendMessageA(header, WM_LBUTTONUP, 0, onEdge);
    PumpMessages();
    EXPECT_NE(290, list.GetColumnWidth(4));
    expectHidden("double click on the divider of Status");
    list.SetColumnWidth(4, 290);
    list.SetColumnWidth(3, 270);
    list.SetColumnWidth(0, 170);
}

// Counts the cell reads the list receives while it sorts: a sort must work from what it took
// before, the list's own sort does not expect to be asked for its cells meanwhile.
LRESULT CALLBACK CountReadsWhileSorting(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR refData)
{
    static bool sorting = false;
    auto* reads = reinterpret_cast<int*>(refData);
    if (message == LVM_SORTITEMS || message == LVM_SORTITEMSEX)
    {
        sorting = true;
        const LRESULT result = DefSubclassProc(hWnd, message, wParam, lParam);
        sorting = false;
        return result;
    }
    if (sorting && (message == LVM_GETITEMTEXTA || message == LVM_GETITEMTEXTW ||
                    message == LVM_GETITEMA || message == LVM_GETITEMW))
        ++*reads;
    return DefSubclassProc(hWnd, message, wParam, lParam);
}

TEST_F(ResultsListTest, SortAsksTheListForNoCellWhileItRuns)
{
    const char* statuses[] = {"Successfully protected PDF file with password",
                              "Error: The PDF file could not be opened.",
                              "Error: This PDF file is already protected with password.",
                              "Successfully protected PDF file with password and restrictions"};
    const char* names[] = {"c.pdf", "a.pdf", "d.pdf", "b.pdf"};
    for (int i = 0; i < 4; ++i)
        AppendRow(list, names[i], statuses[i]);
    const std::string longText(6000, 'z'); // cut like a cell read
    list.SetItemText(2, 3, longText.c_str());

    int reads = 0;
    ASSERT_TRUE(SetWindowSubclass(list.m_hWnd, &CountReadsWhileSorting, 1,
                                  reinterpret_cast<DWORD_PTR>(&reads)));
    ClickHeader(3); // descending by target: errors have none
    const std::vector<std::string> first = Column(list, 0);
    ClickHeader(0); // ascending
    const std::vector<std::string> second = Column(list, 0);
    RemoveWindowSubclass(list.m_hWnd, &CountReadsWhileSorting, 1);

    EXPECT_EQ(0, reads);
    EXPECT_EQ((std::vector<std::string>{"d.pdf", "c.pdf", "b.pdf", "a.pdf"}), first);
    EXPECT_EQ((std::vector<std::string>{"a.pdf", "b.pdf", "c.pdf", "d.pdf"}), second);
    ExpectItemDataEqualsPosition();
}

// The main window's list lives as long as the window; a dialog shown again gets a new list
// window for the same control object.
TEST(ResultsListLifetimeTest, DestroyedListFreesItsIndicatorAndCanBeSetUpAgain)
{
    EnsureCommonControls();
    const ThemeProbe previous = SetThemeProbe(&Classic);
    CResultsDlg dlg;
    ASSERT_TRUE(dlg.Create());
    HBITMAP indicator = nullptr;
    const int onRight = HDF_BITMAP | HDF_BITMAP_ON_RIGHT;
    EXPECT_EQ(onRight, HeaderFormat(dlg.m_list, 0, &indicator) & onRight);
    ASSERT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(indicator)));
    HIMAGELIST images = dlg.m_list.GetImageList(LVSIL_SMALL);
    dlg.DestroyWindow();
    EXPECT_EQ(0u, GetObjectType(indicator)) << "the indicator's bitmap outlives its list";
    // The dialog's image list is its own: the list left it alone.
    EXPECT_EQ(1, ImageList_GetImageCount(images));

    ASSERT_TRUE(dlg.Create());
    CEnhancedListCtrl& list = dlg.m_list;
    ASSERT_EQ(8, list.GetHeaderCtrl()->GetItemCount());
    EXPECT_EQ(6, list.m_nBackColorColumn);
    EXPECT_EQ(7, list.m_nTextColorColumn);
    EXPECT_EQ(1, list.m_nFixedCount);
    EXPECT_EQ(list.GetHeaderHwnd(), list.m_wndHeader.m_hWnd);
    RECT header = {};
    GetWindowRect(list.GetHeaderHwnd(), &header);
    EXPECT_EQ(32, header.bottom - header.top);
    EXPECT_EQ(onRight, HeaderFormat(list, 0) & onRight);
    for (int column = 0; column < 8; ++column)
    {
        NMHEADERA info = {};
        info.hdr = {list.GetHeaderHwnd(), 0, static_cast<UINT>(HDN_BEGINTRACKA)};
        info.iItem = column;
        EXPECT_EQ(column >= 5 ? 1 : 0,
                  list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info)))
            << "column " << column;
    }
    AppendRow(list, "a.pdf", "Error: The PDF file could not be opened.");
    EXPECT_EQ("255", Cell(list, 0, 7));
    dlg.DestroyWindow();
    SetThemeProbe(previous);
}

class CustomDrawTest : public ResultsListTest
{
  protected:
    LRESULT Draw(DWORD stage, int row, NMLVCUSTOMDRAW& draw, HDC hDC = nullptr)
    {
        draw.nmcd.hdr = {list.m_hWnd, IDC_RESULTS, static_cast<UINT>(NM_CUSTOMDRAW)};
        draw.nmcd.dwDrawStage = stage;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        draw.nmcd.hdc = hDC;
        return dlg.SendMessage(WM_NOTIFY, IDC_RESULTS, reinterpret_cast<LPARAM>(&draw));
    }
};

TEST_F(CustomDrawTest, RowsDrawInTheirStoredColours)
{
    AppendRow(list, "ok.pdf", "Successfully protected PDF file with password");
    AppendRow(list, "bad.pdf", "Error: This PDF file is already protected with password.");
    list.InsertItem(2, "plain.pdf"); // colour cells never written

    struct DrawCase
    {
        int row;
        COLORREF text;
        COLORREF back;
    };
    const COLORREF untouched = RGB(1, 2, 3);
    for (const DrawCase& c :
         {DrawCase{0, 0, kWhite}, DrawCase{1, kRed, kWhite}, DrawCase{2, untouched, untouched}})
    {
        NMLVCUSTOMDRAW draw = {};
        draw.clrText = draw.clrTextBk = untouched;
        EXPECT_EQ(CDRF_NOTIFYPOSTPAINT, Draw(CDDS_ITEMPREPAINT, c.row, draw)) << "row " << c.row;
        EXPECT_EQ(c.text, draw.clrText) << "row " << c.row;
        EXPECT_EQ(c.back, draw.clrTextBk) << "row " << c.row;
    }
    NMLVCUSTOMDRAW draw = {};
    EXPECT_EQ(CDRF_NOTIFYITEMDRAW, Draw(CDDS_PREPAINT, 0, draw));
    EXPECT_EQ(0, Draw(CDDS_POSTPAINT, 0, draw));
}

TEST_F(CustomDrawTest, OnlyASelectedRowGetsItsIconPaintedAgain)
{
    AppendRow(list, "a.pdf", "Successfully protected PDF file with password");
    AppendRow(list, "b.pdf", "Successfully protected PDF file with password");
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);

    HDC screen = GetDC(nullptr);
    HDC hDC = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 600, 300);
    HGDIOBJ old = SelectObject(hDC, bitmap);
    NMLVCUSTOMDRAW draw = {};
    EXPECT_EQ(0, Draw(CDDS_ITEMPOSTPAINT, 0, draw, hDC));
    EXPECT_EQ(CDRF_SKIPDEFAULT, Draw(CDDS_ITEMPOSTPAINT, 1, draw, hDC));
    SelectObject(hDC, old);
    DeleteObject(bitmap);
    DeleteDC(hDC);
    ReleaseDC(nullptr, screen);
}

// What the screen shows: the error row's status is red on white, a good row's black on white.
TEST_F(CustomDrawTest, ErrorRowReadsRedOnWhite)
{
    AppendRow(list, "ok.pdf", "Successfully protected PDF file with password");
    AppendRow(list, "bad.pdf", "Error: This PDF file is already protected with password.");
    list.RedrawWindow();
    PumpMessages();

    auto colours = [&](int row)
    {
        RECT cell = {};
        cell.top = 4; // the Status column
        cell.left = LVIR_LABEL;
        list.SendMessage(LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
        std::vector<COLORREF> seen;
        HDC hDC = list.GetDC();
        for (int y = cell.top + 1; y < cell.bottom - 1; ++y)
        {
            for (int x = cell.left + 2; x < cell.left + 120; ++x)
            {
                const COLORREF pixel = GetPixel(hDC, x, y);
                if (std::find(seen.begin(), seen.end(), pixel) == seen.end())
                    seen.push_back(pixel);
            }
        }
        list.ReleaseDC(hDC);
        return seen;
    };
    auto has = [](const std::vector<COLORREF>& seen, COLORREF colour)
    { return std::find(seen.begin(), seen.end(), colour) != seen.end(); };

    const std::vector<COLORREF> good = colours(0);
    const std::vector<COLORREF> bad = colours(1);
    EXPECT_TRUE(has(good, kWhite));
    EXPECT_TRUE(has(good, 0));
    EXPECT_FALSE(has(good, kRed));
    EXPECT_TRUE(has(bad, kWhite));
    EXPECT_TRUE(has(bad, kRed));
    EXPECT_FALSE(has(bad, 0));
}

TEST_F(ResultsListTest, SortIndicatorInBothLooks)
{
    const ThemeProbe previous = SetThemeProbe(&Themed);
    list.SetSortArrow(2, FALSE);
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(column == 2 ? HDF_SORTDOWN : 0,
                  HeaderFormat(list, column) & (HDF_SORTUP | HDF_SORTDOWN))
            << "column " << column;
    list.SetSortArrow(2, TRUE);
    EXPECT_EQ(HDF_SORTUP, HeaderFormat(list, 2) & (HDF_SORTUP | HDF_SORTDOWN));
    list.SetSortArrow(-1, TRUE);

    SetThemeProbe(&Classic);
    const int onRight = HDF_BITMAP | HDF_BITMAP_ON_RIGHT;
    list.SetSortArrow(1, TRUE);
    list.SetSortArrow(3, FALSE); // moves: column 1 lets its bitmap go
    for (int column = 0; column < 8; ++column)
    {
        HBITMAP bitmap = nullptr;
        const int format = HeaderFormat(list, column, &bitmap);
        EXPECT_EQ(column == 3 ? onRight : 0, format & onRight) << "column " << column;
        EXPECT_EQ(column == 3, bitmap != nullptr) << "column " << column;
        if (column == 3)
        {
            BITMAP info = {};
            GetObject(bitmap, sizeof info, &info);
            EXPECT_EQ(14, info.bmWidth);
            EXPECT_EQ(14, info.bmHeight);
        }
    }
    SetThemeProbe(previous);
}

TEST_F(ResultsListTest, TooltipShowsTheListTextCutTo79)
{
    const std::string saved = list.m_strToolTip;
    struct TipCase
    {
        std::string text;
        bool handled;
        std::string shown;
    };
    const std::string longText(100, 'x');
    const TipCase cases[] = {
        {saved, true, saved},
        {longText, true, longText.substr(0, 79)},
        {std::string(79, 'y') + "\xE9", true, std::string(79, 'y')},
        {"", false, "untouched"},
    };
    for (const TipCase& c : cases)
    {
        list.SetToolTipText(c.text.c_str());

        NMTTDISPINFOA narrow = {};
        narrow.hdr = {nullptr, 0, static_cast<UINT>(TTN_GETDISPINFOA)};
        strcpy(narrow.szText, "untouched");
        list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&narrow));
        EXPECT_EQ(c.shown, std::string(narrow.szText)) << c.text;

        NMTTDISPINFOW wide = {};
        wide.hdr = {nullptr, 0, static_cast<UINT>(TTN_GETDISPINFOW)};
        wcscpy(wide.szText, L"untouched");
        list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
        EXPECT_EQ(std::wstring(c.shown.begin(), c.shown.end()), std::wstring(wide.szText))
            << c.text;
    }
    // Letters of any script come through whole: 79 characters wide, as many whole ones as 79
    // bytes hold narrow.
    for (const std::wstring& tip : {std::wstring(L"Caf\u00E9"), std::wstring(100, L'\u0416')})
    {
        list.SetToolTipText(Ansi(tip).c_str());
        NMTTDISPINFOW wide = {};
        wide.hdr = {nullptr, 0, static_cast<UINT>(TTN_GETDISPINFOW)};
        list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
        EXPECT_EQ(tip.substr(0, 79), std::wstring(wide.szText));
        NMTTDISPINFOA narrow = {};
        narrow.hdr = {nullptr, 0, static_cast<UINT>(TTN_GETDISPINFOA)};
        list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&narrow));
        EXPECT_EQ(Ansi(tip.substr(0, tip.size() > 79 ? 39 : 79)), std::string(narrow.szText));
    }
    list.SetToolTipText(saved.c_str());
}
} // namespace
