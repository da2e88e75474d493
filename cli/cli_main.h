#pragma once

#include <string>
#include <vector>

// Exit codes of the command.
constexpr int kExitAllProtected = 0;
constexpr int kExitSomeFailed = 1;
constexpr int kExitRefused = 2;

// The whole command for the arguments after the program's name: reads them, checks the
// request, protects the files, writes the lines, the progress and the report. Returns the
// exit code.
int RunCli(const std::vector<std::wstring>& args);
