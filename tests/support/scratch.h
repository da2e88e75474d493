#pragma once

#include <string>
#include <vector>

// A fresh folder under the temporary folder, removed with everything in it at the end of
// the test. Paths are ANSI and end without a backslash.
class ScratchFolder
{
  public:
    explicit ScratchFolder(const std::string& leaf = "");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_strPath; }
    std::string operator/(const std::string& name) const { return m_strPath + "\\" + name; }

  private:
    std::string m_strPath;
    std::string m_strBase;
};

// Text in the process's ANSI code page, and back: tests name files in any script and expect
// what the running code page makes of them. A character the code page lacks becomes '?'.
std::string Ansi(const std::wstring& text);
std::wstring Wide(const std::string& ansi);

// Whole-file reads and writes by UTF-16 path, for names the code page may not hold.
std::string ReadFileBytesW(const std::wstring& path);
void WriteFileBytesW(const std::wstring& path, const std::string& bytes);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool PathExists(const std::string& path);
void RemoveTree(const std::string& path);

// Names in `folder` that start with `prefix`.
std::vector<std::string> FilesStartingWith(const std::string& folder, const std::string& prefix);

// The process's temporary folder, with its trailing backslash.
std::string TempFolderPath();

// Sets TMP and TEMP for the scope of the object, and restores them after.
class TempFolderOverride
{
  public:
    explicit TempFolderOverride(const std::string& folder);
    ~TempFolderOverride();

  private:
    std::string m_strTmp, m_strTemp;
    bool m_bHadTmp, m_bHadTemp;
};
