#include "settings_store.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "settings_texts.h"

// The file lies beside the executable, whatever the working folder.
std::string GetSettingsFilePath()
{
    std::vector<char> buffer(1000);
    for (;;)
    {
        DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size())
            break;
        buffer.resize(buffer.size() * 2);
    }
    std::string folder = buffer.data();
    const size_t slash = folder.find_last_of('\\');
    if (slash != std::string::npos)
        folder.resize(slash);

    std::vector<char> path(folder.size() + strlen(kSettingsFileName) + 2);
    snprintf(path.data(), path.size(), kSettingsPathFormat, folder.c_str(), kSettingsFileName);
    return path.data();
}
