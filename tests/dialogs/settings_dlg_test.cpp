// The settings dialog on its real template: what an opening shows, what counts as a change and
// when Close asks, the label toggles, Save's outcomes and the Explorer verb after a save.
#include "app/settings_dlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/message_box.h"
#include "res/resource.h"
#include "tests/controls/link/launch_fakes.h"
#include "tests/settings/settings_test_support.h"
#include "tests/support/scratch.h"

namespace
{
struct Box
{
    std::string text;
    UINT style;
    size_t verbCallsBefore; // verb calls made before this box showed
};

// The dialog with the verb's registry work recorded instead of done.
class TestSettingsDlg : public CSettingsDlg
{
  public:
    std::vector<int> verbCalls; // the bEnableMenu value of each call

    void ApplyContextMenuOption(int bEnableMenu) override { verbCalls.push_back(bEnableMenu); }

    void Command(int id, WORD code = BN_CLICKED)
    {
        SendMessage(WM_COMMAND, MAKEWPARAM(id, code),
                    reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, id)));
    }
    // A click on a check box as the user makes it: the box ticks itself, then tells the dialog.
    void ClickBox(int id) { ::SendMessageA(::GetDlgItem(m_hWnd, id), BM_CLICK, 0, 0); }
    bool IsTicked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    bool IsEnabled(int id) const { return ::IsWindowEnabled(::GetDlgItem(m_hWnd, id)) != FALSE; }
    std::string Text(int id) const
    {
        char text[6000] = "";
        ::GetDlgItemTextA(m_hWnd, id, text, sizeof text);
        return text;
    }
    // Typing into the combo box's own edit field.
    void TypeIntoCombo(const char* text)
    {
        COMBOBOXINFO info = {sizeof info};
        ::GetComboBoxInfo(::GetDlgItem(m_hWnd, IDC_ENCRYPTION_TYPE), &info);
        for (const char* c = text; *c; ++c)
            ::SendMessageA(info.hwndItem, WM_CHAR, static_cast<WPARAM>(*c), 0);
    }
    // Picking an entry from the list, which tells the dialog like a mouse pick does.
    void PickEncryption(int index)
    {
        m_comboEncryption.SetCurSel(index);
        Command(IDC_ENCRYPTION_TYPE, CBN_SELCHANGE);
    }
};

// Answers message boxes with a set button and records them with the verb calls made so far.
class ScriptedBoxes
{
  public:
    explicit ScriptedBoxes(TestSettingsDlg& dlg, int answer = IDOK)
    {
        s_pDlg = &dlg;
        s_answer = answer;
        s_shown.clear();
        SetMessageBoxHandler(&Answer);
    }
    ~ScriptedBoxes() { SetMessageBoxHandler(nullptr); }
    const std::vector<Box>& Shown() const { return s_shown; }
    void SetAnswer(int answer) { s_answer = answer; }

  private:
    static int Answer(HWND, const char* text, const char* caption, UINT style)
    {
        EXPECT_STREQ(caption, "Veltrane Sealwick");
        s_shown.push_back({text, style, s_pDlg->verbCalls.size()});
        return s_answer;
    }
    static inline TestSettingsDlg* s_pDlg = nullptr;
    static inline int s_answer = IDOK;
    static inline std::vector<Box> s_shown;
};

class SettingsDlgTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        path = MakeDefaultSettingsFile(folder.Path());
        dlg.m_strSettingsPath = path;
    }
    void Open() { ASSERT_TRUE(dlg.Create()); }

    ScratchFolder folder;
    std::string path;
    TestSettingsDlg dlg;
};

