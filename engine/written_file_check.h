#pragma once

#include <windows.h>

#include <string>

#include "engine/encryption_type.h"

// What a protected copy must be before it may replace its target.
struct WrittenFileExpectation
{
    EncryptionType method = EncryptionAes256;
    std::string userPassword;  // the stored bytes of the open password
    std::string ownerPassword; // the stored bytes of the owner password
    bool bPreventCopy = false;
    bool bPreventModify = false;
    bool bPreventPrint = false;
    int pages = 0; // the source's page count
    // When the writer was handed a dictionary the library derived from the two passwords
    // beforehand: the file key and the values O and U (and OE, UE and Perms for 256-bit AES).
    // The copy is then opened once, with the key, and compared with them, and no 256-bit AES
    // password is hashed again.
    std::string fileKey;
    std::string O, U, OE, UE, Perms;
};

// The permission value P a file with these restrictions carries, accessibility always granted:
// -4 with none, -2056 without printing, -1044 without copying, -300 without modifying.
int ExpectedPermissionValue(bool bPreventCopy, bool bPreventModify, bool bPreventPrint);

// Checks an encrypted copy read through `file` (a handle open for reading; it is duplicated,
// not moved or closed): the method, P, that the open password opens it as user, that the owner
// password opens it as owner and, where the two differ, that the open password does not, and
// the page count. Each password's key is derived once, or, where the expectation carries the
// writer's derived dictionary, not at all. Returns "" when the copy passes, else the first
// failure's kCheck... text.
std::string CheckWrittenFile(HANDLE file, const WrittenFileExpectation& expected);

// The same for a file named by a path in the process's ANSI code page.
std::string CheckWrittenFile(const std::string& path, const WrittenFileExpectation& expected);
