#pragma once

#include <string>

// Writes an encrypted copy of `sourcePath` to `targetPath` with the given passwords,
// restrictions and encryption type (see EncryptionType; other values behave as AES-128).
// Paths are in the process's ANSI code page; passwords are UTF-8. The source is only read.
//
// Returns true when the target has been written. `status` always receives the text the
// results list shows for the file; failures begin with "Error:". Never throws and never
// shows a message.
bool ProtectFile(const std::string& sourcePath, const std::string& targetPath,
                 const std::string& openPassword, const std::string& permissionPassword,
                 bool bPreventCopy, bool bPreventModify, bool bPreventPrint, int encryptionType,
                 std::string& status);

// Prefix of the two temporary files a call creates in the temporary folder.
constexpr const char* kTempFilePrefix = "vltswk";
