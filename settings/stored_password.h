#pragma once

#include <windows.h>

#include <wincrypt.h>

#include <string>

// Remembered passwords are kept protected for the current Windows user (DPAPI, user scope,
// with an entropy value of the tool's own): a copy of the settings file read by another user
// or on another machine yields nothing.

// The protected bytes of a password; empty for the empty password, or when the system cannot
// protect it (the caller then leaves the stored row as it was).
std::string ProtectPassword(const std::string& password);

// The system's CryptProtectData, replaceable so that tests can make protection fail. Returns
// the previous replacement; nullptr restores the system's.
using ProtectDataFn = BOOL(WINAPI*)(DATA_BLOB*, LPCWSTR, DATA_BLOB*, PVOID,
                                    CRYPTPROTECT_PROMPTSTRUCT*, DWORD, DATA_BLOB*);
ProtectDataFn SetProtectDataHandler(ProtectDataFn handler);

// The password, or empty text when the bytes cannot be read back here: another user's or
// machine's, or damaged.
std::string UnprotectPassword(const std::string& protectedBytes);

class CSqliteConnection;

namespace settings_internal
{
// Empties a password row, both forms.
bool ForgetStoredPassword(CSqliteConnection& db, const char* key);

// The password of a row: its protected bytes when there are any, otherwise the Base64 text of
// an older version. Whatever cannot be read gives the empty password.
std::string ReadStoredPassword(const std::string& text, const std::string& protectedBytes);

// True when the row still holds a password in the older Base64 form.
bool HoldsOldFormPassword(const CSqliteConnection& db, const char* key);
} // namespace settings_internal
