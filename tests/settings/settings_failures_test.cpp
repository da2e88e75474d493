#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "settings/settings_store.h"
#include "settings_test_support.h"
#include "tests/support/scratch.h"

namespace
{
LastInputs InputsInFolderMode()
{
    LastInputs inputs;
    inputs.bFolderMode = 1;
    return inputs;
}

// Holds the file open without sharing, as another application can.
class LockedFile
{
  public:
    explicit LockedFile(const std::string& path)
        : m_h(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        EXPECT_NE(m_h, INVALID_HANDLE_VALUE);
    }
    ~LockedFile() { CloseHandle(m_h); }

  private:
    HANDLE m_h;
};

TEST(SettingsFailures, FolderWhereTheFileCannotBeCreated)
{
    ScratchFolder folder;
    WriteFileBytes(folder / "plain file", "x");
    const std::string paths[] = {
        folder / "no such folder\\settings_sealwick.db",
        folder / "plain file\\settings_sealwick.db",
    };
    for (const std::string& path : paths)
    {
        SCOPED_TRACE(path);
        MessageBoxRecorder boxes;
        SettingsRecord record = Defaults();
        EXPECT_EQ(LoadSettings(path, record), SettingsLoadOutcome::CannotCreate);
        std::string difference;
        EXPECT_TRUE(SameRecord(record, Defaults(), difference)) << difference;
        EXPECT_FALSE(PathExists(path));

        // Later saves fail too: the dialog hears of a missing file, closing stays silent.
        bool bEnableMenuWritten = true;
        EXPECT_EQ(SaveDialogSettings(path, record, SettingsDialogValues{}, bEnableMenuWritten),
                  SettingsSaveOutcome::FileMissing);
        EXPECT_EQ(SaveLastInputs(path, record, InputsInFolderMode()),
                  SettingsSaveOutcome::FileMissing);
        EXPECT_TRUE(boxes.Shown().empty()) << "the store shows nothing";
    }
}

TEST(SettingsFailures, FileThatExistsButCannotBeOpened)
{
    ScratchFolder folder;
    const std::string path = MakeDefaultSettingsFile(folder.Path());
    const std::string before = ReadFileBytes(path);
    MessageBoxRecorder boxes;
    {
        LockedFile lock(path);
        SettingsRecord record = Defaults();
        EXPECT_EQ(LoadSettings(path, record), SettingsLoadOutcome::CannotOpen);

        SettingsDialogValues values;
        values.bEnableMenu = 0;
        bool bEnableMenuWritten = true;
        EXPECT_EQ(SaveDialogSettings(path, record, values, bEnableMenuWritten),
                  SettingsSaveOutcome::OpenFailed);
        EXPECT_FALSE(bEnableMenuWritten);
        EXPECT_EQ(record.bEnableMenu, 1);
        EXPECT_EQ(SaveLastInputs(path, record, InputsInFolderMode()),
                  SettingsSaveOutcome::OpenFailed);
        EXPECT_TRUE(boxes.Shown().empty()) << "the store shows nothing";
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_TRUE(IsReleased(path)) << "failed opens released too";
    // Once the other application lets go, the file opens again.
    SettingsRecord record = Defaults();
    EXPECT_EQ(LoadSettings(path, record), SettingsLoadOutcome::Loaded);
}

TEST(SettingsFailures, CreationThatFailsHalfwayLeavesNoFile)
{
    // A folder stands where SQLite puts its journal: the file is made, its table cannot be
    // written.
    ScratchFolder folder;
    const std::string path = folder / "settings_sealwick.db";
    const std::string journal = path + "-journal";
    CreateDirectoryA(journal.c_str(), nullptr);
    EXPECT_FALSE(CreateSettingsFile(path, Defaults()));
    EXPECT_FALSE(PathExists(path));
    RemoveDirectoryA(journal.c_str());
    EXPECT_TRUE(CreateSettingsFile(path, Defaults())) << "the next start creates it afresh";
}

TEST(SettingsFailures, AFileThatAppearedMeanwhileIsNeitherRemovedNorChanged)
{
    // Two copies started together for the first time: the other one created the file between
    // this one's failed open and its creation. Nor is a file that is not a database removed.
    struct Case
    {
        const char* what;
        std::function<std::string(const std::string& folder)> make;
    } cases[] = {
        {"the other copy's file", [](const std::string& f) { return MakeSentinelSettingsFile(f); }},
        {"not a database",
         [](const std::string& f)
         {
             WriteFileBytes(f + "\\settings_sealwick.db", std::string(4096, 'x'));
             return f + "\\settings_sealwick.db";
         }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        const std::string path = c.make(folder.Path());
        const std::string before = ReadFileBytes(path);
        EXPECT_FALSE(CreateSettingsFile(path, Defaults()));
        EXPECT_EQ(ReadFileBytes(path), before);
    }
}
} // namespace
