#include "settings/settings_store.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "base/executable_path.h"
#include "settings/settings_sql.h"

// The file lies beside the executable, whatever the working folder.
std::string GetSettingsFilePath()
{
    const std::string folder = ExecutableFolder();

    std::vector<char> path(folder.size() + strlen(kSettingsFileName) + 2);
    snprintf(path.data(), path.size(), kSettingsPathFormat, folder.c_str(), kSettingsFileName);
    return path.data();
}
