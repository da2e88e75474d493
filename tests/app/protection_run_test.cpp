// Protection runs through the real main window: the press, the locked window during a run,
// the rows it leaves, and what the window refuses meanwhile.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/app_texts.h"
#include "base/text_conversion.h"
#include "engine/message_box_texts.h"
#include "engine/protect_folder.h"
#include "engine/status_texts.h"
#include "engine/validate_request.h"
#include "main_window_test_support.h"
#include "res/resource.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
// Controls a run disables, and those it leaves to the user.
constexpr int kLocked[] = {IDOK,
                           IDC_CLEAR_LIST,
                           IDC_OPEN_PDF,
                           IDC_SETTINGS,
                           IDC_BROWSE_SOURCE,
                           IDC_BROWSE_TARGET,
                           IDC_MODE_SINGLE_FILE,
                           IDC_MODE_FOLDER,
                           IDC_PREVENT_COPY,
                           IDC_PREVENT_MODIFY,
                           IDC_PREVENT_PRINT};
constexpr int kFree[] = {IDC_SOURCE, IDC_TARGET, IDC_OPEN_PASSWORD, IDC_RESULTS_LIST};

// What the window looked like at one moment while RunActive was 1.
struct RunningLook
{
    bool bSeen = false;
    bool bButtonHidden = false;
    std::vector<int> enabledLocked;
    std::vector<int> disabledFree;
    int nStatusWidth = 0;
};

class ProtectionRun : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        EnsureCommonControls();
        s_scratch = new ScratchFolder("protection_run");
        s_window = new TestMainWindow(*s_scratch / "settings_sealwick.db");
        s_bCreated = s_window->Create() != FALSE;
        s_source = *s_scratch / "report.pdf";
        MakePdf(s_source);
    }

    static void TearDownTestSuite()
    {
        delete s_window;
        delete s_scratch;
    }

    void SetUp() override { ASSERT_TRUE(s_bCreated); }

    static TestMainWindow& w() { return *s_window; }
    static HWND Item(int id) { return ::GetDlgItem(w(), id); }
    static bool Shown(int id) { return ::IsWindowVisible(Item(id)) != FALSE; }
    static int Rows() { return ListView_GetItemCount(Item(IDC_RESULTS_LIST)); }
    static int StatusWidth() { return ListView_GetColumnWidth(Item(IDC_RESULTS_LIST), 4); }

    static std::string Cell(int row, int column)
    {
        char text[5000] = "";
        ListView_GetItemText(Item(IDC_RESULTS_LIST), row, column, text, sizeof text);
        return text;
    }

    static void Fill(bool bFolder, const std::string& source, const std::string& target,
                     const std::string& password = "open", const std::string& permission = "owner")
    {
        w().Command(bFolder ? IDC_MODE_FOLDER_LABEL : IDC_MODE_SINGLE_FILE_LABEL, STN_CLICKED);
        w().m_modeMemory.Clear();
        w().SetDlgItemText(IDC_SOURCE, source.c_str());
        w().SetDlgItemText(IDC_TARGET, target.c_str());
        w().SetDlgItemText(IDC_OPEN_PASSWORD, password.c_str());
        w().SetDlgItemText(IDC_PERMISSION_PASSWORD, permission.c_str());
    }

    // Handles the window's messages until the run has given the window back. `whileRunning`
    // is called once, at the first moment RunActive is 1 with `rowsBefore` rows in the list.
    static RunningLook WaitForRun(const std::function<void()>& whileRunning = nullptr,
                                  int rowsBefore = 0)
    {
        RunningLook look;
        bool bCalled = false;
        const ULONGLONG end = GetTickCount64() + 120000;
        while (GetTickCount64() < end)
        {
            PumpMessages();
            // From the moment the worker has shown the bar; before that, only the press has
            // marked the run. (The button is hidden first, the bar shown next: sampling between
            // the two would see neither.)
            if (w().RunActive == 1 && Shown(IDC_PROGRESS) && !look.bSeen)
            {
                look.bSeen = true;
                look.bButtonHidden = !Shown(IDOK);
                for (int id : kLocked)
                    if (w().IsEnabled(id))
                        look.enabledLocked.push_back(id);
                for (int id : kFree)
                    if (!w().IsEnabled(id))
                        look.disabledFree.push_back(id);
                look.nStatusWidth = StatusWidth();
            }
            if (w().RunActive == 1 && !bCalled && whileRunning && Rows() >= rowsBefore)
            {
                bCalled = true;
                whileRunning();
            }
            if (w().RunActive == 0 && Shown(IDOK) && !Shown(IDC_PROGRESS))
                break;
            Sleep(1);
        }
        // The worker's last step repaints through the window's thread.
        for (int i = 0; i < 50; ++i, Sleep(2))
            PumpMessages();
        return look;
    }

    static void ExpectLockedLook(const RunningLook& look)
    {
        EXPECT_TRUE(look.bSeen);
        EXPECT_TRUE(look.bButtonHidden);
        EXPECT_EQ(std::vector<int>{}, look.enabledLocked) << "controls left enabled";
        EXPECT_EQ(std::vector<int>{}, look.disabledFree) << "fields locked";
        EXPECT_EQ(290, look.nStatusWidth);
    }

    static void ExpectIdleLook(bool bRows)
    {
        EXPECT_EQ(0, w().RunActive);
        EXPECT_TRUE(Shown(IDOK));
        EXPECT_FALSE(Shown(IDC_PROGRESS));
        for (int id : kLocked)
        {
            const bool bRowButton = id == IDC_CLEAR_LIST || id == IDC_OPEN_PDF;
            EXPECT_EQ(bRowButton ? bRows : true, w().IsEnabled(id)) << id;
        }
        EXPECT_EQ(bRows ? 650 : 290, StatusWidth());
    }

    static ScratchFolder* s_scratch;
    static TestMainWindow* s_window;
    static bool s_bCreated;
    static std::string s_source;
};

