#pragma once

// Run-time DLL loads from the system folder only. The program is portable and often started
// from a downloads folder; Windows looks for a DLL named without a path in the executable's
// own folder first, so a DLL placed there would run inside the program.

#include <windows.h>

// Takes the executable's folder and the current folder out of the search for every later load
// by name (SetDefaultDllDirectories with the system folder alone where the system has it,
// else SetDllDirectoryW("") which at least drops the current folder). Call it first thing.
void RestrictDllSearchToSystem();

// Loads a DLL from the system folder and nowhere else; null when it is not there. Release it
// with FreeLibrary.
HMODULE LoadSystemLibrary(const wchar_t* name);
