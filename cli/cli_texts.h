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
// Status of a file whose target name is another file of the run: writing it would replace a
// source that the run must only read.
constexpr const char* kStatusTargetIsListedSource =
    "Error: Target file is another Source PDF file of this run. It was not written, so that "
    "the other file stays as it is. Please set a different suffix or Target folder.";
// Status of a sub-folder that cannot be searched during a recursive run.
constexpr const char* kStatusFolderNotSearchable =
    "Error: Unable to search PDF files in this folder. Please make sure you have proper "
    "permissions.";
// A path or password that this Windows cannot hand to the engine: only before Windows 10
// version 1903, which ignores the program's request for UTF-8 as its code page.
constexpr const char* kStatusTextNotPassable =
    "Error: The file's path or password holds characters that this Windows cannot pass on. "
    "Please use Windows 10 version 1903 or later, or other characters.";
constexpr const char* kMsgPathNotPassable =
    "The path [%s] holds characters that this Windows cannot pass on. \n\nPlease rename the "
    "file or folder, or use Windows 10 version 1903 or later.";
