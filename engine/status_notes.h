#pragma once

#include <string>

// What a success status has to add about the file it was written from.
struct StatusNotes
{
    bool bSignatureInvalid = false;         // a signed source was protected anyway
    bool bRandomPermissionPassword = false; // restrictions locked with a password nobody knows
    bool bNoLongerPdfA = false;             // the source declared PDF/A
    bool bRepaired = false;                 // the library repaired the source while reading it
};

// The status with its notes appended in a fixed order (signature, random permission
// password, PDF/A, repair), cut to the length a status may have.
std::string AppendStatusNotes(const std::string& status, const StatusNotes& notes);

// "Error: The protected copy failed its check (<what>), so it was not written."
std::string FormatCheckFailedStatus(const std::string& what);
