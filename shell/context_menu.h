#pragma once

#include <windows.h>

#include <string>

// Writes and removes the "Protect PDF" verb of the Explorer context menu. Both are silent:
// a key that cannot be written or removed is passed over and the next class is handled.

// What the verb's registry work reaches of the system. The default is the real thing; tests
// replace single calls, for instance to refuse the machine-wide classes as a user without
// administrator rights meets them.
class CContextMenuPlatform
{
  public:
    virtual ~CContextMenuPlatform();

    // The executable's full path; false when it cannot be had.
    virtual bool GetExecutablePath(std::string& path);
    virtual bool IsWindows8OrLater();

    // Registry calls; each returns ERROR_SUCCESS or a failure code.
    virtual LONG OpenKeyForQuery(HKEY hRoot, const char* subkey, HKEY* phKey);
    // The key's default value as text, at most `capacity` bytes with its terminator.
    virtual LONG QueryDefaultValue(HKEY hKey, char* buffer, DWORD capacity);
    // Creates the key and any missing keys above it, or opens it when it exists.
    virtual LONG CreateKey(HKEY hRoot, const char* subkey, HKEY* phKey);
    virtual LONG SetDefaultValue(HKEY hKey, const char* text);
    virtual LONG CloseKey(HKEY hKey);
    // Deletes the key with everything below it.
    virtual LONG DeleteKeyTree(HKEY hRoot, const char* subkey);
};

// Writes the verb under the class of ".pdf", every file's class from Windows 8 on and the
// fixed classes: machine-wide where the key can be written, else for the current user.
// False only when the executable's path cannot be had, and then nothing is written.
bool RegisterContextMenu();
bool RegisterContextMenu(CContextMenuPlatform& platform);

// Removes the verb, machine-wide and for the current user, under the same classes. The
// "shell" keys above it stay. Always true.
bool UnregisterContextMenu();
bool UnregisterContextMenu(CContextMenuPlatform& platform);
