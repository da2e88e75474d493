// The main window from the program's own resources, driven with messages.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/app_texts.h"
#include "app/window_protection_view.h"
#include "framework/file_dialog.h"
#include "main_window_test_support.h"
#include "res/resource.h"
#include "settings/settings_store.h"
#include "tests/support/scratch.h"

namespace
{
SettingsRecord ReadSettingsFile(const std::string& path)
{
    SettingsRecord record;
    LoadSettings(path, record);
    return record;
}

// One shown window for the whole suite, started as on a first start.
class MainWindow : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        EnsureCommonControls();
        s_scratch = new ScratchFolder("main_window");
        s_settingsPath = *s_scratch / "settings_sealwick.db";
        s_bFileBefore = PathExists(s_settingsPath);
        s_window = new TestMainWindow(s_settingsPath);
        s_bCreated = s_window->Create() != FALSE;
    }

    static void TearDownTestSuite()
    {
        delete s_window;
        delete s_scratch;
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_bCreated);
        w().RunActive = 0;
    }

    static TestMainWindow& w() { return *s_window; }

    // Single-file mode with empty memories and the given fields.
    static void Reset(const std::string& source = "", const std::string& target = "")
    {
        w().Command(IDC_MODE_SINGLE_FILE_LABEL, STN_CLICKED);
        w().m_modeMemory.Clear();
        w().SetDlgItemText(IDC_SOURCE, source.c_str());
        w().SetDlgItemText(IDC_TARGET, target.c_str());
    }

    static void Drop(const std::vector<std::string>& paths)
    {
        w().SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)));
    }

    static ScratchFolder* s_scratch;
    static std::string s_settingsPath;
    static bool s_bFileBefore;
    static bool s_bCreated;
    static TestMainWindow* s_window;
};

ScratchFolder* MainWindow::s_scratch;
std::string MainWindow::s_settingsPath;
bool MainWindow::s_bFileBefore;
bool MainWindow::s_bCreated;
TestMainWindow* MainWindow::s_window;

TEST_F(MainWindow, FirstStartShowsSingleFileModeWithThePlaceholderAndCreatesTheSettingsFile)
{
    EXPECT_FALSE(s_bFileBefore);
    EXPECT_TRUE(PathExists(s_settingsPath));

    EXPECT_TRUE(w().IsChecked(IDC_MODE_SINGLE_FILE));
    EXPECT_FALSE(w().IsChecked(IDC_MODE_FOLDER));
    EXPECT_EQ(kLabelSourceSingleFile, w().Text(IDC_SOURCE_LABEL));
    EXPECT_EQ(kLabelTargetSingleFile, w().Text(IDC_TARGET_LABEL));
    EXPECT_EQ(kPlaceholderSingleFile, w().Text(IDC_SOURCE));
    EXPECT_EQ("", w().Text(IDC_TARGET));
    EXPECT_EQ("", w().Text(IDC_OPEN_PASSWORD));
    EXPECT_EQ("", w().Text(IDC_PERMISSION_PASSWORD));
    for (int box : {IDC_PREVENT_COPY, IDC_PREVENT_MODIFY, IDC_PREVENT_PRINT})
        EXPECT_FALSE(w().IsChecked(box)) << box;
    EXPECT_FALSE(w().IsEnabled(IDC_PERMISSION_PASSWORD));
    EXPECT_FALSE(w().IsEnabled(IDC_OPEN_PDF));
    EXPECT_FALSE(w().IsEnabled(IDC_CLEAR_LIST));
    EXPECT_TRUE(w().IsEnabled(IDOK));
    EXPECT_TRUE(w().IsEnabled(IDC_SETTINGS));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(w(), IDC_PROGRESS)));

    char caption[100] = "";
    ::GetWindowTextA(w(), caption, sizeof caption);
    EXPECT_STREQ("Veltrane Sealwick", caption);
    EXPECT_EQ(kTipBrowseSourceSingleFile, w().m_btnBrowseSource.GetTipTextToShow());
    EXPECT_EQ(kTipProtect, w().m_btnProtect.GetTipTextToShow());
    EXPECT_EQ(1, w().InitDone);
    // Started without a file and with the menu option on: the verb is written.
    EXPECT_EQ(1, w().m_nVerbRegistered);
}

