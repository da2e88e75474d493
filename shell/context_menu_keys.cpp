#include "shell/context_menu_keys.h"

#include <cstdio>

#include "shell/context_menu_texts.h"

namespace
{
std::string FormatWithText(const char* format, const std::string& text)
{
    const int length = std::snprintf(nullptr, 0, format, text.c_str());
    if (length <= 0)
        return std::string();
    std::string result(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(&result[0], result.size(), format, text.c_str());
    result.resize(static_cast<size_t>(length));
    return result;
}
} // namespace

std::string MakeVerbCommand(const std::string& exePath)
{
    return FormatWithText(kVerbCommandFormat, exePath);
}

ContextMenuKey MakeContextMenuKey(const std::string& className)
{
    ContextMenuKey key;
    key.strClass = className;
    key.strCommandKey = FormatWithText(kCommandKeyFormat, className);
    key.strUserCommandKey = FormatWithText(kUserCommandKeyFormat, className);
    key.strVerbKey = FormatWithText(kVerbKeyFormat, className);
    key.strUserVerbKey = FormatWithText(kUserVerbKeyFormat, className);
    return key;
}

ContextMenuKeySet MakeContextMenuKeySet(const std::string& exePath,
                                        const std::optional<std::string>& pdfClass,
                                        bool bWindows8OrLater)
{
    ContextMenuKeySet set;
    set.strCommand = MakeVerbCommand(exePath);
    // An empty name would make paths that start with a backslash, which name no class.
    if (pdfClass && !pdfClass->empty())
        set.keys.push_back(MakeContextMenuKey(*pdfClass));
    if (bWindows8OrLater)
        set.keys.push_back(MakeContextMenuKey(kAllFilesClass));
    for (const char* className : ContextMenuClassKeys)
        set.keys.push_back(MakeContextMenuKey(className));
    return set;
}