ScratchFolder* ProtectionRun::s_scratch;
TestMainWindow* ProtectionRun::s_window;
bool ProtectionRun::s_bCreated;
std::string ProtectionRun::s_source;

TEST_F(ProtectionRun, SingleFileRunLocksTheWindowThenLeavesOneBlackRowAndTheWindowRestored)
{
    ScriptedMessageBoxes boxes;
    const std::string target = *s_scratch / "report_locked.pdf";
    Fill(false, s_source, target);
    w().Command(IDOK);
    ExpectLockedLook(WaitForRun());

    ExpectIdleLook(true);
    ASSERT_EQ(1, Rows());
    EXPECT_EQ("report.pdf", Cell(0, 0));
    EXPECT_EQ("AES-256", Cell(0, 2));
    EXPECT_EQ(target, Cell(0, 3));
    EXPECT_EQ(kStatusProtected, Cell(0, 4));
    EXPECT_EQ(s_source, Cell(0, 5));
    EXPECT_EQ("0", Cell(0, w().m_listResults.m_nTextColorColumn));
    EXPECT_TRUE(ReadEncryption(target, "open").bUserMatched);
    EXPECT_TRUE(boxes.Log().empty());
}

TEST_F(ProtectionRun, FolderRunAddsARowPerFileRedForAFailureAndIgnoresHeaderClicksMeanwhile)
{
    ScriptedMessageBoxes boxes;
    const std::string in = *s_scratch / "in", out = *s_scratch / "out";
    CreateDirectoryA(in.c_str(), nullptr);
    CreateDirectoryA(out.c_str(), nullptr);
    // One file far bigger than the others: with several workers it is done last, and its
    // row must still come in its listed place.
    MakePdf(in + "\\c.pdf", PdfRecipe{4, 5, 3u << 20, false, "", ""});
    for (const char* name : {"a.pdf", "b.pdf"})
        MakePdf(in + "\\" + name);
    WriteFileBytes(in + "\\broken.pdf", std::string(200, 'x'));
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolderPdfs(in, true, "_protected", entries));
    std::vector<std::string> listed;
    for (const FolderEntry& entry : entries)
        listed.push_back(entry.name);
    Fill(true, in, out);

    std::vector<std::string> namesBefore, namesAfterClick;
    const int ascendingBefore = CEnhancedListCtrl::s_bSortAscending;
    int ascendingAfterClick = -1;
    auto clickHeader = []
    {
        NMLISTVIEW click = {};
        click.hdr.hwndFrom = Item(IDC_RESULTS_LIST);
        click.hdr.idFrom = IDC_RESULTS_LIST;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = 0;
        w().SendMessage(WM_NOTIFY, IDC_RESULTS_LIST, reinterpret_cast<LPARAM>(&click));
    };
    auto names = []
    {
        std::vector<std::string> list;
        for (int row = 0; row < Rows(); ++row)
            list.push_back(Cell(row, 0));
        return list;
    };
    w().Command(IDOK);
    ExpectLockedLook(WaitForRun(
        [&]
        {
            namesBefore = names();
            clickHeader();
            namesAfterClick = names();
            ascendingAfterClick = CEnhancedListCtrl::s_bSortAscending;
        },
        4));

    // The click during the run sorted nothing.
    EXPECT_EQ(namesBefore, namesAfterClick);
    EXPECT_EQ(ascendingBefore, ascendingAfterClick);

    ExpectIdleLook(true);
    ASSERT_EQ(4, Rows());
    EXPECT_EQ(listed, names());
    for (int row = 0; row < Rows(); ++row)
    {
        const std::string name = Cell(row, 0);
        const bool bBroken = name == "broken.pdf";
        EXPECT_EQ(bBroken, Cell(row, 4).rfind(kStatusErrorMark, 0) == 0) << name;
        EXPECT_EQ(bBroken ? "255" : "0", Cell(row, w().m_listResults.m_nTextColorColumn)) << name;
        EXPECT_EQ(bBroken ? "" : out + "\\" + name.substr(0, 1) + "_protected.pdf", Cell(row, 3))
            << name;
        EXPECT_EQ(in + "\\" + name, Cell(row, 5));
    }
    EXPECT_TRUE(boxes.Log().empty());

    // After the run the same click sorts.
    clickHeader();
    EXPECT_NE(ascendingBefore, CEnhancedListCtrl::s_bSortAscending);
}

