#include "engine/text_encoding.h"

#include "engine/password_prep.h"

bool EncodePasswordForMethod(const std::string& utf8, EncryptionType method, std::string& bytes)
{
    PreparedPassword prepared = PreparePassword(utf8, method);
    if (prepared.fault != PasswordFault::None)
        return false;
    bytes = std::move(prepared.bytes);
    return true;
}
