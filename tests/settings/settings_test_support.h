#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "settings/settings_record.h"

// One row of the Settings table as stored, NULLs told apart from values.
struct StoredRow
{
    std::string name;
    int valueType = 0;
    bool bIntNull = true;
    int valueInt = 0;
    bool bStringNull = true;
    std::string valueString;
    bool bBinaryNull = true;
    std::string valueBinary;
};

// The rows in the order they were inserted. Paths here are plain ASCII.
std::vector<StoredRow> ReadStoredRows(const std::string& path);
StoredRow ReadStoredRow(const std::string& path, const std::string& name);
std::string ReadSchemaText(const std::string& path);
// Runs SQL on the file directly, as another tool would; fails the test on an error.
void RunSql(const std::string& path, const std::string& sql);

// A settings file with the default rows, created the way the first start creates it.
std::string MakeDefaultSettingsFile(const std::string& folder);

// The record the window would hold after starting with the file at `path`.
SettingsRecord LoadFromFile(const std::string& path);

// True when every field of the two records is the same, else false with the first difference.
bool SameRecord(const SettingsRecord& a, const SettingsRecord& b, std::string& difference);

// A record holding the defaults a first start writes.
SettingsRecord Defaults();

// Answers every message box with OK and remembers what was shown, for its lifetime.
struct ShownMessage
{
    HWND hOwner;
    std::string text;
    std::string caption;
    UINT style;
};
class MessageBoxRecorder
{
  public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    const std::vector<ShownMessage>& Shown() const;
};

// The window handle tests pass as owner; only compared, never used.
inline HWND TestOwner()
{
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
}

// Every row's value as text (ValueInt for integer rows), by name. A row with bytes in
// ValueBinary adds "|protected:" and the password read back from them.
using StoredValues = std::map<std::string, std::string>;
StoredValues ReadStoredValues(const std::string& path);

// A default file whose rows all hold values the record does not: integers 9, texts "old"
// (passwords "old" protected, their texts empty). Rows a save leaves alone keep these.
std::string MakeSentinelSettingsFile(const std::string& folder);
StoredValues SentinelValues();

// Bytes as an SQL literal, X'...'.
std::string SqlBytes(const std::string& bytes);

// True when no handle to the file is left open: the operation released its connection.
bool IsReleased(const std::string& path);
