#pragma once

#include <string>

#include "engine/encryption_type.h"

// A typed password becomes the bytes a reader hashes: for 256-bit AES the SASLprep form
// (RFC 4013) in UTF-8, for the 128-bit methods the composed form (NFC) in PDFDocEncoding.
// Decomposed input is composed without a word: it is the same text. Anything SASLprep would
// change beyond that is refused, because readers that skip SASLprep would then hash other
// bytes than readers that apply it.

enum class PasswordFault
{
    None,
    NotStorable,   // the method cannot hold a character, or SASLprep forbids it
    ReadersDiffer, // SASLprep maps a character to something else (readers disagree)
    TooLong,       // over kAes256PasswordMaxBytes after encoding
};

struct PreparedPassword
{
    PasswordFault fault = PasswordFault::None;
    std::string bytes;      // the stored bytes when fault is None
    char32_t character = 0; // the character at fault
};

// 256-bit AES uses at most this many bytes of a password; the 128-bit methods 32.
constexpr size_t kAes256PasswordMaxBytes = 127;
constexpr size_t kAes128PasswordUsedBytes = 32;

// Prepares a password given as UTF-8 (text that is not UTF-8 is NotStorable).
PreparedPassword PreparePassword(const std::string& utf8, EncryptionType method);

// True when the permission password protects nothing that the open password does not already
// unlock: empty after encoding, or the same bytes as far as the method uses them (the first
// 32 bytes for the 128-bit methods, 127 for 256-bit AES). A password that cannot be prepared
// is compared as given.
bool IsPermissionPasswordEmptyOrEqual(const std::string& openPassword,
                                      const std::string& permissionPassword, int encryptionType);

// Names a character for a message, in the process's ANSI code page: "U+00AA" after the
// character itself where it is visible and the code page holds it ("\xAA, U+00AA"), else the
// code point alone (spaces, invisible and control characters).
std::string DescribePasswordCharacter(char32_t character);

// "128-bit RC4", "128-bit AES" or "256-bit AES", as messages name the methods.
const char* EncryptionMethodName(int encryptionType);