TEST_F(ProtectionRun, FolderRunOverNamesInThreeScriptsWithACyrillicPassword)
{
    ScriptedMessageBoxes boxes;
    const std::wstring names[] = {
        L"\u0141\u00F3d\u017A.pdf",                              // Łódź
        L"\u65E5\u672C\u8A9E\u306E\u5831\u544A\u66F8.pdf",       // 日本語の報告書
        L"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC.pdf", // Ελληνικά
    };
    const std::string in = *s_scratch / "scripts_in", out = *s_scratch / "scripts_out";
    CreateDirectoryA(in.c_str(), nullptr);
    CreateDirectoryA(out.c_str(), nullptr);
    for (const std::wstring& name : names)
        MakePdf(Ansi(Wide(in) + L"\\" + name));
    Fill(true, in, out);
    // The user's own password, typed into the field: "Пароль-7".
    const std::wstring password = L"\u041F\u0430\u0440\u043E\u043B\u044C-7";
    ::SetWindowTextW(Item(IDC_OPEN_PASSWORD), password.c_str());
    w().Command(IDOK);
    WaitForRun();

    ASSERT_EQ(3, Rows());
    for (int row = 0; row < 3; ++row)
    {
        const std::string name = Cell(row, 0);
        SCOPED_TRACE(name);
        EXPECT_EQ(kStatusProtected, Cell(row, 4));
        bool bListed = false;
        for (const std::wstring& expected : names)
            bListed = bListed || Ansi(expected) == name;
        EXPECT_TRUE(bListed);
        // The output opens with the password as readers hash it: its UTF-8 bytes.
        EXPECT_TRUE(ReadEncryption(Cell(row, 3), WideToUtf8(password)).bUserMatched);
    }
    EXPECT_TRUE(boxes.Log().empty());
}

