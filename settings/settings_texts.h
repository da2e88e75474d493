#pragma once

#include "base/product.h"

// The settings file's name, its SQL, its key names and every message the settings store and
// the settings dialog show. Each text lives here only.

constexpr const char* kSettingsFileName = "settings_sealwick.db";
constexpr const char* kSettingsPathFormat = "%s\\%s";
constexpr const char* kSettingsCaption = kProductCaption;

// Key names, as the rows of the Settings table spell them.
constexpr const char* kKeyTargetSetSuffix = "bTargetSetSuffix";
constexpr const char* kKeyIgnoreSuffixFiles = "bIgnoreSuffixFiles";
constexpr const char* kKeyRememberPassword = "bRememberPassword";
constexpr const char* kKeyEnableMenu = "bEnableMenu";
constexpr const char* kKeyEncryptionType = "bEncryptionType";
constexpr const char* kKeyTargetSuffix = "strTargetSuffix";
constexpr const char* kKeyFolderMode = "bFolderMode";
constexpr const char* kKeyPreventCopy = "bPreventCopy";
constexpr const char* kKeyPreventModify = "bPreventModify";
constexpr const char* kKeyPreventPrint = "bPreventPrint";
constexpr const char* kKeySourceFile = "strSourceFile";
constexpr const char* kKeyTargetFile = "strTargetFile";
constexpr const char* kKeyPassword = "strPassword";
constexpr const char* kKeyPermissionPassword = "strPermissionPassword";

constexpr const char* kDefaultTargetSuffix = "_protected";

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
constexpr const char* kSqlInsertIntRows =
    "INSERT INTO Settings(Name, ValueType, ValueInt) VALUES (?, 1, ?), (?, 1, ?), (?, 1, ?), "
    "(?, 1, ?), (?, 1, ?), (?, 1, ?), (?, 1, ?), (?, 1, ?), (?, 1, ?);";
constexpr const char* kSqlInsertTextRows =
    "INSERT INTO Settings(Name, ValueType, ValueInt, ValueString) VALUES (?, 2, 0, ?), "
    "(?, 2, 0, ?), (?, 2, 0, ?), (?, 2, 0, ?), (?, 2, 0, ?);";
constexpr const char* kSqlSelectIntRows = "SELECT * FROM Settings WHERE Name LIKE 'b%' ";
constexpr const char* kSqlSelectTextRows = "SELECT * FROM Settings WHERE Name LIKE 'str%' ";
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

// Messages of loading, shown by the store.
constexpr const char* kMsgCannotOpenToLoad =
    "Unable to open Settings***.db file to read saved settings. \n\nPlease make sure the file "
    "is not open or used by another application\n\nIf nothing works, please delete the "
    "Settings***.db file and launch the application again";
constexpr const char* kMsgCannotCreate =
    "Unable to create new Settings***.db file for saving Settings. \n\nPlease make sure the "
    "current application folder is writable. \n\nIf the problem persists, please run it from "
    "different folder/drive or try running this application as Administrator";

// Messages of saving, shown by the settings dialog.
constexpr const char* kMsgCannotOpenToSave =
    "Unable to open Settings***.db file for saving new changes. Please make sure the file is "
    "not used by another application\n\nIf nothing works, please delete the Settings***.db "
    "file and relaunch this application.";
constexpr const char* kMsgFileMissing =
    "Settings***.db file is not found for saving new changes. Please check again or relaunch "
    "this application to create new Settings file.";
constexpr const char* kMsgSaved = "Successfully saved all your changed Settings";
constexpr const char* kMsgSaveFailed =
    "Failed to save one or more settings. Please make sure Settings***.db file is not opened "
    "by another application or try running this application as Administrator";

// The settings dialog: its encryption-type entries, in the order of their stored values (the
// two blanks before each parenthesis belong to the labels), button and link texts, and the
// question before changes are discarded.
constexpr const char* kEncryptionTypeLabels[] = {
    "128-bit RC4  (PDF v1.5 - Adobe 6+)",
    "128-bit AES  (PDF v1.6 - Adobe 7+)",
    "256-bit AES  (PDF v1.7 - Adobe 8+)",
};
constexpr const char* kSettingsButtonFontFace = "MS Shell Dlg";
constexpr const char* kTipSaveSettings = "Save the changes you have made to Settings";
constexpr const char* kTipCloseSettings = "Close it without saving any changes";
constexpr const char* kSettingsHelpLinkText = "Need Help?";
constexpr const char* kTipSettingsHelpLink = "Find more details about each of these options...";
// Appended to the user guide's address to open it at its settings section.
constexpr const char* kUserGuideSettingsSection = "#settings";
constexpr const char* kFileAddressPrefix = "file:///";
constexpr const char* kMsgCloseWithoutSaving =
    "Are you sure you want to close without saving any changes?";
