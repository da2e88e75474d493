#pragma once

#include <optional>
#include <string>
#include <vector>

// The registry keys of the Explorer verb for one class, each a subkey of the root it names.
struct ContextMenuKey
{
    std::string strClass;
    std::string strCommandKey;     // under HKEY_CLASSES_ROOT, written when it can be
    std::string strUserCommandKey; // under HKEY_CURRENT_USER, written otherwise
    std::string strVerbKey;        // under HKEY_CLASSES_ROOT, removed
    std::string strUserVerbKey;    // under HKEY_CURRENT_USER, removed too
};

// What one registration writes, or one removal deletes, in the order it is done.
struct ContextMenuKeySet
{
    std::string strCommand;
    std::vector<ContextMenuKey> keys;
};

// The command Explorer runs for the verb, with the file's path in place of %1.
std::string MakeVerbCommand(const std::string& exePath);

ContextMenuKey MakeContextMenuKey(const std::string& className);

// The class that ".pdf" names comes first, then every file's class from Windows 8 on, then the
// fixed classes. A class met twice is handled twice, which does no harm.
ContextMenuKeySet MakeContextMenuKeySet(const std::string& exePath,
                                        const std::optional<std::string>& pdfClass,
                                        bool bWindows8OrLater);
