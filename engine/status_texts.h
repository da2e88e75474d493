#pragma once

// Status texts of a protected file, as the results list shows them. A row is coloured as a
// failure when its status contains kStatusErrorMark.
constexpr const char* kStatusErrorMark = "Error:";
constexpr const char* kStatusProtected = "Successfully protected PDF file with password";
constexpr const char* kStatusProtectedRestricted =
    "Successfully protected PDF file with password and restrictions";
constexpr const char* kStatusAlreadyProtected =
    "Error: This PDF file is already protected with password.";
constexpr const char* kStatusTargetFailed =
    "Error: Failed to create Target file. Please make sure the file is not opened by another "
    "application and check folder write permissions.";
constexpr const char* kStatusSourceMissing =
    "Error: Source PDF file is not found. Please check file or folder path.";
constexpr const char* kStatusSourceInUse =
    "Error: Source PDF file is in use by another application. Please close it and try again.";
constexpr const char* kStatusLibraryFailure = "Error: %s";
constexpr const char* kStatusSameAsSource =
    "Error: Target file is the Source file. Please choose another Target file.";
constexpr const char* kStatusPasswordNotStorable =
    "Error: The password contains characters that this encryption cannot store. Please use "
    "other characters or choose AES-256 encryption in Settings.";
constexpr const char* kStatusNameNotInCodePage =
    "Error: The file name contains characters that this system's code page cannot use. Please "
    "rename the file or run Sealwick on Windows 10 (version 1903) or later.";
constexpr const char* kStatusTargetIsAnotherSource =
    "Error: Target file is another Source PDF file of this run. It was not written, so that "
    "the other file stays as it is. Please set a different suffix or Target folder.";

// Status texts hold up to this many characters (a 5,000-byte buffer in the window's terms).
constexpr unsigned kStatusMaxChars = 4999;
