#include "settings/settings_text_rules.h"

#include <windows.h>

#include "settings/settings_record.h"

namespace settings_internal
{
namespace
{
std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], n);
    return wide;
}

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
} // namespace

bool EqualsIgnoringCase(const std::string& a, const std::string& b)
{
    // A change of letter case keeps the byte length in the ANSI code pages; checking it
    // first also keeps apart two texts that a code page would map to the same characters.
    if (a.size() != b.size())
        return false;
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
    if (text.size() > kSettingsTextMaxChars)
        text.resize(kSettingsTextMaxChars);
    return text;
}

} // namespace settings_internal
