#include "engine/status_notes.h"

#include <cstdio>

#include "base/text_conversion.h"
#include "engine/status_texts.h"

std::string AppendStatusNotes(const std::string& status, const StatusNotes& notes)
{
    std::string text = status;
    if (notes.bSignatureInvalid)
        text += kNoteSignatureInvalid;
    if (notes.bRandomPermissionPassword)
        text += kNoteRandomPermissionPassword;
    if (notes.bNoLongerPdfA)
        text += kNoteNoLongerPdfA;
    if (notes.bRepaired)
        text += kNoteRepaired;
    return ClipText(text, kStatusMaxChars);
}

std::string FormatCheckFailedStatus(const std::string& what)
{
    char text[1000];
    std::snprintf(text, sizeof text, kStatusCheckFailed, what.c_str());
    return text;
}
