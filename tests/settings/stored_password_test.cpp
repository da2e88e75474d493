// Remembered passwords in the settings file: protected for the current user and this tool,
// older Base64 rows still read and replaced at the next save, unreadable bytes read as none.
#include <windows.h>

#include <wincrypt.h>

#include <gtest/gtest.h>

#include "settings/base64.h"
#include "settings/settings_store.h"
#include "settings/stored_password.h"
#include "settings_test_support.h"
#include "tests/support/scratch.h"

namespace
{
// What the system gives for `password` under another entropy, as another program of the
// same user would store it.
std::string ProtectedElsewhere(const std::string& password)
{
    DATA_BLOB in = {static_cast<DWORD>(password.size()),
                    reinterpret_cast<BYTE*>(const_cast<char*>(password.data()))};
    DATA_BLOB out = {};
    EXPECT_TRUE(
        CryptProtectData(&in, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out));
    std::string bytes(reinterpret_cast<const char*>(out.pbData), out.cbData);
    LocalFree(out.pbData);
    return bytes;
}

TEST(StoredPasswords, OnlyThisToolReadsThemBack)
{
    const std::string bytes = ProtectPassword("secret");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.find("secret"), std::string::npos);
    EXPECT_EQ(UnprotectPassword(bytes), "secret");
    DATA_BLOB in = {static_cast<DWORD>(bytes.size()),
                    reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()))};
    DATA_BLOB out = {};
    EXPECT_FALSE(CryptUnprotectData(&in, nullptr, nullptr, nullptr, nullptr,
                                    CRYPTPROTECT_UI_FORBIDDEN, &out))
        << "readable without the tool's entropy";
    EXPECT_EQ(ProtectPassword(""), "");
}

TEST(StoredPasswords, BytesThatCannotBeReadBackGiveAnEmptyPasswordSilently)
{
    const std::string good = ProtectPassword("secret");
    const std::string cases[] = {
        ProtectedElsewhere("secret"),    // not this tool's (as another user's would be)
        good.substr(0, good.size() / 2), // cut short
        "\x01\x02\x03\x04",              // not protected data at all
    };
    for (const std::string& bytes : cases)
    {
        SCOPED_TRACE(bytes.size());
        ScratchFolder folder;
        const std::string path = MakeDefaultSettingsFile(folder.Path());
        RunSql(path, "UPDATE Settings SET ValueBinary=" + SqlBytes(bytes) +
                         " WHERE Name='strPassword';"
                         "UPDATE Settings SET ValueBinary=" +
                         SqlBytes(ProtectPassword("owner")) +
                         " WHERE Name='strPermissionPassword';");
        MessageBoxRecorder boxes;
        const SettingsRecord loaded = LoadFromFile(path);
        EXPECT_EQ(loaded.strPassword, "");
        EXPECT_EQ(loaded.strPermissionPassword, "owner");
        EXPECT_TRUE(boxes.Shown().empty());
    }
}

TEST(StoredPasswords, OlderBase64RowsAreReadAndReplacedAtTheNextSave)
{
    ScratchFolder folder;
    const std::string path = MakeDefaultSettingsFile(folder.Path());
    // An older build kept the password's bytes in the legacy code page (1252 here).
    RunSql(path, "UPDATE Settings SET ValueString='" + Base64Encode("P\xE4sswort") +
                     "' WHERE Name='strPassword';"
                     "UPDATE Settings SET ValueString='" +
                     Base64Encode("owner") + "' WHERE Name='strPermissionPassword';");
    const SettingsRecord loaded = LoadFromFile(path);
    EXPECT_EQ(loaded.strPassword, "P\xC3\xA4sswort");
    EXPECT_EQ(loaded.strPermissionPassword, "owner");

    // Nothing changed by the user, and still both rows are rewritten.
    LastInputs inputs;
    inputs.strSourceFile = loaded.strSourceFile;
    inputs.strTargetFile = loaded.strTargetFile;
    inputs.strPassword = loaded.strPassword;
    inputs.strPermissionPassword = loaded.strPermissionPassword;
    SaveLastInputs(path, loaded, inputs);

    const StoredValues stored = ReadStoredValues(path);
    EXPECT_EQ(stored.at("strPassword"), "|protected:P\xC3\xA4sswort");
    EXPECT_EQ(stored.at("strPermissionPassword"), "|protected:owner");
    EXPECT_EQ(ReadFileBytes(path).find(Base64Encode("owner")), std::string::npos);
    const SettingsRecord again = LoadFromFile(path);
    EXPECT_EQ(again.strPassword, "P\xC3\xA4sswort");
    EXPECT_EQ(again.strPermissionPassword, "owner");
}

