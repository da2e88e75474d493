#include "text_encoding.h"

#include <windows.h>

#include <qpdf/QUtil.hh>

namespace
{
bool ToWide(const std::string& text, unsigned codePage, std::wstring& wide)
{
    wide.clear();
    if (text.empty())
        return true;
    int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(),
                                static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0)
        return false;
    wide.resize(static_cast<size_t>(n));
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(),
                               static_cast<int>(text.size()), &wide[0], n) == n;
}

std::string FromWide(const std::wstring& wide, unsigned codePage)
{
    if (wide.empty())
        return {};
    int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                0, nullptr, nullptr);
    if (n <= 0)
        return {};
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n,
                        nullptr, nullptr);
    return out;
}
} // namespace

bool AnsiToUtf8(const std::string& ansi, std::string& utf8, unsigned codePage)
{
    std::wstring wide;
    if (!ToWide(ansi, codePage, wide))
        return false;
    utf8 = FromWide(wide, CP_UTF8);
    return true;
}

std::string Utf8ToAnsi(const std::string& utf8, unsigned codePage)
{
    std::wstring wide;
    if (!ToWide(utf8, CP_UTF8, wide))
        return utf8;
    return FromWide(wide, codePage);
}

bool EncodePasswordForMethod(const std::string& ansi, EncryptionType method, std::string& bytes,
                             unsigned codePage)
{
    std::string utf8;
    if (!AnsiToUtf8(ansi, utf8, codePage))
        return false;
    if (method == EncryptionAes256)
    {
        bytes = utf8;
        return true;
    }
    return QUtil::utf8_to_pdf_doc(utf8, bytes);
}
