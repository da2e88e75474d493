#pragma once

#include <cstddef>
#include <string>

// PDFs made with qpdf for tests and benchmarks.
struct PdfRecipe
{
    int pages = 1;
    int textLinesPerPage = 3;
    // Total bytes of JPEG pictures to spread over the pages (one picture a page), 0 for none.
    size_t imageBytes = 0;
    // When set, the file is written with 256-bit AES and these passwords.
    bool bEncrypt = false;
    std::string userPassword;
    std::string ownerPassword;
    // Small indirect objects (link annotations on the first page), as forms and indexes have.
    int smallObjects = 0;
    // A signature field with a value (/V with /ByteRange) and SigFlags 3.
    bool bSigned = false;
    // XMP metadata declaring PDF/A-2b.
    bool bPdfA = false;
    // Written for fast web view.
    bool bLinearized = false;
    // Its startxref points past the cross-reference table, so readers must rebuild it.
    bool bDamagedStartXref = false;
};

// Writes the PDF to an ANSI path. Returns its size in bytes.
size_t MakePdf(const std::string& path, const PdfRecipe& recipe = PdfRecipe());

// What the qpdf library reads back from a file opened with the given password bytes.
struct EncryptionReadback
{
    bool bOpened = false;
    std::string error;
    bool bEncrypted = false;
    int R = 0, P = 0, V = 0;
    bool bAes = false;
    bool bEncryptMetadata = true;
    bool bUserMatched = false;
    bool bOwnerMatched = false;
    int pages = 0;
    bool bLinearized = false;
    bool bWarnings = false; // the library had to repair what it read
};

EncryptionReadback ReadEncryption(const std::string& path, const std::string& password = "");
