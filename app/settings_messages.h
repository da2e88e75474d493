#pragma once

// The messages for what the settings store reports, each owned by the window that ran the
// operation.

#include <windows.h>

#include "settings/settings_store.h"

// Nothing for a loaded file; a warning when the file could be neither opened nor created.
void ShowSettingsLoadOutcome(HWND hOwner, SettingsLoadOutcome outcome);

// Every outcome of the settings dialog's Save, with its icon.
void ShowSettingsSaveOutcome(HWND hOwner, SettingsSaveOutcome outcome);
