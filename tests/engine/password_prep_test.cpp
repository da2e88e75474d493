#include <gtest/gtest.h>

#include "base/text_conversion.h"
#include "engine/message_box_texts.h"
#include "engine/password_prep.h"
#include "engine/validate_request.h"

namespace
{
TEST(PasswordPreparation, SaslPrepAndComposition)
{
    const EncryptionType aes256 = EncryptionAes256, aes128 = EncryptionAes128;
    const PasswordFault ok = PasswordFault::None, differ = PasswordFault::ReadersDiffer,
                        refused = PasswordFault::NotStorable;
    struct
    {
        const char* typed;
        EncryptionType method;
        PasswordFault fault;
        const char* expected; // the stored bytes, or with a fault the character at fault
    } cases[] = {
        // Composed and ASCII text give the bytes of old; decomposed text is composed silently.
        {"plain text", aes256, ok, "plain text"},
        {"caf\u00E9", aes256, ok, "caf\xC3\xA9"},
        {"caf\u00E9", aes128, ok, "caf\xE9"},
        {"cafe\u0301", aes256, ok, "caf\xC3\xA9"},
        {"cafe\u0301", aes128, ok, "caf\xE9"},
        {"\u65E5\u672C", aes256, ok, "\xE6\x97\xA5\xE6\x9C\xAC"},
        // RFC 4013's examples: what SASLprep would change is refused, naming the character.
        {"I\u00ADX", aes256, differ, "U+00AD"}, // soft hyphen
        {"a\u00A0b", aes256, differ, "U+00A0"}, // no-break space
        {"\u00AA", aes256, differ, "U+00AA"},   // ordinal a
        {"\u2168", aes256, differ, "U+2168"},   // roman nine
        {"x\u00B2", aes256, differ, "U+00B2"},  // superscript 2
        {"\uFF21b", aes256, differ, "U+FF21"},  // full-width A
        {"\x07", aes256, refused, "U+0007"},    // prohibited
        {"a\uE000", aes256, refused, "U+E000"}, // private use
        // Right-to-left text must not hold left-to-right letters nor end in a neutral.
        {"\u05E9\u05DC\u05D5\u05DD", aes256, ok, "\u05E9\u05DC\u05D5\u05DD"},
        {"\u05E9a\u05DD", aes256, refused, "U+0061"},
        {"\u05E9\u05DD1", aes256, refused, "U+0031"},
        // The 128-bit methods keep PDFDocEncoding's limits and name what it lacks.
        {"\u041Fa", aes128, refused, "U+041F"},
        {"a\u00A0b", EncryptionRc4_128, refused, "U+00A0"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.typed) + " method " + std::to_string(c.method));
        const PreparedPassword prepared = PreparePassword(c.typed, c.method);
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(prepared.character));
        EXPECT_EQ(prepared.fault, c.fault);
        EXPECT_EQ(c.fault == ok ? prepared.bytes : std::string(code), c.expected);
    }
}

TEST(PasswordPreparation, LengthLimitAndEquality)
{
    // 42 Japanese characters are 126 bytes; one more letter is 129.
    std::string japanese;
    for (int k = 0; k < 42; ++k)
        japanese += "\u65E5";
    EXPECT_EQ(PreparePassword(japanese + "a", EncryptionAes256).fault, PasswordFault::None);
    EXPECT_EQ(PreparePassword(japanese + "\u65E5", EncryptionAes256).fault, PasswordFault::TooLong);

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
        {"caf\u00E9", "cafe\u0301", 2, true},  // the same once composed
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
        {"a\u00ADz", "\u00AA", 2,
         "The open password contains a character that PDF readers treat differently (U+00AD), "
         "so some readers would not open the file with it. Please leave it out.",
         false},
        {"", "\u041F", 0,
         "The permission password contains a character that 128-bit RC4 cannot store (" +
             DescribePasswordCharacter(0x41F) +
             "). Please use other characters or choose 256-bit AES encryption in Settings.",
         true},
        {"ok", tooLong.c_str(), 2,
         "The permission password is longer than 256-bit AES allows (127 bytes in UTF-8). "
         "Please use a shorter password.",
         false},
        {"", "", 2, kMsgBothPasswordsEmpty, false},
    };
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
}
} // namespace
