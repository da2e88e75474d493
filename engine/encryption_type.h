#pragma once

// The encryption method stored in the settings key bEncryptionType. Any value other than
// RC4-128 and AES-256 behaves as AES-128, both for the library call and for the label.
enum EncryptionType : int
{
    EncryptionRc4_128 = 0,
    EncryptionAes128 = 1,
    EncryptionAes256 = 2,
};

EncryptionType NormalizeEncryptionType(int value);

// Short label for the results list's Encryption column: "RC4-128", "AES-128" or "AES-256".
const char* EncryptionTypeLabel(int value);
