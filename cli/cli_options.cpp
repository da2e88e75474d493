#include "cli/cli_options.h"

#include "base/text_conversion.h"

namespace
{
constexpr int kMaxJobs = 64;

struct OptionSpec
{
    const wchar_t* shortName; // nullptr: none
    const wchar_t* longName;
    const char* valueName; // what --help calls its value; nullptr: the option takes none
    const char* help;      // for --help; each "\n" starts a line under the one before
    void (*apply)(CliOptions&, const std::string&);
};

// Every option, in the order --help lists them. Options without `apply` are handled by
// ParseArguments itself.
const OptionSpec kOptions[] = {
    {L"-p", L"--open-password", "TEXT", "the open password",
     [](CliOptions& o, const std::string& v) { o.strOpenPassword = v; }},
    {nullptr, L"--open-password-file", "FILE", "the open password: the first line of FILE",
     [](CliOptions& o, const std::string& v) { o.strOpenPasswordFile = v; }},
    {L"-P", L"--permission-password", "TEXT", "the permission password",
     [](CliOptions& o, const std::string& v) { o.strPermissionPassword = v; }},
    {nullptr, L"--permission-password-file", "FILE",
     "the permission password: the first line of FILE",
     [](CliOptions& o, const std::string& v) { o.strPermissionPasswordFile = v; }},
    {L"-m", L"--method", "aes-256|aes-128|rc4-128", "(default aes-256)", nullptr},
    {nullptr, L"--no-copy", nullptr, "forbid copying",
     [](CliOptions& o, const std::string&) { o.bNoCopy = true; }},
    {nullptr, L"--no-modify", nullptr, "forbid modifying",
     [](CliOptions& o, const std::string&) { o.bNoModify = true; }},
    {nullptr, L"--no-print", nullptr, "forbid printing",
     [](CliOptions& o, const std::string&) { o.bNoPrint = true; }},
    {nullptr, L"--random-permission-password", nullptr,
     "with restrictions and no permission password, or the\nopen one: every such file gets its "
     "own random\npermission password that nobody knows, so the\nrestrictions hold (without "
     "it such a run is refused)",
     [](CliOptions& o, const std::string&) { o.bRandomPermissionPassword = true; }},
    {nullptr, L"--allow-signed", nullptr,
     "protect digitally signed files too (their signatures\nbecome invalid); without it they "
     "fail and stay as\nthey are",
     [](CliOptions& o, const std::string&) { o.bAllowSigned = true; }},
    {nullptr, L"--strict", nullptr,
     "a damaged source that would have to be repaired\nfails instead of giving a repaired copy",
     [](CliOptions& o, const std::string&) { o.bStrict = true; }},
    {L"-s", L"--suffix", "TEXT", "(default _protected; --suffix= for none)",
     [](CliOptions& o, const std::string& v) { o.strSuffix = v; }},
    {nullptr, L"--skip-suffixed", nullptr,
     "leave out files whose names already end with the suffix",
     [](CliOptions& o, const std::string&) { o.bSkipSuffixed = true; }},
    {L"-r", L"--recursive", nullptr, "walk sub-folders too and mirror them under the target",
     [](CliOptions& o, const std::string&) { o.bRecursive = true; }},
    {L"-j", L"--jobs", "N", "workers (default: one per processor, at most 8)", nullptr},
    {nullptr, L"--passwords", "FILE",
     "per-file passwords, CSV: file (name or path relative to\nSOURCE), open password[, "
     "permission password]",
     [](CliOptions& o, const std::string& v) { o.strPasswordsFile = v; }},
    {nullptr, L"--report", "FILE",
     "CSV, one row per file: source, target, PDF version,\nencryption, status, repaired, signed, "
     "pdfa,\nrandom_permission_password, checked (yes or no)",
     [](CliOptions& o, const std::string& v) { o.strReportFile = v; }},
    {L"-q", L"--quiet", nullptr, "no per-file lines and no progress",
     [](CliOptions& o, const std::string&) { o.bQuiet = true; }},
    {L"-h", L"--help", nullptr, "print this text", nullptr},
    {nullptr, L"--version", nullptr, "print the version", nullptr},
};

const OptionSpec* FindOption(const std::wstring& name)
{
    for (const OptionSpec& known : kOptions)
        if ((known.shortName && name == known.shortName) || name == known.longName)
            return &known;
    return nullptr;
}

bool ParseMethod(const std::string& text, int& type)
{
    std::string lower;
    for (char c : text)
        lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    if (lower == "aes-256")
        type = 2;
    else if (lower == "aes-128")
        type = 1;
    else if (lower == "rc4-128")
        type = 0;
    else
        return false;
    return true;
}

bool ParseJobs(const std::string& text, int& jobs)
{
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    jobs = std::stoi(text);
    return jobs >= 1 && jobs <= kMaxJobs;
}
} // namespace