TEST_F(ProtectionRun, FolderWithoutPdfFilesShowsItsMessageAndEndsWithAnEmptyList)
{
    ScriptedMessageBoxes boxes;
    const std::string empty = *s_scratch / "empty", out = *s_scratch / "out2";
    CreateDirectoryA(empty.c_str(), nullptr);
    CreateDirectoryA(out.c_str(), nullptr);
    Fill(true, empty, out);
    w().Command(IDOK);
    WaitForRun();

    ASSERT_EQ(1u, boxes.Log().size());
    EXPECT_EQ(FormatPathMessage(kMsgNoPdfFiles, empty), boxes.Log()[0].text);
    EXPECT_EQ(kAppCaption, boxes.Log()[0].caption);
    EXPECT_EQ(kRefusalStyle, boxes.Log()[0].style);
    EXPECT_EQ(0, Rows());
    ExpectIdleLook(false);
}

TEST_F(ProtectionRun, RefusedRequestsShowTheirWarningEmptyTheListAndStartNothing)
{
    const std::string missing = *s_scratch / "missing.pdf";
    const std::string noFolder = *s_scratch / "no_such_folder";
    struct Case
    {
        const char* what;
        bool bFolder;
        std::string source, target, password, permission, message;
    } cases[] = {
        {"no password", false, s_source, *s_scratch / "t.pdf", " ", "", kMsgBothPasswordsEmpty},
        {"missing source", false, missing, *s_scratch / "t.pdf", "open", "",
         FormatPathMessage(kMsgSourceFileNotFound, missing)},
        {"missing target folder", true, s_scratch->Path(), noFolder, "open", "",
         FormatPathMessage(kMsgTargetFolderNotFound, noFolder)},
    };
    for (const Case& c : cases)
    {
        ScriptedMessageBoxes boxes;
        LVITEMA old = {};
        old.mask = LVIF_TEXT;
        old.pszText = const_cast<char*>("old");
        ListView_InsertItem(Item(IDC_RESULTS_LIST), &old);
        Fill(c.bFolder, c.source, c.target, c.password, c.permission);
        w().Command(IDOK);
        PumpMessages();
        ASSERT_EQ(1u, boxes.Log().size()) << c.what;
        EXPECT_EQ(c.message, boxes.Log()[0].text) << c.what;
        EXPECT_EQ(kAppCaption, boxes.Log()[0].caption) << c.what;
        EXPECT_EQ(kRefusalStyle, boxes.Log()[0].style) << c.what;
        EXPECT_EQ(0, Rows()) << c.what;
        EXPECT_EQ(0, w().RunActive) << c.what;
        EXPECT_TRUE(w().IsEnabled(IDOK)) << c.what;
    }
}

TEST_F(ProtectionRun, SettingsAndDropsAreIgnoredDuringARunAndWorkAfterIt)
{
    ScriptedMessageBoxes boxes;
    const std::string dropped = *s_scratch / "dropped.pdf";
    MakePdf(dropped);
    Fill(false, s_source, *s_scratch / "report_2.pdf");
    const int settingsBefore = w().m_nSettingsShown;
    std::string sourceDuringRun;
    w().Command(IDOK);
    WaitForRun(
        [&]
        {
            w().Command(IDC_SETTINGS);
            w().SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({dropped})));
            sourceDuringRun = w().Text(IDC_SOURCE);
        });
    EXPECT_EQ(settingsBefore, w().m_nSettingsShown);
    EXPECT_EQ(s_source, sourceDuringRun);

    w().Command(IDC_SETTINGS);
    EXPECT_EQ(settingsBefore + 1, w().m_nSettingsShown);
    w().SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({dropped})));
    EXPECT_EQ(dropped, w().Text(IDC_SOURCE));
}

TEST_F(ProtectionRun, FieldsEditedRightAfterThePressDoNotChangeTheRun)
{
    ScriptedMessageBoxes boxes;
    const std::string checked = *s_scratch / "report_checked.pdf";
    const std::string edited = *s_scratch / "report_edited.pdf";
    Fill(false, s_source, checked, "checked", "owner");
    w().Command(IDOK);
    // Before the run's thread has had a message of this window handled.
    w().SetDlgItemText(IDC_TARGET, edited.c_str());
    w().SetDlgItemText(IDC_OPEN_PASSWORD, "edited");
    WaitForRun();

    ASSERT_EQ(1, Rows());
    EXPECT_EQ(checked, Cell(0, 3));
    EXPECT_TRUE(ReadEncryption(checked, "checked").bUserMatched);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(edited.c_str()));
}

