#pragma once

// A window's text read through the wide API and cut by characters, never in the middle of
// one, then handed over in the encoding its user needs.

#include <windows.h>

#include <string>

// At most maxChars characters (UTF-16 units; a surrogate pair is kept whole or dropped).
std::wstring GetWindowTextWide(HWND hWnd, size_t maxChars);

// In the process's ANSI code page, for paths: a character the code page lacks becomes '?',
// which no path can hold, so the loss is seen and never names another file.
std::string GetWindowTextAnsi(HWND hWnd, size_t maxChars);

// In UTF-8, whatever the code page: for passwords.
std::string GetWindowTextUtf8(HWND hWnd, size_t maxChars);
void SetWindowTextUtf8(HWND hWnd, const std::string& utf8);