TEST_F(MainWindow, SystemMenuEndsWithTheAboutEntry)
{
    HMENU hMenu = ::GetSystemMenu(w(), FALSE);
    const int count = ::GetMenuItemCount(hMenu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), ::GetMenuItemID(hMenu, count - 1));
    char text[100] = "";
    ::GetMenuStringA(hMenu, count - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&About Veltrane Sealwick...", text);
    EXPECT_NE(0u, ::GetMenuState(hMenu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST_F(MainWindow, AboutBoxOpensForTheAboutEntryAndTheAboutLinkOnly)
{
    struct Case
    {
        UINT message;
        WPARAM wParam;
        int opens;
    };
    const Case cases[] = {
        {WM_SYSCOMMAND, 16, 1},
        {WM_SYSCOMMAND, 31, 1},
        {WM_SYSCOMMAND, 17, 1},
        {WM_SYSCOMMAND, 32, 0},
        {WM_LINK_CLICKED, IDC_ABOUT_LINK, 1},
        {WM_LINK_CLICKED, IDC_HELP_LINK, 0},
    };
    for (const Case& c : cases)
    {
        const int before = w().m_nAboutShown;
        w().SendMessage(c.message, c.wParam);
        EXPECT_EQ(c.opens, w().m_nAboutShown - before) << c.message << " " << c.wParam;
    }
}

TEST_F(MainWindow, AClickOnTheAboutLinkOpensTheAboutBoxAndTheHelpLinkOpensTheGuide)
{
    const int before = w().m_nAboutShown;
    w().Command(IDC_ABOUT_LINK, STN_CLICKED);
    EXPECT_EQ(before + 1, w().m_nAboutShown);

    const std::string& url = w().m_linkHelp.m_strUrl;
    EXPECT_EQ(kUserGuideFileName, url.substr(url.find_last_of('\\') + 1));
    EXPECT_EQ(1, w().m_linkHelp.m_bTipEnabled);
    EXPECT_EQ(0, w().m_linkHelp.m_bNotifyParent);
    // Both links show the window's bold link font, not the underlined one each made itself.
    for (CStaticHyperLink* link : {&w().m_linkHelp, &w().m_linkAbout})
    {
        LOGFONTA font = {};
        ::GetObjectA(link->GetFont(), sizeof font, &font);
        EXPECT_EQ(FW_BOLD, font.lfWeight);
        EXPECT_EQ(0, font.lfUnderline);
    }
}

TEST_F(MainWindow, SettingsButtonOpensTheSettingsOnlyWhenNoRunIsActive)
{
    const int before = w().m_nSettingsShown;
    w().RunActive = 1;
    w().Command(IDC_SETTINGS);
    EXPECT_EQ(before, w().m_nSettingsShown);
    w().RunActive = 0;
    w().Command(IDC_SETTINGS);
    EXPECT_EQ(before + 1, w().m_nSettingsShown);
}

TEST_F(MainWindow, ModeSwitchesRestoreEachModesTexts)
{
    Reset("C:\\In\\report.pdf", "C:\\In\\report_protected.pdf");

    ::SendMessageA(::GetDlgItem(w(), IDC_MODE_FOLDER), BM_CLICK, 0, 0);
    EXPECT_TRUE(w().IsChecked(IDC_MODE_FOLDER));
    EXPECT_FALSE(w().IsChecked(IDC_MODE_SINGLE_FILE));
    EXPECT_EQ(kLabelSourceFolder, w().Text(IDC_SOURCE_LABEL));
    EXPECT_EQ(kLabelTargetFolder, w().Text(IDC_TARGET_LABEL));
    EXPECT_EQ(kPlaceholderFolder, w().Text(IDC_SOURCE));
    EXPECT_EQ("", w().Text(IDC_TARGET));
    EXPECT_EQ(kTipBrowseSourceFolder, w().m_btnBrowseSource.GetTipTextToShow());
    EXPECT_EQ(kTipBrowseTargetFolder, w().m_btnBrowseTarget.GetTipTextToShow());

    w().SetDlgItemText(IDC_SOURCE, "D:\\Docs\\");
    w().SetDlgItemText(IDC_TARGET, "E:\\Out\\");
    w().Command(IDC_MODE_SINGLE_FILE_LABEL, STN_CLICKED);
    EXPECT_TRUE(w().IsChecked(IDC_MODE_SINGLE_FILE));
    EXPECT_FALSE(w().IsChecked(IDC_MODE_FOLDER));
    EXPECT_EQ("C:\\In\\report.pdf", w().Text(IDC_SOURCE));
    EXPECT_EQ("C:\\In\\report_protected.pdf", w().Text(IDC_TARGET));
    EXPECT_EQ(kTipBrowseSourceSingleFile, w().m_btnBrowseSource.GetTipTextToShow());

    w().Command(IDC_MODE_FOLDER_LABEL, STN_CLICKED);
    EXPECT_EQ("D:\\Docs\\", w().Text(IDC_SOURCE));
    EXPECT_EQ("E:\\Out\\", w().Text(IDC_TARGET));
}

TEST_F(MainWindow, ChoosingTheShownModeAgainChangesNothing)
{
    Reset("C:\\In\\typed.pdf", "typed target");
    w().Command(IDC_MODE_SINGLE_FILE);
    w().Command(IDC_MODE_SINGLE_FILE_LABEL, STN_CLICKED);
    EXPECT_EQ("C:\\In\\typed.pdf", w().Text(IDC_SOURCE));
    EXPECT_EQ("typed target", w().Text(IDC_TARGET));
    EXPECT_EQ("", w().m_modeMemory.singleFile.strSource);
}

TEST_F(MainWindow, DropsTakeFoldersAndPdfFilesAndAnswerOthersInTheSourceField)
{
    const std::string folder = s_scratch->Path();
    struct Case
    {
        std::vector<std::string> paths;
        bool bFolderMode;
        std::string source;
        std::string target;
    };
    const Case cases[] = {
        {{folder}, true, folder + "\\", folder + "\\"},
        {{"C:\\"}, true, "C:\\", "C:\\"},
        {{"C:\\In\\scan.Pdf"}, false, "C:\\In\\scan.Pdf", "C:\\In\\scan_protected.pdf"},
        {{"C:\\In\\first.pdf", "C:\\In\\second.pdf", "C:\\In\\third.pdf"},
         false,
         "C:\\In\\first.pdf",
         "C:\\In\\first_protected.pdf"},
        {{"C:\\In\\scan.pdf.txt"}, false, kDropNotPdf, "before"},
        {{"C:\\In\\README"}, false, kDropNoExtension, "before"},
    };
    for (const Case& c : cases)
    {
        Reset("before", "before");
        Drop(c.paths);
        EXPECT_EQ(c.bFolderMode, w().IsChecked(IDC_MODE_FOLDER)) << c.paths[0];
        EXPECT_EQ(c.source, w().Text(IDC_SOURCE)) << c.paths[0];
        EXPECT_EQ(c.target, w().Text(IDC_TARGET)) << c.paths[0];
    }
}

TEST_F(MainWindow, ARejectedDropKeepsTheFolderMode)
{
    Reset();
    w().Command(IDC_MODE_FOLDER_LABEL, STN_CLICKED);
    w().SetDlgItemText(IDC_TARGET, "D:\\Out\\");
    Drop({"C:\\In\\notes.txt"});
    EXPECT_TRUE(w().IsChecked(IDC_MODE_FOLDER));
    EXPECT_EQ(kDropNotPdf, w().Text(IDC_SOURCE));
    EXPECT_EQ("D:\\Out\\", w().Text(IDC_TARGET));
}

TEST_F(MainWindow, DropsAreIgnoredDuringARun)
{
    Reset("kept", "kept too");
    w().RunActive = 1;
    Drop({"C:\\In\\scan.pdf"});
    EXPECT_EQ("kept", w().Text(IDC_SOURCE));
    EXPECT_EQ("kept too", w().Text(IDC_TARGET));
}

// The folder the next picker "chooses"; empty: the user cancels.
std::string g_pickedFolder;
std::string g_pickerTitle;
BOOL PickFolder(HWND, const char* title, UINT, std::string& path)
{
    g_pickerTitle = title;
    if (g_pickedFolder.empty())
        return FALSE;
    path = g_pickedFolder;
    return TRUE;
}

std::string g_pickedFile;
DWORD g_fileDialogFlags;
BOOL PickFile(OPENFILENAMEA& ofn, BOOL)
{
    g_fileDialogFlags = ofn.Flags;
    if (g_pickedFile.empty())
        return FALSE;
    lstrcpynA(ofn.lpstrFile, g_pickedFile.c_str(), ofn.nMaxFile);
    return TRUE;
}

struct PickerScope
{
    PickerScope()
    {
        SetFolderPickerHandler(&PickFolder);
        SetFileDialogHandler(&PickFile);
    }
    ~PickerScope()
    {
        SetFolderPickerHandler(nullptr);
        SetFileDialogHandler(nullptr);
    }
};

TEST_F(MainWindow, TargetBrowseAddsTheSourceNameInSingleFileMode)
{
    PickerScope pickers;
    struct Case
    {
        bool bFolderMode;
        std::string source;
        std::string picked;
        std::string target;
    };
    const Case cases[] = {
        {false, "C:\\In\\report.pdf", "D:\\Out", "D:\\Out\\report.pdf"},
        {false, "C:\\In\\report.pdf", "D:\\", "D:\\report.pdf"},
        {false, "", "D:\\Out", "D:\\Out\\"}, // the placeholder is in the source field
        {true, "C:\\In\\", "D:\\Out", "D:\\Out\\"},
        {false, "C:\\In\\report.pdf", "", "unchanged"},
    };
    for (const Case& c : cases)
    {
        Reset();
        if (c.bFolderMode)
            w().Command(IDC_MODE_FOLDER_LABEL, STN_CLICKED);
        if (!c.source.empty())
            w().SetDlgItemText(IDC_SOURCE, c.source.c_str());
        w().SetDlgItemText(IDC_TARGET, "unchanged");
        g_pickedFolder = c.picked;
        ::SendMessageA(::GetDlgItem(w(), IDC_BROWSE_TARGET), BM_CLICK, 0, 0);
        EXPECT_EQ(kTitleTargetFolder, g_pickerTitle);
        EXPECT_EQ(c.target, w().Text(IDC_TARGET)) << c.source << " + " << c.picked;
    }
}

TEST_F(MainWindow, SourceBrowseFillsTheSourceAndItsTarget)
{
    PickerScope pickers;
    Reset("old", "old");
    g_pickedFile = "C:\\In\\Picked.PDF";
    w().Command(IDC_BROWSE_SOURCE);
    const DWORD flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NONETWORKBUTTON;
    EXPECT_EQ(flags, g_fileDialogFlags & flags);
    EXPECT_EQ("C:\\In\\Picked.PDF", w().Text(IDC_SOURCE));
    EXPECT_EQ("C:\\In\\Picked_protected.pdf", w().Text(IDC_TARGET));

    g_pickedFile.clear();
    w().Command(IDC_BROWSE_SOURCE);
    EXPECT_EQ("C:\\In\\Picked.PDF", w().Text(IDC_SOURCE));

    w().Command(IDC_MODE_FOLDER_LABEL, STN_CLICKED);
    g_pickedFolder = "D:\\Docs";
    w().Command(IDC_BROWSE_SOURCE);
    EXPECT_EQ(kTitleSourceFolder, g_pickerTitle);
    EXPECT_EQ("D:\\Docs\\", w().Text(IDC_SOURCE));
    EXPECT_EQ("D:\\Docs\\", w().Text(IDC_TARGET));
}

TEST_F(MainWindow, ASourceWhoseTargetIsTooLongIsNotTakenWithoutItsTarget)
{
    // With this suffix the derived target passes the 999 characters a run reads.
    PickerScope pickers;
    const std::string suffix = w().GetSettings().strTargetSuffix;
    w().GetSettings().strTargetSuffix = std::string(990, 's');
    const std::string path = "C:\\In\\report.pdf";
    struct Case
    {
        const char* what;
        bool bFolderModeBefore;
        std::function<void()> take;
    } cases[] = {
        {"source browse", false,
         [&]
         {
             g_pickedFile = path;
             w().Command(IDC_BROWSE_SOURCE);
         }},
        {"drop", true, [&] { Drop({path}); }},
    };
    for (const Case& c : cases)
    {
        Reset("C:\\In\\old.pdf", "C:\\In\\old_protected.pdf");
        if (c.bFolderModeBefore)
        {
            w().Command(IDC_MODE_FOLDER_LABEL, STN_CLICKED);
            w().SetDlgItemText(IDC_SOURCE, "C:\\In\\");
            w().SetDlgItemText(IDC_TARGET, "C:\\Out\\");
        }
        const std::string source = w().Text(IDC_SOURCE), target = w().Text(IDC_TARGET);
        c.take();
        EXPECT_EQ(source, w().Text(IDC_SOURCE)) << c.what;
        EXPECT_EQ(target, w().Text(IDC_TARGET)) << c.what;
        EXPECT_EQ(c.bFolderModeBefore, w().IsChecked(IDC_MODE_FOLDER)) << c.what;
    }
    w().GetSettings().strTargetSuffix = suffix;
}

TEST_F(MainWindow, ThePermissionPasswordFollowsTheOpenPasswordAsTyped)
{
    w().SetDlgItemText(IDC_OPEN_PASSWORD, "");
    w().SetDlgItemText(IDC_PERMISSION_PASSWORD, "typed before");
    HWND hOpen = ::GetDlgItem(w(), IDC_OPEN_PASSWORD);
    const char* expected[] = {"a", "ab", "abc"};
    for (int i = 0; i < 3; ++i)
    {
        ::SendMessageA(hOpen, WM_CHAR, "abc"[i], 1);
        EXPECT_EQ(expected[i], w().Text(IDC_PERMISSION_PASSWORD));
    }
    // Editing the permission password leaves the open password alone.
    w().SetDlgItemText(IDC_PERMISSION_PASSWORD, "owner");
    EXPECT_EQ("abc", w().Text(IDC_OPEN_PASSWORD));
}

TEST_F(MainWindow, AnyRestrictionEnablesThePermissionPasswordAndKeepsItsText)
{
    w().SetDlgItemText(IDC_PERMISSION_PASSWORD, "owner");
    const int boxes[] = {IDC_PREVENT_COPY, IDC_PREVENT_MODIFY, IDC_PREVENT_PRINT};
    const int labels[] = {IDC_PREVENT_COPY_LABEL, IDC_PREVENT_MODIFY_LABEL,
                          IDC_PREVENT_PRINT_LABEL};
    for (int i = 0; i < 3; ++i)
    {
        ::SendMessageA(::GetDlgItem(w(), boxes[i]), BM_CLICK, 0, 0);
        EXPECT_TRUE(w().IsChecked(boxes[i]));
        EXPECT_TRUE(w().IsEnabled(IDC_PERMISSION_PASSWORD)) << boxes[i];
        ::SendMessageA(::GetDlgItem(w(), boxes[i]), BM_CLICK, 0, 0);
        EXPECT_FALSE(w().IsEnabled(IDC_PERMISSION_PASSWORD)) << boxes[i];

        w().Command(labels[i], STN_CLICKED);
        EXPECT_TRUE(w().IsChecked(boxes[i])) << labels[i];
        EXPECT_TRUE(w().IsEnabled(IDC_PERMISSION_PASSWORD)) << labels[i];
        w().Command(labels[i], STN_CLICKED);
        EXPECT_FALSE(w().IsChecked(boxes[i])) << labels[i];
        EXPECT_FALSE(w().IsEnabled(IDC_PERMISSION_PASSWORD)) << labels[i];
    }
    // One ticked box among unticked ones is enough.
    w().Command(IDC_PREVENT_PRINT_LABEL, STN_CLICKED);
    w().Command(IDC_PREVENT_COPY_LABEL, STN_CLICKED);
    w().Command(IDC_PREVENT_COPY_LABEL, STN_CLICKED);
    EXPECT_TRUE(w().IsEnabled(IDC_PERMISSION_PASSWORD));
    w().Command(IDC_PREVENT_PRINT_LABEL, STN_CLICKED);
    EXPECT_EQ("owner", w().Text(IDC_PERMISSION_PASSWORD));
}

TEST_F(MainWindow, LabelsStillSwitchTheModeAndTickRestrictionsWhileARunLocksTheirBoxes)
{
    Reset("C:\\In\\a.pdf", "C:\\In\\a_p.pdf");
    w().RunActive = 1;
    CWindowProtectionView run(w(), w().StartRunQueue());
    run.LockInputs();
    w().Command(IDC_MODE_FOLDER_LABEL, STN_CLICKED);
    EXPECT_TRUE(w().IsChecked(IDC_MODE_FOLDER));
    EXPECT_FALSE(w().IsChecked(IDC_MODE_SINGLE_FILE));
    EXPECT_EQ(kLabelSourceFolder, w().Text(IDC_SOURCE_LABEL));
    w().Command(IDC_PREVENT_MODIFY_LABEL, STN_CLICKED);
    EXPECT_TRUE(w().IsChecked(IDC_PREVENT_MODIFY));
    EXPECT_TRUE(w().IsEnabled(IDC_PERMISSION_PASSWORD));
    w().Command(IDC_PREVENT_MODIFY_LABEL, STN_CLICKED);
    EXPECT_FALSE(w().IsChecked(IDC_PREVENT_MODIFY));
    EXPECT_FALSE(w().IsEnabled(IDC_PREVENT_MODIFY)) << "the run's lock was lifted";
    run.UnlockInputs();
}

TEST_F(MainWindow, CommandLineFileFillsTheSingleFileFields)
{
    const std::string pdf = *s_scratch / "Q3 Report.PDF";
    const std::string docx = *s_scratch / "report.docx";
    WriteFileBytes(pdf, "%PDF-1.4\n");
    WriteFileBytes(docx, "not a pdf");
    const std::string exe = "C:\\Program Files\\Sealwick\\sealwick.exe";
    struct Case
    {
        std::string commandLine;
        bool bStartInFolderMode;
        bool bTaken;
        std::string source;
        std::string target;
    };
    const Case cases[] = {
        {"\"" + exe + "\" \"" + pdf + "\"", false, true, pdf,
         *s_scratch / "Q3 Report_protected.pdf"},
        {exe + " \"" + pdf + "\"", true, true, pdf, *s_scratch / "Q3 Report_protected.pdf"},
        {"\"" + exe + "\" \"" + docx + "\"", false, true, docx,
         *s_scratch / "report_protected.pdf"},
        {"\"" + exe + "\" report.pdf", true, false, "before", "before"},
        {"\"" + exe + "\"", false, false, "before", "before"},
    };
    for (const Case& c : cases)
    {
        Reset();
        if (c.bStartInFolderMode)
            w().Command(IDC_MODE_FOLDER_LABEL, STN_CLICKED);
        w().SetDlgItemText(IDC_SOURCE, "before");
        w().SetDlgItemText(IDC_TARGET, "before");
        w().SetDlgItemText(IDC_OPEN_PASSWORD, "secret");
        w().m_strCommandLine = c.commandLine;

        EXPECT_EQ(c.bTaken, w().TakeCommandLineFile()) << c.commandLine;
        EXPECT_EQ(c.source, w().Text(IDC_SOURCE)) << c.commandLine;
        EXPECT_EQ(c.target, w().Text(IDC_TARGET)) << c.commandLine;
        if (c.bTaken)
        {
            EXPECT_TRUE(w().IsChecked(IDC_MODE_SINGLE_FILE));
            EXPECT_EQ("", w().Text(IDC_OPEN_PASSWORD));
            EXPECT_EQ("", w().Text(IDC_PERMISSION_PASSWORD));
        }
        else
        {
            EXPECT_EQ(c.bStartInFolderMode, w().IsChecked(IDC_MODE_FOLDER));
            EXPECT_EQ("secret", w().Text(IDC_OPEN_PASSWORD));
        }
    }
}

TEST_F(MainWindow, LabelsAreTransparentAndNothingIsErased)
{
    HDC hDC = ::GetDC(w());
    const int transparent[] = {IDC_SOURCE_LABEL, IDC_OPEN_PASSWORD_LABEL, IDC_PREVENT_PRINT_LABEL,
                               IDC_MODE_FOLDER_LABEL};
    for (int id : transparent)
    {
        ::SetBkMode(hDC, OPAQUE);
        const LRESULT brush = w().SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                              reinterpret_cast<LPARAM>(::GetDlgItem(w(), id)));
        EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)), brush) << id;
        EXPECT_EQ(TRANSPARENT, ::GetBkMode(hDC)) << id;
    }
    const LRESULT editBrush =
        w().SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
                        reinterpret_cast<LPARAM>(::GetDlgItem(w(), IDC_SOURCE)));
    EXPECT_NE(reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)), editBrush);
    EXPECT_EQ(TRUE, w().SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hDC)));
    ::ReleaseDC(w(), hDC);
    EXPECT_NE(0, w().SendMessage(WM_QUERYDRAGICON));
}

