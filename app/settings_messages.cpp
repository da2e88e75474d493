#include "app/settings_messages.h"

#include "app/app_texts.h"
#include "app/settings_texts.h"
#include "framework/message_box.h"

void ShowSettingsLoadOutcome(HWND hOwner, SettingsLoadOutcome outcome)
{
    const char* text = nullptr;
    switch (outcome)
    {
    case SettingsLoadOutcome::Loaded:
        return;
    case SettingsLoadOutcome::CannotOpen:
        text = kMsgCannotOpenToLoad;
        break;
    case SettingsLoadOutcome::CannotCreate:
        text = kMsgCannotCreate;
        break;
    }
    AfxMessageBoxEx(hOwner, text, kAppCaption, MB_OK | MB_ICONWARNING);
}

void ShowSettingsSaveOutcome(HWND hOwner, SettingsSaveOutcome outcome)
{
    const char* text = kMsgSaveFailed;
    UINT icon = MB_ICONWARNING;
    switch (outcome)
    {
    case SettingsSaveOutcome::FileMissing:
        text = kMsgFileMissing;
        break;
    case SettingsSaveOutcome::OpenFailed:
        text = kMsgCannotOpenToSave;
        break;
    case SettingsSaveOutcome::Saved:
        text = kMsgSaved;
        icon = MB_ICONINFORMATION;
        break;
    case SettingsSaveOutcome::Failed:
        break;
    }
    AfxMessageBoxEx(hOwner, text, kAppCaption, MB_OK | icon);
}
