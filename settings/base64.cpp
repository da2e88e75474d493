#include "settings/base64.h"

namespace
{
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int SextetOf(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}
} // namespace

std::string Base64Encode(const std::string& bytes)
{
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3)
    {
        const size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
        unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
        if (n > 1)
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (n > 2)
            group |= static_cast<unsigned char>(bytes[i + 2]);
        text += kAlphabet[(group >> 18) & 63];
        text += kAlphabet[(group >> 12) & 63];
        text += n > 1 ? kAlphabet[(group >> 6) & 63] : '=';
        text += n > 2 ? kAlphabet[group & 63] : '=';
    }
    return text;
}

bool Base64Decode(const std::string& text, std::string& bytes)
{
    bytes.clear();
    if (text.size() % 4 != 0)
        return false;
    size_t padding = 0;
    if (!text.empty() && text[text.size() - 1] == '=')
        padding = text[text.size() - 2] == '=' ? 2 : 1;
    const size_t dataChars = text.size() - padding;

    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4)
    {
        unsigned group = 0;
        for (size_t k = 0; k < 4; ++k)
        {
            int sextet = 0;
            if (i + k < dataChars)
            {
                sextet = SextetOf(text[i + k]);
                if (sextet < 0)
                    return false;
            }
            group = (group << 6) | static_cast<unsigned>(sextet);
        }
        out += static_cast<char>((group >> 16) & 0xFF);
        out += static_cast<char>((group >> 8) & 0xFF);
        out += static_cast<char>(group & 0xFF);
    }
    out.resize(out.size() - padding);
    bytes.swap(out);
    return true;
}
