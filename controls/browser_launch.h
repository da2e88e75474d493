#pragma once

// Opening a web address: the shell's handler for web addresses first, and when the shell
// cannot, a browser started from its standard installation path.

#include <windows.h>

#include <string>

#include "base/shell_execute.h"

// Opens the address; failures are silent (the user sees nothing happen).
void OpenUrlInBrowser(const char* address);

// True for a 32-bit process on 64-bit Windows; false when the system cannot tell.
bool IsWow64();

// Starts a program from a full command line, maximised; true when it started.
bool LaunchCommandLine(const char* commandLine);

// The browser a fallback starts: Edge at the path for the process's bitness when that file
// exists, else Internet Explorer. Every path is moved to the drive of windowsDirectory.
std::string ChooseBrowserPath(const char* windowsDirectory, bool bWow64,
                              bool (*fileExists)(const std::string&));

// The fallback's command line: the browser path and the address, each one quoted argument
// that cannot be split or escaped from. Empty when it would not fit a process command line.
std::string BrowserCommandLine(const std::string& browserPath, const char* address);

// The fallback's way out of the process, replaceable so that tests start nothing (the shell's
// is in base/shell_execute.h). The setter returns the previous function (nullptr for the
// system's); nullptr restores the system's.
using CreateProcessFn = BOOL(WINAPI*)(LPCSTR, LPSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                                      BOOL, DWORD, LPVOID, LPCSTR, LPSTARTUPINFOA,
                                      LPPROCESS_INFORMATION);
CreateProcessFn SetCreateProcessHandler(CreateProcessFn handler);
