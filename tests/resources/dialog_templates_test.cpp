// The main window's and the settings dialog's templates, control by control: id, class, text
// with its trailing blanks, style and position in dialog units, in the order that is also the
// tab order. Then the same templates as the dialog manager builds them.
#include <gtest/gtest.h>

#include <memory>

#include "dialog_template.h"
#include "framework/dialog.h"
#include "res/resource.h"
#include "resource_test_support.h"

namespace
{
constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kShown | SS_LEFT | WS_GROUP;
constexpr DWORD kLinkLabel = kLabel | SS_NOTIFY;
// Labels whose text is about as wide as their box: one line that may run past the box's edge,
// rather than a last word wrapped onto a line the height hides.
constexpr DWORD kOneLineLabel = kShown | SS_LEFTNOWORDWRAP | WS_GROUP;
constexpr DWORD kPush = kShown | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kField = kShown | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kCheck = kShown | BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadio = kShown | BS_AUTORADIOBUTTON;

struct ControlRow
{
    int id;
    const char* className;
    const char* text;
    DWORD style;
    short x, y, cx, cy;
};

const ControlRow kMainWindow[] = {
    {IDC_BACKDROP, "Static", "", kShown | SS_LEFT, 0, 0, 628, 437},
    {IDOK, "Button", "Protect PDF", kPush, 259, 201, 109, 26},
    {IDC_RESULTS_LIST, "SysListView32", "",
     // The window owns the row image list: the list must not destroy it a second time.
     kShown | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_ALIGNLEFT | LVS_SHAREIMAGELISTS | WS_BORDER |
         WS_TABSTOP,
     0, 240, 627, 149},
    {IDC_CLEAR_LIST, "Button", "Clear List", kPush, 465, 404, 67, 20},
    {IDC_HELP_LINK, "Static", "Help", kLabel, 597, 34, 28, 10},
    // Four units wider than drawn first: the bold link font needs them for its last letter.
    {IDC_ABOUT_LINK, "Static", "About", kLabel, 561, 34, 27, 10},
    {IDC_SETTINGS, "Button", "Settings", kPush, 553, 404, 67, 20},
    {IDC_PROGRESS, "msctls_progress32", "", WS_CHILD | WS_BORDER, 37, 204, 548, 22},
    {IDC_OPERATION_LABEL, "Static", "Type of Operation:", kLabel, 37, 66, 71, 9},
    {IDC_MODE_SINGLE_FILE, "Button", "", kRadio, 145, 66, 10, 10},
    {IDC_MODE_FOLDER, "Button", "", kRadio, 219, 66, 10, 10},
    {IDC_SOURCE_LABEL, "Static", "Select File:", kLabel, 37, 88, 71, 9},
    {IDC_TARGET_LABEL, "Static", "Target File:", kLabel, 37, 111, 71, 9},
    {IDC_OPEN_PASSWORD_LABEL, "Static", "Set Open Password: ", kLabel, 37, 133, 71, 9},
    {IDC_SOURCE, "Edit", "", kField, 145, 84, 411, 15},
    {IDC_TARGET, "Edit", "", kField, 145, 107, 411, 15},
    {IDC_OPEN_PASSWORD, "Edit", "", kField, 145, 130, 411, 15},
    {IDC_BROWSE_SOURCE, "Button", "", kPush, 566, 84, 19, 14},
    {IDC_BROWSE_TARGET, "Button", "", kPush, 566, 107, 19, 14},
    {IDC_MODE_SINGLE_FILE_LABEL, "Static", "Single File", kLinkLabel, 158, 66, 50, 9},
    {IDC_MODE_FOLDER_LABEL, "Static", "Folder", kLinkLabel, 232, 66, 50, 9},
    {IDC_OPEN_PDF, "Button", "Open PDF", kPush, 375, 404, 67, 20},
    {IDC_PERMISSION_PASSWORD_LABEL, "Static", "Set Permission Password: ", kOneLineLabel, 37, 178,
     83, 9},
    {IDC_PERMISSION_PASSWORD, "Edit", "", kField, 145, 174, 411, 15},
    {IDC_RESTRICT_LABEL, "Static", "Restrict Permissions:", kLabel, 37, 155, 71, 9},
    {IDC_PREVENT_COPY, "Button", "", kCheck, 145, 154, 10, 11},
    {IDC_PREVENT_COPY_LABEL, "Static", "Prevent Copying", kLinkLabel, 159, 155, 71, 9},
    {IDC_PREVENT_PRINT, "Button", "", kCheck, 491, 154, 10, 11},
    {IDC_PREVENT_PRINT_LABEL, "Static", "Prevent Printing", kLinkLabel, 505, 155, 59, 9},
    {IDC_PREVENT_MODIFY, "Button", "", kCheck, 318, 154, 10, 11},
    {IDC_PREVENT_MODIFY_LABEL, "Static", "Prevent Modifying", kLinkLabel, 332, 155, 71, 9},
};

const ControlRow kSettings[] = {
    {IDC_BACKDROP, "Static", "", kShown | SS_LEFT, 0, 0, 405, 279},
    {IDOK, "Button", "Save", kShown | BS_DEFPUSHBUTTON | WS_TABSTOP, 117, 238, 66, 21},
    {IDCANCEL, "Button", "Close", kPush, 221, 238, 66, 21},
    {IDC_SUFFIX, "Edit", "", kField, 135, 96, 158, 13},
    {IDC_SET_SUFFIX, "Button", "", kCheck, 31, 98, 10, 9},
    {IDC_SET_SUFFIX_LABEL, "Static", "Set Suffix for Target file", kOneLineLabel | SS_NOTIFY, 46,
     98, 81, 9},
    {IDC_REMEMBER_PASSWORDS, "Button", "", kCheck, 31, 144, 10, 9},
    {IDC_ENCRYPTION_LABEL, "Static", "Target PDF Encryption Type", kOneLineLabel | SS_NOTIFY, 31,
     73, 93, 9},
    {IDC_IGNORE_SUFFIX_FILES, "Button", "", kCheck, 31, 121, 10, 9},
    {IDC_IGNORE_SUFFIX_FILES_LABEL, "Static", "Ignore files with above suffix within folder",
     kLinkLabel, 46, 121, 247, 9},
    {IDC_REMEMBER_PASSWORDS_LABEL, "Static", "Remember the input passwords", kLinkLabel, 46, 144,
     247, 9},
    {IDC_SETTINGS_HELP_LINK, "Static", "Need Help?", kShown | SS_RIGHT | WS_GROUP, 322, 72, 51, 10},
    {IDC_ENABLE_MENU_LABEL, "Static", "Enable PDF right click context menu [Run as Administrator]",
     kLinkLabel, 46, 167, 331, 9},
    {IDC_ENABLE_MENU, "Button", "", kCheck, 31, 167, 9, 9},
    {IDC_ALLOW_SIGNED_LABEL, "Static",
     "Also protect digitally signed PDF files (their signatures become invalid)", kLinkLabel, 46,
     190, 331, 9},
    {IDC_ALLOW_SIGNED, "Button", "", kCheck, 31, 190, 9, 9},
    {IDC_ENCRYPTION_TYPE, "ComboBox", "", kShown | CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 135, 71,
     158, 13},
    {IDC_STATIC, "Static", "", kShown | SS_ETCHEDHORZ, 30, 219, 342, 2},
};

struct TemplateCase
{
    const char* name;
    UINT nID;
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    const char* caption; // nullptr: the window sets its own
    const ControlRow* rows;
    size_t count;
    std::vector<int> tabOrder;
};

const TemplateCase kCases[] = {
    {"MainWindow",
     IDD_SEALWICK_DIALOG,
     DS_SETFONT | DS_FIXEDSYS | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
         WS_MINIMIZEBOX,
     WS_EX_APPWINDOW,
     627,
     437,
     nullptr,
     kMainWindow,
     std::size(kMainWindow),
     {IDOK, IDC_RESULTS_LIST, IDC_CLEAR_LIST, IDC_SETTINGS, IDC_SOURCE, IDC_TARGET,
      IDC_OPEN_PASSWORD, IDC_BROWSE_SOURCE, IDC_BROWSE_TARGET, IDC_OPEN_PDF,
      IDC_PERMISSION_PASSWORD, IDC_PREVENT_COPY, IDC_PREVENT_PRINT, IDC_PREVENT_MODIFY}},
    {"Settings",
     IDD_SETTINGS,
     DS_SETFONT | DS_MODALFRAME | DS_FIXEDSYS | WS_POPUP | WS_CAPTION | WS_SYSMENU,
     0,
     403,
     278,
     "Settings - Sealwick",
     kSettings,
     std::size(kSettings),
     {IDOK, IDCANCEL, IDC_SUFFIX, IDC_SET_SUFFIX, IDC_REMEMBER_PASSWORDS, IDC_IGNORE_SUFFIX_FILES,
      IDC_ENABLE_MENU, IDC_ALLOW_SIGNED, IDC_ENCRYPTION_TYPE}},
};

class TemplateTest : public ::testing::TestWithParam<TemplateCase>
{
};

TEST_P(TemplateTest, DialogHasItsStyleSizeAndFont)
{
    const TemplateCase& c = GetParam();
    DialogTemplate dlg;
    ASSERT_TRUE(LoadDialogTemplate(GetModuleHandleA(nullptr), c.nID, dlg));
    EXPECT_EQ(c.style, dlg.style) << std::hex << (c.style ^ dlg.style);
    EXPECT_EQ(c.exStyle, dlg.exStyle);
    EXPECT_EQ(c.cx, dlg.cx);
    EXPECT_EQ(c.cy, dlg.cy);
    if (c.caption)
    {
        EXPECT_EQ(c.caption, dlg.caption);
    }
    EXPECT_EQ("MS Shell Dlg", dlg.typeface);
    EXPECT_EQ(8, dlg.pointSize);
    EXPECT_EQ(400, dlg.weight);
    EXPECT_EQ(0, dlg.italic);
}

TEST_P(TemplateTest, ControlsAreThoseOfTheLayoutInOrder)
{
    const TemplateCase& c = GetParam();
    DialogTemplate dlg;
    ASSERT_TRUE(LoadDialogTemplate(GetModuleHandleA(nullptr), c.nID, dlg));
    ASSERT_EQ(c.count, dlg.items.size());
    for (size_t i = 0; i < c.count; ++i)
    {
        const ControlRow& want = c.rows[i];
        const TemplateItem& got = dlg.items[i];
        SCOPED_TRACE(testing::Message() << "control #" << i << " id " << want.id);
        EXPECT_EQ(want.id, got.id);
        EXPECT_STRCASEEQ(want.className, got.className.c_str());
        EXPECT_EQ(want.text, got.text);
        EXPECT_EQ(want.style, got.style) << std::hex << "differs in 0x" << (want.style ^ got.style);
        EXPECT_EQ(0u, got.exStyle);
        EXPECT_EQ(want.x, got.x);
        EXPECT_EQ(want.y, got.y);
        EXPECT_EQ(want.cx, got.cx);
        EXPECT_EQ(want.cy, got.cy);
    }
}

// The dialog manager creates what the template says: same children, classes and texts, the tab
// order of the layout, and every control where its dialog units put it.
TEST_P(TemplateTest, CreatedDialogHasTheControlsAndTabOrder)
{
    const TemplateCase& c = GetParam();
    EnsureCommonControls();
    CDialog dlg(c.nID);
    ASSERT_TRUE(dlg.Create());
    const HWND hDlg = dlg.GetSafeHwnd();

    const std::vector<HWND> children = ChildWindows(hDlg);
    ASSERT_EQ(c.count, children.size());
    for (size_t i = 0; i < c.count; ++i)
    {
        const ControlRow& want = c.rows[i];
        const HWND hCtl = children[i];
        SCOPED_TRACE(testing::Message() << "control #" << i << " id " << want.id);
        EXPECT_EQ(want.id, GetDlgCtrlID(hCtl));
        EXPECT_STRCASEEQ(want.className, ClassName(hCtl).c_str());
        if (want.text[0] != '#')
        {
            EXPECT_EQ(want.text, WindowText(hCtl));
        }
        EXPECT_EQ((want.style & WS_VISIBLE) != 0,
                  (GetWindowLongA(hCtl, GWL_STYLE) & WS_VISIBLE) != 0);

        // Pictures and lines size themselves to their bitmap or edge, combo boxes to their font.
        const bool textStatic =
            std::string(want.className) == "Static" && (want.style & SS_TYPEMASK) <= SS_RIGHT;
        if (std::string(want.className) == "ComboBox" ||
            (std::string(want.className) == "Static" && !textStatic))
            continue;
        // The dialog manager converts origin and size separately.
        RECT origin = {want.x, want.y, want.cx, want.cy};
        MapDialogRect(hDlg, &origin);
        const RECT actual = RectInParent(hCtl);
        EXPECT_EQ(origin.left, actual.left);
        EXPECT_EQ(origin.top, actual.top);
        EXPECT_EQ(origin.right, actual.right - actual.left);
        EXPECT_EQ(origin.bottom, actual.bottom - actual.top);
    }

    std::vector<int> tabOrder;
    const HWND first = GetNextDlgTabItem(hDlg, nullptr, FALSE);
    for (HWND h = first; h && tabOrder.size() <= c.count; h = GetNextDlgTabItem(hDlg, h, FALSE))
    {
        tabOrder.push_back(GetDlgCtrlID(h));
        if (GetNextDlgTabItem(hDlg, h, FALSE) == first)
            break;
    }
    EXPECT_EQ(c.tabOrder, tabOrder);
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The two radio buttons form one group, so an automatic click on one clears the other.
TEST(MainWindowTemplate, ModeRadioButtonsShareOneGroup)
{
    EnsureCommonControls();
    CDialog dlg(IDD_SEALWICK_DIALOG);
    ASSERT_TRUE(dlg.Create());
    const HWND hDlg = dlg.GetSafeHwnd();
    CheckDlgButton(hDlg, IDC_MODE_SINGLE_FILE, BST_CHECKED);
    SendDlgItemMessageA(hDlg, IDC_MODE_FOLDER, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(hDlg, IDC_MODE_SINGLE_FILE));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(hDlg, IDC_MODE_FOLDER));
    SendDlgItemMessageA(hDlg, IDC_MODE_SINGLE_FILE, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(hDlg, IDC_MODE_SINGLE_FILE));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(hDlg, IDC_MODE_FOLDER));
}
} // namespace
