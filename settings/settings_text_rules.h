#pragma once

#include <string>

// Small rules the store applies to texts and paths.
namespace settings_internal
{
// Equal apart from letter case, in the ANSI code page (so "Ä" matches "ä").
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

// Without leading and trailing blanks, tabs and line breaks.
std::string TrimWhiteSpace(const std::string& text);

// Cut to what a record's text field can hold, by characters.
std::string ClipToRecordText(std::string text);

// The file holds its texts in UTF-8; the record holds paths and the suffix in the process's
// code page and passwords in UTF-8. A stored text that is not UTF-8 was written by an older
// build in the system's legacy code page and is read as that; `bLegacy` then says so, so that
// the caller can write it again in UTF-8.
std::string TextFromStore(const std::string& stored, bool& bLegacy);
std::string PasswordFromStore(const std::string& stored);
std::string TextToStore(const std::string& recordText);

} // namespace settings_internal
