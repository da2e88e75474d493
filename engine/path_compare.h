#pragma once

#include <string>

// A comparable form of a path in the ANSI code page: full, with long names for the parts
// that exist, without trailing backslashes (except a drive root), in UTF-16.
std::wstring NormalizedPathKey(const std::string& ansiPath);

// True when both paths name the same file or folder, whatever their letter case, relative
// form, short names or trailing backslashes, or when both exist and are one object on disk
// (hard links, substituted drives).
bool IsSamePath(const std::string& a, const std::string& b);
