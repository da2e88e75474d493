// The program imports at load time only DLLs that Windows takes from its own folder whatever
// the search order (its known DLLs), and comctl32 through the manifest's side-by-side
// dependency. Any other import would first be looked for beside the executable, which is
// often a downloads folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "base/executable_path.h"
#include "tests/support/pe_imports.h"
#include "tests/support/scratch.h"

namespace
{
std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

TEST(DllImports, ProgramImportsOnlyKnownDlls)
{
    const std::set<std::string> known = {
        "kernel32.dll", "user32.dll",   "gdi32.dll",    "advapi32.dll", "shell32.dll",
        "ole32.dll",    "oleaut32.dll", "comdlg32.dll", "shlwapi.dll",  "msvcrt.dll",
        "ws2_32.dll",   "imagehlp.dll", "setupapi.dll", "rpcrt4.dll",   "sechost.dll",
        "combase.dll",  "psapi.dll",    "normaliz.dll", "nsi.dll",      "difxapi.dll",
        "clbcatq.dll",  "wldap32.dll",  "imm32.dll",    "msctf.dll",    "comctl32.dll",
    };
    // The test programs are built into a folder below the program's.
    const std::string program = ExecutableFolder() + "\\..\\sealwick.exe";
    ASSERT_TRUE(PathExists(program)) << program;
    const PeImports imports = ReadPeImports(ReadFileBytes(program));
    ASSERT_EQ("", imports.error);
    ASSERT_NE(imports.dlls.end(),
              std::find_if(imports.dlls.begin(), imports.dlls.end(),
                           [](const std::string& dll) { return Lower(dll) == "kernel32.dll"; }))
        << "the reader found no kernel32 import";
    for (const std::string& dll : imports.dlls)
        EXPECT_EQ(1u, known.count(Lower(dll))) << dll << " is not a known DLL";
}
} // namespace
