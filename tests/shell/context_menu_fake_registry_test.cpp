#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "context_menu.h"

// The verb's registry work against an in-memory registry, where rights can be taken away.

namespace
{
constexpr const char* kExePath = "C:\\Program Files\\Veltrane Sealwick\\sealwick.exe";
constexpr const char* kCommand = "\"C:\\Program Files\\Veltrane Sealwick\\sealwick.exe\" \"%1\"";

std::string RootName(HKEY hRoot)
{
    if (hRoot == HKEY_CLASSES_ROOT)
        return "HKCR";
    if (hRoot == HKEY_CURRENT_USER)
        return "HKCU";
    return "other";
}

std::string UpperCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Keys are "HKCR\path" with their default value, if any. Names compare without case, as in
// the registry.
class CFakePlatform : public CContextMenuPlatform
{
  public:
    struct Key
    {
        std::string strName;
        std::optional<std::string> value;
    };

    bool m_bHasExePath = true;
    bool m_bWindows8OrLater = true;
    bool m_bAdministrator = true;
    std::set<std::string> m_refusedMachineClasses; // "*\shell\..." refused even to an administrator
    std::set<std::string> m_refusedUserClasses;
    std::map<std::string, Key> m_keys;
    std::map<HKEY, std::string> m_open;
    int m_nOpened = 0;

    void AddKey(const std::string& path, std::optional<std::string> value = std::nullopt)
    {
        for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
            m_keys.emplace(UpperCase(path.substr(0, at)), Key{path.substr(0, at), std::nullopt});
        m_keys[UpperCase(path)] = Key{path, value};
    }
    bool HasKey(const std::string& path) const { return m_keys.count(UpperCase(path)) != 0; }
    std::optional<std::string> ValueOf(const std::string& path) const
    {
        auto it = m_keys.find(UpperCase(path));
        return it == m_keys.end() ? std::nullopt : it->second.value;
    }
    // Every key whose name holds `part`.
    std::set<std::string> KeysWith(const std::string& part) const
    {
        std::set<std::string> found;
        for (const auto& entry : m_keys)
            if (entry.first.find(UpperCase(part)) != std::string::npos)
                found.insert(entry.second.strName);
        return found;
    }

    bool GetExecutablePath(std::string& path) override
    {
        if (m_bHasExePath)
            path = kExePath;
        return m_bHasExePath;
    }
    bool IsWindows8OrLater() override { return m_bWindows8OrLater; }

    LONG OpenKeyForQuery(HKEY hRoot, const char* subkey, HKEY* phKey) override
    {
        const std::string path = RootName(hRoot) + "\\" + subkey;
        if (!HasKey(path))
            return ERROR_FILE_NOT_FOUND;
        *phKey = Open(path);
        return ERROR_SUCCESS;
    }
    LONG QueryDefaultValue(HKEY hKey, char* buffer, DWORD capacity) override
    {
        const std::optional<std::string> value = ValueOf(m_open.at(hKey));
        if (!value)
            return ERROR_FILE_NOT_FOUND;
        if (value->size() + 1 > capacity)
            return ERROR_MORE_DATA;
        std::memcpy(buffer, value->c_str(), value->size() + 1);
        return ERROR_SUCCESS;
    }
    LONG CreateKey(HKEY hRoot, const char* subkey, HKEY* phKey) override
    {
        const std::string className =
            std::string(subkey).substr(0, std::string(subkey).find("\\shell"));
        if (hRoot == HKEY_CLASSES_ROOT &&
            (!m_bAdministrator || m_refusedMachineClasses.count(className)))
            return ERROR_ACCESS_DENIED;
        if (hRoot == HKEY_CURRENT_USER &&
            m_refusedUserClasses.count(className.substr(std::strlen("Software\\Classes\\"))))
            return ERROR_ACCESS_DENIED;
        const std::string path = RootName(hRoot) + "\\" + subkey;
        if (!HasKey(path))
            AddKey(path);
        *phKey = Open(path);
        return ERROR_SUCCESS;
    }
    LONG SetDefaultValue(HKEY hKey, const char* text) override
    {
        m_keys.at(UpperCase(m_open.at(hKey))).value = text;
        return ERROR_SUCCESS;
    }
    LONG CloseKey(HKEY hKey) override
    {
        EXPECT_EQ(m_open.erase(hKey), 1u) << "closed a key that was not open";
        return ERROR_SUCCESS;
    }
    LONG DeleteKeyTree(HKEY hRoot, const char* subkey) override
    {
        const std::string path = UpperCase(RootName(hRoot) + "\\" + subkey);
        if (hRoot == HKEY_CLASSES_ROOT && !m_bAdministrator)
            return HasKey(path) ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
        if (!HasKey(path))
            return ERROR_FILE_NOT_FOUND;
        for (auto it = m_keys.begin(); it != m_keys.end();)
        {
            if (it->first == path || it->first.rfind(path + "\\", 0) == 0)
                it = m_keys.erase(it);
            else
                ++it;
        }
        return ERROR_SUCCESS;
    }

