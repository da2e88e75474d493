#include "engine/path_compare.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "base/text_conversion.h"

namespace
{
std::wstring FullPath(const std::wstring& path)
{
    DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return path;
    std::vector<wchar_t> buf(n + 1);
    DWORD got = GetFullPathNameW(path.c_str(), n + 1, buf.data(), nullptr);
    return got == 0 || got > n ? path : std::wstring(buf.data(), got);
}

bool LongPath(const std::wstring& path, std::wstring& out)
{
    DWORD n = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (n == 0)
        return false;
    std::vector<wchar_t> buf(n + 1);
    DWORD got = GetLongPathNameW(path.c_str(), buf.data(), n + 1);
    if (got == 0 || got > n)
        return false;
    out.assign(buf.data(), got);
    return true;
}

void TrimTrailingSeparators(std::wstring& path)
{
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
}

// The same file or folder reached under two spellings the names do not reveal: a hard
// link, a substituted drive, a share of a local folder.
bool SameObjectOnDisk(const std::wstring& a, const std::wstring& b)
{
    auto identify = [](const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info)
    {
        HANDLE h =
            CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        bool ok = GetFileInformationByHandle(h, &info) != 0;
        CloseHandle(h);
        return ok;
    };
    // Opening both is slow; two names of one file show the same size and times, and a target
    // that does not exist yet shows nothing. A link shows its own times, not its folder's.
    WIN32_FILE_ATTRIBUTE_DATA da, db;
    if (!GetFileAttributesExW(b.c_str(), GetFileExInfoStandard, &db) ||
        !GetFileAttributesExW(a.c_str(), GetFileExInfoStandard, &da))
        return false;
    const bool bLink = ((da.dwFileAttributes | db.dwFileAttributes) & FILE_ATTRIBUTE_REPARSE_POINT);
    if (!bLink && (da.nFileSizeLow != db.nFileSizeLow || da.nFileSizeHigh != db.nFileSizeHigh ||
                   CompareFileTime(&da.ftLastWriteTime, &db.ftLastWriteTime) != 0 ||
                   CompareFileTime(&da.ftCreationTime, &db.ftCreationTime) != 0))
        return false;
    BY_HANDLE_FILE_INFORMATION ia, ib;
    return identify(b, ib) && identify(a, ia) &&
           ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

// An existing folder's identity as text, from one open; false when it cannot be opened or its
// file system gives no file index (some network redirectors report 0 for every folder). The
// leading '*' keeps it apart from any full path.
bool FolderIdentity(const std::wstring& folder, std::wstring& identity)
{
    HANDLE h =
        CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool ok = GetFileInformationByHandle(h, &info) != 0 &&
                    (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                    (info.nFileIndexHigh | info.nFileIndexLow) != 0;
    CloseHandle(h);
    if (!ok)
        return false;
    wchar_t text[32];
    swprintf(text, sizeof text / sizeof text[0], L"*%08lx:%08lx%08lx", info.dwVolumeSerialNumber,
             info.nFileIndexHigh, info.nFileIndexLow);
    identity = text;
    return true;
}
} // namespace

std::wstring NormalizedPathKey(const std::string& ansiPath)
{
    std::wstring full = FullPath(AnsiToWide(ansiPath));
    TrimTrailingSeparators(full);
    // Only 8.3 short names carry a tilde; expanding names is slow, so skip it otherwise.
    if (full.find(L'~') == std::wstring::npos)
        return full;
    std::wstring longForm;
    if (LongPath(full, longForm))
        return longForm;
    // A path that does not exist yet (a new target): expand its existing folder instead.
    size_t slash = full.find_last_of(L"\\/");
    if (slash != std::wstring::npos && slash > 0)
    {
        std::wstring folder = full.substr(0, slash);
        if (LongPath(folder, longForm))
        {
            TrimTrailingSeparators(longForm);
            return longForm + L'\\' + full.substr(slash + 1);
        }
    }
    return full;
}

bool IsSamePath(const std::string& a, const std::string& b)
{
    std::wstring ka = NormalizedPathKey(a);
    std::wstring kb = NormalizedPathKey(b);
    return CompareStringOrdinal(ka.c_str(), static_cast<int>(ka.size()), kb.c_str(),
                                static_cast<int>(kb.size()), TRUE) == CSTR_EQUAL ||
           SameObjectOnDisk(ka, kb);
}

std::wstring CPathIdentityKeys::KeyOf(const std::string& ansiPath)
{
    const std::wstring full = NormalizedPathKey(ansiPath);
    const size_t slash = full.find_last_of(L"\\/");
    if (slash == std::wstring::npos || slash + 1 == full.size())
        return FoldCase(full);
    const std::wstring folder = FoldCase(full.substr(0, slash));
    auto known = m_mapFolderKeys.find(folder);
    if (known == m_mapFolderKeys.end())
    {
        std::wstring identity;
        if (!FolderIdentity(full.substr(0, slash), identity))
            identity = folder;
        known = m_mapFolderKeys.emplace(folder, identity).first;
    }
    return known->second + L'\\' + FoldCase(full.substr(slash + 1));
}
