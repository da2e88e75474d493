#include <gtest/gtest.h>

#include "base/text_conversion.h"
#include "engine/message_box_texts.h"
#include "engine/password_prep.h"
#include "engine/validate_request.h"

namespace
{
std::string Hex(const std::string& bytes)
{
    std::string out;
    char digits[4];
    for (unsigned char c : bytes)
    {
        std::snprintf(digits, sizeof digits, out.empty() ? "%02X" : " %02X", c);
        out += digits;
    }
    return out;
}

TEST(PasswordPreparation, SaslPrepAndComposition)
{
    const EncryptionType aes256 = EncryptionAes256, aes128 = EncryptionAes128;
    struct
    {
        const char* typed;
        EncryptionType method;
        PasswordFault fault;
        const char* hexOrCharacter; // the bytes, or with a fault the character at fault
    } cases[] = {
        // Composed and ASCII text: exactly the bytes of old.
        {"plain text", aes256, PasswordFault::None, "70 6C 61 69 6E 20 74 65 78 74"},
        {"caf\xC3\xA9", aes256, PasswordFault::None, "63 61 66 C3 A9"},
        {"caf\xC3\xA9", aes128, PasswordFault::None, "63 61 66 E9"},
        // Decomposed e + combining acute: composed silently, the same bytes as above.
        {"cafe\xCC\x81", aes256, PasswordFault::None, "63 61 66 C3 A9"},
        {"cafe\xCC\x81", aes128, PasswordFault::None, "63 61 66 E9"},
        {"\xE6\x97\xA5\xE6\x9C\xAC", aes256, PasswordFault::None, "E6 97 A5 E6 9C AC"},
        // RFC 4013's examples: what SASLprep would change is refused, naming the character.
        {"I\xC2\xADX", aes256, PasswordFault::ReadersDiffer, "U+00AD"}, // soft hyphen
        {"a\xC2\xA0"
         "b",
         aes256, PasswordFault::ReadersDiffer, "U+00A0"},                 // no-break space
        {"\xC2\xAA", aes256, PasswordFault::ReadersDiffer, "U+00AA"},     // ordinal a
        {"\xE2\x85\xA8", aes256, PasswordFault::ReadersDiffer, "U+2168"}, // roman nine
        {"x\xC2\xB2", aes256, PasswordFault::ReadersDiffer, "U+00B2"},    // superscript 2
        {"\xEF\xBC\xA1"
         "b",
         aes256, PasswordFault::ReadersDiffer, "U+FF21"},                // full-width A
        {"\x07", aes256, PasswordFault::NotStorable, "U+0007"},          // prohibited
        {"a\xEE\x80\x80", aes256, PasswordFault::NotStorable, "U+E000"}, // private use
        // Right-to-left text must not hold left-to-right letters nor end in a neutral.
        {"\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", aes256, PasswordFault::None,
         "D7 A9 D7 9C D7 95 D7 9D"},
        {"\xD7\xA9"
         "a\xD7\x9D",
         aes256, PasswordFault::NotStorable, "U+0061"},
        {"\xD7\xA9\xD7\x9D"
         "1",
         aes256, PasswordFault::NotStorable, "U+0031"},
        // The 128-bit methods keep PDFDocEncoding's limits and name what it lacks.
        {"\xD0\x9F"
         "a",
         aes128, PasswordFault::NotStorable, "U+041F"},
        {"a\xC2\xA0"
         "b",
         EncryptionRc4_128, PasswordFault::NotStorable, "U+00A0"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(Hex(c.typed) + " method " + std::to_string(c.method));
        const PreparedPassword prepared = PreparePassword(c.typed, c.method);
        EXPECT_EQ(prepared.fault, c.fault);
        if (c.fault == PasswordFault::None)
        {
            EXPECT_EQ(Hex(prepared.bytes), c.hexOrCharacter);
        }
        else
        {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(prepared.character));
            EXPECT_EQ(std::string(code), c.hexOrCharacter);
        }
    }
}

TEST(PasswordPreparation, LengthLimitAndEquality)
{
    // 42 Japanese characters are 126 bytes; one more letter is 129.
    std::string japanese;
    for (int k = 0; k < 42; ++k)
        japanese += "\xE6\x97\xA5";
    EXPECT_EQ(PreparePassword(japanese + "a", EncryptionAes256).fault, PasswordFault::None);
    EXPECT_EQ(PreparePassword(japanese + "\xE6\x97\xA5", EncryptionAes256).fault,
              PasswordFault::TooLong);
    EXPECT_EQ(PreparePassword(std::string(200, 'a'), EncryptionAes128).fault, PasswordFault::None);

    const std::string long32(32, 'x');
    struct
    {
        std::string open, permission;
        int method;
        bool bEmptyOrEqual;
    } cases[] = {
        {"abc", "", 2, true},
        {"abc", "abc", 2, true},
        {"abc", "abd", 2, false},
        {"caf\xC3\xA9", "cafe\xCC\x81", 2, true}, // the same once composed
        {"caf\xC3\xA9", "cafe\xCC\x81", 0, true},
        {long32 + "1", long32 + "2", 1, true}, // the 128-bit methods use 32 bytes
        {long32 + "1", long32 + "2", 2, false},
        {std::string(127, 'y') + "1", std::string(127, 'y') + "2", 2, true},
        {"", "perm", 2, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.open + " / " + c.permission + " method " + std::to_string(c.method));
        EXPECT_EQ(IsPermissionPasswordEmptyOrEqual(c.open, c.permission, c.method),
                  c.bEmptyOrEqual);
    }
}

TEST(PasswordPreparation, ValidationRefusesInItsOrder)
{
    ProtectionRequest r;
    r.strSourceFile = "Z:\\missing\\a.pdf"; // the path checks come after the passwords
    r.strTargetFile = "Z:\\missing\\b.pdf";
    const std::string tooLong(128, 'p');
    struct
    {
        const char* open;
        const char* permission;
        int method;
        std::string message;
        bool bAsked;
    } cases[] = {
        {"a\xC2\xADz", "\xC2\xAA", 2,
         "The open password contains a character that PDF readers treat differently (U+00AD), "
         "so some readers would not open the file with it. Please leave it out.",
         false},
        {"", "\xD0\x9F", 0,
         "The permission password contains a character that 128-bit RC4 cannot store (" +
             DescribePasswordCharacter(0x41F) +
             "). Please use other characters or choose 256-bit AES encryption in Settings.",
         true},
        {"ok", tooLong.c_str(), 2,
         "The permission password is longer than 256-bit AES allows (127 bytes in UTF-8). "
         "Please use a shorter password.",
         false},
        {"ok", "\xEF\xBC\xA1", 1, "", false}, // full-width A: 128-bit AES cannot store it
        {"", "", 2, kMsgBothPasswordsEmpty, false},
    };
    cases[3].message = "The permission password contains a character that 128-bit AES cannot "
                       "store (" +
                       DescribePasswordCharacter(0xFF21) +
                       "). Please use other characters or choose 256-bit AES encryption in "
                       "Settings.";
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.message);
        r.strPassword = c.open;
        r.strPermissionPassword = c.permission;
        r.bEncryptionType = c.method;
        bool bAsked = false;
        const ValidationResult result = ValidateRequest(r,
                                                        [&](const std::string&)
                                                        {
                                                            bAsked = true;
                                                            return false;
                                                        });
        EXPECT_EQ(result.outcome, ValidationOutcome::Refused);
        EXPECT_EQ(result.strMessage, c.message);
        EXPECT_EQ(bAsked, c.bAsked);
    }
    // A visible character the code page holds is shown before its code point.
    EXPECT_EQ(DescribePasswordCharacter(U'a'), "a, U+0061");
    EXPECT_EQ(DescribePasswordCharacter(0x3000), "U+3000");
}
} // namespace
