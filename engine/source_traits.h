#pragma once

#include <string>

class QPDF;

// What a source document says about itself that protecting it affects.
struct SourceTraits
{
    bool bSigned = false;     // a signature that rewriting the file would invalidate
    bool bPdfA = false;       // its XMP metadata declares PDF/A, which forbids encryption
    bool bLinearized = false; // arranged for fast web view
};

// Reads the traits of an opened document. Damaged parts count as absent; never throws.
// Signed: a signature field with a value, SigFlags with SignaturesExist, or /Perms with
// /DocMDP or /UR3.
SourceTraits ReadSourceTraits(QPDF& pdf);

// True when the library has recorded warnings on the document so far: it had to repair what
// it read. The library parses on demand, so ask again once the document has been written.
bool HasRecordedWarnings(const QPDF& pdf);

// True when XMP metadata text declares a PDF/A part, as attribute or as element.
bool DeclaresPdfA(const std::string& xmp);
