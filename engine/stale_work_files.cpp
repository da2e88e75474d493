#include "engine/stale_work_files.h"

#include <windows.h>

#include <cstring>

#include "engine/protect_file.h"

namespace
{
constexpr const char* kWorkCopyEnd = ".pdf";
constexpr const char* kProtectedCopyEnd = "_protected.pdf";

bool EndsWith(const std::string& text, const char* end)
{
    const size_t length = std::strlen(end);
    return text.size() >= length && text.compare(text.size() - length, length, end) == 0;
}

// Digits only, at least one, and within 32 bits.
bool ParseNumber(const std::string& text, unsigned long long limit, unsigned long long& value)
{
    if (text.empty() || text.size() > 20)
        return false;
    value = 0;
    for (char c : text)
    {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned long long>(c - '0');
        if (value > limit)
            return false;
    }
    return true;
}

bool ProcessRuns(DWORD processId)
{
    if (processId == GetCurrentProcessId())
        return true;
    HANDLE hProcess = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!hProcess)
        // Only an id that names no process at all counts as ended; one we may not open (another
        // user's) is left alone.
        return GetLastError() != ERROR_INVALID_PARAMETER;
    const bool bRuns = WaitForSingleObject(hProcess, 0) == WAIT_TIMEOUT;
    CloseHandle(hProcess);
    return bRuns;
}
} // namespace

bool ParseWorkFileName(const std::string& name, unsigned long& processId)
{
    const std::string prefix = std::string(kTempFilePrefix) + "_";
    if (name.compare(0, prefix.size(), prefix) != 0)
        return false;
    std::string rest = name.substr(prefix.size());
    const char* end = EndsWith(rest, kProtectedCopyEnd) ? kProtectedCopyEnd : kWorkCopyEnd;
    if (!EndsWith(rest, end))
        return false;
    rest.resize(rest.size() - std::strlen(end));
    const size_t separator = rest.find('_');
    if (separator == std::string::npos)
        return false;
    unsigned long long pid = 0, tick = 0;
    if (!ParseNumber(rest.substr(0, separator), 0xFFFFFFFFull, pid) ||
        !ParseNumber(rest.substr(separator + 1), ~0ull / 10, tick))
        return false;
    processId = static_cast<unsigned long>(pid);
    return true;
}

int RemoveStaleWorkFiles(const std::string& folder)
{
    if (folder.empty())
        return 0;
    std::string base = folder;
    if (base.back() != '\\')
        base += '\\';
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA((base + kTempFilePrefix + "_*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    int nRemoved = 0;
    do
    {
        // The pattern also matches short names: the long name is what is checked.
        unsigned long processId = 0;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            !ParseWorkFileName(found.cFileName, processId) || ProcessRuns(processId))
            continue;
        const std::string path = base + found.cFileName;
        // A copy of a read-only source is read-only too.
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (DeleteFileA(path.c_str()))
            ++nRemoved;
    } while (FindNextFileA(hFind, &found));
    FindClose(hFind);
    return nRemoved;
}

int RemoveStaleWorkFiles()
{
    char folder[MAX_PATH + 1] = "";
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder)
        return 0;
    return RemoveStaleWorkFiles(folder);
}