// Restrictions the permission password would not guard: asked last; Yes goes back to the
// permission field, No locks the copy with a password nobody knows.
TEST_F(ProtectionRun, RestrictionsThatWhoeverOpensCouldLiftAreAskedAboutLast)
{
    const struct
    {
        bool bRestrict;
        const char* permission;
        int answer;
    } cases[] = {{true, "open", IDYES}, {true, "", IDNO}, {true, "open", IDNO}, {false, "open", 0}};
    HWND hPermission = Item(IDC_PERMISSION_PASSWORD);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.permission) + (c.answer == IDYES ? " yes" : " no"));
        ScriptedMessageBoxes boxes(c.answer);
        const std::string target = *s_scratch / "report_guard.pdf";
        DeleteFileA(target.c_str());
        Fill(false, s_source, target, "open", c.permission);
        ::CheckDlgButton(w(), IDC_PREVENT_PRINT, c.bRestrict ? BST_CHECKED : BST_UNCHECKED);
        w().UpdatePermissionPasswordState();
        w().Command(IDOK);
        PumpMessages();
        const ScriptedMessageBoxes::Shown none = {"", "", 0};
        const auto& shown = boxes.Log().empty() ? none : boxes.Log()[0];
        EXPECT_EQ(c.bRestrict ? kMsgAskOtherPermissionPassword : "", shown.text);
        EXPECT_EQ(c.bRestrict ? UINT(MB_ICONQUESTION | MB_YESNO) : 0u, shown.style);
        if (c.answer == IDYES)
        {
            DWORD from = 1, to = 0;
            ::SendMessageA(hPermission, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                           reinterpret_cast<LPARAM>(&to));
            EXPECT_TRUE(hPermission == ::GetFocus() && from == 0 && to == 4) << from << to;
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(target.c_str()));
            continue;
        }
        WaitForRun();
        // Answered No: neither the open password nor an empty one lifts the restrictions.
        const EncryptionReadback open = ReadEncryption(target, "open");
        EXPECT_TRUE(open.bUserMatched && open.bOwnerMatched == !c.bRestrict) << Cell(0, 4);
        EXPECT_FALSE(ReadEncryption(target, "").bOpened);
    }
    ::CheckDlgButton(w(), IDC_PREVENT_PRINT, BST_UNCHECKED);
}

// Last: the window closes at its end.
TEST_F(ProtectionRun, SecondPressAndCloseBeforeTheWorkerStartsAreRefusedAndCloseWorksAfter)
{
    ScriptedMessageBoxes boxes(IDNO);
    // Open password empty: the question comes first, and No lets the run go on.
    Fill(false, s_source, *s_scratch / "report_3.pdf", "", "owner");
    w().Command(IDOK);
    // No message handled yet, so the worker cannot have taken a step on the window.
    EXPECT_EQ(1, w().RunActive);
    EXPECT_FALSE(w().IsEnabled(IDOK));
    EXPECT_FALSE(w().IsEnabled(IDC_SETTINGS));
    w().Command(IDOK);
    w().Command(IDCANCEL);
    ASSERT_EQ(2u, boxes.Log().size());
    EXPECT_EQ(kMsgAskOpenPassword, boxes.Log()[0].text);
    EXPECT_EQ(kQuestionStyle, boxes.Log()[0].style);
    EXPECT_EQ(kMsgRunInProgress, boxes.Log()[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING | MB_OK), boxes.Log()[1].style);
    EXPECT_EQ(0, w().m_nOfferShown);

    WaitForRun();
    ExpectIdleLook(true);
    EXPECT_EQ(1, Rows());
    EXPECT_EQ(2u, boxes.Log().size());

    w().Command(IDCANCEL);
    EXPECT_EQ(1, w().m_nOfferShown);
    EXPECT_TRUE(w().IsEnded());
}
} // namespace
