#pragma once

#include <string>

// Small rules the store applies to texts and paths.
namespace settings_internal
{
// Equal apart from letter case, in the ANSI code page (so "Ä" matches "ä").
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

// Without leading and trailing blanks, tabs and line breaks.
std::string TrimWhiteSpace(const std::string& text);

// Cut to what a record's text field can hold.
std::string ClipToRecordText(std::string text);

} // namespace settings_internal