ParseOutcome ParseArguments(const std::vector<std::wstring>& args, CliOptions& options,
                            std::string& error)
{
    options = CliOptions();
    std::vector<std::string> paths;
    bool bOptionsEnded = false;
    bool bHelp = false, bVersion = false;
    bool bOpenText = false, bOpenFile = false, bPermissionText = false, bPermissionFile = false;
    bool bOther = false;

    for (size_t k = 0; k < args.size(); ++k)
    {
        const std::wstring& arg = args[k];
        std::string utf8;
        if (!WideToMultiByte(arg, 65001 /* CP_UTF8 */, utf8))
        {
            error = "argument " + std::to_string(k + 1) + " is not valid Unicode text";
            return ParseOutcome::Error;
        }
        if (bOptionsEnded || arg.size() < 2 || arg[0] != L'-')
        {
            paths.push_back(utf8);
            continue;
        }
        if (arg == L"--")
        {
            bOptionsEnded = true;
            continue;
        }

        std::wstring name = arg;
        std::wstring inlineValue;
        bool bInlineValue = false;
        const size_t equals = arg.find(L'=');
        if (arg.compare(0, 2, L"--") == 0 && equals != std::wstring::npos)
        {
            name = arg.substr(0, equals);
            inlineValue = arg.substr(equals + 1);
            bInlineValue = true;
        }
        const std::string nameUtf8 = WideToUtf8(name);
        const OptionSpec* known = FindOption(name);
        if (!known)
        {
            error = "unknown option " + nameUtf8;
            return ParseOutcome::Error;
        }

        std::string value;
        if (known->valueName)
        {
            if (bInlineValue)
                value = WideToUtf8(inlineValue);
            else if (k + 1 < args.size())
                value = WideToUtf8(args[++k]);
            else
            {
                error = "option " + nameUtf8 + " needs a value";
                return ParseOutcome::Error;
            }
        }
        else if (bInlineValue)
        {
            error = "option " + nameUtf8 + " takes no value";
            return ParseOutcome::Error;
        }

        const std::wstring longName = known->longName;
        if (longName == L"--help")
            bHelp = true;
        else if (longName == L"--version")
            bVersion = true;
        else if (longName == L"--method")
        {
            if (!ParseMethod(value, options.nEncryptionType))
            {
                error = "unknown method \"" + value + "\" (use aes-256, aes-128 or rc4-128)";
                return ParseOutcome::Error;
            }
        }
        else if (longName == L"--jobs")
        {
            if (!ParseJobs(value, options.nJobs))
            {
                error = "--jobs needs a number from 1 to " + std::to_string(kMaxJobs);
                return ParseOutcome::Error;
            }
        }
        else
            known->apply(options, value);

        // One source per password: a text and a file together leave which one counts unclear.
        bool& given = longName == L"--open-password"              ? bOpenText
                      : longName == L"--open-password-file"       ? bOpenFile
                      : longName == L"--permission-password"      ? bPermissionText
                      : longName == L"--permission-password-file" ? bPermissionFile
                                                                  : bOther;
        given = true;
        if ((bOpenText && bOpenFile) || (bPermissionText && bPermissionFile))
        {
            error = "give a password or its file, not both";
            return ParseOutcome::Error;
        }
    }

    if (bHelp)
        return ParseOutcome::Help;
    if (bVersion)
        return ParseOutcome::Version;
    if (paths.empty())
    {
        error = "no source given";
        return ParseOutcome::Error;
    }
    if (paths.size() > 2)
    {
        error = "too many paths: " + paths[2];
        return ParseOutcome::Error;
    }
    options.strSource = paths[0];
    if (paths.size() == 2)
        options.strTarget = paths[1];
    if (options.strSource.empty())
    {
        error = "the source is empty";
        return ParseOutcome::Error;
    }
    return ParseOutcome::Run;
}

const char* UsageText()
{
    // Made once from the option table, so the text lists exactly the options parsed.
    static const std::string text = []
    {
        constexpr size_t kHelpColumn = 36;
        std::string usage =
            "Usage: sealwick-cli SOURCE [TARGET] [options]\n"
            "  SOURCE   a PDF file, or a folder (then every PDF in it)\n"
            "  TARGET   a file (for one PDF) or a folder; left out: beside the source, named\n"
            "           with the suffix\n";
        for (const OptionSpec& option : kOptions)
        {
            std::string line =
                option.shortName ? "  " + WideToUtf8(option.shortName) + ", " : std::string(6, ' ');
            line += WideToUtf8(option.longName);
            if (option.valueName)
                line += std::string(" ") + option.valueName;
            // An option too long for its column has its help on the line below.
            line += line.size() < kHelpColumn ? std::string(kHelpColumn - line.size(), ' ')
                                              : "\n" + std::string(kHelpColumn, ' ');
            for (const char* c = option.help; *c; ++c)
                line += *c == '\n' ? "\n" + std::string(kHelpColumn, ' ') : std::string(1, *c);
            usage += line + "\n";
        }
        return usage +
               "A protected file's status may end with notes: its digital signature is no\n"
               "longer valid (--allow-signed), its restrictions are locked with a random\n"
               "permission password, it is no longer PDF/A (which does not allow encryption),\n"
               "or its source was damaged and has been repaired (--strict fails such files).\n"
               "A fast web view (linearized) source gives a linearized copy. Every copy is read\n"
               "back and checked before it replaces the target; one that fails the check is a\n"
               "failed file and the old target stays as it was.\n"
               "Exit code: 0 every file protected, 1 at least one failed (signed files without\n"
               "--allow-signed and damaged ones with --strict too), 2 refused or wrong\n"
               "arguments, with nothing written.\n";
    }();
    return text.c_str();
}
