#pragma once

#include <string>

// Remembered passwords are kept protected for the current Windows user (DPAPI, user scope,
// with an entropy value of the tool's own): a copy of the settings file read by another user
// or on another machine yields nothing.

// The protected bytes of a password; empty for the empty password, or when the system cannot
// protect it (the password is then not remembered).
std::string ProtectPassword(const std::string& password);

// The password, or empty text when the bytes cannot be read back here: another user's or
// machine's, or damaged.
std::string UnprotectPassword(const std::string& protectedBytes);

class CSqliteConnection;

namespace settings_internal
{
// Writes a password row in its protected form; the row's text, where an older version kept
// the password as Base64, is emptied, and what it held is overwritten in the file.
bool WriteStoredPassword(CSqliteConnection& db, const char* key, const std::string& password);

// Empties a password row, both forms.
bool ForgetStoredPassword(CSqliteConnection& db, const char* key);

// The password of a row: its protected bytes when there are any, otherwise the Base64 text of
// an older version. Whatever cannot be read gives the empty password.
std::string ReadStoredPassword(const std::string& text, const std::string& protectedBytes);

// True when the row still holds a password in the older Base64 form.
bool HoldsOldFormPassword(const CSqliteConnection& db, const char* key);
} // namespace settings_internal
