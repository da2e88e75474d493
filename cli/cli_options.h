#pragma once

#include <string>
#include <vector>

// What a command line asks for. Texts are UTF-8, converted from the UTF-16 arguments.
struct CliOptions
{
    std::string strSource;
    std::string strTarget; // empty: beside the source
    std::string strOpenPassword;
    std::string strPermissionPassword;
    std::string strOpenPasswordFile; // the first line of the file is the password
    std::string strPermissionPasswordFile;
    int nEncryptionType = 2; // AES-256
    bool bNoCopy = false;
    bool bNoModify = false;
    bool bNoPrint = false;
    // Restrictions whose permission password is missing or the open one: each such file gets
    // its own random permission password instead of refusing the run.
    bool bRandomPermissionPassword = false;
    bool bAllowSigned = false; // protect signed files too; their signatures become invalid
    bool bStrict = false;      // a damaged source is a failed file, not a repaired copy
    std::string strSuffix = "_protected";
    bool bSkipSuffixed = false;
    bool bRecursive = false;
    int nJobs = 0; // 0: one worker per processor
    std::string strPasswordsFile;
    std::string strReportFile;
    bool bQuiet = false;
};

enum class ParseOutcome
{
    Run,
    Help,
    Version,
    Error, // `error` says what is wrong
};

// Reads the arguments after the program's name. Options and the two paths may come in any
// order; "--" ends the options; a long option's value may follow "=" (the only way to give
// an empty value from shells that drop empty arguments).
ParseOutcome ParseArguments(const std::vector<std::wstring>& args, CliOptions& options,
                            std::string& error);

// The usage text, lines ending with "\n".
const char* UsageText();