TEST_F(SettingsDlgTest, OpeningShowsTheRecordAndCountsNoChange)
{
    struct Case
    {
        const char* name;
        int setSuffix, ignore, remember, menu, encryption;
        const char* suffix;
        int shownSelection;
    } const cases[] = {
        {"defaults", 1, 1, 1, 1, 2, "_protected", 2},
        {"all off, RC4", 0, 0, 0, 0, 0, "_locked", 0},
        {"AES-128, suffix off", 0, 1, 0, 1, 1, "", 1},
        {"stored value outside the list", 1, 0, 1, 0, -1, "x", -1},
        {"stored value beyond the list", 1, 0, 1, 0, 7, "x", -1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TestSettingsDlg shown;
        shown.m_settings.bTargetSetSuffix = c.setSuffix;
        shown.m_settings.bIgnoreSuffixFiles = c.ignore;
        shown.m_settings.bRememberPassword = c.remember;
        shown.m_settings.bEnableMenu = c.menu;
        shown.m_settings.bEncryptionType = c.encryption;
        shown.m_settings.strTargetSuffix = c.suffix;
        ASSERT_TRUE(shown.Create());

        EXPECT_EQ(shown.IsTicked(IDC_SET_SUFFIX), c.setSuffix == 1);
        EXPECT_EQ(shown.IsTicked(IDC_IGNORE_SUFFIX_FILES), c.ignore == 1);
        EXPECT_EQ(shown.IsTicked(IDC_REMEMBER_PASSWORDS), c.remember == 1);
        EXPECT_EQ(shown.IsTicked(IDC_ENABLE_MENU), c.menu == 1);
        EXPECT_EQ(shown.m_comboEncryption.GetCurSel(), c.shownSelection);
        EXPECT_EQ(shown.Text(IDC_SUFFIX), c.suffix);
        EXPECT_EQ(shown.IsEnabled(IDC_SUFFIX), c.setSuffix == 1);
        EXPECT_EQ(shown.m_bChanged, 0);
    }

    Open();
    ASSERT_EQ(dlg.m_comboEncryption.GetCount(), 3);
    const char* labels[] = {"128-bit RC4  (PDF v1.5 - Adobe 6+)",
                            "128-bit AES  (PDF v1.6 - Adobe 7+)",
                            "256-bit AES  (PDF v1.7 - Adobe 8+)"};
    for (int i = 0; i < 3; ++i)
    {
        char text[64] = "";
        dlg.m_comboEncryption.GetLBText(i, text);
        EXPECT_STREQ(text, labels[i]);
    }
    EXPECT_EQ(dlg.Text(IDC_SETTINGS_HELP_LINK), "Need Help?");
}

// Every input the user can touch counts as a change, so Close asks before dropping it; the
// encryption type included, which a careless Close used to lose without a word.
TEST_F(SettingsDlgTest, CloseAsksOnlyAfterAChange)
{
    struct Case
    {
        const char* name;
        void (*touch)(TestSettingsDlg&);
        bool asks;
    } const cases[] = {
        {"nothing touched", [](TestSettingsDlg&) {}, false},
        {"label then its box: same tick",
         [](TestSettingsDlg& d)
         {
             d.Command(IDC_SET_SUFFIX_LABEL);
             d.ClickBox(IDC_SET_SUFFIX);
         },
         true},
        {"remembering box", [](TestSettingsDlg& d) { d.ClickBox(IDC_REMEMBER_PASSWORDS); }, true},
        {"ignore box", [](TestSettingsDlg& d) { d.ClickBox(IDC_IGNORE_SUFFIX_FILES); }, true},
        {"context-menu label", [](TestSettingsDlg& d) { d.Command(IDC_ENABLE_MENU_LABEL); }, true},
        {"suffix typed", [](TestSettingsDlg& d) { d.m_editSuffix.SetWindowText("_x"); }, true},
        {"encryption picked", [](TestSettingsDlg& d) { d.PickEncryption(0); }, true},
        {"encryption typed", [](TestSettingsDlg& d) { d.TypeIntoCombo("z"); }, true},
        {"encryption label", [](TestSettingsDlg& d) { d.Command(IDC_ENCRYPTION_LABEL); }, false},
    };
    const StoredValues before = ReadStoredValues(path);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TestSettingsDlg shown;
        shown.m_strSettingsPath = path;
        ASSERT_TRUE(shown.Create());
        c.touch(shown);

        ScriptedBoxes boxes(shown, IDNO);
        shown.Command(IDCANCEL);
        if (!c.asks)
        {
            EXPECT_TRUE(boxes.Shown().empty());
            EXPECT_TRUE(shown.IsEnded());
            EXPECT_EQ(shown.GetModalResult(), IDCANCEL);
            continue;
        }
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text,
                  "Are you sure you want to close without saving any changes?");
        EXPECT_EQ(boxes.Shown()[0].style, UINT(MB_YESNO | MB_ICONWARNING));
        EXPECT_FALSE(shown.IsEnded()) << "No keeps the dialog open";

        boxes.SetAnswer(IDYES);
        shown.Command(IDCANCEL);
        EXPECT_TRUE(shown.IsEnded());
        EXPECT_EQ(shown.GetModalResult(), IDCANCEL);
    }
    EXPECT_EQ(ReadStoredValues(path), before) << "Close writes nothing";
}

