#include "settings/settings_text_rules.h"

#include <windows.h>

#include "base/text_conversion.h"
#include "settings/settings_record.h"

namespace settings_internal
{
namespace
{
std::wstring Widen(const std::string& text)
{
    return AnsiToWide(text);
}

// What a stored text says, read as UTF-8 or else in the legacy code page.
std::wstring StoredToWide(const std::string& stored, bool& bLegacy)
{
    std::wstring wide;
    bLegacy = !MultiByteToWide(stored, CP_UTF8, wide);
    if (bLegacy && !MultiByteToWide(stored, LegacyAnsiCodePage(), wide))
        wide = AnsiToWide(stored);
    return wide;
}

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
} // namespace

bool EqualsIgnoringCase(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    const std::wstring wa = Widen(a), wb = Widen(b);
    return CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(),
                                static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

std::string TrimWhiteSpace(const std::string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsWhiteSpace(text[first]))
        ++first;
    while (last > first && IsWhiteSpace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::string ClipToRecordText(std::string text)
{
    return ClipText(text, kSettingsTextMaxChars);
}

std::string TextFromStore(const std::string& stored, bool& bLegacy)
{
    if (IsUtf8CodePage() && !stored.empty())
    {
        std::wstring wide;
        if (MultiByteToWide(stored, CP_UTF8, wide))
        {
            bLegacy = false;
            return stored;
        }
    }
    std::string text;
    WideToAnsi(StoredToWide(stored, bLegacy), text);
    return text;
}

std::string PasswordFromStore(const std::string& stored)
{
    bool bLegacy = false;
    return WideToUtf8(StoredToWide(stored, bLegacy));
}

std::string TextToStore(const std::string& recordText)
{
    std::string utf8;
    return AnsiToUtf8(recordText, utf8) ? utf8 : recordText;
}

} // namespace settings_internal
