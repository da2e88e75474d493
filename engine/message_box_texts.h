#pragma once

#include <windows.h>

// Texts of the messages that checking a request and running a folder show. Each "[%s]" is
// formatted with one path into a 1,000-byte buffer.

constexpr const char* kMsgBothPasswordsEmpty =
    "Both Open & Permission passwords are empty.\n\nPlease specify one of the password to "
    "protect PDF file";
constexpr const char* kMsgAskOpenPassword =
    "Open Password is empty. It is highly recommended to set Open password. \n\nWithout it, "
    "some softwares can easily remove all protections & restrictions.\n\nWould you like to set "
    "Open password?";
constexpr const char* kMsgSourceFileNotFound =
    "Specified PDF file is not found [%s]. \n\nPlease verify the file location and try again";
constexpr const char* kMsgSameSourceAndTargetFile =
    "Source and Target PDF file are same [%s]. \n\nPlease change Target file name and try again";
constexpr const char* kMsgTargetFileLocked =
    "Unable to create Target PDF file [%s]. \n\nPlease make sure the file is not opened by "
    "another application or specify different file name";
constexpr const char* kMsgTargetFileNotCreatable =
    "Unable to create target PDF file [%s]. \n\nPlease make sure target folder exists and you "
    "have proper permissions.\n\nIf the problem persists try specifying different target file "
    "location or try running this application as Administrator.";
constexpr const char* kMsgSourceFolderNotFound =
    "Specified source folder is not found [%s]. \n\nPlease verify the folder location and try "
    "again";
constexpr const char* kMsgTargetFolderNotFound =
    "Specified target folder is not found [%s]. \n\nPlease verify the target folder location "
    "and try again";
constexpr const char* kMsgSameFolders =
    "Source and Target folders are same [%s]. \n\nPlease change Target folder location or "
    "enable 'Set Suffix...' option in Settings";
constexpr const char* kMsgSameFoldersEmptySuffix =
    "Source and Target folders are same and the Target suffix is empty [%s]. \n\nPlease set a "
    "suffix in Settings or change Target folder location";
constexpr const char* kMsgPathNotInCodePage =
    "The path [%s] contains characters that this system's code page cannot use. \n\nPlease "
    "rename the file or folder, or run this application on Windows 10 (version 1903) or later.";
// Passwords that cannot be stored as every reader derives them. The first %s is "open" or
// "permission".
constexpr const char* kMsgPasswordNotStorable =
    "The %s password contains a character that %s cannot store (%s). Please use other "
    "characters or choose 256-bit AES encryption in Settings.";
constexpr const char* kMsgPasswordReadersDiffer =
    "The %s password contains a character that PDF readers treat differently (%s), so some "
    "readers would not open the file with it. Please leave it out.";
constexpr const char* kMsgPasswordTooLong =
    "The %s password is longer than 256-bit AES allows (127 bytes in UTF-8). Please use a "
    "shorter password.";

constexpr const char* kMsgCannotSearchFolder =
    "Unable to search PDF files in the specified folder [%s]. \n\nPlease make sure you have "
    "proper permissions or try running it as Administrator.";
constexpr const char* kMsgNoPdfFiles =
    "No PDF files found in the folder [%s]. \n\nPlease verify & specify the correct folder "
    "location.";

// Styles: refusals and the folder run's messages are warnings with OK; the open-password
// question is an information box with Yes and No.
constexpr UINT kRefusalStyle = MB_ICONWARNING | MB_OK;
constexpr UINT kQuestionStyle = MB_ICONINFORMATION | MB_YESNO;

// Formatted messages hold up to this many characters (a 1,000-byte buffer).
constexpr unsigned kMessageMaxChars = 999;