TEST_F(SettingsDlgTest, LabelsToggleTheirBoxes)
{
    struct Case
    {
        int label, box;
    } const cases[] = {
        {IDC_SET_SUFFIX_LABEL, IDC_SET_SUFFIX},
        {IDC_IGNORE_SUFFIX_FILES_LABEL, IDC_IGNORE_SUFFIX_FILES},
        {IDC_REMEMBER_PASSWORDS_LABEL, IDC_REMEMBER_PASSWORDS},
        {IDC_ENABLE_MENU_LABEL, IDC_ENABLE_MENU},
        {IDC_ALLOW_SIGNED_LABEL, IDC_ALLOW_SIGNED},
    };
    Open();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        const bool bTicked = dlg.IsTicked(c.box);
        dlg.Command(c.label);
        EXPECT_NE(dlg.IsTicked(c.box), bTicked);
        dlg.Command(c.label);
        EXPECT_EQ(dlg.IsTicked(c.box), bTicked);
    }
    EXPECT_TRUE(dlg.verbCalls.empty()) << "a tick alone writes nothing";

    // The suffix field follows its box at once, by box or label, and its text stays saved.
    dlg.m_editSuffix.SetWindowText("_kept");
    dlg.ClickBox(IDC_SET_SUFFIX);
    EXPECT_FALSE(dlg.IsEnabled(IDC_SUFFIX));
    dlg.Command(IDC_SET_SUFFIX_LABEL);
    EXPECT_TRUE(dlg.IsEnabled(IDC_SUFFIX));
    dlg.Command(IDC_SET_SUFFIX_LABEL);
    ScriptedBoxes boxes(dlg);
    dlg.Command(IDOK);
    EXPECT_EQ(dlg.m_settings.bTargetSetSuffix, 0);
    EXPECT_EQ(dlg.m_settings.strTargetSuffix, "_kept");
}

TEST_F(SettingsDlgTest, SaveOutcomes)
{
    struct Case
    {
        const char* name;
        void (*prepare)(const std::string& path);
        const char* message;
        UINT icon;
        bool closes;
        int storedEncryption; // -2: the file is gone
    } const cases[] = {
        {"saved", [](const std::string&) {}, "Successfully saved all your changed Settings",
         MB_ICONINFORMATION, true, -1},
        {"file deleted after start", [](const std::string& p) { ::DeleteFileA(p.c_str()); },
         "Settings***.db file is not found for saving new changes. Please check again or "
         "relaunch this application to create new Settings file.",
         MB_ICONWARNING, false, -2},
        {"a write refused",
         [](const std::string& p)
         {
             RunSql(p, "CREATE TRIGGER refuse BEFORE UPDATE ON Settings WHEN NEW.Name = "
                       "'bEncryptionType' BEGIN SELECT RAISE(ABORT, 'no'); END;");
         },
         "Failed to save one or more settings. Please make sure Settings***.db file is not "
         "opened by another application or try running this application as Administrator",
         MB_ICONWARNING, true, 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchFolder own;
        const std::string file = MakeDefaultSettingsFile(own.Path());
        TestSettingsDlg shown;
        shown.m_strSettingsPath = file;
        ASSERT_TRUE(shown.Create());
        // An encryption type typed so that no entry is selected is stored as -1.
        shown.TypeIntoCombo("custom");
        ASSERT_EQ(shown.m_comboEncryption.GetCurSel(), -1);
        c.prepare(file);

        ScriptedBoxes boxes(shown, IDOK);
        shown.Command(IDOK);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text, c.message);
        EXPECT_EQ(boxes.Shown()[0].style, UINT(MB_OK | c.icon));
        EXPECT_EQ(shown.IsEnded(), c.closes);
        if (c.closes)
            EXPECT_EQ(shown.GetModalResult(), IDOK);
        else
        {
            EXPECT_EQ(shown.m_bChanged, 1) << "the user's values stay to try again";
            EXPECT_EQ(shown.m_comboEncryption.GetCurSel(), -1);
        }
        if (c.storedEncryption == -2)
            EXPECT_FALSE(PathExists(file));
        else
            EXPECT_EQ(ReadStoredValues(file)["bEncryptionType"],
                      std::to_string(c.storedEncryption));
        EXPECT_EQ(shown.m_settings.bEncryptionType, c.storedEncryption == -1 ? -1 : 2);
    }

    // The next opening shows the stored -1 as no selection.
    dlg.m_settings.bEncryptionType = -1;
    Open();
    EXPECT_EQ(dlg.m_comboEncryption.GetCurSel(), -1);
    EXPECT_EQ(dlg.m_bChanged, 0);
}

