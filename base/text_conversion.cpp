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
