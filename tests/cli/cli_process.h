#pragma once

#include <string>
#include <vector>

// Runs the real sealwick-cli.exe built beside the test programs, with UTF-16 arguments and
// its standard output and error captured in files.
struct CliRun
{
    unsigned long exitCode = 0xFFFFFFFF;
    std::string out; // UTF-8 as the program wrote it
    std::string err;
    // Standard output's lines, without their line breaks.
    std::vector<std::string> Lines() const;
};

CliRun RunCliExe(const std::vector<std::string>& utf8Args, const std::string& workingFolder);

// One line of standard output, split at its tabs.
struct OutputLine
{
    std::string word, source, target, status;
};
std::vector<OutputLine> ParseOutputLines(const CliRun& run);

// A message as the program prints it: its line breaks are CR LF.
std::string AsPrinted(const std::string& message);
