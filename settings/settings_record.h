#pragma once

#include <cstddef>
#include <string>

// The user's options and the main window's last inputs, one field per row of the settings
// file, named after its key. A new record holds the defaults of the key table
// (settings/setting_keys.h).
struct SettingsRecord
{
    SettingsRecord();

    // Options, edited in the settings dialog.
    int bTargetSetSuffix;
    int bIgnoreSuffixFiles;
    int bRememberPassword;
    int bEnableMenu;
    int bEncryptionType;
    std::string strTargetSuffix;
    int bAllowSigned; // digitally signed PDF files are protected too

    // Last inputs of the main window.
    int bFolderMode;
    int bPreventCopy;
    int bPreventModify;
    int bPreventPrint;
    std::string strSourceFile;
    std::string strTargetFile;
    std::string strPassword; // plain text while in memory, protected in the file
    std::string strPermissionPassword;
};

// A text field holds at most this many bytes (a 5,000-byte buffer with its terminator).
constexpr size_t kSettingsTextMaxChars = 4999;

// The main window's current inputs: what a run works from and what is saved when it closes.
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

// The last inputs a record holds, and a record's last inputs replaced by others.
LastInputs LastInputsOf(const SettingsRecord& record);
void SetLastInputs(SettingsRecord& record, const LastInputs& inputs);

// What the settings dialog hands over on Save, in the fields of the options (the encryption
// type is the combo box's selection, -1 when none is selected); the last inputs in it are not
// read.
using SettingsDialogValues = SettingsRecord;

void SetDefaultSettings(SettingsRecord& record);
