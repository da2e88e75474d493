#pragma once

#include <string>

#include "settings/settings_record.h"

// The keys of the settings file, one row each. This table alone decides which rows a new file
// gets and in which order, how each row is read back, and which save writes it when.

// How a row keeps its value: ValueInt, ValueString, or (a remembered password) ValueBinary
// holding the bytes protected for the Windows user.
enum class SettingKind
{
    Integer,
    Text,
    Password,
};

// The save that writes a key: the settings dialog's Save or the main window's close.
enum class SettingWriter
{
    Dialog,
    Window,
};

struct SettingKey
{
    const char* name;
    SettingKind kind;
    int SettingsRecord::*pInt;          // integer keys
    std::string SettingsRecord::*pText; // text and password keys
    int nDefault;
    const char* pDefaultText;
    SettingWriter writer;
    // The key's place among the writes of its save: a failing write ends the save, and the
    // keys written before it stay written.
    int nWriteStep;

    // The row's ValueType: 1 for an integer, 2 for a text.
    constexpr int ValueType() const { return kind == SettingKind::Integer ? 1 : 2; }
};

constexpr SettingKey IntKey(const char* name, int SettingsRecord::*field, int nDefault,
                            SettingWriter writer, int nWriteStep)
{
    return {name, SettingKind::Integer, field, nullptr, nDefault, nullptr, writer, nWriteStep};
}

constexpr SettingKey TextKey(const char* name, std::string SettingsRecord::*field,
                             const char* pDefault, SettingWriter writer, int nWriteStep)
{
    return {name, SettingKind::Text, nullptr, field, 0, pDefault, writer, nWriteStep};
}

constexpr SettingKey PasswordKey(const char* name, std::string SettingsRecord::*field,
                                 int nWriteStep)
{
    return {name, SettingKind::Password, nullptr, field, 0, "", SettingWriter::Window, nWriteStep};
}

// In the order a new file gets its rows. A new key goes at the end, so that the rows of
// existing files keep their order.
inline constexpr SettingKey kSettingKeys[] = {
    IntKey("bRememberPassword", &SettingsRecord::bRememberPassword, 1, SettingWriter::Dialog, 5),
    IntKey("bTargetSetSuffix", &SettingsRecord::bTargetSetSuffix, 1, SettingWriter::Dialog, 1),
    IntKey("bIgnoreSuffixFiles", &SettingsRecord::bIgnoreSuffixFiles, 1, SettingWriter::Dialog, 2),
    IntKey("bEnableMenu", &SettingsRecord::bEnableMenu, 1, SettingWriter::Dialog, 4),
    IntKey("bFolderMode", &SettingsRecord::bFolderMode, 0, SettingWriter::Window, 1),
    IntKey("bEncryptionType", &SettingsRecord::bEncryptionType, 2, SettingWriter::Dialog, 3),
    IntKey("bPreventCopy", &SettingsRecord::bPreventCopy, 0, SettingWriter::Window, 6),
    IntKey("bPreventModify", &SettingsRecord::bPreventModify, 0, SettingWriter::Window, 7),
    IntKey("bPreventPrint", &SettingsRecord::bPreventPrint, 0, SettingWriter::Window, 8),
    TextKey("strTargetSuffix", &SettingsRecord::strTargetSuffix, "_protected",
            SettingWriter::Dialog, 6),
    TextKey("strSourceFile", &SettingsRecord::strSourceFile, "", SettingWriter::Window, 2),
    TextKey("strTargetFile", &SettingsRecord::strTargetFile, "", SettingWriter::Window, 3),
    PasswordKey("strPassword", &SettingsRecord::strPassword, 4),
    PasswordKey("strPermissionPassword", &SettingsRecord::strPermissionPassword, 5),
    IntKey("bAllowSigned", &SettingsRecord::bAllowSigned, 0, SettingWriter::Dialog, 7),
};
