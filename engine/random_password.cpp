#include "engine/random_password.h"

#include <windows.h>

#include <qpdf/QUtil.hh>

#include "engine/random_provider.h"

namespace
{
constexpr size_t kRandomPasswordChars = 32;
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr unsigned kAlphabetSize = sizeof kAlphabet - 1;
// Bytes at or above this would favour the first letters: they are drawn again.
constexpr unsigned kUnbiasedLimit = 256 - 256 % kAlphabetSize;
} // namespace

std::string MakeRandomPermissionPassword()
{
    InstallSystemRandomProvider();
    std::string password;
    unsigned char bytes[64];
    while (password.size() < kRandomPasswordChars)
    {
        QUtil::initializeWithRandomBytes(bytes, sizeof bytes);
        for (unsigned char b : bytes)
            if (b < kUnbiasedLimit && password.size() < kRandomPasswordChars)
                password += kAlphabet[b % kAlphabetSize];
    }
    ::SecureZeroMemory(bytes, sizeof bytes);
    return password;
}

void WipePassword(std::string& password)
{
    if (!password.empty())
        ::SecureZeroMemory(&password[0], password.size());
    password.clear();
}
