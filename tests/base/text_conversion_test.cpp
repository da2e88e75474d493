#include <gtest/gtest.h>

#include "base/text_conversion.h"

namespace
{
TEST(TextConversion, AnsiPathsBecomeUtf8AndBack)
{
    std::string utf8;
    ASSERT_TRUE(AnsiToUtf8("C:\\Users\\J\xFCrgen\\a.pdf", utf8, 1252));
    EXPECT_EQ(utf8, "C:\\Users\\J\xC3\xBCrgen\\a.pdf");
    EXPECT_EQ(Utf8ToAnsi(utf8, 1252), "C:\\Users\\J\xFCrgen\\a.pdf");
}

TEST(TextConversion, ReportsWhatACodePageCannotHold)
{
    // "Łódź": Ł and ź have no place in code page 1252, ó has.
    const std::wstring lodz = L"\x0141\x00F3\x0064\x017A";
    std::string text;
    EXPECT_FALSE(WideToMultiByte(lodz, 1252, text));
    EXPECT_TRUE(WideToMultiByte(lodz, 1250, text));
    EXPECT_EQ(text, "\xA3\xF3\x64\x9F");
    EXPECT_TRUE(WideToMultiByte(lodz, 65001, text));
    EXPECT_EQ(Utf8ToWide(text), lodz);

    // Bytes that are not UTF-8 are refused, not guessed.
    std::wstring wide;
    EXPECT_FALSE(MultiByteToWide("J\xFCrgen", 65001, wide));
    EXPECT_TRUE(wide.empty());
    EXPECT_TRUE(Utf8ToWide("J\xFCrgen").empty());
    EXPECT_EQ(WideToUtf8(L"\x65E5\x672C"), "\xE6\x97\xA5\xE6\x9C\xAC");
}
} // namespace
