#pragma once

#include <string>

#include "engine/encryption_type.h"

// A PDF reader turns a typed password into UTF-8 (256-bit AES) or PDFDocEncoding (128-bit
// methods) before hashing it; passwords reach the engine as UTF-8, whatever the code page.

// The bytes a standard reader hashes for a password typed as `utf8` under the given
// encryption method (see PreparePassword). Returns false when the password cannot be stored
// as every reader derives it, or when the text is not UTF-8.
bool EncodePasswordForMethod(const std::string& utf8, EncryptionType method, std::string& bytes);
