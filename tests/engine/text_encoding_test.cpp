#include <gtest/gtest.h>

#include "engine/text_encoding.h"

namespace
{
std::string Hex(const std::string& bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes)
    {
        if (!out.empty())
            out += ' ';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

TEST(PasswordEncoding, MatchesWhatReadersHash)
{
    struct
    {
        std::string typed;
        unsigned codePage;
        EncryptionType method;
        bool bOk;
        std::string hex;
    } cases[] = {
        {"P\xE4sswort", 1252, EncryptionAes256, true, "50 C3 A4 73 73 77 6F 72 74"},
        {"P\xE4sswort", 1252, EncryptionAes128, true, "50 E4 73 73 77 6F 72 74"},
        {"P\xE4sswort", 1252, EncryptionRc4_128, true, "50 E4 73 73 77 6F 72 74"},
        // The euro sign and the curly quotes sit elsewhere in PDFDocEncoding than in 1252.
        {"\x80\x93", 1252, EncryptionAes128, true, "A0 8D"},
        {"\x80", 1252, EncryptionAes256, true, "E2 82 AC"},
        {"a\xADz", 1252, EncryptionAes128, false, ""},
        // Cyrillic from code page 1251: fine for AES-256, impossible in PDFDocEncoding.
        {"\xCF\xE0\xF0", 1251, EncryptionAes256, true, "D0 9F D0 B0 D1 80"},
        {"\xCF\xE0\xF0", 1251, EncryptionRc4_128, false, ""},
        {"", 1252, EncryptionAes128, true, ""},
        {"plain", 1252, EncryptionAes256, true, "70 6C 61 69 6E"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(Hex(c.typed) + " method " + std::to_string(c.method));
        std::string bytes;
        EXPECT_EQ(EncodePasswordForMethod(c.typed, c.method, bytes, c.codePage), c.bOk);
        if (c.bOk)
        {
            EXPECT_EQ(Hex(bytes), c.hex);
        }
    }
}
} // namespace
