#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/context_menu_keys.h"

namespace
{
const std::vector<std::string> kFixedClasses = {
    ".pdf",
    "SystemFileAssociations\\.pdf",
    "AcroExch.Document",
    "AcroExch.Document.7",
    "Acrobat.Document.7",
    "AcroExch.Document.11",
    "Acrobat.Document.11",
    "AcroExch.Document.2015",
    "AcroExch.Document.2017",
    "AcroExch.Document.2020",
    "Acrobat.Document.2015",
    "Acrobat.Document.2017",
    "Acrobat.Document.2020",
    "AcroExch.Document.DC",
    "Acrobat.Document.DC",
};

std::vector<std::string> Classes(const ContextMenuKeySet& set)
{
    std::vector<std::string> classes;
    for (const ContextMenuKey& key : set.keys)
        classes.push_back(key.strClass);
    return classes;
}

std::vector<std::string> Then(std::vector<std::string> first, const std::vector<std::string>& rest)
{
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

// Splits a command line the way a started program sees its arguments.
std::vector<std::string> SplitCommandLine(const std::string& line)
{
    std::wstring wide(line.begin(), line.end());
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::string> result;
    for (int i = 0; args && i < count; ++i)
    {
        std::wstring arg(args[i]);
        result.emplace_back(arg.begin(), arg.end());
    }
    LocalFree(args);
    return result;
}
} // namespace

TEST(ContextMenuKeySet, ClassesInOrder)
{
    struct Case
    {
        const char* name;
        std::optional<std::string> pdfClass;
        bool bWindows8OrLater;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"reader's class on Windows 10, met twice", std::string("AcroExch.Document.DC"), true,
         Then({"AcroExch.Document.DC", "*"}, kFixedClasses)},
        {"no readable class on Windows 7", std::nullopt, false, kFixedClasses},
        {"other reader's class on Windows 7", std::string("SumReader.PDF"), false,
         Then({"SumReader.PDF"}, kFixedClasses)},
        {"no readable class on Windows 8", std::nullopt, true, Then({"*"}, kFixedClasses)},
        {"empty class names no class", std::string(), true, Then({"*"}, kFixedClasses)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            Classes(MakeContextMenuKeySet("C:\\sealwick.exe", c.pdfClass, c.bWindows8OrLater)),
            c.expected);
    }
}

TEST(ContextMenuKeySet, PathsOfAClass)
{
    struct Case
    {
        const char* className;
        const char* commandKey;
        const char* userCommandKey;
        const char* verbKey;
        const char* userVerbKey;
    };
    const Case cases[] = {
        {"*", "*\\shell\\Protect PDF\\command", "Software\\Classes\\*\\shell\\Protect PDF\\command",
         "*\\shell\\Protect PDF", "Software\\Classes\\*\\shell\\Protect PDF"},
        {"SystemFileAssociations\\.pdf",
         "SystemFileAssociations\\.pdf\\shell\\Protect PDF\\command",
         "Software\\Classes\\SystemFileAssociations\\.pdf\\shell\\Protect PDF\\command",
         "SystemFileAssociations\\.pdf\\shell\\Protect PDF",
         "Software\\Classes\\SystemFileAssociations\\.pdf\\shell\\Protect PDF"},
        // A class name with a format character stays text.
        {"Odd%s.Class", "Odd%s.Class\\shell\\Protect PDF\\command",
         "Software\\Classes\\Odd%s.Class\\shell\\Protect PDF\\command",
         "Odd%s.Class\\shell\\Protect PDF", "Software\\Classes\\Odd%s.Class\\shell\\Protect PDF"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.className);
        const ContextMenuKey key = MakeContextMenuKey(c.className);
        EXPECT_EQ(key.strCommandKey, c.commandKey);
        EXPECT_EQ(key.strUserCommandKey, c.userCommandKey);
        EXPECT_EQ(key.strVerbKey, c.verbKey);
        EXPECT_EQ(key.strUserVerbKey, c.userVerbKey);
    }
}

// Explorer puts the file's path in place of %1; the program must then see exactly two
// arguments, itself and the file, however many blanks either path holds.
TEST(ContextMenuKeySet, CommandStartsTheExecutableWithTheFile)
{
    const char* exePaths[] = {
        "C:\\Program Files\\Veltrane Sealwick\\sealwick.exe",
        "C:\\Tools\\sealwick.exe",
        "D:\\My Tools (x86)\\Sealwick 1.0\\sealwick.exe",
    };
    const std::string file = "C:\\Users\\Ann Lee\\My Documents\\tax return 2023.pdf";
    for (const char* exePath : exePaths)
    {
        SCOPED_TRACE(exePath);
        const ContextMenuKeySet set = MakeContextMenuKeySet(exePath, std::nullopt, true);
        std::string command = set.strCommand;
        const size_t placeholder = command.find("%1");
        ASSERT_NE(placeholder, std::string::npos);
        command.replace(placeholder, 2, file);
        EXPECT_EQ(SplitCommandLine(command), (std::vector<std::string>{exePath, file}));
    }
    EXPECT_EQ(MakeVerbCommand("C:\\Program Files\\Sealwick\\sealwick.exe"),
              "\"C:\\Program Files\\Sealwick\\sealwick.exe\" \"%1\"");
}
