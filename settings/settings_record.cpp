#include "settings/settings_record.h"

#include "settings/setting_keys.h"

SettingsRecord::SettingsRecord()
{
    SetDefaultSettings(*this);
}

void SetDefaultSettings(SettingsRecord& record)
{
    for (const SettingKey& key : kSettingKeys)
    {
        if (key.kind == SettingKind::Integer)
            record.*key.pInt = key.nDefault;
        else
            record.*key.pText = key.pDefaultText;
    }
}

LastInputs LastInputsOf(const SettingsRecord& record)
{
    LastInputs inputs;
    inputs.bFolderMode = record.bFolderMode;
    inputs.strSourceFile = record.strSourceFile;
    inputs.strTargetFile = record.strTargetFile;
    inputs.strPassword = record.strPassword;
    inputs.strPermissionPassword = record.strPermissionPassword;
    inputs.bPreventCopy = record.bPreventCopy;
    inputs.bPreventModify = record.bPreventModify;
    inputs.bPreventPrint = record.bPreventPrint;
    return inputs;
}

void SetLastInputs(SettingsRecord& record, const LastInputs& inputs)
{
    record.bFolderMode = inputs.bFolderMode;
    record.strSourceFile = inputs.strSourceFile;
    record.strTargetFile = inputs.strTargetFile;
    record.strPassword = inputs.strPassword;
    record.strPermissionPassword = inputs.strPermissionPassword;
    record.bPreventCopy = inputs.bPreventCopy;
    record.bPreventModify = inputs.bPreventModify;
    record.bPreventPrint = inputs.bPreventPrint;
}
