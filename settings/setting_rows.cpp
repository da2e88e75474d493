#include "settings/setting_rows.h"

#include "settings/settings_sql.h"
#include "settings/settings_text_rules.h"
#include "settings/stored_password.h"

namespace settings_internal
{
bool ToStoredValue(const SettingKey& key, const SettingsRecord& record, StoredValue& stored)
{
    switch (key.kind)
    {
    case SettingKind::Integer:
        stored.nInt = record.*key.pInt;
        return true;
    case SettingKind::Text:
        stored.text = TextToStore(record.*key.pText);
        return true;
    case SettingKind::Password:
        stored.bytes = ProtectPassword(record.*key.pText);
        return stored.bytes.empty() == (record.*key.pText).empty();
    }
    return false;
}

void AppendRowValues(const SettingKey& key, const StoredValue& stored,
                     std::vector<SqlValue>& values)
{
    values.push_back(key.name);
    values.push_back(key.ValueType());
    values.push_back(stored.nInt);
    values.push_back(key.kind == SettingKind::Integer ? SqlValue::Null() : SqlValue(stored.text));
    values.push_back(SqlValue::Blob(stored.bytes));
}

bool WriteSetting(CSqliteConnection& db, const SettingKey& key, const SettingsRecord& values)
{
    StoredValue stored;
    if (!ToStoredValue(key, values, stored))
        return false;
    bool bRun = false;
    switch (key.kind)
    {
    case SettingKind::Integer:
        bRun = db.Run(kSqlUpdateInt, {stored.nInt, key.name});
        break;
    case SettingKind::Text:
        bRun = db.Run(kSqlUpdateText, {stored.text, key.name});
        break;
    case SettingKind::Password:
        // Without it the replaced text of an older build would stay readable in the file's
        // free space.
        db.Exec(kSqlSecureDelete);
        bRun = db.Run(kSqlUpdatePassword, {SqlValue::Blob(stored.bytes), key.name});
        break;
    }
    if (!bRun)
        return false;
    // An UPDATE that found no row stored nothing: the row is added, or the save fails.
    if (db.Changes() > 0)
        return true;
    std::vector<SqlValue> row;
    AppendRowValues(key, stored, row);
    return db.Run(kSqlInsertRow, row);
}
} // namespace settings_internal
