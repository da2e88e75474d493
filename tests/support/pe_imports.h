#pragma once

// The DLLs a Windows executable names in its import tables, read from the file itself.

#include <string>
#include <vector>

struct PeImports
{
    std::string error;             // empty when the file was read
    std::vector<std::string> dlls; // load-time imports, then delay-loaded ones, as written
};

PeImports ReadPeImports(const std::string& bytes);