  private:
    HKEY Open(const std::string& path)
    {
        HKEY hKey = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x1000 + ++m_nOpened));
        m_open[hKey] = path;
        return hKey;
    }
};

// A machine with a reader that owns ".pdf".
void AddReader(CFakePlatform& platform, const char* className)
{
    platform.AddKey("HKCR\\.pdf", std::string(className));
    platform.AddKey(std::string("HKCR\\") + className + "\\shell\\open\\command",
                    std::string("reader.exe \"%1\""));
}

std::string Command(const char* root, const std::string& className)
{
    return std::string(root) + "\\" + className + "\\shell\\Protect PDF\\command";
}

const char* const kSomeFixedClasses[] = {".pdf", "SystemFileAssociations\\.pdf",
                                         "AcroExch.Document", "Acrobat.Document.DC"};
} // namespace

TEST(ContextMenuRegistration, WhereEachClassIsWritten)
{
    struct Case
    {
        const char* name;
        bool bAdministrator;
        std::set<std::string> refusedMachine;
        std::set<std::string> machine; // classes expected under HKEY_CLASSES_ROOT
        std::set<std::string> user;    // under the user's classes
    };
    const std::string reader = "Reader.Document";
    const Case cases[] = {
        {"administrator", true, {}, {reader, "*", ".pdf", "AcroExch.Document.DC"}, {}},
        {"no administrator rights", false, {}, {}, {reader, "*", ".pdf", "AcroExch.Document.DC"}},
        {"only some classes refused",
         true,
         {"*", reader},
         {".pdf", "AcroExch.Document.DC"},
         {"*", reader}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFakePlatform platform;
        AddReader(platform, reader.c_str());
        platform.m_bAdministrator = c.bAdministrator;
        platform.m_refusedMachineClasses = c.refusedMachine;

        EXPECT_TRUE(RegisterContextMenu(platform));

        for (const std::string& className : c.machine)
        {
            EXPECT_EQ(platform.ValueOf(Command("HKCR", className)), std::string(kCommand))
                << className;
            EXPECT_FALSE(platform.HasKey(Command("HKCU\\Software\\Classes", className)))
                << className;
        }
        for (const std::string& className : c.user)
            EXPECT_EQ(platform.ValueOf(Command("HKCU\\Software\\Classes", className)),
                      std::string(kCommand))
                << className;
        EXPECT_EQ(platform.KeysWith("\\Protect PDF\\command").size(), 17u);
        EXPECT_TRUE(platform.m_open.empty());
        // The reader's own verb is left as it was.
        EXPECT_EQ(platform.ValueOf("HKCR\\" + reader + "\\shell\\open\\command"),
                  std::string("reader.exe \"%1\""));
    }
}

TEST(ContextMenuRegistration, ClassWrittenNowhereIsSkipped)
{
    CFakePlatform platform;
    platform.m_bAdministrator = false;
    platform.m_refusedUserClasses = {"AcroExch.Document.7"};
    EXPECT_TRUE(RegisterContextMenu(platform));
    EXPECT_FALSE(platform.HasKey("HKCU\\Software\\Classes\\AcroExch.Document.7"));
    // The classes after it are still written.
    EXPECT_EQ(platform.ValueOf(Command("HKCU\\Software\\Classes", "Acrobat.Document.DC")),
              std::string(kCommand));
    EXPECT_EQ(platform.KeysWith("\\Protect PDF\\command").size(), 15u);
}

TEST(ContextMenuRegistration, WithoutExecutablePathNothingIsWritten)
{
    CFakePlatform platform;
    AddReader(platform, "Reader.Document");
    const auto before = platform.KeysWith("");
    platform.m_bHasExePath = false;
    EXPECT_FALSE(RegisterContextMenu(platform));
    EXPECT_EQ(platform.KeysWith(""), before);
    EXPECT_EQ(platform.m_nOpened, 0);
}

TEST(ContextMenuRegistration, UnreadablePdfClassLeavesTheOthers)
{
    struct Case
    {
        const char* name;
        bool bPdfKey;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"no .pdf key", false, std::nullopt},
        {".pdf key without default value", true, std::nullopt},
        {"empty default value", true, std::string()},
        {"class name longer than the buffer", true, std::string(600, 'x')},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFakePlatform platform;
        if (c.bPdfKey)
            platform.AddKey("HKCR\\.pdf", c.value);
        EXPECT_TRUE(RegisterContextMenu(platform));
        // "*" and the fifteen fixed classes.
        EXPECT_EQ(platform.KeysWith("\\Protect PDF\\command").size(), 16u);
        EXPECT_EQ(platform.ValueOf(Command("HKCR", "*")), std::string(kCommand));
        EXPECT_TRUE(platform.KeysWith("HKCR\\\\").empty());
        EXPECT_TRUE(platform.m_open.empty());
    }
}