// The background picture lies beneath every control and paints around them: when it repaints
// (a button enabled or disabled, an area of the window redrawn) the controls standing on it
// stay visible. Seen without this: "Open PDF" and "Clear List" vanished once enabled.
TEST_F(MainWindow, CanGrowButNotShrinkBelowItsMinimumAndControlsStayPut)
{
    auto controlRect = []
    {
        RECT rect;
        ::GetWindowRect(::GetDlgItem(w(), IDC_SETTINGS), &rect);
        ::MapWindowPoints(nullptr, w(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    const RECT before = controlRect();

    ::SetWindowPos(w(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT window;
    ::GetWindowRect(w(), &window);
    EXPECT_EQ(760, window.right - window.left);
    EXPECT_EQ(580, window.bottom - window.top);

    ::SetWindowPos(w(), nullptr, 0, 0, 1200, 900, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::GetWindowRect(w(), &window);
    EXPECT_EQ(1200, window.right - window.left);
    const RECT after = controlRect();
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
}

TEST_F(MainWindow, EveryWayOfClosingIsRefusedDuringARun)
{
    ScriptedMessageBoxes boxes;
    w().SetDlgItemText(IDC_SOURCE, "C:\\During\\run.pdf");
    w().RunActive = 1;

    // The dialog manager posts the close box's and the system menu's IDCANCEL.
    w().Command(IDCANCEL);
    w().SendMessage(WM_CLOSE);
    PumpMessages();
    w().SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    PumpMessages();
    MSG esc = {::GetDlgItem(w(), IDC_SOURCE), WM_KEYDOWN, VK_ESCAPE, 0x00010001};
    ::IsDialogMessageA(w(), &esc);
    PumpMessages();

    ASSERT_EQ(4u, ScriptedMessageBoxes::Log().size());
    for (const auto& shown : ScriptedMessageBoxes::Log())
    {
        EXPECT_EQ(kMsgRunInProgress, shown.text);
        EXPECT_EQ("Veltrane Sealwick", shown.caption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING | MB_OK), shown.style);
    }
    EXPECT_FALSE(w().IsEnded());
    EXPECT_TRUE(::IsWindowVisible(w()));
    EXPECT_EQ(0, w().m_nOfferShown);
    EXPECT_EQ("", ReadSettingsFile(s_settingsPath).strSourceFile);
}

// Closing saves the inputs, then shows the offer, then ends.
TEST(MainWindowClose, SavesTheLastInputsBeforeTheOfferShows)
{
    EnsureCommonControls();
    ScratchFolder scratch("main_window_close");
    const std::string path = scratch / "settings_sealwick.db";
    TestMainWindow window(path);
    ASSERT_TRUE(window.Create());

    window.Command(IDC_MODE_FOLDER_LABEL, STN_CLICKED);
    window.SetDlgItemText(IDC_SOURCE, "D:\\Docs\\");
    window.SetDlgItemText(IDC_TARGET, "E:\\Out\\");
    window.SetDlgItemText(IDC_OPEN_PASSWORD, "open pw");
    window.SetDlgItemText(IDC_PERMISSION_PASSWORD, "owner pw");
    window.Command(IDC_PREVENT_PRINT_LABEL, STN_CLICKED);

    SettingsRecord atOffer;
    window.m_onOffer = [&] { atOffer = ReadSettingsFile(path); };
    ScriptedMessageBoxes boxes;
    window.SendMessage(WM_CLOSE);
    PumpMessages();

    EXPECT_TRUE(boxes.Log().empty());
    EXPECT_EQ(1, window.m_nOfferShown);
    EXPECT_TRUE(window.IsEnded());
    EXPECT_EQ(IDCANCEL, window.GetModalResult());
    EXPECT_EQ(1, atOffer.bFolderMode);
    EXPECT_EQ("D:\\Docs\\", atOffer.strSourceFile);
    EXPECT_EQ("E:\\Out\\", atOffer.strTargetFile);
    EXPECT_EQ("open pw", atOffer.strPassword);
    EXPECT_EQ("owner pw", atOffer.strPermissionPassword);
    EXPECT_EQ(0, atOffer.bPreventCopy);
    EXPECT_EQ(0, atOffer.bPreventModify);
    EXPECT_EQ(1, atOffer.bPreventPrint);
}

// Starts on a settings file written beforehand.
struct SavedStart
{
    explicit SavedStart(const SettingsRecord& saved, const std::string& commandLine = "")
        : scratch("main_window_saved")
    {
        EnsureCommonControls();
        const std::string path = scratch / "settings_sealwick.db";
        CreateSettingsFile(path, saved);
        window = std::make_unique<TestMainWindow>(path, commandLine);
        bCreated = window->Create() != FALSE;
    }
    ScratchFolder scratch;
    std::unique_ptr<TestMainWindow> window;
    bool bCreated = false;
};

TEST(MainWindowStart, RestoresTheLastFolderRun)
{
    SettingsRecord saved;
    saved.bFolderMode = 1;
    saved.strSourceFile = "D:\\Docs\\";
    saved.strTargetFile = "E:\\Out\\";
    saved.strPassword = "open pw";
    saved.strPermissionPassword = "owner pw";
    saved.bPreventModify = 1;
    SavedStart start(saved);
    ASSERT_TRUE(start.bCreated);
    TestMainWindow& w = *start.window;

    EXPECT_TRUE(w.IsChecked(IDC_MODE_FOLDER));
    EXPECT_FALSE(w.IsChecked(IDC_MODE_SINGLE_FILE));
    EXPECT_EQ(kLabelSourceFolder, w.Text(IDC_SOURCE_LABEL));
    EXPECT_EQ("D:\\Docs\\", w.Text(IDC_SOURCE));
    EXPECT_EQ("E:\\Out\\", w.Text(IDC_TARGET));
    EXPECT_EQ("open pw", w.Text(IDC_OPEN_PASSWORD));
    EXPECT_EQ("owner pw", w.Text(IDC_PERMISSION_PASSWORD));
    EXPECT_FALSE(w.IsChecked(IDC_PREVENT_COPY));
    EXPECT_TRUE(w.IsChecked(IDC_PREVENT_MODIFY));
    EXPECT_FALSE(w.IsChecked(IDC_PREVENT_PRINT));
    EXPECT_TRUE(w.IsEnabled(IDC_PERMISSION_PASSWORD));
    EXPECT_EQ(kTipBrowseSourceFolder, w.m_btnBrowseSource.GetTipTextToShow());
}

TEST(MainWindowStart, OneCharacterTextsAreNotRestored)
{
    struct Case
    {
        const char* source;
        const char* password;
        const char* permission;
        const char* shownSource;
        const char* shownPassword;
        const char* shownPermission;
    };
    const Case cases[] = {
        {"x", "pw", "", kPlaceholderSingleFile, "pw", "pw"},
        {"C:\\a.pdf", "p", "q", "C:\\a.pdf", "", ""},
    };
    for (const Case& c : cases)
    {
        SettingsRecord saved;
        saved.strSourceFile = c.source;
        saved.strPassword = c.password;
        saved.strPermissionPassword = c.permission;
        SavedStart start(saved);
        ASSERT_TRUE(start.bCreated);
        EXPECT_EQ(c.shownSource, start.window->Text(IDC_SOURCE));
        EXPECT_EQ(c.shownPassword, start.window->Text(IDC_OPEN_PASSWORD));
        EXPECT_EQ(c.shownPermission, start.window->Text(IDC_PERMISSION_PASSWORD));
    }
}

TEST(MainWindowStart, AFileOnTheCommandLineWinsOverTheSavedInputsAndSkipsTheVerb)
{
    ScratchFolder files("main_window_cmdline");
    const std::string pdf = files / "Q3 Report.pdf";
    WriteFileBytes(pdf, "%PDF-1.4\n");
    SettingsRecord saved;
    saved.bFolderMode = 1;
    saved.strPassword = "open pw";
    saved.strPermissionPassword = "owner pw";
    SavedStart start(saved, "\"C:\\Tools\\sealwick.exe\" \"" + pdf + "\"");
    ASSERT_TRUE(start.bCreated);
    TestMainWindow& w = *start.window;

    EXPECT_TRUE(w.IsChecked(IDC_MODE_SINGLE_FILE));
    EXPECT_EQ(pdf, w.Text(IDC_SOURCE));
    EXPECT_EQ(files / "Q3 Report_protected.pdf", w.Text(IDC_TARGET));
    EXPECT_EQ("", w.Text(IDC_OPEN_PASSWORD));
    EXPECT_EQ("", w.Text(IDC_PERMISSION_PASSWORD));
    EXPECT_EQ(::GetDlgItem(w, IDC_OPEN_PASSWORD), ::GetFocus());
    EXPECT_EQ(0, w.m_nVerbRegistered);
}
} // namespace
