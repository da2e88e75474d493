#pragma once

// Conversions between the three encodings a Windows program meets: UTF-16 (the system's own),
// UTF-8, and the process's ANSI code page (what the narrow "A" functions speak).

#include <string>

// Code page 0 is CP_ACP, the process's ANSI code page.

// Converts text in the given code page to UTF-16. False when the text is not valid in that
// code page; `wide` is then empty.
bool MultiByteToWide(const std::string& text, unsigned codePage, std::wstring& wide);

// Converts UTF-16 to the given code page. False when a character has no exact form in it
// (the result then holds the code page's replacements); never false for UTF-8 unless the
// UTF-16 is malformed.
bool WideToMultiByte(const std::wstring& wide, unsigned codePage, std::string& text);

// UTF-8 <-> UTF-16; invalid input converts to an empty result.
std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);

// Converts text in the given code page to UTF-8. Returns false when the text is not valid in
// that code page.
bool AnsiToUtf8(const std::string& ansi, std::string& utf8, unsigned codePage = 0);

// Converts UTF-8 back to the given code page; characters it lacks become '?'.
std::string Utf8ToAnsi(const std::string& utf8, unsigned codePage = 0);
