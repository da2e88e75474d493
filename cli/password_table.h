#pragma once

#include <string>
#include <vector>

#include "cli/csv.h"

// One row of a passwords file: a file named by its path relative to the source folder, and
// the passwords it gets. Texts are UTF-8.
struct PasswordEntry
{
    int nLine = 0;
    std::string strFile;
    std::string strOpenPassword;
    std::string strPermissionPassword;
};

// Turns the records of a passwords file into entries. A first record whose first field is
// "file" (any case) is a header. False, with `error` naming the line, for a record with
// fewer than two or more than three fields, an empty file field, or a file listed twice.
bool ReadPasswordTable(const std::vector<CsvRecord>& records, std::vector<PasswordEntry>& entries,
                       std::string& error);

// True when two relative paths name the same file: "/" and "\" alike, a leading ".\"
// ignored, letter case ignored as the file system does.
bool SameRelativePath(const std::string& a, const std::string& b);

// The entry for a file, or -1.
int FindPasswordEntry(const std::vector<PasswordEntry>& entries, const std::string& relative);
