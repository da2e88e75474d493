#include <gtest/gtest.h>

#include <functional>

#include "settings/base64.h"
#include "settings/settings_store.h"
#include "settings_test_support.h"
#include "tests/support/scratch.h"

namespace
{
// What LoadSettings left in the record at start-up, and the inputs unchanged from it.
SettingsRecord StartRecord()
{
    SettingsRecord record;
    SetDefaultSettings(record);
    record.strSourceFile = "C:\\In\\A.pdf";
    record.strTargetFile = "C:\\Out\\A.pdf";
    record.strPassword = "secret";
    record.strPermissionPassword = "owner";
    return record;
}

struct LastInputsCase
{
    const char* name;
    std::function<void(SettingsRecord&, LastInputs&)> change;
    StoredValues written; // rows expected to change, with their new values
};

const std::string kLongest(4999, 'p');

const LastInputsCase kLastInputsCases[] = {
    {"nothing changed", [](SettingsRecord&, LastInputs&) {}, {}},
    {"mode and restrictions",
     [](SettingsRecord&, LastInputs& in)
     {
         in.bFolderMode = 1;
         in.bPreventCopy = 1;
         in.bPreventPrint = 1;
     },
     {{"bFolderMode", "1"}, {"bPreventCopy", "1"}, {"bPreventPrint", "1"}}},
    {"paths changed only in letter case",
     [](SettingsRecord&, LastInputs& in)
     {
         in.strSourceFile = "c:\\in\\a.PDF";
         in.strTargetFile = "C:\\OUT\\A.PDF";
     },
     {}},
    {"paths changed",
     [](SettingsRecord&, LastInputs& in)
     {
         in.strSourceFile = "C:\\In\\B.pdf";
         in.strTargetFile = "";
     },
     {{"strSourceFile", "C:\\In\\B.pdf"}, {"strTargetFile", ""}}},
    {"passwords changed only in letter case",
     [](SettingsRecord&, LastInputs& in)
     {
         in.strPassword = "Secret";
         in.strPermissionPassword = "OWNER";
     },
     {{"strPassword", "|protected:Secret"}, {"strPermissionPassword", "|protected:OWNER"}}},
    {"password emptied",
     [](SettingsRecord&, LastInputs& in) { in.strPassword = ""; },
     {{"strPassword", ""}}},
    {"remembering off leaves the password rows",
     [](SettingsRecord& r, LastInputs& in)
     {
         r.bRememberPassword = 0;
         in.strPassword = "new";
         in.strPermissionPassword = "";
         in.bPreventModify = 1;
     },
     {{"bPreventModify", "1"}}},
    {"quotes in paths",
     [](SettingsRecord&, LastInputs& in)
     {
         in.strSourceFile = "C:\\O'Brien\\report.pdf";
         in.strTargetFile = "C:\\x' WHERE 1=1; --\\''.pdf";
     },
     {{"strSourceFile", "C:\\O'Brien\\report.pdf"},
      {"strTargetFile", "C:\\x' WHERE 1=1; --\\''.pdf"}}},
    {"longest texts",
     [](SettingsRecord&, LastInputs& in)
     {
         in.strSourceFile = kLongest;
         in.strTargetFile = kLongest + "beyond";
         in.strPassword = std::string(999, '\xFC');
     },
     {{"strSourceFile", kLongest},
      {"strTargetFile", kLongest},
      {"strPassword", "|protected:" + std::string(999, '\xFC')}}},
};

TEST(SaveLastInputs, WritesOnlyChangedValuesAndNeverTheRecord)
{
    for (const LastInputsCase& c : kLastInputsCases)
    {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        const std::string path = MakeSentinelSettingsFile(folder.Path());
        SettingsRecord record = StartRecord();
        LastInputs inputs = LastInputsOf(record);
        c.change(record, inputs);
        const SettingsRecord before = record;
        MessageBoxRecorder boxes;

        SaveLastInputs(path, record, inputs);

        StoredValues expected = SentinelValues();
        for (const auto& row : c.written)
            expected[row.first] = row.second;
        EXPECT_EQ(ReadStoredValues(path), expected);
        std::string difference;
        EXPECT_TRUE(SameRecord(record, before, difference)) << difference;
        EXPECT_TRUE(boxes.Shown().empty());
        EXPECT_TRUE(IsReleased(path));
    }
}

TEST(SaveLastInputs, StopsSilentlyAtAFailingWrite)
{
    ScratchFolder folder;
    const std::string path = MakeSentinelSettingsFile(folder.Path());
    RunSql(path, "CREATE TRIGGER refuse BEFORE UPDATE ON Settings "
                 "WHEN NEW.Name = 'strTargetFile' BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    const SettingsRecord record = StartRecord();
    LastInputs inputs = LastInputsOf(record);
    inputs.bFolderMode = 1;
    inputs.strSourceFile = "C:\\new.pdf";
    inputs.strTargetFile = "C:\\new_protected.pdf";
    inputs.strPassword = "changed";
    inputs.bPreventPrint = 1;
    MessageBoxRecorder boxes;

    SaveLastInputs(path, record, inputs);

    StoredValues expected = SentinelValues();
    expected["bFolderMode"] = "1";
    expected["strSourceFile"] = "C:\\new.pdf";
    EXPECT_EQ(ReadStoredValues(path), expected);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(IsReleased(path));
}

TEST(SaveLastInputs, MissingFileIsNotCreated)
{
    ScratchFolder folder;
    const std::string path = folder / "settings_sealwick.db";
    MessageBoxRecorder boxes;
    LastInputs inputs;
    inputs.strSourceFile = "C:\\a.pdf";
    SaveLastInputs(path, StartRecord(), inputs);
    EXPECT_FALSE(PathExists(path));
    EXPECT_TRUE(boxes.Shown().empty());
}
} // namespace
