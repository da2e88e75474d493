#include "scratch.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "base/text_conversion.h"

namespace
{
bool GetEnv(const char* name, std::string& value)
{
    char buf[32768];
    DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    if (n == 0 || n >= sizeof buf)
        return false;
    value.assign(buf, n);
    return true;
}
} // namespace

std::string TempFolderPath()
{
    char buf[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof buf, buf);
    return std::string(buf, n);
}

ScratchFolder::ScratchFolder(const std::string& leaf)
{
    // Wine reuses process ids from run to run, so the tick count makes the name unique.
    static unsigned counter = 0;
    std::string base;
    do
        base = TempFolderPath() + "swtest_" + std::to_string(GetCurrentProcessId()) + "_" +
               std::to_string(GetTickCount64()) + "_" + std::to_string(++counter);
    while (!CreateDirectoryA(base.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
    if (!PathExists(base))
        throw std::runtime_error("cannot create " + base);
    m_strBase = m_strPath = base;
    if (!leaf.empty())
    {
        m_strPath = base + "\\" + leaf;
        if (!CreateDirectoryA(m_strPath.c_str(), nullptr))
        {
            DWORD error = GetLastError();
            RemoveTree(base);
            throw std::runtime_error("cannot create a folder named " + leaf + " (error " +
                                     std::to_string(error) + ")");
        }
    }
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_strBase);
}

std::string Ansi(const std::wstring& text)
{
    std::string ansi;
    WideToAnsi(text, ansi);
    return ansi;
}

std::wstring Wide(const std::string& ansi)
{
    return AnsiToWide(ansi);
}

std::string ReadFileBytesW(const std::wstring& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

void WriteFileBytesW(const std::wstring& path, const std::string& bytes)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::string();
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace
{
// Wide, so that names the code page cannot hold are removed too.
void RemoveTreeW(const std::wstring& path)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTreeW(child);
            else
            {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}
} // namespace

void RemoveTree(const std::string& path)
{
    RemoveTreeW(AnsiToWide(path));
}

std::vector<std::string> FilesStartingWith(const std::string& folder, const std::string& prefix)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\')
        pattern += '\\';
    HANDLE h = FindFirstFileA((pattern + prefix + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(fd.cFileName);
    while (FindNextFileA(h, &fd));
    FindClose(h);
    return names;
}

TempFolderOverride::TempFolderOverride(const std::string& folder)
{
    m_bHadTmp = GetEnv("TMP", m_strTmp);
    m_bHadTemp = GetEnv("TEMP", m_strTemp);
    SetEnvironmentVariableA("TMP", folder.c_str());
    SetEnvironmentVariableA("TEMP", folder.c_str());
}

TempFolderOverride::~TempFolderOverride()
{
    SetEnvironmentVariableA("TMP", m_bHadTmp ? m_strTmp.c_str() : nullptr);
    SetEnvironmentVariableA("TEMP", m_bHadTemp ? m_strTemp.c_str() : nullptr);
}
