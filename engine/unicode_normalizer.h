#pragma once

#include <string>

// Unicode normalisation by the system (NormalizeString, in kernel32 from Windows 7 on and in
// normaliz.dll on Vista). False when the system has no normaliser or the text is malformed.
bool NormalizeNfc(const std::wstring& text, std::wstring& normalized);
bool NormalizeNfkc(const std::wstring& text, std::wstring& normalized);
