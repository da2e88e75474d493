#pragma once

#include <map>
#include <string>

// A comparable form of a path in the ANSI code page: full, with long names for the parts
// that exist, without trailing backslashes (except a drive root), in UTF-16.
std::wstring NormalizedPathKey(const std::string& ansiPath);

// True when both paths name the same file or folder, whatever their letter case, relative
// form, short names or trailing backslashes, or when both exist and are one object on disk
// (hard links, substituted drives, directory links).
bool IsSamePath(const std::string& a, const std::string& b);

// Keys that are equal when two paths name the same entry of one folder on disk, however the
// folder is spelt: with the "\\?\" prefix, through a mapped or substituted drive, a junction,
// a directory symbolic link or a share of a local folder. A key is the folder's identity (its
// volume's serial number and its file index) plus the file's case-folded name; a folder that
// cannot be opened, such as a target folder not made yet, is keyed by its full path instead.
// Each distinct folder is opened once in the life of the object.
class CPathIdentityKeys
{
  public:
    std::wstring KeyOf(const std::string& ansiPath);

  private:
    std::map<std::wstring, std::wstring> m_mapFolderKeys; // folded full path -> key
};
