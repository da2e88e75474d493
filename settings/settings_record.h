#pragma once

#include <string>

#include "settings/settings_texts.h"

// The user's options and the main window's last inputs, one field per row of the settings
// file, named after its key. A new record holds the defaults.
struct SettingsRecord
{
    // Options, edited in the settings dialog.
    int bTargetSetSuffix = 1;
    int bIgnoreSuffixFiles = 1;
    int bRememberPassword = 1;
    int bEnableMenu = 1;
    int bEncryptionType = 2;
    std::string strTargetSuffix = kDefaultTargetSuffix;

    // Last inputs of the main window.
    int bFolderMode = 0;
    int bPreventCopy = 0;
    int bPreventModify = 0;
    int bPreventPrint = 0;
    std::string strSourceFile;
    std::string strTargetFile;
    std::string strPassword; // plain text while in memory, protected in the file
    std::string strPermissionPassword;
};

// A text field holds at most this many bytes (a 5,000-byte buffer with its terminator).
constexpr size_t kSettingsTextMaxChars = 4999;

// The main window's current inputs when it closes.
struct LastInputs
{
    int bFolderMode = 0;
    std::string strSourceFile;
    std::string strTargetFile;
    std::string strPassword;
    std::string strPermissionPassword;
    int bPreventCopy = 0;
    int bPreventModify = 0;
    int bPreventPrint = 0;
};

// What the settings dialog hands over on Save.
struct SettingsDialogValues
{
    int bTargetSetSuffix = 1;
    int bIgnoreSuffixFiles = 1;
    int bEnableMenu = 1;
    int bRememberPassword = 1;
    int nEncryptionIndex = 2; // the combo box selection; -1 when none is selected
    std::string strTargetSuffix;
};

void SetDefaultSettings(SettingsRecord& record);

// The rows of the settings file in the order they are created, each bound to its field.
struct IntSettingKey
{
    const char* name;
    int SettingsRecord::*field;
};
struct TextSettingKey
{
    const char* name;
    std::string SettingsRecord::*field;
    bool bPassword;
};
constexpr size_t kIntSettingKeyCount = 9;
constexpr size_t kTextSettingKeyCount = 5;
extern const IntSettingKey kIntSettingKeys[kIntSettingKeyCount];
extern const TextSettingKey kTextSettingKeys[kTextSettingKeyCount];
