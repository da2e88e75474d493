// A DLL placed beside the program under the name of a system DLL that the program loads at
// run time (bcrypt, for the random data of every encryption): the program's loads must not
// pick it up. The probe program and the planted DLL
// are copied into a fresh folder, and Wine is told to prefer a DLL found on the search path
// over its own, as Windows does with a DLL that is not one of its known DLLs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/executable_path.h"
#include "tests/support/scratch.h"

namespace
{
// Wine's setting for one program: take bcrypt from the search path before its own. Kept in
// the test prefix's registry for the life of the object.
class PreferPlacedBcrypt
{
  public:
    PreferPlacedBcrypt()
    {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kAppKey) + "\\DllOverrides").c_str(), 0,
                            nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        static const char kOrder[] = "native,builtin";
        m_bSet = RegSetValueExA(key, "bcrypt", 0, REG_SZ, reinterpret_cast<const BYTE*>(kOrder),
                                sizeof kOrder) == ERROR_SUCCESS;
        RegCloseKey(key);
    }
    ~PreferPlacedBcrypt()
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kAppKey) + "\\DllOverrides").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kAppKey);
    }
    bool m_bSet = false;

  private:
    static constexpr const char* kAppKey = "Software\\Wine\\AppDefaults\\dll_search_probe.exe";
};

// Runs the probe with its argument in its own folder; its exit code, or -1 when it could not
// be started.
int RunProbe(const std::string& program, const char* how)
{
    std::string commandLine = "\"" + program + "\" " + how;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const std::string folder = program.substr(0, program.rfind('\\'));
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

TEST(DllSearch, DllBesideTheProgramIsNotLoaded)
{
    ScratchFolder folder("planted");
    const std::string built = ExecutableFolder();
    ASSERT_TRUE(CopyFileA((built + "\\dll_search_probe.exe").c_str(),
                          (folder / "dll_search_probe.exe").c_str(), FALSE));
    ASSERT_TRUE(
        CopyFileA((built + "\\planted.dll").c_str(), (folder / "bcrypt.dll").c_str(), FALSE));
    const std::string marker = folder / "planted.txt";
    PreferPlacedBcrypt prefer;
    ASSERT_TRUE(prefer.m_bSet);

    const struct
    {
        const char* how;
        bool planted;
    } cases[] = {
        {"by-name", true}, // the danger itself, and proof that the setting shows it
        {"restricted", false},
        {"system", false},
    };
    for (const auto& c : cases)
    {
        DeleteFileA(marker.c_str());
        EXPECT_EQ(0, RunProbe(folder / "dll_search_probe.exe", c.how)) << c.how;
        EXPECT_EQ(c.planted, PathExists(marker)) << c.how;
    }
}
} // namespace
