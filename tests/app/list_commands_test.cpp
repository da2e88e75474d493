// The results list's commands on the real main window: rows put in as a run leaves them,
// commands sent as the menu and the buttons send them, the shell and message boxes scripted.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_texts.h"
#include "app/window_backdrops.h"
#include "controls/browser_launch.h"
#include "main_window_test_support.h"
#include "res/resource.h"
#include "tests/support/scratch.h"

namespace
{
struct ShellCall
{
    std::string verb; // "(default)" for no verb
    std::string file;
    int show;
};

std::vector<ShellCall>& ShellCalls()
{
    static std::vector<ShellCall> calls;
    return calls;
}

HINSTANCE WINAPI RecordShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT show)
{
    ShellCalls().push_back({verb ? verb : "(default)", file ? file : "", show});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

std::string ClipboardText()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return "(clipboard busy)";
    if (HANDLE hData = GetClipboardData(CF_TEXT))
    {
        if (const char* data = static_cast<const char*>(GlobalLock(hData)))
            text = data;
        GlobalUnlock(hData);
    }
    CloseClipboard();
    return text;
}

std::wstring ClipboardUnicodeText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"(clipboard busy)";
    if (HANDLE hData = GetClipboardData(CF_UNICODETEXT))
    {
        if (const wchar_t* data = static_cast<const wchar_t*>(GlobalLock(hData)))
            text = data;
        GlobalUnlock(hData);
    }
    CloseClipboard();
    return text;
}

const char* const kOk = "Successfully protected PDF file with password";
const char* const kFailed = "Error: This PDF file is already protected with password.";

class ListCommands : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        EnsureCommonControls();
        s_scratch = new ScratchFolder("list_commands");
        s_window = new TestMainWindow(*s_scratch / "settings_sealwick.db");
        s_bCreated = s_window->Create() != FALSE;
        SetShellExecuteHandler(&RecordShellExecute);
    }

    static void TearDownTestSuite()
    {
        SetShellExecuteHandler(nullptr);
        delete s_window;
        delete s_scratch;
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_bCreated);
        w().RunActive = 0;
        list().DeleteAllItems();
        ShellCalls().clear();
    }

    static TestMainWindow& w() { return *s_window; }
    static CEnhancedListCtrl& list() { return s_window->m_listResults; }

    // A row as a run appends it: a failure keeps no target and is red.
    static void AddRow(const std::string& source, const std::string& target,
                       const std::string& status)
    {
        const int row = list().GetItemCount();
        const size_t slash = source.find_last_of('\\');
        list().InsertItem(row, source.substr(slash == std::string::npos ? 0 : slash + 1).c_str(),
                          0);
        list().SetItemData(row, static_cast<DWORD_PTR>(row));
        const bool bFailed = status.find("Error:") != std::string::npos;
        const std::string cells[] = {"PDF v1.7", "AES-128", bFailed ? "" : target, status, source};
        for (int column = 1; column <= 5; ++column)
            list().SetItemText(row, column, cells[column - 1].c_str());
        list().SetRowTextColor(row, bFailed ? RGB(255, 0, 0) : RGB(0, 0, 0));
    }

    static void Select(std::vector<int> rows)
    {
        list().SetItemState(-1, 0, LVIS_SELECTED);
        for (int row : rows)
            list().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }

    static std::string Cell(int row, int column)
    {
        char text[6000] = "";
        list().GetItemText(row, column, text, sizeof text);
        return text;
    }

    static ScratchFolder* s_scratch;
    static bool s_bCreated;
    static TestMainWindow* s_window;
};

ScratchFolder* ListCommands::s_scratch;
bool ListCommands::s_bCreated;
TestMainWindow* ListCommands::s_window;

TEST_F(ListCommands, CopiesACellOrTheWholeRowOfTheFirstSelectedRow)
{
    AddRow("C:\\in\\a.pdf", "C:\\out\\a.pdf", kOk);
    AddRow("C:\\in\\b.pdf", "C:\\out\\b.pdf", kFailed);
    AddRow("C:\\in\\c.pdf", "C:\\out\\c.pdf", std::string("Error: ") + std::string(1200, 'x'));
    Select({1, 2});

    const struct
    {
        int command;
        std::string text;
    } cases[] = {
        {IDM_COPY_FILE_NAME, "b.pdf"},
        {IDM_COPY_PDF_VERSION, "PDF v1.7"},
        {IDM_COPY_ENCRYPTION, "AES-128"},
        {IDM_COPY_TARGET_FILE, ""},
        {IDM_COPY_STATUS, kFailed},
        {IDM_COPY_ENTIRE_ROW, std::string("b.pdf | PDF v1.7 | AES-128 |  | ") + kFailed},
    };
    for (const auto& c : cases)
    {
        w().Command(c.command, 0);
        EXPECT_EQ(c.text, ClipboardText()) << c.command;
    }

    // A single cell is cut to 999 characters; the whole row keeps every character.
    Select({2});
    w().Command(IDM_COPY_STATUS, 0);
    EXPECT_EQ(999u, ClipboardText().size());
    w().Command(IDM_COPY_ENTIRE_ROW, 0);
    EXPECT_EQ(std::string("c.pdf | PDF v1.7 | AES-128 |  | Error: ") + std::string(1200, 'x'),
              ClipboardText());
}

