#include "framework/window_text.h"

#include "base/text_conversion.h"

std::wstring GetWindowTextWide(HWND hWnd, size_t maxChars)
{
    const int length = ::GetWindowTextLengthW(hWnd);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(hWnd, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    if (text.size() > maxChars)
    {
        size_t keep = maxChars;
        if (keep > 0 && text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF)
            --keep;
        text.resize(keep);
    }
    return text;
}

std::string GetWindowTextAnsi(HWND hWnd, size_t maxChars)
{
    std::string text;
    WideToAnsi(GetWindowTextWide(hWnd, maxChars), text);
    return text;
}

std::string GetWindowTextUtf8(HWND hWnd, size_t maxChars)
{
    return WideToUtf8(GetWindowTextWide(hWnd, maxChars));
}

void SetWindowTextUtf8(HWND hWnd, const std::string& utf8)
{
    ::SetWindowTextW(hWnd, Utf8ToWide(utf8).c_str());
}
