#include "settings/settings_store.h"

#include "base/file_system.h"
#include "framework/message_box.h"
#include "settings/settings_text_rules.h"
#include "settings/settings_texts.h"
#include "settings/sqlite_connection.h"
#include "settings/stored_password.h"

using namespace settings_internal;

namespace
{
bool WriteInt(CSqliteConnection& db, const char* key, int value)
{
    return db.Run(kSqlUpdateInt, {value, key});
}

bool WriteText(CSqliteConnection& db, const char* key, const std::string& text)
{
    return db.Run(kSqlUpdateText, {TextToStore(text), key});
}
} // namespace

void SaveLastInputs(const SettingsRecord& record, const LastInputs& inputs)
{
    SaveLastInputs(GetSettingsFilePath(), record, inputs);
}

void SaveLastInputs(const std::string& path, const SettingsRecord& record, const LastInputs& inputs)
{
    CSqliteConnection db;
    if (!db.Open(path, SQLITE_OPEN_READWRITE))
        return;

    const std::string source = ClipToRecordText(inputs.strSourceFile);
    const std::string target = ClipToRecordText(inputs.strTargetFile);
    const std::string password = ClipToRecordText(inputs.strPassword);
    const std::string permissionPassword = ClipToRecordText(inputs.strPermissionPassword);

    // Each value is compared with what was loaded at start-up, so only the user's changes
    // are written. Paths that differ only in letter case name the same item; passwords do
    // not. The first failing write ends the save.
    if (inputs.bFolderMode != record.bFolderMode &&
        !WriteInt(db, kKeyFolderMode, inputs.bFolderMode))
        return;
    if (!EqualsIgnoringCase(source, record.strSourceFile) && !WriteText(db, kKeySourceFile, source))
        return;
    if (!EqualsIgnoringCase(target, record.strTargetFile) && !WriteText(db, kKeyTargetFile, target))
        return;
    // A password still in an older version's Base64 form is written again, protected, even
    // when unchanged.
    if (record.bRememberPassword)
    {
        if ((password != record.strPassword || HoldsOldFormPassword(db, kKeyPassword)) &&
            !WriteStoredPassword(db, kKeyPassword, password))
            return;
        if ((permissionPassword != record.strPermissionPassword ||
             HoldsOldFormPassword(db, kKeyPermissionPassword)) &&
            !WriteStoredPassword(db, kKeyPermissionPassword, permissionPassword))
            return;
    }
    if (inputs.bPreventCopy != record.bPreventCopy &&
        !WriteInt(db, kKeyPreventCopy, inputs.bPreventCopy))
        return;
    if (inputs.bPreventModify != record.bPreventModify &&
        !WriteInt(db, kKeyPreventModify, inputs.bPreventModify))
        return;
    if (inputs.bPreventPrint != record.bPreventPrint)
        WriteInt(db, kKeyPreventPrint, inputs.bPreventPrint);
}

SettingsSaveOutcome SaveDialogSettings(SettingsRecord& record, const SettingsDialogValues& values,
                                       bool& bEnableMenuWritten)
{
    return SaveDialogSettings(GetSettingsFilePath(), record, values, bEnableMenuWritten);
}

SettingsSaveOutcome SaveDialogSettings(const std::string& path, SettingsRecord& record,
                                       const SettingsDialogValues& values, bool& bEnableMenuWritten)
{
    bEnableMenuWritten = false;
    CSqliteConnection db;
    if (!db.Open(path, SQLITE_OPEN_READWRITE))
        return FileExists(path) ? SettingsSaveOutcome::OpenFailed
                                : SettingsSaveOutcome::FileMissing;

    struct Option
    {
        const char* key;
        int SettingsRecord::*field;
        int value;
    };
    const Option options[] = {
        {kKeyTargetSetSuffix, &SettingsRecord::bTargetSetSuffix, values.bTargetSetSuffix},
        {kKeyIgnoreSuffixFiles, &SettingsRecord::bIgnoreSuffixFiles, values.bIgnoreSuffixFiles},
        {kKeyEncryptionType, &SettingsRecord::bEncryptionType, values.nEncryptionIndex},
        {kKeyEnableMenu, &SettingsRecord::bEnableMenu, values.bEnableMenu},
        {kKeyRememberPassword, &SettingsRecord::bRememberPassword, values.bRememberPassword},
    };
    // The record takes each option only once its row is written, so that it always shows
    // what the file holds.
    for (const Option& option : options)
    {
        if (option.value == record.*option.field)
            continue;
        if (!WriteInt(db, option.key, option.value))
            return SettingsSaveOutcome::Failed;
        record.*option.field = option.value;
        if (option.field == &SettingsRecord::bEnableMenu)
            bEnableMenuWritten = true;
    }

    // Not remembering means no password stays in the file, even one stored before. A failure
    // here is not reported: the option itself was saved.
    if (!values.bRememberPassword)
    {
        ForgetStoredPassword(db, kKeyPassword);
        ForgetStoredPassword(db, kKeyPermissionPassword);
    }

    const std::string suffix = ClipToRecordText(TrimWhiteSpace(values.strTargetSuffix));
    if (!EqualsIgnoringCase(suffix, record.strTargetSuffix))
    {
        if (!WriteText(db, kKeyTargetSuffix, suffix))
            return SettingsSaveOutcome::Failed;
        record.strTargetSuffix = suffix;
    }
    return SettingsSaveOutcome::Saved;
}

void ShowSettingsSaveOutcome(HWND hOwner, SettingsSaveOutcome outcome)
{
    const char* text = kMsgSaveFailed;
    UINT icon = MB_ICONWARNING;
    switch (outcome)
    {
    case SettingsSaveOutcome::FileMissing:
        text = kMsgFileMissing;
        break;
    case SettingsSaveOutcome::OpenFailed:
        text = kMsgCannotOpenToSave;
        break;
    case SettingsSaveOutcome::Saved:
        text = kMsgSaved;
        icon = MB_ICONINFORMATION;
        break;
    case SettingsSaveOutcome::Failed:
        break;
    }
    AfxMessageBoxEx(hOwner, text, kSettingsCaption, MB_OK | icon);
}
