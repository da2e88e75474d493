#include <gtest/gtest.h>

#include <iterator>

#include "settings/base64.h"
#include "settings/setting_keys.h"
#include "settings/settings_store.h"
#include "settings_test_support.h"
#include "tests/support/scratch.h"

namespace
{
std::string Repeat(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

TEST(LoadPasswords, SurviveSaveAndLoad)
{
    std::string longPassword;
    for (int i = 0; i < 999; ++i)
        longPassword += static_cast<char>('!' + i % 90);
    const std::string passwords[][2] = {
        // Passwords are UTF-8: Latin, Cyrillic, Japanese.
        {"P\xC3\xA4sswort \xC2\xA7\xC3\xBF", "\xD0\x9F\xD0\xB0\xE6\x97\xA5"},
        {longPassword, Repeat("\xC3\xA9", 999)}, // Base64 far over 1,000 bytes
        {"it's", "'; DROP TABLE Settings; --"},
    };
    for (const auto& pair : passwords)
    {
        SCOPED_TRACE(pair[0].substr(0, 20));
        ScratchFolder folder;
        const std::string path = MakeDefaultSettingsFile(folder.Path());
        LastInputs inputs;
        inputs.strPassword = pair[0];
        inputs.strPermissionPassword = pair[1];
        SaveLastInputs(path, Defaults(), inputs);

        // Stored protected: neither the bytes nor their Base64 form appear in the file.
        const StoredRow stored = ReadStoredRow(path, "strPassword");
        EXPECT_EQ(stored.valueString, "");
        EXPECT_FALSE(stored.bBinaryNull);
        const std::string file = ReadFileBytes(path);
        EXPECT_EQ(file.find(pair[0]), std::string::npos);
        EXPECT_EQ(file.find(Base64Encode(pair[0])), std::string::npos);
        const SettingsRecord loaded = LoadFromFile(path);
        EXPECT_EQ(loaded.strPassword, pair[0]);
        EXPECT_EQ(loaded.strPermissionPassword, pair[1]);
    }
}

TEST(LoadPasswords, RememberingOffInTheFileGivesEmptyPasswords)
{
    ScratchFolder folder;
    const std::string path = MakeDefaultSettingsFile(folder.Path());
    RunSql(path, "UPDATE Settings SET ValueString='c2VjcmV0' WHERE Name LIKE 'str%Password';"
                 "UPDATE Settings SET ValueInt=0 WHERE Name='bRememberPassword';");
    const SettingsRecord loaded = LoadFromFile(path);
    EXPECT_EQ(loaded.bRememberPassword, 0);
    EXPECT_EQ(loaded.strPassword, "");
    EXPECT_EQ(loaded.strPermissionPassword, "");
}

TEST(LoadPasswords, UnreadableStoredTextGivesAnEmptyPassword)
{
    const char* stored[] = {
        "'c2VjcmV'",     // length not a multiple of four
        "NULL",          //
        "'c2Vj cmV0'",   // a blank
        "'c2Vj\xE4mV0'", // a byte outside the alphabet
        "'c2Vj=mV0'",    // padding inside
        "''",            // no bytes
        "'AA=='",        // a NUL byte only
    };
    for (const char* value : stored)
    {
        SCOPED_TRACE(value);
        ScratchFolder folder;
        const std::string path = MakeDefaultSettingsFile(folder.Path());
        RunSql(path, std::string("UPDATE Settings SET ValueString=") + value +
                         " WHERE Name='strPassword';"
                         "UPDATE Settings SET ValueString='c2VjcmV0' "
                         "WHERE Name='strPermissionPassword';");
        const SettingsRecord loaded = LoadFromFile(path);
        EXPECT_EQ(loaded.strPassword, "");
        EXPECT_EQ(loaded.strPermissionPassword, "secret") << "the other row still reads";
    }
}

TEST(LoadRows, NamesInOtherLetterCaseAreRead)
{
    ScratchFolder folder;
    const std::string path = MakeDefaultSettingsFile(folder.Path());
    RunSql(path, "UPDATE Settings SET Name=upper(Name);"
                 "UPDATE Settings SET ValueInt=1 WHERE Name='BFOLDERMODE';"
                 "UPDATE Settings SET ValueInt=0 WHERE Name='BENCRYPTIONTYPE';"
                 "UPDATE Settings SET ValueString='C:\\in' WHERE Name='STRSOURCEFILE';"
                 "UPDATE Settings SET ValueString='c2VjcmV0' WHERE Name='STRPASSWORD';");
    const SettingsRecord loaded = LoadFromFile(path);
    EXPECT_EQ(loaded.bFolderMode, 1);
    EXPECT_EQ(loaded.bEncryptionType, 0);
    EXPECT_EQ(loaded.strSourceFile, "C:\\in");
    EXPECT_EQ(loaded.strPassword, "secret");
}

TEST(LoadRows, UnknownNamesArePassedOverAndMissingRowsKeepTheirDefaults)
{
    ScratchFolder folder;
    const std::string path = MakeDefaultSettingsFile(folder.Path());
    RunSql(path, "DELETE FROM Settings WHERE Name IN ('bEncryptionType', 'strTargetSuffix');"
                 "INSERT INTO Settings(Name, ValueType, ValueInt, ValueString) VALUES "
                 "('bEncryptionTypeX', 1, 0, NULL), ('strTargetSuffixes', 2, 0, 'x'),"
                 "('bogus', 1, 5, NULL);"
                 "UPDATE Settings SET ValueInt=1 WHERE Name='bPreventPrint';");
    SettingsRecord loaded = LoadFromFile(path);
    EXPECT_EQ(loaded.bEncryptionType, 2);
    EXPECT_EQ(loaded.strTargetSuffix, "_protected");
    EXPECT_EQ(loaded.bPreventPrint, 1);

    // Saving a key that has no row adds its row, and the next start reads the saved value.
    SettingsDialogValues values;
    values.bEncryptionType = 0;
    values.strTargetSuffix = "_new";
    bool bEnableMenuWritten = true;
    EXPECT_EQ(SaveDialogSettings(path, loaded, values, bEnableMenuWritten),
              SettingsSaveOutcome::Saved);
    EXPECT_FALSE(bEnableMenuWritten);
    EXPECT_EQ(loaded.bEncryptionType, 0);
    EXPECT_EQ(ReadStoredRows(path).size(), std::size(kSettingKeys) + 3);
    EXPECT_EQ(ReadStoredRow(path, "bEncryptionTypeX").valueInt, 0);
    EXPECT_EQ(ReadStoredRow(path, "strTargetSuffixes").valueString, "x");
    EXPECT_EQ(ReadStoredRow(path, "bEncryptionType").valueType, 1);
    EXPECT_EQ(ReadStoredRow(path, "strTargetSuffix").valueType, 2);
    const SettingsRecord restarted = LoadFromFile(path);
    EXPECT_EQ(restarted.bEncryptionType, 0);
    EXPECT_EQ(restarted.strTargetSuffix, "_new");
}

TEST(LoadRows, AKeyWithoutARowKeepsWhatEachSaveWroteAfterARestart)
{
    struct Case
    {
        const char* key;
        void (*change)(SettingsRecord& values);
        void (*check)(const SettingsRecord& loaded);
    } const cases[] = {
        {"bPreventCopy", [](SettingsRecord& v) { v.bPreventCopy = 1; },
         [](const SettingsRecord& r) { EXPECT_EQ(r.bPreventCopy, 1); }},
        {"strSourceFile", [](SettingsRecord& v) { v.strSourceFile = "C:\\in.pdf"; },
         [](const SettingsRecord& r) { EXPECT_EQ(r.strSourceFile, "C:\\in.pdf"); }},
        {"strPassword", [](SettingsRecord& v) { v.strPassword = "secret"; },
         [](const SettingsRecord& r) { EXPECT_EQ(r.strPassword, "secret"); }},
        {"bEnableMenu", [](SettingsRecord& v) { v.bEnableMenu = 0; },
         [](const SettingsRecord& r) { EXPECT_EQ(r.bEnableMenu, 0); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.key);
        ScratchFolder folder;
        const std::string path = MakeDefaultSettingsFile(folder.Path());
        RunSql(path, std::string("DELETE FROM Settings WHERE Name='") + c.key + "'");
        SettingsRecord record = LoadFromFile(path);
        SettingsRecord values = record;
        c.change(values);
        bool bEnableMenuWritten = false;
        EXPECT_EQ(SaveLastInputs(path, record, LastInputsOf(values)), SettingsSaveOutcome::Saved);
        EXPECT_EQ(SaveDialogSettings(path, record, values, bEnableMenuWritten),
                  SettingsSaveOutcome::Saved);
        c.check(LoadFromFile(path));
    }

    // A save fails only when the row cannot be added either.
    ScratchFolder folder;
    const std::string path = MakeDefaultSettingsFile(folder.Path());
    RunSql(path, "DELETE FROM Settings WHERE Name='bFolderMode';"
                 "CREATE TRIGGER refuse BEFORE INSERT ON Settings BEGIN SELECT RAISE(ABORT, 'no');"
                 " END;");
    LastInputs inputs;
    inputs.bFolderMode = 1;
    EXPECT_EQ(SaveLastInputs(path, SettingsRecord(), inputs), SettingsSaveOutcome::Failed);
}

TEST(LoadRows, NullTextAndLongTextRead)
{
    ScratchFolder folder;
    const std::string path = MakeDefaultSettingsFile(folder.Path());
    const std::string longest(4999, 'L');
    RunSql(path, "UPDATE Settings SET ValueString=NULL WHERE Name='strTargetSuffix';"
                 "UPDATE Settings SET ValueString='" +
                     longest +
                     "' WHERE Name='strSourceFile';"
                     "UPDATE Settings SET ValueString='" +
                     longest + "MORE' WHERE Name='strTargetFile';");
    const SettingsRecord loaded = LoadFromFile(path);
    EXPECT_EQ(loaded.strTargetSuffix, "");
    EXPECT_EQ(loaded.strSourceFile, longest);
    EXPECT_EQ(loaded.strTargetFile, longest) << "cut to what the record holds";
}

TEST(LoadRows, UnreadableFilesEndLoadingSilentlyWithTheDefaults)
{
    struct Case
    {
        const char* name;
        std::string bytes; // written as the file, or empty for a database made by `sql`
        const char* sql;
    };
    const Case cases[] = {
        {"not a database", std::string(4096, 'x'), nullptr},
        {"no Settings table", "", "CREATE TABLE Other(Name TEXT);"},
        {"empty file", "", nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        const std::string path = folder / "settings_sealwick.db";
        WriteFileBytes(path, c.bytes);
        if (c.sql)
            RunSql(path, c.sql);
        const std::string before = ReadFileBytes(path);
        MessageBoxRecorder boxes;

        SettingsRecord loaded;
        SetDefaultSettings(loaded);
        LoadSettings(path, loaded);

        std::string difference;
        EXPECT_TRUE(SameRecord(loaded, Defaults(), difference)) << difference;
        EXPECT_TRUE(boxes.Shown().empty());
        EXPECT_EQ(ReadFileBytes(path), before) << "left as it was";
        EXPECT_TRUE(IsReleased(path));
    }
}
} // namespace

namespace
{
TEST(LoadLegacyTexts, ReadAsTheUserWroteThemAndWrittenAgainInUtf8)
{
    // An older build wrote its texts in the system's legacy code page (1252 here).
    ScratchFolder folder;
    const std::string path = MakeDefaultSettingsFile(folder.Path());
    RunSql(path, "UPDATE Settings SET ValueString=" + SqlBytes("C:\\J\xFCrgen\\a.pdf") +
                     " WHERE Name='strSourceFile';"
                     "UPDATE Settings SET ValueString=" +
                     SqlBytes("_gesch\xFCtzt") + " WHERE Name='strTargetSuffix';");
    const SettingsRecord loaded = LoadFromFile(path);
    EXPECT_EQ(loaded.strSourceFile, Ansi(L"C:\\J\u00FCrgen\\a.pdf"));
    EXPECT_EQ(loaded.strTargetSuffix, Ansi(L"_gesch\u00FCtzt"));
    EXPECT_EQ(ReadStoredRow(path, "strSourceFile").valueString, "C:\\J\xC3\xBCrgen\\a.pdf");
    EXPECT_EQ(ReadStoredRow(path, "strTargetSuffix").valueString, "_gesch\xC3\xBCtzt");

    // A save writes UTF-8, and the next load reads the same texts back.
    LastInputs inputs;
    inputs.strSourceFile = Ansi(L"C:\\\u00D6l\\b.pdf");
    inputs.strTargetFile = loaded.strTargetFile;
    SaveLastInputs(path, loaded, inputs);
    EXPECT_EQ(ReadStoredRow(path, "strSourceFile").valueString, "C:\\\xC3\x96l\\b.pdf");
    EXPECT_EQ(LoadFromFile(path).strSourceFile, inputs.strSourceFile);
}
} // namespace
