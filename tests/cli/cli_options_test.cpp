#include <gtest/gtest.h>

#include <functional>

#include "cli/cli_options.h"

namespace
{
struct ParseCase
{
    const char* name;
    std::vector<std::wstring> args;
    ParseOutcome outcome;
    std::function<bool(const CliOptions&)> check = nullptr;
    const char* errorPart = nullptr;
};

const ParseCase kCases[] = {
    {"Defaults",
     {L"in"},
     ParseOutcome::Run,
     [](const CliOptions& o)
     {
         return o.strSource == "in" && o.strTarget.empty() && o.nEncryptionType == 2 &&
                o.strSuffix == "_protected" && !o.bSkipSuffixed && !o.bRecursive && o.nJobs == 0 &&
                !o.bNoCopy && !o.bNoModify && !o.bNoPrint && !o.bQuiet;
     }},
    {"EveryOptionAnywhere",
     {L"-p",
      L"o",
      L"in",
      L"--permission-password",
      L"pp",
      L"-m",
      L"RC4-128",
      L"--no-copy",
      L"--no-modify",
      L"--no-print",
      L"-s",
      L"_x",
      L"--skip-suffixed",
      L"-r",
      L"-j",
      L"3",
      L"--passwords",
      L"pw.csv",
      L"--report",
      L"r.csv",
      L"-q",
      L"out"},
     ParseOutcome::Run,
     [](const CliOptions& o)
     {
         return o.strSource == "in" && o.strTarget == "out" && o.strOpenPassword == "o" &&
                o.strPermissionPassword == "pp" && o.nEncryptionType == 0 && o.bNoCopy &&
                o.bNoModify && o.bNoPrint && o.strSuffix == "_x" && o.bSkipSuffixed &&
                o.bRecursive && o.nJobs == 3 && o.strPasswordsFile == "pw.csv" &&
                o.strReportFile == "r.csv" && o.bQuiet;
     }},
    {"PromiseOptions",
     {L"--strict", L"in", L"--allow-signed", L"--random-permission-password"},
     ParseOutcome::Run,
     [](const CliOptions& o)
     { return o.bStrict && o.bAllowSigned && o.bRandomPermissionPassword; }},
    {"Aes128",
     {L"in", L"--method=aes-128"},
     ParseOutcome::Run,
     [](const CliOptions& o) { return o.nEncryptionType == 1; }},
    // Shells that drop empty arguments still reach an empty suffix through "=".
    {"EmptySuffixInline",
     {L"in", L"--suffix="},
     ParseOutcome::Run,
     [](const CliOptions& o) { return o.strSuffix.empty(); }},
    {"EmptySuffixSeparate",
     {L"in", L"-s", L""},
     ParseOutcome::Run,
     [](const CliOptions& o) { return o.strSuffix.empty(); }},
    // A value is taken as it stands, also when it looks like an option or holds "=".
    {"ValuesLikeOptions",
     {L"in", L"-p", L"-q", L"-P", L"a=b"},
     ParseOutcome::Run,
     [](const CliOptions& o)
     { return o.strOpenPassword == "-q" && o.strPermissionPassword == "a=b" && !o.bQuiet; }},
    {"PasswordSpacesKept",
     {L"in", L"-p", L" two words "},
     ParseOutcome::Run,
     [](const CliOptions& o) { return o.strOpenPassword == " two words "; }},
    {"AfterDoubleDash",
     {L"--", L"-odd.pdf"},
     ParseOutcome::Run,
     [](const CliOptions& o) { return o.strSource == "-odd.pdf"; }},
    {"NonAsciiToUtf8",
     {L"\u0141\u00f3d\u017a.pdf", L"-p", L"\u03ba\u03c9\u03b4"},
     ParseOutcome::Run,
     [](const CliOptions& o)
     {
         return o.strSource == "\xC5\x81\xC3\xB3\x64\xC5\xBA.pdf" &&
                o.strOpenPassword == "\xCE\xBA\xCF\x89\xCE\xB4";
     }},
    {"UnknownBeforeHelp",
     {L"in", L"--bogus", L"--help"},
     ParseOutcome::Error,
     nullptr,
     "unknown option --bogus"},
    {"Help", {L"in", L"--help"}, ParseOutcome::Help},
    {"HelpWins", {L"-h", L"--version"}, ParseOutcome::Help},
    {"Version", {L"--version"}, ParseOutcome::Version},
    {"NoSource", {L"-p", L"x"}, ParseOutcome::Error, nullptr, "no source"},
    {"EmptySource", {L""}, ParseOutcome::Error, nullptr, "source is empty"},
    {"ThreePaths", {L"a", L"b", L"c"}, ParseOutcome::Error, nullptr, "too many paths: c"},
    {"Unknown", {L"in", L"-x"}, ParseOutcome::Error, nullptr, "unknown option -x"},
    {"MissingValue", {L"in", L"-p"}, ParseOutcome::Error, nullptr, "-p needs a value"},
    {"FlagWithValue", {L"in", L"--quiet=1"}, ParseOutcome::Error, nullptr, "takes no value"},
    {"BadMethod", {L"in", L"-m", L"aes-512"}, ParseOutcome::Error, nullptr, "aes-512"},
    {"JobsZero", {L"in", L"-j", L"0"}, ParseOutcome::Error, nullptr, "--jobs"},
    {"JobsText", {L"in", L"-j", L"two"}, ParseOutcome::Error, nullptr, "--jobs"},
    {"JobsTooMany", {L"in", L"-j", L"65"}, ParseOutcome::Error, nullptr, "--jobs"},
    {"PasswordAndItsFile",
     {L"in", L"-p", L"", L"--open-password-file", L"f"},
     ParseOutcome::Error,
     nullptr,
     "not both"},
    {"LoneSurrogate",
     {L"in", std::wstring(1, wchar_t(0xD800))},
     ParseOutcome::Error,
     nullptr,
     "argument 2 is not valid Unicode"},
};

TEST(CliOptions, ArgumentTable)
{
    for (const ParseCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        CliOptions options;
        std::string error;
        EXPECT_EQ(ParseArguments(c.args, options, error), c.outcome) << error;
        if (c.check)
        {
            EXPECT_TRUE(c.check(options));
        }
        if (c.errorPart)
        {
            EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
        }
    }
}
} // namespace
