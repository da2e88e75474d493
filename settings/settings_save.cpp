#include "settings/settings_store.h"

#include <algorithm>
#include <vector>

#include "base/file_system.h"
#include "settings/setting_keys.h"
#include "settings/setting_rows.h"
#include "settings/settings_text_rules.h"
#include "settings/sqlite_connection.h"
#include "settings/stored_password.h"

using namespace settings_internal;

namespace
{
// The keys one save writes, in the order it writes them.
std::vector<const SettingKey*> KeysWrittenBy(SettingWriter writer)
{
    std::vector<const SettingKey*> keys;
    for (const SettingKey& key : kSettingKeys)
        if (key.writer == writer)
            keys.push_back(&key);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const SettingKey* a, const SettingKey* b)
                     { return a->nWriteStep < b->nWriteStep; });
    return keys;
}

// Paths and the suffix that differ only in letter case name the same thing; passwords do not.
bool Differs(const SettingKey& key, const SettingsRecord& a, const SettingsRecord& b)
{
    switch (key.kind)
    {
    case SettingKind::Integer:
        return a.*key.pInt != b.*key.pInt;
    case SettingKind::Text:
        return !EqualsIgnoringCase(a.*key.pText, b.*key.pText);
    case SettingKind::Password:
        return a.*key.pText != b.*key.pText;
    }
    return true;
}

SettingsSaveOutcome OpenFailure(const std::string& path)
{
    return FileExists(path) ? SettingsSaveOutcome::OpenFailed : SettingsSaveOutcome::FileMissing;
}

void ClipTexts(SettingsRecord& values, bool bTrim)
{
    for (const SettingKey& key : kSettingKeys)
        if (key.kind != SettingKind::Integer)
        {
            std::string& text = values.*key.pText;
            text = ClipToRecordText(bTrim ? TrimWhiteSpace(text) : text);
        }
}
} // namespace

SettingsSaveOutcome SaveLastInputs(const std::string& path, const SettingsRecord& record,
                                   const LastInputs& inputs)
{
    CSqliteConnection db;
    if (!db.Open(path, SQLITE_OPEN_READWRITE))
        return OpenFailure(path);

    SettingsRecord values = record;
    SetLastInputs(values, inputs);
    ClipTexts(values, false);

    // Each value is compared with what was loaded at start-up, so only the user's changes
    // are written. The first failing write ends the save.
    for (const SettingKey* key : KeysWrittenBy(SettingWriter::Window))
    {
        bool bWrite = Differs(*key, values, record);
        if (key->kind == SettingKind::Password)
        {
            if (!record.bRememberPassword)
                continue;
            // A password still in an older build's Base64 form is written again, protected,
            // even when unchanged.
            bWrite = bWrite || HoldsOldFormPassword(db, key->name);
        }
        if (bWrite && !WriteSetting(db, *key, values))
            return SettingsSaveOutcome::Failed;
    }
    return SettingsSaveOutcome::Saved;
}

SettingsSaveOutcome SaveDialogSettings(const std::string& path, SettingsRecord& record,
                                       const SettingsDialogValues& dialogValues,
                                       bool& bEnableMenuWritten)
{
    bEnableMenuWritten = false;
    CSqliteConnection db;
    if (!db.Open(path, SQLITE_OPEN_READWRITE))
        return OpenFailure(path);

    SettingsRecord values = dialogValues;
    ClipTexts(values, true);

    // The record takes each option only once its row is written, so that it always shows
    // what the file holds.
    for (const SettingKey* key : KeysWrittenBy(SettingWriter::Dialog))
    {
        if (Differs(*key, values, record))
        {
            if (!WriteSetting(db, *key, values))
                return SettingsSaveOutcome::Failed;
            if (key->kind == SettingKind::Integer)
                record.*key->pInt = values.*key->pInt;
            else
                record.*key->pText = values.*key->pText;
            bEnableMenuWritten |= key->pInt == &SettingsRecord::bEnableMenu;
        }
        // Not remembering means no password stays in the file, even one stored before. A
        // failure here is not reported: the option itself was saved.
        if (key->pInt == &SettingsRecord::bRememberPassword && !values.bRememberPassword)
            for (const SettingKey& password : kSettingKeys)
                if (password.kind == SettingKind::Password)
                    ForgetStoredPassword(db, password.name);
    }
    return SettingsSaveOutcome::Saved;
}
