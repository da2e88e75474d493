#pragma once

#include <string>

#include "engine/encryption_type.h"

// The tool works in the system's ANSI code page; qpdf wants UTF-8 file names, and a PDF
// reader turns a typed password into UTF-8 (256-bit AES) or PDFDocEncoding (128-bit
// methods) before hashing it. These helpers bridge the two.

// The bytes a standard reader hashes for a password typed as `ansi` under the given
// encryption method. Returns false when the method cannot represent the password.
bool EncodePasswordForMethod(const std::string& ansi, EncryptionType method, std::string& bytes,
                             unsigned codePage = 0);
