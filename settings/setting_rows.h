#pragma once

#include <string>
#include <vector>

#include "settings/setting_keys.h"
#include "settings/sqlite_connection.h"

// A key's value as its row holds it, and the writes of single rows.
namespace settings_internal
{
struct StoredValue
{
    int nInt = 0;
    std::string text;  // UTF-8; empty for a password, whose bytes lie protected
    std::string bytes; // a password's protected bytes; none for the empty password
};

// The stored form of the key's value in `record`. False when a password cannot be protected:
// it must then not be written at all.
bool ToStoredValue(const SettingKey& key, const SettingsRecord& record, StoredValue& stored);

// The five columns of the key's row (Name, ValueType, ValueInt, ValueString, ValueBinary);
// `stored` must outlive the statement they are bound to.
void AppendRowValues(const SettingKey& key, const StoredValue& stored,
                     std::vector<SqlValue>& values);

// Writes the key's value from `values` into its row, and adds the row when the file has none.
// False when the value cannot be stored or a statement fails; the row is then as it was.
bool WriteSetting(CSqliteConnection& db, const SettingKey& key, const SettingsRecord& values);
} // namespace settings_internal
