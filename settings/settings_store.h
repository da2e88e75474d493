#pragma once

#include <windows.h>

#include <string>

#include "settings/settings_record.h"

// The settings file beside the executable. Every operation opens the file, does its work and
// closes it again. The overloads with a path work on that file instead, for tests.

enum class SettingsSaveOutcome
{
    FileMissing, // the file does not exist
    OpenFailed,  // the file exists but cannot be opened
    Saved,       // every changed value was written
    Failed,      // a write failed; the values before it were written, the rest were not
};

std::string GetSettingsFilePath();

// Fills the record from the file, or creates the file from the record when it is missing.
// Shows a message owned by `hOwner` when the file can be neither opened nor created.
void LoadSettings(SettingsRecord& record, HWND hOwner);
void LoadSettings(const std::string& path, SettingsRecord& record, HWND hOwner);

// Writes a new file with its table and the record's values; on failure no file of its making
// is left. False, touching nothing, when the file exists already.
bool CreateSettingsFile(const std::string& path, const SettingsRecord& record);

// Writes the inputs that differ from the record. Silent; never changes the record.
void SaveLastInputs(const SettingsRecord& record, const LastInputs& inputs);
void SaveLastInputs(const std::string& path, const SettingsRecord& record,
                    const LastInputs& inputs);

// Writes the options that differ from the record and sets each in the record once written.
// `bEnableMenuWritten` tells the caller to register or remove the context-menu verb.
SettingsSaveOutcome SaveDialogSettings(SettingsRecord& record, const SettingsDialogValues& values,
                                       bool& bEnableMenuWritten);
SettingsSaveOutcome SaveDialogSettings(const std::string& path, SettingsRecord& record,
                                       const SettingsDialogValues& values,
                                       bool& bEnableMenuWritten);

// The message the settings dialog shows for an outcome, with its icon.
void ShowSettingsSaveOutcome(HWND hOwner, SettingsSaveOutcome outcome);
