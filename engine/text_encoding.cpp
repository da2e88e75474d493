#include "engine/text_encoding.h"

#include <windows.h>

#include <qpdf/QUtil.hh>

#include "base/text_conversion.h"

bool EncodePasswordForMethod(const std::string& utf8, EncryptionType method, std::string& bytes)
{
    std::wstring wide;
    if (!MultiByteToWide(utf8, CP_UTF8, wide))
        return false;
    if (method == EncryptionAes256)
    {
        bytes = utf8;
        return true;
    }
    return QUtil::utf8_to_pdf_doc(utf8, bytes);
}
