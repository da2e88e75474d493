#include "base/text_conversion.h"

#include <windows.h>

bool MultiByteToWide(const std::string& text, unsigned codePage, std::wstring& wide)
{
    wide.clear();
    if (text.empty())
        return true;
    const int length = static_cast<int>(text.size());
    const int n =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (n <= 0)
        return false;
    wide.resize(static_cast<size_t>(n));
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, &wide[0], n) == n)
        return true;
    wide.clear();
    return false;
}

bool WideToMultiByte(const std::wstring& wide, unsigned codePage, std::string& text)
{
    text.clear();
    if (wide.empty())
        return true;
    const int length = static_cast<int>(wide.size());
    // UTF-8 and UTF-7 refuse the lost-character flag; they lose nothing anyway. Elsewhere the
    // system would quietly map a missing character to a look-alike ("Ł" to "L"): forbid it so
    // that the loss is reported.
    const bool bUnicode = codePage == CP_UTF8 || codePage == CP_UTF7;
    const DWORD flags = bUnicode ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL bLost = FALSE;
    BOOL* lost = bUnicode ? nullptr : &bLost;
    const int n =
        WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, lost);
    if (n <= 0)
        return false;
    text.resize(static_cast<size_t>(n));
    if (WideCharToMultiByte(codePage, flags, wide.data(), length, &text[0], n, nullptr, lost) != n)
    {
        text.clear();
        return false;
    }
    return !bLost;
}

std::wstring Utf8ToWide(const std::string& utf8)
{
    std::wstring wide;
    MultiByteToWide(utf8, CP_UTF8, wide);
    return wide;
}

std::string WideToUtf8(const std::wstring& wide)
{
    std::string utf8;
    WideToMultiByte(wide, CP_UTF8, utf8);
    return utf8;
}

bool AnsiToUtf8(const std::string& ansi, std::string& utf8, unsigned codePage)
{
    std::wstring wide;
    if (!MultiByteToWide(ansi, codePage, wide))
        return false;
    utf8 = WideToUtf8(wide);
    return true;
}

std::string Utf8ToAnsi(const std::string& utf8, unsigned codePage)
{
    std::wstring wide;
    if (!MultiByteToWide(utf8, CP_UTF8, wide))
        return utf8;
    std::string ansi;
    WideToMultiByte(wide, codePage, ansi);
    return ansi;
}

std::string ClipText(const std::string& text, size_t maxChars)
{
    // A character takes at least one byte in every code page.
    if (text.size() <= maxChars)
        return text;
    std::wstring wide = AnsiToWide(text);
    if (wide.size() <= maxChars)
        return text;
    size_t keep = maxChars;
    // A surrogate pair is one character: keep both halves or neither.
    if (keep > 0 && wide[keep - 1] >= 0xD800 && wide[keep - 1] <= 0xDBFF)
        --keep;
    wide.resize(keep);
    std::string clipped;
    WideToMultiByte(wide, CP_ACP, clipped);
    return clipped;
}

bool WideToAnsi(const std::wstring& wide, std::string& ansi)
{
    return WideToMultiByte(wide, CP_ACP, ansi);
}

std::wstring AnsiToWide(const std::string& ansi)
{
    std::wstring wide;
    if (!MultiByteToWide(ansi, CP_ACP, wide))
    {
        // Not valid in the code page: take what the system makes of it rather than nothing.
        const int n =
            MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
        wide.resize(n > 0 ? static_cast<size_t>(n) : 0);
        if (n > 0)
            MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], n);
    }
    return wide;
}

std::wstring FoldCase(const std::wstring& text)
{
    std::wstring folded = text;
    if (!folded.empty())
        LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.data(), static_cast<int>(text.size()),
                     &folded[0], static_cast<int>(folded.size()));
    return folded;
}

bool IsUtf8CodePage()
{
    return GetACP() == CP_UTF8;
}

unsigned LegacyAnsiCodePage()
{
    const UINT own = GetACP();
    if (own != CP_UTF8)
        return own;
    DWORD codePage = 0;
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR)) &&
        codePage != 0 && codePage != CP_UTF8)
        return codePage;
    return 1252;
}

std::string Trim(const std::string& text)
{
    static const char* const kBlanks = " \t\n\v\f\r";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}
