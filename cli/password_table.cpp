#include "cli/password_table.h"

#include <windows.h>

#include "base/text_conversion.h"

namespace
{
std::wstring RelativeKey(const std::string& path)
{
    std::wstring wide = Utf8ToWide(path);
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    while (wide.compare(0, 2, L".\\") == 0)
        wide.erase(0, 2);
    return wide;
}
} // namespace

bool SameRelativePath(const std::string& a, const std::string& b)
{
    const std::wstring ka = RelativeKey(a), kb = RelativeKey(b);
    return CompareStringOrdinal(ka.data(), static_cast<int>(ka.size()), kb.data(),
                                static_cast<int>(kb.size()), TRUE) == CSTR_EQUAL;
}

bool ReadPasswordTable(const std::vector<CsvRecord>& records, std::vector<PasswordEntry>& entries,
                       std::string& error)
{
    entries.clear();
    for (size_t k = 0; k < records.size(); ++k)
    {
        const CsvRecord& record = records[k];
        const std::string where = "line " + std::to_string(record.nLine) + ": ";
        if (k == 0 && CompareStringOrdinal(Utf8ToWide(record.fields[0]).c_str(), -1, L"file", -1,
                                           TRUE) == CSTR_EQUAL)
            continue;
        if (record.fields.size() < 2 || record.fields.size() > 3)
        {
            error = where + "a row needs a file, an open password and optionally a permission "
                            "password";
            return false;
        }
        PasswordEntry entry;
        entry.nLine = record.nLine;
        entry.strFile = record.fields[0];
        entry.strOpenPassword = record.fields[1];
        if (record.fields.size() == 3)
            entry.strPermissionPassword = record.fields[2];
        if (entry.strFile.empty())
        {
            error = where + "the file is empty";
            return false;
        }
        const int earlier = FindPasswordEntry(entries, entry.strFile);
        if (earlier >= 0)
        {
            error = where + "the file is listed on line " +
                    std::to_string(entries[static_cast<size_t>(earlier)].nLine) + " too";
            return false;
        }
        entries.push_back(entry);
    }
    return true;
}

int FindPasswordEntry(const std::vector<PasswordEntry>& entries, const std::string& relative)
{
    for (size_t k = 0; k < entries.size(); ++k)
        if (SameRelativePath(entries[k].strFile, relative))
            return static_cast<int>(k);
    return -1;
}
