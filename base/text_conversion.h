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

// Text in the process's ANSI code page cut to at most maxChars characters (UTF-16 units), never
// in the middle of a character.
std::string ClipText(const std::string& text, size_t maxChars);

// The process's code page text of UTF-16. False when a character has no form in it: the
// result then holds '?' in its place, which no file name can contain.
bool WideToAnsi(const std::wstring& wide, std::string& ansi);
std::wstring AnsiToWide(const std::string& ansi);

// The text without the blanks (space, tab, line breaks) at either end.
std::string Trim(const std::string& text);

// Upper case without regard to language, as the file system compares names.
std::wstring FoldCase(const std::wstring& text);

// True when the process's ANSI code page is UTF-8, so that every narrow call carries any
// script.
bool IsUtf8CodePage();

// The system's legacy ANSI code page (1252 in Western Europe), also in a process whose own
// code page is UTF-8: texts written by older builds are in it.
unsigned LegacyAnsiCodePage();