TEST_F(ListCommands, CopiesNamesInAnyScriptAsUnicodeAndCutsByCharacters)
{
    const std::wstring japanese = L"\u65E5\u672C\u8A9E\u306E\u5831\u544A\u66F8.pdf";
    AddRow(Ansi(L"C:\\in\\" + japanese), Ansi(L"C:\\out\\" + japanese), kOk);
    AddRow(Ansi(L"C:\\\u041E\u0442\u0447\u0451\u0442\\a.pdf"), "C:\\out\\a.pdf",
           "Error: " + Ansi(std::wstring(1200, L'\u03A9')));
    Select({0});
    w().Command(IDM_COPY_FILE_NAME, 0);
    EXPECT_EQ(japanese, ClipboardUnicodeText());
    w().Command(IDM_COPY_ENTIRE_ROW, 0);
    EXPECT_EQ(japanese + L" | PDF v1.7 | AES-128 | C:\\out\\" + japanese + L" | " + Wide(kOk),
              ClipboardUnicodeText());

    // 999 characters of a script that takes two bytes each in UTF-8, none of them broken.
    Select({1});
    w().Command(IDM_COPY_STATUS, 0);
    EXPECT_EQ(L"Error: " + std::wstring(992, L'\u03A9'), ClipboardUnicodeText());
}

TEST_F(ListCommands, RemovesOnlyTheTopmostSelectedRowAndTheLastRemovalDisablesTheButtons)
{
    for (const char* name : {"C:\\a.pdf", "C:\\b.pdf", "C:\\c.pdf", "C:\\d.pdf"})
        AddRow(name, "C:\\out.pdf", kOk);
    w().m_btnClearList.EnableWindow(TRUE);
    Select({1, 2, 3});

    w().Command(IDM_REMOVE_FROM_LIST, 0);

    ASSERT_EQ(3, list().GetItemCount());
    const char* const names[] = {"a.pdf", "c.pdf", "d.pdf"};
    for (int row = 0; row < 3; ++row)
    {
        EXPECT_EQ(names[row], Cell(row, 0));
        EXPECT_EQ(static_cast<DWORD_PTR>(row), list().GetItemData(row));
    }
    EXPECT_TRUE(w().IsEnabled(IDC_CLEAR_LIST));

    for (int left = 3; left > 0; --left)
    {
        Select({0});
        w().Command(IDM_REMOVE_FROM_LIST, 0);
    }
    EXPECT_EQ(0, list().GetItemCount());
    EXPECT_FALSE(w().IsEnabled(IDC_OPEN_PDF));
    EXPECT_FALSE(w().IsEnabled(IDC_CLEAR_LIST));
}

TEST_F(ListCommands, OpensARowsFilesAndFoldersOrSaysWhyNot)
{
    const std::string present = *s_scratch / "present.pdf";
    WriteFileBytes(present, "%PDF-1.7\n");
    const std::string gone = *s_scratch / "gone.pdf";
    AddRow(gone, "", kFailed);                    // row 0: an error row whose source went
    AddRow(present, "  " + present + " \t", kOk); // row 1: typed with blanks around

    const struct
    {
        int row;
        int command;
        const char* message; // nullptr: the shell is called
        ShellCall call;
    } cases[] = {
        {0, IDM_OPEN_TARGET_PDF, kMsgTargetEmpty, {}},
        {0, IDM_OPEN_SOURCE_PDF, kMsgSourceNotFound, {}},
        {0, IDM_OPEN_TARGET_FOLDER, kMsgTargetEmpty, {}},
        {0, IDM_OPEN_SOURCE_FOLDER, kMsgSourceNotFound, {}},
        {1, IDM_OPEN_SOURCE_PDF, nullptr, {kShellOpenVerb, present, SW_SHOW}},
        {1, IDM_OPEN_TARGET_PDF, nullptr, {kShellOpenVerb, present, SW_SHOW}},
        {1, IDM_OPEN_SOURCE_FOLDER, nullptr, {"(default)", s_scratch->Path(), SW_SHOWMAXIMIZED}},
        // The folder commands take the cell as it stands, blanks included.
        {1, IDM_OPEN_TARGET_FOLDER, kMsgTargetNotFound, {}},
    };
    for (const auto& c : cases)
    {
        Select({c.row});
        ScriptedMessageBoxes boxes;
        ShellCalls().clear();
        w().Command(c.command, 0);
        SCOPED_TRACE(c.command);
        if (c.message)
        {
            ASSERT_EQ(1u, ScriptedMessageBoxes::Log().size());
            EXPECT_EQ(c.message, ScriptedMessageBoxes::Log()[0].text);
            EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING | MB_OK),
                      ScriptedMessageBoxes::Log()[0].style);
            EXPECT_TRUE(ShellCalls().empty());
        }
        else
        {
            EXPECT_TRUE(ScriptedMessageBoxes::Log().empty());
            ASSERT_EQ(1u, ShellCalls().size());
            EXPECT_EQ(c.call.verb, ShellCalls()[0].verb);
            EXPECT_EQ(c.call.file, ShellCalls()[0].file);
            EXPECT_EQ(c.call.show, ShellCalls()[0].show);
        }
    }
}

