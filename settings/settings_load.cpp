#include "settings/settings_store.h"

#include <windows.h>

#include <vector>

#include "base/file_system.h"
#include "framework/message_box.h"
#include "settings/settings_text_rules.h"
#include "settings/settings_texts.h"
#include "settings/sqlite_connection.h"
#include "settings/stored_password.h"

using namespace settings_internal;

namespace
{
void ReadIntRows(const CSqliteConnection& db, SettingsRecord& record, bool& bPrepared)
{
    CSqliteStatement rows(db, kSqlSelectIntRows);
    bPrepared = rows.IsPrepared();
    while (rows.NextRow())
    {
        const std::string name = rows.ColumnText(0);
        for (const IntSettingKey& key : kIntSettingKeys)
        {
            if (EqualsIgnoringCase(name, key.name))
            {
                record.*key.field = rows.ColumnInt(2);
                break;
            }
        }
    }
}

void ReadTextRows(CSqliteConnection& db, SettingsRecord& record)
{
    // Texts an older build wrote in a legacy code page: written again in UTF-8 once read.
    std::vector<const TextSettingKey*> legacy;
    {
        CSqliteStatement rows(db, kSqlSelectTextRows);
        while (rows.NextRow())
        {
            const std::string name = rows.ColumnText(0);
            for (const TextSettingKey& key : kTextSettingKeys)
            {
                if (!EqualsIgnoringCase(name, key.name))
                    continue;
                bool bLegacy = false;
                const std::string text = rows.ColumnText(3);
                if (!key.bPassword)
                {
                    record.*key.field = ClipToRecordText(TextFromStore(text, bLegacy));
                    if (bLegacy)
                        legacy.push_back(&key);
                }
                else if (record.bRememberPassword)
                    record.*key.field = ReadStoredPassword(text, rows.ColumnBytes(4));
                else
                    (record.*key.field).clear();
                break;
            }
        }
    }
    for (const TextSettingKey* key : legacy)
        db.Run(kSqlUpdateText, {TextToStore(record.*key->field), key->name});
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

    CSqliteConnection db;
    if (!db.Open(path, SQLITE_OPEN_READWRITE))
    {
        DeleteFileA(path.c_str());
        return false;
    }

    const auto& k = kIntSettingKeys;
    const auto& t = kTextSettingKeys;
    // Password rows start empty; remembered passwords follow in their protected form.
    const std::string noPassword;
    bool bWritten =
        db.Exec(kSqlCreateTable) &&
        db.Run(kSqlInsertIntRows,
               {k[0].name, record.*k[0].field, k[1].name, record.*k[1].field, k[2].name,
                record.*k[2].field, k[3].name, record.*k[3].field, k[4].name, record.*k[4].field,
                k[5].name, record.*k[5].field, k[6].name, record.*k[6].field, k[7].name,
                record.*k[7].field, k[8].name, record.*k[8].field}) &&
        db.Run(kSqlInsertTextRows,
               {t[0].name, TextToStore(record.*t[0].field), t[1].name,
                TextToStore(record.*t[1].field), t[2].name, TextToStore(record.*t[2].field),
                t[3].name, noPassword, t[4].name, noPassword}) &&
        (!record.bRememberPassword ||
         (WriteStoredPassword(db, kKeyPassword, record.strPassword) &&
          WriteStoredPassword(db, kKeyPermissionPassword, record.strPermissionPassword)));
    db.Close();
    // A file without its table or rows would be taken for a settings file at the next start.
    if (!bWritten)
        DeleteFileA(path.c_str());
    return bWritten;
}

void LoadSettings(SettingsRecord& record, HWND hOwner)
{
    LoadSettings(GetSettingsFilePath(), record, hOwner);
}

void LoadSettings(const std::string& path, SettingsRecord& record, HWND hOwner)
{
    CSqliteConnection db;
    if (!db.Open(path, SQLITE_OPEN_READWRITE))
    {
        if (FileExists(path))
        {
            AfxMessageBoxEx(hOwner, kMsgCannotOpenToLoad, kSettingsCaption, MB_OK | MB_ICONWARNING);
            return;
        }
        if (CreateSettingsFile(path, record))
            return;
        // Another copy started at the same moment created it first: its file is read.
        if (!FileExists(path) || !db.Open(path, SQLITE_OPEN_READWRITE))
        {
            AfxMessageBoxEx(hOwner, kMsgCannotCreate, kSettingsCaption, MB_OK | MB_ICONWARNING);
            return;
        }
    }

    // Integers first, so that bRememberPassword holds the file's value when the passwords
    // are read.
    bool bPrepared = false;
    ReadIntRows(db, record, bPrepared);
    if (bPrepared)
        ReadTextRows(db, record);
}
