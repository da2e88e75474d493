#include <windows.h>

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/windows_version.h"
#include "shell/context_menu.h"
#include "shell/context_menu_keys.h"

// The verb in the real registry of the test prefix, where the tests may write machine-wide.
// Each test leaves the classes as it found them.

namespace
{
constexpr const char* kTestPdfClass = "SealwickTest.PdfReader";

bool KeyExists(HKEY hRoot, const std::string& subkey)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(hRoot, subkey.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

std::optional<std::string> DefaultValue(HKEY hRoot, const std::string& subkey)
{
    char buffer[1024] = {};
    DWORD size = sizeof(buffer) - 1;
    if (RegGetValueA(hRoot, subkey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::string(buffer);
}

std::string ExecutablePath()
{
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return buffer;
}

// Points ".pdf" at a class of its own, and afterwards removes what the test added under every
// class the verb touches: a class or "shell" key that was missing before goes again.
class ClassesRestorer
{
  public:
    explicit ClassesRestorer(const std::string& userPrefix)
        : m_strPrefix(userPrefix), m_pdfClass(DefaultValue(HKEY_CLASSES_ROOT, ".pdf")),
          m_bPdfKey(KeyExists(HKEY_CLASSES_ROOT, ".pdf"))
    {
        for (const ContextMenuKey& key :
             MakeContextMenuKeySet("", std::string(kTestPdfClass), true).keys)
        {
            const std::string classKey = m_strPrefix + key.strClass;
            m_saved.push_back(
                {classKey, KeyExists(Root(), classKey), KeyExists(Root(), classKey + "\\shell")});
        }
        // The parent of "SystemFileAssociations\.pdf", which is itself a fixed class.
        const std::string parent = m_strPrefix + "SystemFileAssociations";
        m_saved.push_back({parent, KeyExists(Root(), parent), true});
        EXPECT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, kTestPdfClass, 0), ERROR_SUCCESS);
    }
    ~ClassesRestorer()
    {
        for (const Saved& saved : m_saved)
        {
            if (!saved.bClass)
                SHDeleteKeyA(Root(), saved.strKey.c_str());
            else if (!saved.bShell)
                SHDeleteKeyA(Root(), (saved.strKey + "\\shell").c_str());
        }
        if (!m_bPdfKey)
            SHDeleteKeyA(HKEY_CLASSES_ROOT, ".pdf");
        else if (m_pdfClass)
            RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, m_pdfClass->c_str(), 0);
        else
            SHDeleteValueA(HKEY_CLASSES_ROOT, ".pdf", "");
    }

  private:
    struct Saved
    {
        std::string strKey;
        bool bClass;
        bool bShell;
    };
    HKEY Root() const { return m_strPrefix.empty() ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER; }

    std::string m_strPrefix;
    std::optional<std::string> m_pdfClass;
    bool m_bPdfKey;
    std::vector<Saved> m_saved;
};

// The real registry, with the machine-wide classes refused as to a user without
// administrator rights.
class CUserOnlyPlatform : public CContextMenuPlatform
{
  public:
    LONG CreateKey(HKEY hRoot, const char* subkey, HKEY* phKey) override
    {
        if (hRoot == HKEY_CLASSES_ROOT)
            return ERROR_ACCESS_DENIED;
        return CContextMenuPlatform::CreateKey(hRoot, subkey, phKey);
    }
};

std::vector<ContextMenuKey> ExpectedKeys()
{
    return MakeContextMenuKeySet("", std::string(kTestPdfClass), IsWindowsVersionAtLeast(2)).keys;
}
} // namespace

// Compared with the version the system reports without any compatibility shim.
TEST(WindowsVersion, AgreesWithTheSystemsOwnVersion)
{
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
    ASSERT_NE(rtlGetVersion, nullptr);
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    ASSERT_EQ(rtlGetVersion(&info), 0);
    SCOPED_TRACE(std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion));

    for (unsigned minor : {0u, 1u, 2u, 3u, 4u})
    {
        const bool bExpected =
            info.dwMajorVersion > 6 || (info.dwMajorVersion == 6 && info.dwMinorVersion >= minor);
        EXPECT_EQ(IsWindowsVersionAtLeast(minor), bExpected) << "6." << minor;
    }
}

TEST(ContextMenuInRegistry, RegisterAndRemoveMachineWide)
{
    ClassesRestorer restorer("");
    const std::string command = "\"" + ExecutablePath() + "\" \"%1\"";

    ASSERT_TRUE(RegisterContextMenu());
    const std::vector<ContextMenuKey> keys = ExpectedKeys();
    // The test class, every file's class from Windows 8 on, and the fifteen fixed ones.
    ASSERT_EQ(keys.size(), IsWindowsVersionAtLeast(2) ? 17u : 16u);
    for (const ContextMenuKey& key : keys)
    {
        EXPECT_EQ(DefaultValue(HKEY_CLASSES_ROOT, key.strCommandKey), command) << key.strClass;
        // The verb's text is its key's name; the key itself holds no value.
        EXPECT_EQ(DefaultValue(HKEY_CLASSES_ROOT, key.strVerbKey), std::nullopt) << key.strClass;
    }
    // Again, as every plain start does: the same values, no error.
    ASSERT_TRUE(RegisterContextMenu());
    EXPECT_EQ(DefaultValue(HKEY_CLASSES_ROOT, keys[0].strCommandKey), command);

    EXPECT_TRUE(UnregisterContextMenu());
    for (const ContextMenuKey& key : keys)
    {
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key.strVerbKey)) << key.strClass;
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key.strUserVerbKey)) << key.strClass;
        EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, key.strClass + "\\shell")) << key.strClass;
    }
    // A second removal finds nothing and still succeeds.
    EXPECT_TRUE(UnregisterContextMenu());
}

TEST(ContextMenuInRegistry, RegisterAndRemoveForTheUserOnly)
{
    ClassesRestorer machineRestorer("");
    ClassesRestorer userRestorer("Software\\Classes\\");
    const std::string command = "\"" + ExecutablePath() + "\" \"%1\"";
    CUserOnlyPlatform platform;

    ASSERT_TRUE(RegisterContextMenu(platform));
    const std::vector<ContextMenuKey> keys = ExpectedKeys();
    for (const ContextMenuKey& key : keys)
        EXPECT_EQ(DefaultValue(HKEY_CURRENT_USER, key.strUserCommandKey), command) << key.strClass;

    EXPECT_TRUE(UnregisterContextMenu(platform));
    for (const ContextMenuKey& key : keys)
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key.strUserVerbKey)) << key.strClass;
}
