#pragma once

// Stand-ins for the shell and process start, installed for the whole test program so that no
// test ever opens a browser. Each records its calls and answers as a test tells it.

#include <windows.h>

#include <string>
#include <vector>

struct ShellCall
{
    HWND owner;
    std::string verb;
    std::string file;
    bool hasParameters;
    bool hasDirectory;
    int show;
};

struct ProcessCall
{
    bool hasApplicationName;
    std::string commandLine;
    BOOL inheritHandles;
    DWORD creationFlags;
    bool hasEnvironment;
    bool hasDirectory;
    DWORD startupFlags;
    WORD showWindow;
    HANDLE process; // what the fake handed back, for checks that they were closed
    HANDLE thread;
};

struct LaunchFakes
{
    INT_PTR shellResult = 42; // above 32: the shell opened it
    BOOL processResult = TRUE;
    std::vector<ShellCall> shellCalls;
    std::vector<ProcessCall> processCalls;
};

// Cleared and reset to the answers above.
LaunchFakes& ResetLaunchFakes();
LaunchFakes& Launches();
