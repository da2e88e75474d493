#include "settings_test_support.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include "framework/message_box.h"
#include "settings/setting_keys.h"
#include "settings/settings_store.h"
#include "settings/stored_password.h"

namespace
{
std::vector<ShownMessage> g_shown;
MessageBoxHandler g_previous = nullptr;

int RecordMessage(HWND hOwner, const char* text, const char* caption, UINT style)
{
    g_shown.push_back({hOwner, text, caption, style});
    return IDOK;
}

std::string Text(sqlite3_stmt* stmt, int column, bool& bNull)
{
    const unsigned char* text = sqlite3_column_text(stmt, column);
    bNull = text == nullptr;
    return text ? std::string(reinterpret_cast<const char*>(text),
                              static_cast<size_t>(sqlite3_column_bytes(stmt, column)))
                : std::string();
}
} // namespace

std::vector<StoredRow> ReadStoredRows(const std::string& path)
{
    std::vector<StoredRow> rows;
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db,
                                 "SELECT Name, ValueType, ValueInt, ValueString, ValueBinary "
                                 "FROM Settings ORDER BY rowid",
                                 -1, &stmt, nullptr),
              SQLITE_OK)
        << sqlite3_errmsg(db);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
    {
        StoredRow row;
        bool bNull;
        row.name = Text(stmt, 0, bNull);
        row.valueType = sqlite3_column_int(stmt, 1);
        row.bIntNull = sqlite3_column_type(stmt, 2) == SQLITE_NULL;
        row.valueInt = sqlite3_column_int(stmt, 2);
        row.valueString = Text(stmt, 3, row.bStringNull);
        row.bBinaryNull = sqlite3_column_type(stmt, 4) == SQLITE_NULL;
        if (const void* bytes = sqlite3_column_blob(stmt, 4))
            row.valueBinary.assign(static_cast<const char*>(bytes),
                                   static_cast<size_t>(sqlite3_column_bytes(stmt, 4)));
        rows.push_back(row);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

StoredRow ReadStoredRow(const std::string& path, const std::string& name)
{
    for (const StoredRow& row : ReadStoredRows(path))
        if (row.name == name)
            return row;
    ADD_FAILURE() << "no row " << name;
    return {};
}

std::string ReadSchemaText(const std::string& path)
{
    std::string schema;
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT sql FROM sqlite_master WHERE name = 'Settings'", -1, &stmt,
                       nullptr);
    if (stmt && sqlite3_step(stmt) == SQLITE_ROW)
    {
        bool bNull;
        schema = Text(stmt, 0, bNull);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return schema;
}

void RunSql(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    char* error = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << sql << ": " << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

std::string MakeDefaultSettingsFile(const std::string& folder)
{
    const std::string path = folder + "\\settings_sealwick.db";
    SettingsRecord record;
    SetDefaultSettings(record);
    EXPECT_TRUE(CreateSettingsFile(path, record));
    return path;
}

bool SameRecord(const SettingsRecord& a, const SettingsRecord& b, std::string& difference)
{
    for (const SettingKey& key : kSettingKeys)
    {
        if (key.kind == SettingKind::Integer && a.*key.pInt != b.*key.pInt)
        {
            difference = std::string(key.name) + ": " + std::to_string(a.*key.pInt) + " vs " +
                         std::to_string(b.*key.pInt);
            return false;
        }
        if (key.kind != SettingKind::Integer && a.*key.pText != b.*key.pText)
        {
            difference = std::string(key.name) + ": \"" + (a.*key.pText).substr(0, 60) +
                         "\" vs \"" + (b.*key.pText).substr(0, 60) + "\"";
            return false;
        }
    }
    return true;
}

MessageBoxRecorder::MessageBoxRecorder()
{
    g_shown.clear();
    g_previous = SetMessageBoxHandler(RecordMessage);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHandler(g_previous);
    g_shown.clear();
}

const std::vector<ShownMessage>& MessageBoxRecorder::Shown() const
{
    return g_shown;
}

StoredValues ReadStoredValues(const std::string& path)
{
    StoredValues values;
    for (const StoredRow& row : ReadStoredRows(path))
    {
        values[row.name] = row.valueType == 1 ? std::to_string(row.valueInt)
                           : row.bStringNull  ? "<NULL>"
                                              : row.valueString;
        if (!row.bBinaryNull)
            values[row.name] += "|protected:" + UnprotectPassword(row.valueBinary);
    }
    return values;
}

std::string MakeSentinelSettingsFile(const std::string& folder)
{
    const std::string path = MakeDefaultSettingsFile(folder);
    RunSql(path, "UPDATE Settings SET ValueInt=9 WHERE ValueType=1;"
                 "UPDATE Settings SET ValueString='old' WHERE ValueType=2;"
                 "UPDATE Settings SET ValueString='', ValueBinary=" +
                     SqlBytes(ProtectPassword("old")) + " WHERE Name LIKE 'str%Password';");
    return path;
}

StoredValues SentinelValues()
{
    StoredValues values;
    for (const SettingKey& key : kSettingKeys)
        values[key.name] = key.kind == SettingKind::Integer    ? "9"
                           : key.kind == SettingKind::Password ? "|protected:old"
                                                               : "old";
    return values;
}

std::string SqlBytes(const std::string& bytes)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string literal = "X'";
    for (unsigned char byte : bytes)
    {
        literal += kHex[byte >> 4];
        literal += kHex[byte & 15];
    }
    return literal + "'";
}

bool IsReleased(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
}

SettingsRecord LoadFromFile(const std::string& path)
{
    SettingsRecord record;
    SetDefaultSettings(record);
    LoadSettings(path, record);
    return record;
}

SettingsRecord Defaults()
{
    SettingsRecord record;
    SetDefaultSettings(record);
    return record;
}
