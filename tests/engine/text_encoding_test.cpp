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
    // Passwords reach the engine as UTF-8, read from their fields as UTF-16.
    struct
    {
        std::string typed;
        EncryptionType method;
        bool bOk;
        std::string hex;
    } cases[] = {
        {"P\xC3\xA4sswort", EncryptionAes256, true, "50 C3 A4 73 73 77 6F 72 74"},
        {"P\xC3\xA4sswort", EncryptionAes128, true, "50 E4 73 73 77 6F 72 74"},
        {"P\xC3\xA4sswort", EncryptionRc4_128, true, "50 E4 73 73 77 6F 72 74"},
        // The euro sign and the curly quote sit elsewhere in PDFDocEncoding than in 1252.
        {"\xE2\x82\xAC\xE2\x80\x9C", EncryptionAes128, true, "A0 8D"},
        {"\xE2\x82\xAC", EncryptionAes256, true, "E2 82 AC"},
        {"a\xC2\xADz", EncryptionAes128, false, ""}, // soft hyphen: not in PDFDocEncoding
        // Cyrillic, Greek, Japanese: fine for AES-256, impossible in PDFDocEncoding.
        {"\xD0\x9F\xD0\xB0\xD1\x80", EncryptionAes256, true, "D0 9F D0 B0 D1 80"},
        {"\xD0\x9F\xD0\xB0\xD1\x80", EncryptionRc4_128, false, ""},
        {"\xCE\xB1\xCE\xB2", EncryptionAes128, false, ""},
        {"\xE6\x97\xA5", EncryptionAes256, true, "E6 97 A5"},
        // Bytes that are not UTF-8 never reach a file as something else.
        {"P\xE4sswort", EncryptionAes256, false, ""},
        {"", EncryptionAes128, true, ""},
        {"plain", EncryptionAes256, true, "70 6C 61 69 6E"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(Hex(c.typed) + " method " + std::to_string(c.method));
        std::string bytes;
        EXPECT_EQ(EncodePasswordForMethod(c.typed, c.method, bytes), c.bOk);
        if (c.bOk)
        {
            EXPECT_EQ(Hex(bytes), c.hex);
        }
    }
}
} // namespace
