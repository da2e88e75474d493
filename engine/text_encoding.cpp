#include "engine/text_encoding.h"

#include <windows.h>

#include <qpdf/QUtil.hh>

#include "base/text_conversion.h"

bool EncodePasswordForMethod(const std::string& ansi, EncryptionType method, std::string& bytes,
                             unsigned codePage)
{
    std::string utf8;
    if (!AnsiToUtf8(ansi, utf8, codePage))
        return false;
    if (method == EncryptionAes256)
    {
        bytes = utf8;
        return true;
    }
    return QUtil::utf8_to_pdf_doc(utf8, bytes);
}