TEST(ContextMenuRegistration, EveryFileTypeOnlyFromWindows8)
{
    for (bool bWindows8OrLater : {false, true})
    {
        CFakePlatform platform;
        platform.m_bWindows8OrLater = bWindows8OrLater;
        RegisterContextMenu(platform);
        EXPECT_EQ(platform.HasKey("HKCR\\*"), bWindows8OrLater);
        EXPECT_EQ(platform.KeysWith("\\Protect PDF\\command").size(), bWindows8OrLater ? 16u : 15u);
    }
}

TEST(ContextMenuRemoval, RemovesTheVerbWhereverItWent)
{
    struct Case
    {
        const char* name;
        bool bAdministrator;
        std::set<std::string> refusedMachine;
    };
    const Case cases[] = {
        {"registered as administrator", true, {}},
        {"registered without administrator rights", false, {}},
        {"registered in both places", true, {"*", ".pdf", "AcroExch.Document.DC"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFakePlatform platform;
        AddReader(platform, "Reader.Document");
        platform.m_bAdministrator = c.bAdministrator;
        platform.m_refusedMachineClasses = c.refusedMachine;
        RegisterContextMenu(platform);
        ASSERT_FALSE(platform.KeysWith("Protect PDF").empty());

        EXPECT_TRUE(UnregisterContextMenu(platform));
        EXPECT_EQ(platform.KeysWith("Protect PDF"), std::set<std::string>{});
        for (const char* className : kSomeFixedClasses)
        {
            const std::string root = c.bAdministrator ? "HKCR\\" : "HKCU\\Software\\Classes\\";
            if (!c.refusedMachine.count(className))
            {
                EXPECT_TRUE(platform.HasKey(root + className + "\\shell")) << className;
            }
        }
        EXPECT_TRUE(platform.HasKey("HKCR\\Reader.Document\\shell\\open\\command"));
        EXPECT_TRUE(platform.m_open.empty());
    }
}

TEST(ContextMenuRemoval, NothingRegisteredChangesNothing)
{
    for (bool bAdministrator : {true, false})
    {
        CFakePlatform platform;
        AddReader(platform, "AcroExch.Document.DC");
        platform.AddKey("HKCU\\Software\\Classes\\.txt\\shell\\open\\command", "notepad \"%1\"");
        platform.m_bAdministrator = bAdministrator;
        const auto before = platform.KeysWith("");
        EXPECT_TRUE(UnregisterContextMenu(platform));
        EXPECT_EQ(platform.KeysWith(""), before);
        EXPECT_EQ(platform.ValueOf("HKCR\\.pdf"), std::string("AcroExch.Document.DC"));
    }
}
