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
