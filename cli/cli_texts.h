#pragma once

// Texts of the command's own. Everything the window also says comes from the engine's
// headers, so a script reads the window's words.

// Status of a file that gets no password: the passwords file leaves it out and the command
// gives none.
constexpr const char* kStatusNoPassword =
    "Error: No password for this file. Please add it to the passwords file or give passwords "
    "on the command line.";
// Status of a file whose row in the passwords file has both passwords empty.
constexpr const char* kStatusRowPasswordsEmpty =
    "Error: Both Open & Permission passwords are empty for this file in the passwords file.";
// Status of a sub-folder that cannot be searched during a recursive run.
constexpr const char* kStatusFolderNotSearchable =
    "Error: Unable to search PDF files in this folder. Please make sure you have proper "
    "permissions.";
// Refusal of a run whose restrictions the permission password would not guard.
constexpr const char* kMsgPermissionPasswordNeeded =
    "restrictions need a permission password that differs from the open password: give one with "
    "-P, or use --random-permission-password so that every such file gets its own random "
    "permission password that nobody knows";
