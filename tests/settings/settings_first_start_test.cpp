#include <gtest/gtest.h>

#include "settings/setting_keys.h"
#include "settings/settings_store.h"
#include "settings_test_support.h"
#include "tests/support/scratch.h"

namespace
{
const char kTabs[] = "\t\t\t\t\t\t\t\t";

TEST(FirstStart, CreatesTheFileWithItsSchemaAndDefaultRows)
{
    ScratchFolder folder;
    const std::string path = folder / "settings_sealwick.db";
    MessageBoxRecorder boxes;
    SettingsRecord record;
    SetDefaultSettings(record);

    LoadSettings(path, record);

    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(IsReleased(path));
    const std::string t(kTabs);
    EXPECT_EQ(ReadSchemaText(path), "CREATE TABLE Settings(  " + t +
                                        "Name TEXT PRIMARY KEY NOT NULL,  " + t +
                                        "ValueType INT NOT NULL, " + t + "ValueInt INT, " + t +
                                        "ValueString TEXT, " + t + "ValueBinary BLOB " + t + ")");

    struct Expected
    {
        const char* name;
        int type;
        int valueInt;
        const char* valueString; // null: a NULL ValueString
    };
    const Expected expected[] = {
        {"bRememberPassword", 1, 1, nullptr},
        {"bTargetSetSuffix", 1, 1, nullptr},
        {"bIgnoreSuffixFiles", 1, 1, nullptr},
        {"bEnableMenu", 1, 1, nullptr},
        {"bFolderMode", 1, 0, nullptr},
        {"bEncryptionType", 1, 2, nullptr},
        {"bPreventCopy", 1, 0, nullptr},
        {"bPreventModify", 1, 0, nullptr},
        {"bPreventPrint", 1, 0, nullptr},
        {"strTargetSuffix", 2, 0, "_protected"},
        {"strSourceFile", 2, 0, ""},
        {"strTargetFile", 2, 0, ""},
        {"strPassword", 2, 0, ""},
        {"strPermissionPassword", 2, 0, ""},
        {"bAllowSigned", 1, 0, nullptr},
    };
    const std::vector<StoredRow> rows = ReadStoredRows(path);
    ASSERT_EQ(rows.size(), std::size(expected));
    for (size_t i = 0; i < rows.size(); ++i)
    {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(rows[i].name, expected[i].name);
        EXPECT_EQ(rows[i].valueType, expected[i].type);
        EXPECT_FALSE(rows[i].bIntNull);
        EXPECT_EQ(rows[i].valueInt, expected[i].valueInt);
        EXPECT_EQ(rows[i].bStringNull, expected[i].valueString == nullptr);
        EXPECT_EQ(rows[i].valueString, expected[i].valueString ? expected[i].valueString : "");
        EXPECT_TRUE(rows[i].bBinaryNull);
    }

    SettingsRecord defaults;
    SetDefaultSettings(defaults);
    std::string difference;
    EXPECT_TRUE(SameRecord(record, defaults, difference)) << difference;
}

TEST(FirstStart, NextStartReadsTheSameValues)
{
    ScratchFolder folder;
    const std::string path = folder / "settings_sealwick.db";
    MessageBoxRecorder boxes;
    SettingsRecord first;
    SetDefaultSettings(first);
    LoadSettings(path, first);

    // Every field off its default, so that only reading the file can bring them back.
    SettingsRecord second;
    for (const SettingKey& key : kSettingKeys)
    {
        if (key.kind == SettingKind::Integer)
            second.*key.pInt = 7;
        else
            second.*key.pText = "stale";
    }
    LoadSettings(path, second);

    std::string difference;
    EXPECT_TRUE(SameRecord(second, first, difference)) << difference;
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(IsReleased(path));
}

TEST(FirstStart, WorksInAFolderWithANonAsciiName)
{
    ScratchFolder folder(Ansi(L"Einstellungen J\u00F6rg \u0141\u00F3d\u017A"));
    const std::string path = folder / "settings_sealwick.db";
    MessageBoxRecorder boxes;
    SettingsRecord record;
    SetDefaultSettings(record);
    LoadSettings(path, record);
    ASSERT_TRUE(PathExists(path)) << "created under its name";

    LastInputs inputs;
    inputs.strSourceFile = Ansi(L"C:\\J\u00F6rg\\\u65E5\u672C.pdf");
    SaveLastInputs(path, record, inputs);
    SettingsRecord again;
    SetDefaultSettings(again);
    LoadSettings(path, again);
    EXPECT_EQ(again.strSourceFile, inputs.strSourceFile);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(FirstStart, SettingsFileLiesBesideTheExecutable)
{
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string expected = exe;
    expected = expected.substr(0, expected.rfind('\\')) + "\\settings_sealwick.db";
    EXPECT_EQ(GetSettingsFilePath(), expected);
}

TEST(CreateSettingsFile, WritesTheRecordAsLoadingExpectsIt)
{
    SettingsRecord record;
    record.strSourceFile = "C:\\O'Brien\\report.pdf";
    record.strPassword = "secret";
    record.strPermissionPassword = "\xC3\xA4owner"; // passwords are UTF-8
    for (int bRemember : {1, 0})
    {
        SCOPED_TRACE(bRemember);
        ScratchFolder folder;
        const std::string path = folder / "settings_sealwick.db";
        record.bRememberPassword = bRemember;
        ASSERT_TRUE(CreateSettingsFile(path, record));

        SettingsRecord loaded;
        SetDefaultSettings(loaded);
        LoadSettings(path, loaded);
        EXPECT_EQ(loaded.strSourceFile, record.strSourceFile);
        // Passwords go in protected, and not at all when they are not to be remembered.
        const StoredRow stored = ReadStoredRow(path, "strPassword");
        EXPECT_EQ(stored.valueString, "");
        EXPECT_EQ(stored.bBinaryNull, !bRemember);
        EXPECT_EQ(loaded.strPassword, bRemember ? record.strPassword : "");
        EXPECT_EQ(loaded.strPermissionPassword, bRemember ? record.strPermissionPassword : "");
    }
}
} // namespace
