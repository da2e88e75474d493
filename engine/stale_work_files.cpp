#include "engine/stale_work_files.h"

#include <windows.h>

#include <cstring>

#include "base/text_conversion.h"
#include "engine/protect_file.h"

namespace
{
constexpr const char* kWorkCopyEnd = ".pdf";
constexpr const char* kProtectedCopyEnd = "_protected.pdf";
constexpr const char* kTargetWorkFileEnd = ".tmp";

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

// "<prefix>_<pid>_<number><end>".
bool ParseNameWithEnd(std::string rest, const char* end, unsigned long& processId)
{
    const std::string prefix = std::string(kTempFilePrefix) + "_";
    if (rest.compare(0, prefix.size(), prefix) != 0 || !EndsWith(rest, end))
        return false;
    rest = rest.substr(prefix.size(), rest.size() - prefix.size() - std::strlen(end));
    const size_t separator = rest.find('_');
    if (separator == std::string::npos)
        return false;
    unsigned long long pid = 0, number = 0;
    if (!ParseNumber(rest.substr(0, separator), 0xFFFFFFFFull, pid) ||
        !ParseNumber(rest.substr(separator + 1), ~0ull / 10, number))
        return false;
    processId = static_cast<unsigned long>(pid);
    return true;
}
} // namespace

bool IsProcessRunning(unsigned long processId)
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

bool ParseWorkFileName(const std::string& name, unsigned long& processId)
{
    return ParseNameWithEnd(
        name, EndsWith(name, kProtectedCopyEnd) ? kProtectedCopyEnd : kWorkCopyEnd, processId);
}

bool ParseTargetWorkFileName(const std::string& name, unsigned long& processId)
{
    return ParseNameWithEnd(name, kTargetWorkFileEnd, processId);
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
            !ParseWorkFileName(found.cFileName, processId) || IsProcessRunning(processId))
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

int RemoveStaleTargetWorkFiles(const std::wstring& folder)
{
    if (folder.empty())
        return 0;
    std::wstring base = folder;
    if (base.back() != L'\\')
        base += L'\\';
    WIN32_FIND_DATAW found;
    HANDLE hFind = FindFirstFileW((base + AnsiToWide(kTempFilePrefix) + L"_*.tmp").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    int nRemoved = 0;
    do
    {
        unsigned long processId = 0;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            !ParseTargetWorkFileName(WideToUtf8(found.cFileName), processId) ||
            IsProcessRunning(processId))
            continue;
        // Opened without sharing, or not at all: a file someone still holds stays.
        HANDLE hFile = CreateFileW((base + found.cFileName).c_str(), DELETE, 0, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (hFile != INVALID_HANDLE_VALUE)
        {
            CloseHandle(hFile);
            ++nRemoved;
        }
    } while (FindNextFileW(hFind, &found));
    FindClose(hFind);
    return nRemoved;
}
