#pragma once

#include <windows.h>

#include <cstddef>

// Puts `count` bytes (a text and its terminating zero) on the clipboard as plain text, owned
// by `owner`. False when the clipboard could not be opened or the text not handed over.
bool CopyTextToClipboard(HWND owner, const char* bytes, size_t count);
