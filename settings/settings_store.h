#pragma once

#include <string>

#include "settings/settings_record.h"

// The settings file. Every operation opens the file at the path it is given, does its work and
// closes it again. The store shows nothing: it tells its caller what happened.

enum class SettingsLoadOutcome
{
    Loaded,       // read, or created with the record's values; also a file that reads as nothing
    CannotOpen,   // the file exists but cannot be opened; the record keeps its values
    CannotCreate, // the file is missing and cannot be created; the record keeps its values
};

enum class SettingsSaveOutcome
{
    FileMissing, // the file does not exist
    OpenFailed,  // the file exists but cannot be opened
    Saved,       // every changed value was written
    Failed,      // a write failed; the values before it were written, the rest were not
};

// The file beside the executable, whatever the working folder.
std::string GetSettingsFilePath();

// Fills the record from the file, or creates the file from the record when it is missing.
// When remembering is off, stored passwords are emptied: the only write loading makes besides
// rewriting texts of an older build in UTF-8.
SettingsLoadOutcome LoadSettings(const std::string& path, SettingsRecord& record);

// Writes a new file with its table and the record's values; on failure no file of its making
// is left. False, touching nothing, when the file exists already.
bool CreateSettingsFile(const std::string& path, const SettingsRecord& record);

// Writes the last inputs that differ from the record; never changes the record. A password
// that cannot be protected ends the save with Failed and leaves its row as it was.
SettingsSaveOutcome SaveLastInputs(const std::string& path, const SettingsRecord& record,
                                   const LastInputs& inputs);

// Writes the options that differ from the record and sets each in the record once written.
// `bEnableMenuWritten` tells the caller to register or remove the context-menu verb.
SettingsSaveOutcome SaveDialogSettings(const std::string& path, SettingsRecord& record,
                                       const SettingsDialogValues& values,
                                       bool& bEnableMenuWritten);
