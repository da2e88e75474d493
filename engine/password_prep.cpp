#include "engine/password_prep.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <qpdf/QUtil.hh>

#include "base/text_conversion.h"
#include "engine/unicode_normalizer.h"

namespace
{
struct Range
{
    char32_t first;
    char32_t last;
};

template <size_t N> bool InTable(const Range (&table)[N], char32_t c)
{
    return std::any_of(table, table + N,
                       [c](const Range& r) { return c >= r.first && c <= r.last; });
}

// RFC 3454 B.1: mapped to nothing; C.1.2: non-ASCII spaces, mapped to a space. Readers that
// skip SASLprep keep these characters, so a password holding one opens in some readers only.
const Range kMappedBySaslPrep[] = {
    {0x00A0, 0x00A0}, {0x00AD, 0x00AD}, {0x034F, 0x034F}, {0x1680, 0x1680},
    {0x1806, 0x1806}, {0x180B, 0x180D}, {0x2000, 0x200D}, {0x202F, 0x202F},
    {0x205F, 0x2060}, {0x3000, 0x3000}, {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF},
};

// RFC 3454 C.2 to C.9 as SASLprep prohibits them: controls, private use, non-characters,
// surrogates, characters unfit for plain text, ideographic description, direction controls
// and tags.
const Range kProhibited[] = {
    {0x0000, 0x001F},   {0x007F, 0x009F},   {0x0340, 0x0341},    {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x180E, 0x180E},   {0x200C, 0x200F},    {0x2028, 0x202E},
    {0x2060, 0x2063},   {0x206A, 0x206F},   {0x2FF0, 0x2FFB},    {0xD800, 0xF8FF},
    {0xFDD0, 0xFDEF},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFF},    {0x1D173, 0x1D17A},
    {0xE0001, 0xE0001}, {0xE0020, 0xE007F}, {0xF0000, 0x10FFFF},
};

// RFC 3454 D.1: characters of right-to-left scripts.
const Range kRightToLeft[] = {
    {0x05BE, 0x05BE}, {0x05C0, 0x05C0}, {0x05C3, 0x05C3}, {0x05D0, 0x05EA}, {0x05F0, 0x05F4},
    {0x061B, 0x061B}, {0x061F, 0x061F}, {0x0621, 0x063A}, {0x0640, 0x064A}, {0x066D, 0x066F},
    {0x0671, 0x06D5}, {0x06DD, 0x06DD}, {0x06E5, 0x06E6}, {0x06FA, 0x06FE}, {0x0700, 0x070D},
    {0x0710, 0x0710}, {0x0712, 0x072C}, {0x0780, 0x07A5}, {0x07B1, 0x07B1}, {0x200F, 0x200F},
    {0xFB1D, 0xFB1D}, {0xFB1F, 0xFB28}, {0xFB2A, 0xFB36}, {0xFB38, 0xFB3C}, {0xFB3E, 0xFB3E},
    {0xFB40, 0xFB41}, {0xFB43, 0xFB44}, {0xFB46, 0xFBB1}, {0xFBD3, 0xFD3D}, {0xFD50, 0xFD8F},
    {0xFD92, 0xFDC7}, {0xFDF0, 0xFDFC}, {0xFE70, 0xFE74}, {0xFE76, 0xFEFC},
};

// Non-BMP planes: anything that is a non-character (nFFFE, nFFFF) is prohibited too.
bool IsProhibited(char32_t c)
{
    return InTable(kProhibited, c) || (c > 0xFFFF && (c & 0xFFFE) == 0xFFFE);
}

