#pragma once

#include <windows.h>

#include <cstddef>

// Puts `count` bytes (a text in the ANSI code page and its terminating zero) on the clipboard
// as Unicode text, owned by `owner`. False when the clipboard could not be opened or the text
// not handed over.
bool CopyTextToClipboard(HWND owner, const char* bytes, size_t count);
