#pragma once

#include <string>

// Standard output and standard error for UTF-8 text. A console gets the text as UTF-16, so
// every script shows whatever the console's code page; a file or a pipe gets UTF-8 bytes.
// Safe to call from several threads; each call writes whole.
enum class OutputStream
{
    Out,
    Err,
};

void WriteOutput(OutputStream stream, const std::string& utf8);

// True when the stream is a console window rather than a file or a pipe.
bool IsConsole(OutputStream stream);
