// Opening an address: the shell first, then a browser at its standard path on the Windows
// drive; the address reaches the browser as exactly one argument.
#include "controls/browser_launch.h"

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "launch_fakes.h"

namespace
{
const char kEdgeNativeC[] = "C:\\Program Files\\Microsoft\\Edge\\Application\\msedge.exe";
const char kEdgeWow64C[] = "C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe";
const char kIeC[] = "C:\\Program Files\\Internet Explorer\\iexplore.exe";

std::string OnDrive(const char* path, char drive)
{
    std::string moved = path;
    moved[0] = drive;
    return moved;
}

std::set<std::string>& InstalledFiles()
{
    static std::set<std::string> files;
    return files;
}

bool FakeFileExists(const std::string& path)
{
    return InstalledFiles().count(path) != 0;
}

// How the started browser will split its command line.
std::vector<std::string> SplitCommandLine(const std::string& commandLine)
{
    std::wstring wide(commandLine.begin(), commandLine.end()); // ASCII in these tests
    int count = 0;
    LPWSTR* args = ::CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i)
    {
        std::wstring arg = args[i];
        result.emplace_back(arg.begin(), arg.end());
    }
    ::LocalFree(args);
    return result;
}

TEST(ChooseBrowserPath, EdgeForTheProcessBitnessElseInternetExplorerOnTheWindowsDrive)
{
    struct Case
    {
        const char* windowsDirectory;
        bool bWow64;
        std::vector<std::string> installed;
        std::string expected;
    };
    const Case cases[] = {
        {"C:\\Windows", false, {kEdgeNativeC}, kEdgeNativeC},
        {"C:\\Windows", true, {kEdgeWow64C}, kEdgeWow64C},
        // Each bitness looks only at its own Edge path.
        {"C:\\Windows", true, {kEdgeNativeC}, kIeC},
        {"C:\\Windows", false, {kEdgeWow64C}, kIeC},
        {"C:\\Windows", false, {}, kIeC},
        {"D:\\WINDOWS", false, {OnDrive(kEdgeNativeC, 'D')}, OnDrive(kEdgeNativeC, 'D')},
        {"D:\\WINDOWS", true, {OnDrive(kEdgeWow64C, 'D')}, OnDrive(kEdgeWow64C, 'D')},
        // An Edge left on C: is not the one of a system installed on D:.
        {"D:\\WINDOWS", false, {kEdgeNativeC}, OnDrive(kIeC, 'D')},
        // No Windows folder known: C:.
        {"", false, {}, kIeC},
        {nullptr, false, {kEdgeNativeC}, kEdgeNativeC},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.windowsDirectory ? c.windowsDirectory : "(null)") +
                     (c.bWow64 ? " wow64" : " native"));
        InstalledFiles() = {c.installed.begin(), c.installed.end()};
        EXPECT_EQ(c.expected, ChooseBrowserPath(c.windowsDirectory, c.bWow64, &FakeFileExists));
    }
}

TEST(BrowserCommandLine, TheAddressIsExactlyOneArgumentWhateverItHolds)
{
    struct Case
    {
        const char* address;
        const char* argument; // as the browser receives it
    };
    const Case cases[] = {
        {"https://example.org/guide.html", "https://example.org/guide.html"},
        {"https://example.org/a guide#Settings", "https://example.org/a guide#Settings"},
        // A quote would end the argument and let the rest become browser options.
        {"https://x.example/\" --gpu-launcher=\"calc",
         "https://x.example/%22 --gpu-launcher=%22calc"},
        // Backslashes before the closing quote would escape it.
        {"https://x.example\\", "https://x.example\\"},
        {"https://x.example\\\\", "https://x.example\\\\"},
        {"https://x.example\\a\\b", "https://x.example\\a\\b"},
        {"https://x.example/\r\n--flag", "https://x.example/%0D%0A--flag"},
        {"", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.address);
        const std::string commandLine = BrowserCommandLine(kIeC, c.address);
        const std::vector<std::string> args = SplitCommandLine(commandLine);
        ASSERT_EQ(2u, args.size()) << commandLine;
        EXPECT_EQ(kIeC, args[0]);
        EXPECT_EQ(c.argument, args[1]);
    }
}