BOOL WINAPI RefuseToProtect(DATA_BLOB*, LPCWSTR, DATA_BLOB*, PVOID, CRYPTPROTECT_PROMPTSTRUCT*,
                            DWORD, DATA_BLOB*)
{
    return FALSE;
}

// When the system cannot protect a password, the save reports a failure and the row keeps
// what it held: an older build's Base64 copy is not erased for nothing.
TEST(StoredPasswords, AProtectionFailureKeepsTheRowAndFailsTheSave)
{
    struct Case
    {
        const char* name;
        const char* storedSql; // what the password row holds before
        const char* typed;     // the password at close
        std::string kept;      // the row's value afterwards, as ReadStoredValues shows it
    } const cases[] = {
        {"a new password", "", "changed", "|protected:old"},
        {"an older build's copy",
         "UPDATE Settings SET ValueString='b2xk', ValueBinary=NULL WHERE Name='strPassword';",
         "old", "b2xk"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        const std::string path = MakeSentinelSettingsFile(folder.Path());
        RunSql(path,
               std::string("UPDATE Settings SET ValueInt=1 WHERE ValueType=1;") + c.storedSql);
        SettingsRecord record = LoadFromFile(path);
        ASSERT_EQ(record.strPassword, "old");
        LastInputs inputs = LastInputsOf(record);
        inputs.strPassword = c.typed;
        inputs.bPreventPrint = 0;

        const ProtectDataFn previous = SetProtectDataHandler(&RefuseToProtect);
        const SettingsSaveOutcome outcome = SaveLastInputs(path, record, inputs);
        SetProtectDataHandler(previous);

        EXPECT_EQ(outcome, SettingsSaveOutcome::Failed);
        EXPECT_EQ(ReadStoredValues(path).at("strPassword"), c.kept);
        EXPECT_EQ(ReadStoredValues(path).at("bPreventPrint"), "1") << "the save ended there";
        EXPECT_EQ(LoadFromFile(path).strPassword, "old");
    }
}

TEST(StoredPasswords, LoadingWithRememberingOffForgetsStoredPasswords)
{
    ScratchFolder folder;
    const std::string path = MakeDefaultSettingsFile(folder.Path());
    RunSql(path, "UPDATE Settings SET ValueInt=0 WHERE Name='bRememberPassword';");
    // Nothing stored: loading writes nothing.
    const std::string before = ReadFileBytes(path);
    LoadFromFile(path);
    EXPECT_EQ(ReadFileBytes(path), before);

    RunSql(path, "UPDATE Settings SET ValueString='" + Base64Encode("secret") +
                     "' WHERE Name='strPassword';"
                     "UPDATE Settings SET ValueBinary=" +
                     SqlBytes(ProtectPassword("owner")) + " WHERE Name='strPermissionPassword';");
    const SettingsRecord loaded = LoadFromFile(path);
    EXPECT_EQ(loaded.strPassword, "");
    EXPECT_EQ(ReadStoredValues(path).at("strPassword"), "");
    EXPECT_EQ(ReadStoredValues(path).at("strPermissionPassword"), "");
    EXPECT_EQ(ReadFileBytes(path).find(Base64Encode("secret")), std::string::npos);
}
} // namespace