TEST_F(ListCommands, OpenPdfFollowsTheSelectionAndOpensRowZeroWithoutOne)
{
    const std::string first = *s_scratch / "first.pdf";
    const std::string second = *s_scratch / "second.pdf";
    WriteFileBytes(first, "%PDF-1.7\n");
    WriteFileBytes(second, "%PDF-1.7\n");
    AddRow(first, first, kOk);
    AddRow("C:\\x.pdf", "", kFailed);
    AddRow(second, second, kOk);

    Select({1});
    EXPECT_FALSE(w().IsEnabled(IDC_OPEN_PDF)) << "an error row has no target";
    Select({2});
    EXPECT_TRUE(w().IsEnabled(IDC_OPEN_PDF));
    Select({});
    EXPECT_TRUE(w().IsEnabled(IDC_OPEN_PDF)) << "rows without a selection";

    w().Command(IDC_OPEN_PDF);
    ASSERT_EQ(1u, ShellCalls().size());
    EXPECT_EQ(first, ShellCalls()[0].file);
}

TEST_F(ListCommands, ClearingAsksOnlyTheFirstTimeInAProcess)
{
    CMainWindow::s_bConfirmClear = 1; // as after a start
    AddRow("C:\\a.pdf", "C:\\a_out.pdf", kOk);
    list().SetColumnWidth(4, 650);
    w().m_btnClearList.EnableWindow(TRUE);

    {
        ScriptedMessageBoxes boxes(IDNO);
        w().Command(IDC_CLEAR_LIST);
        ASSERT_EQ(1u, ScriptedMessageBoxes::Log().size());
        EXPECT_EQ(kMsgConfirmClear, ScriptedMessageBoxes::Log()[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONWARNING),
                  ScriptedMessageBoxes::Log()[0].style);
        EXPECT_EQ(1, list().GetItemCount()) << "declined";
    }
    {
        ScriptedMessageBoxes boxes(IDNO);
        w().Command(IDM_CLEAR_ENTIRE_LIST, 0);
        EXPECT_TRUE(ScriptedMessageBoxes::Log().empty());
        EXPECT_EQ(0, list().GetItemCount());
        EXPECT_EQ(290, list().GetColumnWidth(4));
        EXPECT_FALSE(w().IsEnabled(IDC_CLEAR_LIST));
        EXPECT_FALSE(w().IsEnabled(IDC_OPEN_PDF));
    }
}
} // namespace

// Where a button stands the screen shows the button, not the background picture beneath it,
// also after rows arrived and the buttons changed state (seen: both buttons vanished).
TEST_F(ListCommands, ButtonsStayVisibleOverTheBackground)
{
    w().ShowWindow(SW_SHOW);
    AddRow("C:\\Reports\\a.pdf", "C:\\Reports\\a_protected.pdf", kOk);
    AddRow("C:\\Reports\\b.pdf", "C:\\Reports\\b_protected.pdf", kFailed);
    w().m_btnClearList.EnableWindow(TRUE);
    Select({0});
    const ULONGLONG until = GetTickCount64() + 3000;
    while (GetTickCount64() < until)
    {
        PumpMessages();
        Sleep(20);
    }
    // The background as the window paints it, to compare the screen with.
    RECT client;
    ::GetClientRect(w(), &client);
    HDC hDC = ::GetDC(w());
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, client.right, client.bottom);
    ASSERT_NE(nullptr, hBitmap);
    HDC hMem = ::CreateCompatibleDC(hDC);
    HGDIOBJ old = ::SelectObject(hMem, hBitmap);
    PaintMainBackdrop(hMem, client, w());
    for (int id : {IDC_CLEAR_LIST, IDC_OPEN_PDF})
    {
        RECT rc;
        ::GetWindowRect(::GetDlgItem(w(), id), &rc);
        ::MapWindowPoints(nullptr, w(), reinterpret_cast<POINT*>(&rc), 2);
        const int y = (rc.top + rc.bottom) / 2;
        int differing = 0;
        for (int x = rc.left + 2; x < rc.right - 2; x += 3)
            differing += ::GetPixel(hDC, x, y) != ::GetPixel(hMem, x, y);
        EXPECT_GT(differing, (rc.right - rc.left) / 6) << id;
    }
    ::SelectObject(hMem, old);
    ::DeleteDC(hMem);
    ::DeleteObject(hBitmap);
    ::ReleaseDC(w(), hDC);
}