TEST(BrowserCommandLine, LongAddressesAreNotCutAndTooLongOnesGiveNothing)
{
    const std::string path = kIeC;
    const std::string longAddress = "https://example.org/?q=" + std::string(2000, 'a');
    EXPECT_EQ("\"" + path + "\" \"" + longAddress + "\"",
              BrowserCommandLine(path, longAddress.c_str()));

    const std::string fits(32766 - path.size() - 5, 'b');
    EXPECT_EQ(32766u, BrowserCommandLine(path, fits.c_str()).size());
    const std::string tooLong = fits + "b";
    EXPECT_EQ("", BrowserCommandLine(path, tooLong.c_str()));
}

class OpenUrlInBrowserTest : public ::testing::Test
{
  protected:
    void SetUp() override { ResetLaunchFakes(); }

    // The browser this machine's fallback must pick: a 64-bit test program never looks under
    // "Program Files (x86)".
    static std::string ExpectedBrowser()
    {
        char windows[MAX_PATH] = {};
        ::GetSystemWindowsDirectoryA(windows, sizeof windows);
        const std::string edge = OnDrive(kEdgeNativeC, windows[0]);
        return FileExists(edge) ? edge : OnDrive(kIeC, windows[0]);
    }
};

TEST_F(OpenUrlInBrowserTest, TheShellIsAskedFirstAndOnlyItsFailureStartsTheBrowser)
{
    struct Case
    {
        INT_PTR shellResult;
        bool browserStarted;
    };
    const Case cases[] = {
        {33, false}, {42, false}, {32, true}, {31, true}, {2, true}, {0, true},
    };
    const char address[] = "https://example.org/guide.html";
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.shellResult);
        ResetLaunchFakes().shellResult = c.shellResult;
        OpenUrlInBrowser(address);

        ASSERT_EQ(1u, Launches().shellCalls.size());
        const ShellCall& shell = Launches().shellCalls[0];
        EXPECT_EQ(nullptr, shell.owner);
        EXPECT_EQ("open", shell.verb);
        EXPECT_EQ(address, shell.file);
        EXPECT_FALSE(shell.hasParameters);
        EXPECT_FALSE(shell.hasDirectory);
        EXPECT_EQ(SW_SHOWNORMAL, shell.show);

        if (!c.browserStarted)
        {
            EXPECT_TRUE(Launches().processCalls.empty());
            continue;
        }
        ASSERT_EQ(1u, Launches().processCalls.size());
        EXPECT_EQ("\"" + ExpectedBrowser() + "\" \"" + address + "\"",
                  Launches().processCalls[0].commandLine);
    }
}

TEST_F(OpenUrlInBrowserTest, NoAddressOpensNothing)
{
    Launches().shellResult = 2;
    OpenUrlInBrowser("");
    OpenUrlInBrowser(nullptr);
    EXPECT_TRUE(Launches().shellCalls.empty());
    EXPECT_TRUE(Launches().processCalls.empty());
}

TEST_F(OpenUrlInBrowserTest, AFailedBrowserStartIsSilent)
{
    Launches().shellResult = 2;
    Launches().processResult = FALSE;
    OpenUrlInBrowser("https://example.org/");
    EXPECT_EQ(1u, Launches().processCalls.size());
}

TEST_F(OpenUrlInBrowserTest, LaunchStartsMaximisedWithoutConsoleAndClosesTheHandles)
{
    EXPECT_TRUE(LaunchCommandLine("browser.exe \"https://example.org/\""));
    ASSERT_EQ(1u, Launches().processCalls.size());
    const ProcessCall& call = Launches().processCalls[0];
    EXPECT_FALSE(call.hasApplicationName);
    EXPECT_EQ("browser.exe \"https://example.org/\"", call.commandLine);
    EXPECT_FALSE(call.inheritHandles);
    EXPECT_EQ(static_cast<DWORD>(CREATE_NO_WINDOW), call.creationFlags);
    EXPECT_FALSE(call.hasEnvironment);
    EXPECT_FALSE(call.hasDirectory);
    EXPECT_EQ(static_cast<DWORD>(STARTF_USESHOWWINDOW), call.startupFlags);
    EXPECT_EQ(SW_SHOWMAXIMIZED, call.showWindow);
    DWORD flags = 0;
    EXPECT_FALSE(::GetHandleInformation(call.process, &flags)) << "process handle left open";
    EXPECT_FALSE(::GetHandleInformation(call.thread, &flags)) << "thread handle left open";

    Launches().processResult = FALSE;
    EXPECT_FALSE(LaunchCommandLine("browser.exe"));
}

TEST(IsWow64, TheProductsOwn64BitProcessIsNot)
{
    static_assert(sizeof(void*) == 8, "the test program has the product's bitness");
    EXPECT_FALSE(IsWow64());
}
} // namespace
