#include "settings/settings_store.h"

#include <windows.h>

#include <iterator>
#include <vector>

#include "base/file_system.h"
#include "settings/setting_keys.h"
#include "settings/setting_rows.h"
#include "settings/settings_sql.h"
#include "settings/settings_text_rules.h"
#include "settings/sqlite_connection.h"
#include "settings/stored_password.h"

using namespace settings_internal;

namespace
{
const SettingKey* FindKey(const std::string& name)
{
    for (const SettingKey& key : kSettingKeys)
        if (EqualsIgnoringCase(name, key.name))
            return &key;
    return nullptr;
}

struct TextRow
{
    const SettingKey* key;
    std::string text;
    std::string bytes;
};

// Integers are set as they come; texts wait until every integer is in, so that
// bRememberPassword holds the file's value when the passwords are read.
void ReadRows(CSqliteConnection& db, SettingsRecord& record)
{
    std::vector<TextRow> texts;
    {
        CSqliteStatement rows(db, kSqlSelectRows);
        while (rows.NextRow())
        {
            const SettingKey* key = FindKey(rows.ColumnText(0));
            if (!key)
                continue;
            if (key->kind == SettingKind::Integer)
                record.*key->pInt = rows.ColumnInt(2);
            else
                texts.push_back({key, rows.ColumnText(3), rows.ColumnBytes(4)});
        }
    }

    // Texts an older build wrote in a legacy code page: written again in UTF-8 once read.
    std::vector<const SettingKey*> legacy;
    bool bForgottenPasswordStored = false;
    for (const TextRow& row : texts)
    {
        std::string& field = record.*row.key->pText;
        if (row.key->kind == SettingKind::Text)
        {
            bool bLegacy = false;
            field = ClipToRecordText(TextFromStore(row.text, bLegacy));
            if (bLegacy)
                legacy.push_back(row.key);
        }
        else if (record.bRememberPassword)
            field = ReadStoredPassword(row.text, row.bytes);
        else
        {
            field.clear();
            bForgottenPasswordStored |= !row.text.empty() || !row.bytes.empty();
        }
    }
    for (const SettingKey* key : legacy)
        WriteSetting(db, *key, record);

    // Not remembering means no password stays in the file, also one an older build left there.
    if (bForgottenPasswordStored)
        for (const SettingKey& key : kSettingKeys)
            if (key.kind == SettingKind::Password)
                ForgetStoredPassword(db, key.name);
}
} // namespace

bool CreateSettingsFile(const std::string& path, const SettingsRecord& record)
{
    // The empty file is made here first, so that a failure below removes only a file of this
    // process's own making: a copy of the tool started at the same moment may have just
    // created the file, and its file is left alone.
    HANDLE hFile = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(hFile);

    // Passwords are written only when they are to be remembered.
    SettingsRecord values = record;
    if (!values.bRememberPassword)
        for (const SettingKey& key : kSettingKeys)
            if (key.kind == SettingKind::Password)
                (values.*key.pText).clear();

    // Every row in one statement, in the table's order.
    std::string sql = kSqlInsertRows;
    std::vector<StoredValue> stored(std::size(kSettingKeys));
    std::vector<SqlValue> rowValues;
    bool bStorable = true;
    for (size_t i = 0; i < stored.size(); ++i)
    {
        if (i > 0)
            sql += ", ";
        sql += kSqlRowValues;
        bStorable = bStorable && ToStoredValue(kSettingKeys[i], values, stored[i]);
        AppendRowValues(kSettingKeys[i], stored[i], rowValues);
    }

    CSqliteConnection db;
    const bool bWritten = bStorable && db.Open(path, SQLITE_OPEN_READWRITE) &&
                          db.Exec(kSqlCreateTable) && db.Run(sql.c_str(), rowValues);
    db.Close();
    // A file without its table or rows would be taken for a settings file at the next start.
    if (!bWritten)
        DeleteFileA(path.c_str());
    return bWritten;
}

SettingsLoadOutcome LoadSettings(const std::string& path, SettingsRecord& record)
{
    CSqliteConnection db;
    if (!db.Open(path, SQLITE_OPEN_READWRITE))
    {
        if (FileExists(path))
            return SettingsLoadOutcome::CannotOpen;
        if (CreateSettingsFile(path, record))
            return SettingsLoadOutcome::Loaded;
        // Another copy started at the same moment created it first: its file is read.
        if (!FileExists(path) || !db.Open(path, SQLITE_OPEN_READWRITE))
            return SettingsLoadOutcome::CannotCreate;
    }
    // A file that holds no Settings table, or is no database, reads as nothing: the record
    // keeps its defaults.
    ReadRows(db, record);
    return SettingsLoadOutcome::Loaded;
}
