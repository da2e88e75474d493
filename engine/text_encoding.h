#pragma once

#include <string>

#include "encryption_type.h"

// The tool works in the system's ANSI code page; qpdf wants UTF-8 file names, and a PDF
// reader turns a typed password into UTF-8 (256-bit AES) or PDFDocEncoding (128-bit
// methods) before hashing it. These helpers bridge the two.

// Converts text in the given code page (CP_ACP by default) to UTF-8. Returns false when the
// text is not valid in that code page.
bool AnsiToUtf8(const std::string& ansi, std::string& utf8, unsigned codePage = 0);

// Converts UTF-8 back to the given code page; characters it lacks become '?'.
std::string Utf8ToAnsi(const std::string& utf8, unsigned codePage = 0);

// The bytes a standard reader hashes for a password typed as `ansi` under the given
// encryption method. Returns false when the method cannot represent the password.
bool EncodePasswordForMethod(const std::string& ansi, EncryptionType method, std::string& bytes,
                             unsigned codePage = 0);
