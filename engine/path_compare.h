#pragma once

#include <string>

// A comparable form of a path in the ANSI code page: full, with long names for the parts
// that exist, without trailing backslashes (except a drive root), in UTF-16.
std::wstring NormalizedPathKey(const std::string& ansiPath);

// True when both paths name the same file or folder, whatever their letter case, relative
// form, short names or trailing backslashes.
bool IsSamePath(const std::string& a, const std::string& b);
