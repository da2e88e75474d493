#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "shell/context_menu.h"

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
    // Keys below which nothing can be created or deleted: "HKCR" for a user without
    // administrator rights, or single classes such as "HKCR\\*".
    std::set<std::string> m_refused;
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
    bool IsWindows8OrLater() override { return true; }

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
        const std::string path = RootName(hRoot) + "\\" + subkey;
        if (Refused(path))
            return ERROR_ACCESS_DENIED;
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
        if (!HasKey(path))
            return ERROR_FILE_NOT_FOUND;
        if (Refused(path))
            return ERROR_ACCESS_DENIED;
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
    bool Refused(const std::string& path) const
    {
        for (const std::string& refused : m_refused)
            if (UpperCase(path).rfind(UpperCase(refused) + "\\", 0) == 0)
                return true;
        return false;
    }
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
        std::set<std::string> refused;
        std::set<std::string> machine; // classes expected under HKEY_CLASSES_ROOT
        std::set<std::string> user;    // under the user's classes
    };
    const std::string reader = "Reader.Document";
    const Case cases[] = {
        {"administrator", {}, {reader, "*", ".pdf", "AcroExch.Document.DC"}, {}},
        {"no administrator rights", {"HKCR"}, {}, {reader, "*", ".pdf", "AcroExch.Document.DC"}},
        {"only some classes refused",
         {"HKCR\\*", "HKCR\\" + reader},
         {".pdf", "AcroExch.Document.DC"},
         {"*", reader}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFakePlatform platform;
        AddReader(platform, reader.c_str());
        platform.m_refused = c.refused;

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
    platform.m_refused = {"HKCR", "HKCU\\Software\\Classes\\AcroExch.Document.7"};
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

TEST(ContextMenuRemoval, RemovesTheVerbWhereverItWent)
{
    struct Case
    {
        const char* name;
        std::set<std::string> refusedAtRegistration;
        const char* shellRoot; // where the fixed classes' "shell" keys went
    };
    const Case cases[] = {
        {"registered as administrator", {}, "HKCR\\"},
        {"registered without administrator rights", {"HKCR"}, "HKCU\\Software\\Classes\\"},
        {"registered in both places", {"HKCR\\*", "HKCR\\Reader.Document"}, "HKCR\\"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFakePlatform platform;
        AddReader(platform, "Reader.Document");
        platform.m_refused = c.refusedAtRegistration;
        RegisterContextMenu(platform);
        ASSERT_FALSE(platform.KeysWith("Protect PDF").empty());

        // Removal has the same rights; it must not stop at the keys it cannot reach.
        EXPECT_TRUE(UnregisterContextMenu(platform));
        EXPECT_EQ(platform.KeysWith("Protect PDF"), std::set<std::string>{});
        for (const char* className : kSomeFixedClasses)
            EXPECT_TRUE(platform.HasKey(c.shellRoot + std::string(className) + "\\shell"))
                << className;
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
        if (!bAdministrator)
            platform.m_refused = {"HKCR"};
        const auto before = platform.KeysWith("");
        EXPECT_TRUE(UnregisterContextMenu(platform));
        EXPECT_EQ(platform.KeysWith(""), before);
        EXPECT_EQ(platform.ValueOf("HKCR\\.pdf"), std::string("AcroExch.Document.DC"));
    }
}
