#pragma once

// What the window and the settings dialog show about the settings: the messages for the
// outcomes of loading and saving the settings file, and the dialog's own texts. Each text
// lives here only.

// Loading at start-up, shown by the main window.
constexpr const char* kMsgCannotOpenToLoad =
    "Unable to open Settings***.db file to read saved settings. \n\nPlease make sure the file "
    "is not open or used by another application\n\nIf nothing works, please delete the "
    "Settings***.db file and launch the application again";
constexpr const char* kMsgCannotCreate =
    "Unable to create new Settings***.db file for saving Settings. \n\nPlease make sure the "
    "current application folder is writable. \n\nIf the problem persists, please run it from "
    "different folder/drive or try running this application as Administrator";

// Saving, shown by the settings dialog.
constexpr const char* kMsgCannotOpenToSave =
    "Unable to open Settings***.db file for saving new changes. Please make sure the file is "
    "not used by another application\n\nIf nothing works, please delete the Settings***.db "
    "file and relaunch this application.";
constexpr const char* kMsgFileMissing =
    "Settings***.db file is not found for saving new changes. Please check again or relaunch "
    "this application to create new Settings file.";
constexpr const char* kMsgSaved = "Successfully saved all your changed Settings";
constexpr const char* kMsgSaveFailed =
    "Failed to save one or more settings. Please make sure Settings***.db file is not opened "
    "by another application or try running this application as Administrator";

// The settings dialog: its encryption-type entries, in the order of their stored values (the
// two blanks before each parenthesis belong to the labels), button and link texts, and the
// question before changes are discarded.
constexpr const char* kEncryptionTypeLabels[] = {
    "128-bit RC4  (PDF v1.5 - Adobe 6+)",
    "128-bit AES  (PDF v1.6 - Adobe 7+)",
    "256-bit AES  (PDF v1.7 - Adobe 8+)",
};
constexpr const char* kSettingsButtonFontFace = "MS Shell Dlg";
constexpr const char* kTipSaveSettings = "Save the changes you have made to Settings";
constexpr const char* kTipCloseSettings = "Close it without saving any changes";
constexpr const char* kSettingsHelpLinkText = "Need Help?";
constexpr const char* kTipSettingsHelpLink = "Find more details about each of these options...";
// Appended to the user guide's address to open it at its settings section.
constexpr const char* kUserGuideSettingsSection = "#settings";
constexpr const char* kFileAddressPrefix = "file:///";
constexpr const char* kMsgCloseWithoutSaving =
    "Are you sure you want to close without saving any changes?";
