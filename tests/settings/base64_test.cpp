#include <gtest/gtest.h>

#include "settings/base64.h"

namespace
{
struct Vector
{
    const char* bytes;
    const char* text;
};

// The test vectors of RFC 4648, section 10.
const Vector kRfcVectors[] = {
    {"", ""},
    {"f", "Zg=="},
    {"fo", "Zm8="},
    {"foo", "Zm9v"},
    {"foob", "Zm9vYg=="},
    {"fooba", "Zm9vYmE="},
    {"foobar", "Zm9vYmFy"},
};

TEST(Base64, RfcVectorsBothWays)
{
    for (const Vector& v : kRfcVectors)
    {
        EXPECT_EQ(Base64Encode(v.bytes), v.text) << v.bytes;
        std::string bytes = "left over";
        EXPECT_TRUE(Base64Decode(v.text, bytes)) << v.text;
        EXPECT_EQ(bytes, v.bytes) << v.text;
    }
}

TEST(Base64, EveryByteValueSurvives)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    for (size_t cut = 0; cut < 4; ++cut)
    {
        const std::string bytes = all.substr(cut);
        const std::string text = Base64Encode(bytes);
        EXPECT_EQ(text.size(), (bytes.size() + 2) / 3 * 4);
        EXPECT_EQ(text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                         "0123456789+/="),
                  std::string::npos);
        std::string back;
        ASSERT_TRUE(Base64Decode(text, back));
        EXPECT_EQ(back, bytes);
    }
    EXPECT_EQ(Base64Encode("\xFF\xFE\xE4"), "//7k") << "high bytes are unsigned";
}

TEST(Base64, DecodeRefusesMalformedText)
{
    const char* malformed[] = {
        "Zg",       // length not a multiple of four
        "Zm9vY",    //
        "Zm9vYg=",  //
        "Zm9v\n",   // line break
        "Zm 9",     // blank
        "Zm9\xE4",  // a byte outside the alphabet
        "Zm-_",     // the URL-safe alphabet is not ours
        "Z=9v",     // padding before the end
        "Zg==Zm8=", // padding inside
        "====",     //
        "A===",     // more than two padding characters
    };
    for (const char* text : malformed)
    {
        std::string bytes;
        EXPECT_FALSE(Base64Decode(text, bytes)) << text;
    }
}
} // namespace