// The verb follows a newly written context-menu option, before the outcome is shown, and is
// left alone when the option was not written.
TEST_F(SettingsDlgTest, VerbFollowsTheWrittenOption)
{
    struct Case
    {
        const char* name;
        int storedMenu;
        bool tick;          // click the option's box
        const char* refuse; // a key whose write fails, or null
        std::vector<int> verbCalls;
    } const cases[] = {
        {"ticked and saved", 0, true, nullptr, {1}},
        {"unticked and saved", 1, true, nullptr, {0}},
        {"unchanged", 1, false, nullptr, {}},
        {"a later option fails", 0, true, "bRememberPassword", {1}},
        {"an earlier option fails", 0, true, "bIgnoreSuffixFiles", {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchFolder own;
        const std::string file = MakeDefaultSettingsFile(own.Path());
        RunSql(file, "UPDATE Settings SET ValueInt=" + std::to_string(c.storedMenu) +
                         " WHERE Name='bEnableMenu'");
        TestSettingsDlg shown;
        shown.m_strSettingsPath = file;
        shown.m_settings.bEnableMenu = c.storedMenu;
        ASSERT_TRUE(shown.Create());
        if (c.tick)
            shown.ClickBox(IDC_ENABLE_MENU);
        // Options on both sides of the context-menu option change too.
        shown.ClickBox(IDC_IGNORE_SUFFIX_FILES);
        shown.ClickBox(IDC_REMEMBER_PASSWORDS);
        if (c.refuse)
            RunSql(file, std::string("CREATE TRIGGER refuse BEFORE UPDATE ON Settings WHEN "
                                     "NEW.Name = '") +
                             c.refuse + "' BEGIN SELECT RAISE(ABORT, 'no'); END;");

        ScriptedBoxes boxes(shown);
        shown.Command(IDOK);
        EXPECT_EQ(shown.verbCalls, c.verbCalls);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].verbCallsBefore, c.verbCalls.size())
            << "the verb is handled before the message";
    }
}

TEST(SettingsDlgHelp, LinkOpensTheGuideAtItsSettingsSection)
{
    struct Case
    {
        const char* guide;
        const char* opened;
    } const cases[] = {
        // The guide beside the program, as the main window hands it over.
        {"C:\\Program Files\\Sealwick 2#\\sealwick_guide.html",
         "file:///C:/Program%20Files/Sealwick%202%23/sealwick_guide.html#settings"},
        {"https://www.veltrane.example/sealwick/guide.html",
         "https://www.veltrane.example/sealwick/guide.html#settings"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.guide);
        TestSettingsDlg dlg;
        dlg.SetUserGuideAddress(c.guide);
        ASSERT_TRUE(dlg.Create());
        ResetLaunchFakes();
        dlg.Command(IDC_SETTINGS_HELP_LINK, STN_CLICKED);
        ASSERT_EQ(Launches().shellCalls.size(), 1u);
        EXPECT_EQ(Launches().shellCalls[0].file, c.opened);
        EXPECT_EQ(dlg.m_bChanged, 0);
    }
}
} // namespace
