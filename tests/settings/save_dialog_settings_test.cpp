#include <gtest/gtest.h>

#include <functional>

#include "settings/settings_store.h"
#include "settings_test_support.h"
#include "tests/support/scratch.h"

namespace
{
SettingsDialogValues ValuesOf(const SettingsRecord& r)
{
    SettingsDialogValues v;
    v.bTargetSetSuffix = r.bTargetSetSuffix;
    v.bIgnoreSuffixFiles = r.bIgnoreSuffixFiles;
    v.bEnableMenu = r.bEnableMenu;
    v.bRememberPassword = r.bRememberPassword;
    v.bEncryptionType = r.bEncryptionType;
    v.strTargetSuffix = r.strTargetSuffix;
    v.bAllowSigned = r.bAllowSigned;
    return v;
}

struct DialogCase
{
    const char* name;
    std::function<void(SettingsRecord&, SettingsDialogValues&)> change;
    StoredValues written; // rows expected to change, with their new values
    bool bEnableMenuWritten;
    std::function<void(const SettingsRecord&)> checkRecord;
};

const std::string kLongSuffix(4999, 's');
const StoredValues kEmptiedPasswords = {{"strPassword", ""}, {"strPermissionPassword", ""}};

const DialogCase kDialogCases[] = {
    {"nothing changed, remembering on",
     [](SettingsRecord&, SettingsDialogValues&) {},
     {},
     false,
     [](const SettingsRecord&) {}},
    {"nothing changed, remembering off",
     [](SettingsRecord& r, SettingsDialogValues& v)
     { r.bRememberPassword = v.bRememberPassword = 0; },
     kEmptiedPasswords, false, [](const SettingsRecord&) {}},
    {"remembering turned off",
     [](SettingsRecord&, SettingsDialogValues& v) { v.bRememberPassword = 0; },
     {{"bRememberPassword", "0"}, {"strPassword", ""}, {"strPermissionPassword", ""}},
     false,
     [](const SettingsRecord& r)
     {
         EXPECT_EQ(r.bRememberPassword, 0);
         EXPECT_EQ(r.strPassword, "in memory") << "the record keeps the passwords";
     }},
    {"every option changed",
     [](SettingsRecord&, SettingsDialogValues& v)
     {
         v.bTargetSetSuffix = 0;
         v.bIgnoreSuffixFiles = 0;
         v.bEncryptionType = 0;
         v.bEnableMenu = 0;
         v.strTargetSuffix = "_locked";
         v.bAllowSigned = 1;
     },
     {{"bTargetSetSuffix", "0"},
      {"bIgnoreSuffixFiles", "0"},
      {"bEncryptionType", "0"},
      {"bEnableMenu", "0"},
      {"strTargetSuffix", "_locked"},
      {"bAllowSigned", "1"}},
     true,
     [](const SettingsRecord& r)
     {
         EXPECT_EQ(r.bTargetSetSuffix, 0);
         EXPECT_EQ(r.bIgnoreSuffixFiles, 0);
         EXPECT_EQ(r.bEncryptionType, 0);
         EXPECT_EQ(r.bEnableMenu, 0);
         EXPECT_EQ(r.strTargetSuffix, "_locked");
         EXPECT_EQ(r.bAllowSigned, 1);
     }},
    {"no encryption entry selected",
     [](SettingsRecord&, SettingsDialogValues& v) { v.bEncryptionType = -1; },
     {{"bEncryptionType", "-1"}},
     false,
     [](const SettingsRecord& r) { EXPECT_EQ(r.bEncryptionType, -1); }},
    {"suffix changed only in letter case",
     [](SettingsRecord&, SettingsDialogValues& v) { v.strTargetSuffix = "_PROTECTED"; },
     {},
     false,
     [](const SettingsRecord& r) { EXPECT_EQ(r.strTargetSuffix, "_protected"); }},
    {"suffix trimmed",
     [](SettingsRecord&, SettingsDialogValues& v) { v.strTargetSuffix = " \t_locked \r\n"; },
     {{"strTargetSuffix", "_locked"}},
     false,
     [](const SettingsRecord& r) { EXPECT_EQ(r.strTargetSuffix, "_locked"); }},
    {"suffix with quotes",
     [](SettingsRecord&, SettingsDialogValues& v) { v.strTargetSuffix = "_O'Brien''s"; },
     {{"strTargetSuffix", "_O'Brien''s"}},
     false,
     [](const SettingsRecord& r) { EXPECT_EQ(r.strTargetSuffix, "_O'Brien''s"); }},
    {"suffix emptied",
     [](SettingsRecord&, SettingsDialogValues& v) { v.strTargetSuffix = "   "; },
     {{"strTargetSuffix", ""}},
     false,
     [](const SettingsRecord& r) { EXPECT_EQ(r.strTargetSuffix, ""); }},
    {"longest suffix",
     [](SettingsRecord&, SettingsDialogValues& v) { v.strTargetSuffix = kLongSuffix + "cut"; },
     {{"strTargetSuffix", kLongSuffix}},
     false,
     [](const SettingsRecord& r) { EXPECT_EQ(r.strTargetSuffix, kLongSuffix); }},
};

TEST(SaveDialogSettings, WritesChangedOptionsAndSetsThemInTheRecord)
{
    for (const DialogCase& c : kDialogCases)
    {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        const std::string path = MakeSentinelSettingsFile(folder.Path());
        SettingsRecord record;
        SetDefaultSettings(record);
        record.strPassword = "in memory";
        SettingsDialogValues values = ValuesOf(record);
        c.change(record, values);

        bool bEnableMenuWritten = !c.bEnableMenuWritten;
        EXPECT_EQ(SaveDialogSettings(path, record, values, bEnableMenuWritten),
                  SettingsSaveOutcome::Saved);

        StoredValues expected = SentinelValues();
        for (const auto& row : c.written)
            expected[row.first] = row.second;
        EXPECT_EQ(ReadStoredValues(path), expected);
        EXPECT_EQ(bEnableMenuWritten, c.bEnableMenuWritten);
        c.checkRecord(record);
        EXPECT_TRUE(IsReleased(path));
    }
}

TEST(SaveDialogSettings, FailingWriteKeepsEarlierOptionsOnly)
{
    ScratchFolder folder;
    const std::string path = MakeSentinelSettingsFile(folder.Path());
    RunSql(path, "CREATE TRIGGER refuse BEFORE UPDATE ON Settings "
                 "WHEN NEW.Name = 'bIgnoreSuffixFiles' BEGIN SELECT RAISE(ABORT, 'no'); END;");
    SettingsRecord record;
    SetDefaultSettings(record);
    SettingsDialogValues values;
    values.bTargetSetSuffix = 0;
    values.bIgnoreSuffixFiles = 0;
    values.bEncryptionType = 1;
    values.bEnableMenu = 0;
    values.bRememberPassword = 0;
    values.strTargetSuffix = "_new";

    bool bEnableMenuWritten = true;
    EXPECT_EQ(SaveDialogSettings(path, record, values, bEnableMenuWritten),
              SettingsSaveOutcome::Failed);

    StoredValues expected = SentinelValues();
    expected["bTargetSetSuffix"] = "0";
    EXPECT_EQ(ReadStoredValues(path), expected) << "password rows not emptied either";
    EXPECT_FALSE(bEnableMenuWritten);
    EXPECT_EQ(record.bTargetSetSuffix, 0);
    EXPECT_EQ(record.bIgnoreSuffixFiles, 1);
    EXPECT_EQ(record.bEncryptionType, 2);
    EXPECT_EQ(record.bEnableMenu, 1);
    EXPECT_EQ(record.bRememberPassword, 1);
    EXPECT_EQ(record.strTargetSuffix, "_protected");
    EXPECT_TRUE(IsReleased(path));
}

TEST(SaveDialogSettings, DeletedFileIsReportedAndNotCreated)
{
    ScratchFolder folder;
    const std::string path = MakeDefaultSettingsFile(folder.Path());
    ASSERT_TRUE(DeleteFileA(path.c_str()));
    SettingsRecord record;
    SetDefaultSettings(record);
    SettingsDialogValues values = ValuesOf(record);
    values.bEnableMenu = 0;

    bool bEnableMenuWritten = true;
    EXPECT_EQ(SaveDialogSettings(path, record, values, bEnableMenuWritten),
              SettingsSaveOutcome::FileMissing);
    EXPECT_FALSE(bEnableMenuWritten);
    EXPECT_EQ(record.bEnableMenu, 1);
    EXPECT_FALSE(PathExists(path));
}
} // namespace
