#include "settings/settings_record.h"

#include "settings/settings_texts.h"

const IntSettingKey kIntSettingKeys[kIntSettingKeyCount] = {
    {kKeyRememberPassword, &SettingsRecord::bRememberPassword},
    {kKeyTargetSetSuffix, &SettingsRecord::bTargetSetSuffix},
    {kKeyIgnoreSuffixFiles, &SettingsRecord::bIgnoreSuffixFiles},
    {kKeyEnableMenu, &SettingsRecord::bEnableMenu},
    {kKeyFolderMode, &SettingsRecord::bFolderMode},
    {kKeyEncryptionType, &SettingsRecord::bEncryptionType},
    {kKeyPreventCopy, &SettingsRecord::bPreventCopy},
    {kKeyPreventModify, &SettingsRecord::bPreventModify},
    {kKeyPreventPrint, &SettingsRecord::bPreventPrint},
};

const TextSettingKey kTextSettingKeys[kTextSettingKeyCount] = {
    {kKeyTargetSuffix, &SettingsRecord::strTargetSuffix, false},
    {kKeySourceFile, &SettingsRecord::strSourceFile, false},
    {kKeyTargetFile, &SettingsRecord::strTargetFile, false},
    {kKeyPassword, &SettingsRecord::strPassword, true},
    {kKeyPermissionPassword, &SettingsRecord::strPermissionPassword, true},
};

void SetDefaultSettings(SettingsRecord& record)
{
    record = SettingsRecord{};
}
