#include "engine/encryption_type.h"

EncryptionType NormalizeEncryptionType(int value)
{
    if (value == EncryptionRc4_128)
        return EncryptionRc4_128;
    if (value == EncryptionAes256)
        return EncryptionAes256;
    return EncryptionAes128;
}

const char* EncryptionTypeLabel(int value)
{
    switch (NormalizeEncryptionType(value))
    {
    case EncryptionRc4_128:
        return "RC4-128";
    case EncryptionAes256:
        return "AES-256";
    default:
        return "AES-128";
    }
}
