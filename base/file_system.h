#pragma once

#include <string>

// Path tests on narrow (ANSI) paths. An empty or unreadable path exists as neither.

// True when the path names an existing item that is not a folder.
bool FileExists(const std::string& path);

// True when the path names an existing folder.
bool FolderExists(const std::string& path);