std::vector<char32_t> CodePoints(const std::wstring& text)
{
    std::vector<char32_t> points;
    for (size_t i = 0; i < text.size(); ++i)
    {
        const char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
        {
            points.push_back(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        }
        else
            points.push_back(unit);
    }
    return points;
}

std::wstring FromCodePoint(char32_t c)
{
    if (c <= 0xFFFF)
        return std::wstring(1, static_cast<wchar_t>(c));
    c -= 0x10000;
    return {static_cast<wchar_t>(0xD800 + (c >> 10)), static_cast<wchar_t>(0xDC00 + (c & 0x3FF))};
}

// The system's left-to-right class (Unicode bidi class L); RFC 3454 D.2 is this class as
// Unicode 3.2 had it.
bool IsLeftToRight(char32_t c)
{
    const std::wstring unit = FromCodePoint(c);
    WORD types[2] = {};
    return c <= 0xFFFF && ::GetStringTypeW(CT_CTYPE2, unit.c_str(), 1, types) &&
           types[0] == C2_LEFTTORIGHT;
}

PreparedPassword Fault(PasswordFault fault, char32_t c)
{
    PreparedPassword result;
    result.fault = fault;
    result.character = c;
    return result;
}

// The first character that compatibility normalisation would change. Where no single
// character does (a change that needs its neighbours), the first that differs.
char32_t FirstCompatibilityCharacter(const std::vector<char32_t>& composed,
                                     const std::vector<char32_t>& compatible)
{
    for (char32_t c : composed)
    {
        std::wstring alone;
        if (NormalizeNfkc(FromCodePoint(c), alone) && alone != FromCodePoint(c))
            return c;
    }
    const auto mismatch =
        std::mismatch(composed.begin(), composed.end(), compatible.begin(), compatible.end());
    return mismatch.first != composed.end() ? *mismatch.first : composed.back();
}

PreparedPassword PrepareSaslPassword(const std::wstring& typed)
{
    for (char32_t c : CodePoints(typed))
        if (InTable(kMappedBySaslPrep, c))
            return Fault(PasswordFault::ReadersDiffer, c);

    std::wstring composed = typed, compatible;
    // Without a system normaliser (never seen from Vista on) the text goes as typed.
    if (NormalizeNfc(typed, composed) && NormalizeNfkc(composed, compatible) &&
        compatible != composed)
        return Fault(PasswordFault::ReadersDiffer,
                     FirstCompatibilityCharacter(CodePoints(composed), CodePoints(compatible)));
    if (!NormalizeNfc(typed, composed))
        composed = typed;

    const std::vector<char32_t> points = CodePoints(composed);
    for (char32_t c : points)
        if (IsProhibited(c))
            return Fault(PasswordFault::NotStorable, c);
    // Right-to-left text must not mix with left-to-right letters and must begin and end with
    // a right-to-left character.
    if (std::any_of(points.begin(), points.end(),
                    [](char32_t c) { return InTable(kRightToLeft, c); }))
    {
        for (char32_t c : points)
            if (IsLeftToRight(c))
                return Fault(PasswordFault::NotStorable, c);
        if (!InTable(kRightToLeft, points.front()))
            return Fault(PasswordFault::NotStorable, points.front());
        if (!InTable(kRightToLeft, points.back()))
            return Fault(PasswordFault::NotStorable, points.back());
    }

    PreparedPassword result;
    result.bytes = WideToUtf8(composed);
    if (result.bytes.size() > kAes256PasswordMaxBytes)
        return Fault(PasswordFault::TooLong, 0);
    return result;
}

PreparedPassword PreparePdfDocPassword(const std::wstring& typed)
{
    std::wstring composed;
    if (!NormalizeNfc(typed, composed))
        composed = typed;
    PreparedPassword result;
    if (QUtil::utf8_to_pdf_doc(WideToUtf8(composed), result.bytes))
        return result;
    std::string ignored;
    for (char32_t c : CodePoints(composed))
        if (!QUtil::utf8_to_pdf_doc(WideToUtf8(FromCodePoint(c)), ignored))
            return Fault(PasswordFault::NotStorable, c);
    return Fault(PasswordFault::NotStorable, 0xFFFD);
}
} // namespace

PreparedPassword PreparePassword(const std::string& utf8, EncryptionType method)
{
    std::wstring typed;
    if (!MultiByteToWide(utf8, CP_UTF8, typed))
        return Fault(PasswordFault::NotStorable, 0xFFFD);
    return method == EncryptionAes256 ? PrepareSaslPassword(typed) : PreparePdfDocPassword(typed);
}

bool IsPermissionPasswordEmptyOrEqual(const std::string& openPassword,
                                      const std::string& permissionPassword, int encryptionType)
{
    const EncryptionType method = NormalizeEncryptionType(encryptionType);
    const size_t used =
        method == EncryptionAes256 ? kAes256PasswordMaxBytes : kAes128PasswordUsedBytes;
    auto usedBytes = [&](const std::string& password)
    {
        const PreparedPassword prepared = PreparePassword(password, method);
        const std::string& bytes =
            prepared.fault == PasswordFault::None ? prepared.bytes : password;
        return bytes.substr(0, used);
    };
    const std::string permission = usedBytes(permissionPassword);
    return permission.empty() || permission == usedBytes(openPassword);
}

std::string DescribePasswordCharacter(char32_t character)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    const std::wstring glyph = FromCodePoint(character);
    WORD types[2] = {};
    const bool bInvisible =
        character <= 0x20 || InTable(kMappedBySaslPrep, character) || IsProhibited(character) ||
        (character <= 0xFFFF && ::GetStringTypeW(CT_CTYPE1, glyph.c_str(), 1, types) &&
         (types[0] & (C1_SPACE | C1_CNTRL)) != 0);
    std::string ansi;
    if (bInvisible || !WideToAnsi(glyph, ansi))
        return code;
    return ansi + ", " + code;
}

const char* EncryptionMethodName(int encryptionType)
{
    switch (NormalizeEncryptionType(encryptionType))
    {
    case EncryptionRc4_128:
        return "128-bit RC4";
    case EncryptionAes256:
        return "256-bit AES";
    default:
        return "128-bit AES";
    }
}
