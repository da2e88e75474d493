#pragma once

// Every file, folder or address that the program hands to the shell goes through one
// replaceable function, so that tests can see what would open and start nothing.

#include <windows.h>

using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// Installs a replacement and returns the previous one (nullptr for the system's); nullptr
// restores the system's.
ShellExecuteFn SetShellExecuteHandler(ShellExecuteFn handler);

// ShellExecuteA, or its replacement when one is set.
HINSTANCE ShellExecuteThroughHandler(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                     LPCSTR directory, INT show);
