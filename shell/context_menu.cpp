#include "shell/context_menu.h"

#include <shlwapi.h>

#include <cstring>
#include <optional>

#include "base/executable_path.h"
#include "base/windows_version.h"
#include "shell/context_menu_keys.h"
#include "shell/context_menu_texts.h"

namespace
{
constexpr DWORD kClassNameCapacity = 512;

// The class that ".pdf" names now, or none when the key or its value cannot be read.
std::optional<std::string> ReadPdfClass(CContextMenuPlatform& platform)
{
    HKEY hKey = nullptr;
    if (platform.OpenKeyForQuery(HKEY_CLASSES_ROOT, kPdfExtensionKey, &hKey) != ERROR_SUCCESS)
        return std::nullopt;
    char buffer[kClassNameCapacity] = {};
    const LONG result = platform.QueryDefaultValue(hKey, buffer, sizeof(buffer));
    platform.CloseKey(hKey);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    buffer[sizeof(buffer) - 1] = '\0';
    return std::string(buffer);
}

void WriteVerb(CContextMenuPlatform& platform, const ContextMenuKey& key,
               const std::string& command)
{
    HKEY hKey = nullptr;
    if (platform.CreateKey(HKEY_CLASSES_ROOT, key.strCommandKey.c_str(), &hKey) != ERROR_SUCCESS &&
        platform.CreateKey(HKEY_CURRENT_USER, key.strUserCommandKey.c_str(), &hKey) !=
            ERROR_SUCCESS)
        return;
    platform.SetDefaultValue(hKey, command.c_str());
    platform.CloseKey(hKey);
}

void RemoveVerb(CContextMenuPlatform& platform, const ContextMenuKey& key)
{
    // Both, whatever the first gave: the verb may have gone to either place.
    platform.DeleteKeyTree(HKEY_CLASSES_ROOT, key.strVerbKey.c_str());
    platform.DeleteKeyTree(HKEY_CURRENT_USER, key.strUserVerbKey.c_str());
}

CContextMenuPlatform& RealPlatform()
{
    static CContextMenuPlatform platform;
    return platform;
}
} // namespace

CContextMenuPlatform::~CContextMenuPlatform() = default;

bool CContextMenuPlatform::GetExecutablePath(std::string& path)
{
    // Read wide: a path the code page cannot hold would register a command that starts
    // nothing, or another program. Such a path ('?' in it) is not registered.
    path = ExecutablePath();
    return !path.empty() && path.find('?') == std::string::npos;
}

bool CContextMenuPlatform::IsWindows8OrLater()
{
    return IsWindowsVersionAtLeast(2);
}

LONG CContextMenuPlatform::OpenKeyForQuery(HKEY hRoot, const char* subkey, HKEY* phKey)
{
    return RegOpenKeyExA(hRoot, subkey, 0, KEY_QUERY_VALUE, phKey);
}

LONG CContextMenuPlatform::QueryDefaultValue(HKEY hKey, char* buffer, DWORD capacity)
{
    DWORD size = capacity;
    return RegQueryValueExA(hKey, "", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
}

LONG CContextMenuPlatform::CreateKey(HKEY hRoot, const char* subkey, HKEY* phKey)
{
    char emptyClass[] = "";
    return RegCreateKeyExA(hRoot, subkey, 0, emptyClass, 0, KEY_ALL_ACCESS, nullptr, phKey,
                           nullptr);
}

LONG CContextMenuPlatform::SetDefaultValue(HKEY hKey, const char* text)
{
    return RegSetValueExA(hKey, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1));
}

LONG CContextMenuPlatform::CloseKey(HKEY hKey)
{
    return RegCloseKey(hKey);
}

LONG CContextMenuPlatform::DeleteKeyTree(HKEY hRoot, const char* subkey)
{
    return static_cast<LONG>(SHDeleteKeyA(hRoot, subkey));
}

bool RegisterContextMenu(CContextMenuPlatform& platform)
{
    std::string exePath;
    if (!platform.GetExecutablePath(exePath))
        return false;
    const ContextMenuKeySet set =
        MakeContextMenuKeySet(exePath, ReadPdfClass(platform), platform.IsWindows8OrLater());
    for (const ContextMenuKey& key : set.keys)
        WriteVerb(platform, key, set.strCommand);
    return true;
}

bool UnregisterContextMenu(CContextMenuPlatform& platform)
{
    // Removal needs no command, so no executable's path either.
    const ContextMenuKeySet set =
        MakeContextMenuKeySet(std::string(), ReadPdfClass(platform), platform.IsWindows8OrLater());
    for (const ContextMenuKey& key : set.keys)
        RemoveVerb(platform, key);
    return true;
}

bool RegisterContextMenu()
{
    return RegisterContextMenu(RealPlatform());
}

bool UnregisterContextMenu()
{
    return UnregisterContextMenu(RealPlatform());
}
