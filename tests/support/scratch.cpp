#include "scratch.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

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

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((path + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
            {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(path.c_str());
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
