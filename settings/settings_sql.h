#pragma once

// The settings file's name and the store's SQL. The key names are in the key table
// (settings/setting_keys.h); what the window shows about the file is in app/.

constexpr const char* kSettingsFileName = "settings_sealwick.db";
constexpr const char* kSettingsPathFormat = "%s\\%s";

// The schema text is kept exactly, blanks and tabs included: SQLite stores it in the file,
// and tools that read the file compare it.
// clang-format off
#define SW_TABS8 "\t\t\t\t\t\t\t\t"
constexpr const char* kSqlCreateTable = "CREATE TABLE Settings(  " SW_TABS8
                                        "Name TEXT PRIMARY KEY NOT NULL,  " SW_TABS8
                                        "ValueType INT NOT NULL, " SW_TABS8
                                        "ValueInt INT, " SW_TABS8
                                        "ValueString TEXT, " SW_TABS8
                                        "ValueBinary BLOB " SW_TABS8 ")";
#undef SW_TABS8
// clang-format on

// Values are bound as parameters, so that a quote in a path or suffix stays text and no
// length limit of a formatted statement applies.
// A new file gets all its rows in one statement: this row's placeholders, once per key.
constexpr const char* kSqlInsertRows =
    "INSERT INTO Settings(Name, ValueType, ValueInt, ValueString, ValueBinary) VALUES ";
constexpr const char* kSqlRowValues = "(?, ?, ?, ?, ?)";
// A key whose row is missing (a file from an older build, or edited by hand) gets it added.
constexpr const char* kSqlInsertRow =
    "INSERT INTO Settings(Name, ValueType, ValueInt, ValueString, ValueBinary) "
    "VALUES (?, ?, ?, ?, ?)";
constexpr const char* kSqlSelectRows = "SELECT * FROM Settings";
constexpr const char* kSqlUpdateInt = "Update Settings SET ValueInt=? WHERE Name LIKE ? ";
constexpr const char* kSqlUpdateText = "Update Settings SET ValueString=? WHERE Name LIKE ? ";
// Remembered passwords lie protected in ValueBinary; their text stays empty.
constexpr const char* kSqlUpdatePassword =
    "Update Settings SET ValueString='', ValueBinary=? WHERE Name LIKE ? ";
constexpr const char* kSqlForgetPassword =
    "Update Settings SET ValueString='', ValueBinary=NULL WHERE Name LIKE ? ";
constexpr const char* kSqlSecureDelete = "PRAGMA secure_delete=ON";
constexpr const char* kSqlSelectPasswordText =
    "SELECT ValueString FROM Settings WHERE Name LIKE ? ";
