#include "engine/unicode_normalizer.h"

#include <windows.h>

#include "base/system_library.h"

namespace
{
using NormalizeStringFn = int(WINAPI*)(int form, LPCWSTR source, int sourceLength,
                                       LPWSTR destination, int destinationLength);

// The NORM_FORM values of winnls.h, which MinGW declares only for newer targets.
constexpr int kFormC = 1;
constexpr int kFormKC = 5;

NormalizeStringFn BindNormalizeString()
{
    auto fromModule = [](HMODULE module)
    {
        return module ? reinterpret_cast<NormalizeStringFn>(
                            reinterpret_cast<void*>(::GetProcAddress(module, "NormalizeString")))
                      : nullptr;
    };
    if (NormalizeStringFn fn = fromModule(::GetModuleHandleW(L"kernel32.dll")))
        return fn;
    // Vista: kept loaded for the life of the process.
    return fromModule(LoadSystemLibrary(L"normaliz.dll"));
}

bool Normalize(int form, const std::wstring& text, std::wstring& normalized)
{
    static const NormalizeStringFn normalize = BindNormalizeString();
    normalized.clear();
    if (text.empty())
        return true;
    if (!normalize)
        return false;
    const int length = static_cast<int>(text.size());
    int capacity = normalize(form, text.c_str(), length, nullptr, 0);
    for (int attempt = 0; attempt < 4 && capacity > 0; ++attempt)
    {
        normalized.resize(static_cast<size_t>(capacity));
        const int written = normalize(form, text.c_str(), length, &normalized[0], capacity);
        if (written > 0)
        {
            normalized.resize(static_cast<size_t>(written));
            return true;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
        capacity = -written; // an estimate of the size needed
        if (capacity <= static_cast<int>(normalized.size()))
            capacity = static_cast<int>(normalized.size()) * 2;
    }
    normalized.clear();
    return false;
}
} // namespace

bool NormalizeNfc(const std::wstring& text, std::wstring& normalized)
{
    return Normalize(kFormC, text, normalized);
}

bool NormalizeNfkc(const std::wstring& text, std::wstring& normalized)
{
    return Normalize(kFormKC, text, normalized);
}
