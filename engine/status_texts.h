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
constexpr const char* kStatusSignedRefused =
    "Error: This PDF file is digitally signed. Protecting it would invalidate its signature, so "
    "it was left as it is.";
constexpr const char* kStatusDamagedRefused =
    "Error: The source PDF file is damaged and would have to be repaired, so it was not "
    "protected.";
// Filled with one of the kCheck... texts below.
constexpr const char* kStatusCheckFailed =
    "Error: The protected copy failed its check (%s), so it was not written.";
constexpr const char* kCheckEncryptionMethod = "encryption method";
constexpr const char* kCheckPermissions = "permissions";
constexpr const char* kCheckOpenPassword = "open password";
constexpr const char* kCheckPermissionPassword = "permission password";
constexpr const char* kCheckOpenPasswordIsOwner = "open password also lifts the restrictions";
constexpr const char* kCheckPageCount = "page count";
constexpr const char* kCheckUnreadable = "unreadable";

// Notes a success status ends with, in this order.
constexpr const char* kNoteSignatureInvalid = " (its digital signature is no longer valid)";
constexpr const char* kNoteRandomPermissionPassword =
    " (its restrictions are locked with a random permission password that nobody knows)";
constexpr const char* kNoteNoLongerPdfA = " (no longer PDF/A, which does not allow encryption)";
constexpr const char* kNoteRepaired =
    " (the source was damaged and has been repaired; check the protected copy)";

// Status texts hold up to this many characters (a 5,000-byte buffer in the window's terms).
constexpr unsigned kStatusMaxChars = 4999;
