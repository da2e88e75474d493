#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include "engine/source_traits.h"
#include "engine/status_notes.h"
#include "engine/status_texts.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
TEST(SourceTraits, ReadFromRealFiles)
{
    struct
    {
        const char* name;
        PdfRecipe recipe;
        bool bSigned, bPdfA, bLinearized, bWarnings;
    } cases[] = {
        {"plain", PdfRecipe(), false, false, false, false},
        {"signed",
         []
         {
             PdfRecipe r;
             r.bSigned = true;
             return r;
         }(),
         true, false, false, false},
        {"pdfa",
         []
         {
             PdfRecipe r;
             r.bPdfA = true;
             return r;
         }(),
         false, true, false, false},
        {"linearized",
         []
         {
             PdfRecipe r;
             r.bLinearized = true;
             r.pages = 3;
             return r;
         }(),
         false, false, true, false},
        {"damaged",
         []
         {
             PdfRecipe r;
             r.bDamagedStartXref = true;
             return r;
         }(),
         false, false, false, true},
    };
    ScratchFolder folder;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::string path = folder / (std::string(c.name) + ".pdf");
        MakePdf(path, c.recipe);
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(path.c_str());
        const SourceTraits traits = ReadSourceTraits(pdf);
        EXPECT_EQ(traits.bSigned, c.bSigned);
        EXPECT_EQ(traits.bPdfA, c.bPdfA);
        EXPECT_EQ(traits.bLinearized, c.bLinearized);
        // Warnings may come only while the document is written: ask after writing.
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.write();
        EXPECT_EQ(HasRecordedWarnings(pdf), c.bWarnings);
    }
}

TEST(SourceTraits, PdfADeclarations)
{
    const struct
    {
        const char* xmp;
        bool bPdfA;
    } cases[] = {
        {"<rdf:Description pdfaid:part=\"1\" pdfaid:conformance=\"B\"/>", true},
        {"<pdfaid:part>3</pdfaid:part>", true},
        {"<x xmlns:id=\"http://www.aiim.org/pdfa/ns/id/\"><id:part>2</id:part></x>", true},
        {"<pdfaid:partial>1</pdfaid:partial>", false},
        {"<pdfuaid:part>1</pdfuaid:part>", false},
        {"", false},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(DeclaresPdfA(c.xmp), c.bPdfA) << c.xmp;
    }
}

TEST(SourceTraits, NotesFollowTheStatusInOrder)
{
    StatusNotes all;
    all.bSignatureInvalid = all.bRandomPermissionPassword = all.bNoLongerPdfA = all.bRepaired =
        true;
    EXPECT_EQ(AppendStatusNotes(kStatusProtectedRestricted, all),
              std::string(kStatusProtectedRestricted) + kNoteSignatureInvalid +
                  kNoteRandomPermissionPassword + kNoteNoLongerPdfA + kNoteRepaired);
    StatusNotes repaired;
    repaired.bRepaired = true;
    EXPECT_EQ(AppendStatusNotes(kStatusProtected, repaired),
              "Successfully protected PDF file with password (the source was damaged and has "
              "been repaired; check the protected copy)");
    EXPECT_EQ(AppendStatusNotes(kStatusProtected, StatusNotes()), kStatusProtected);
    EXPECT_EQ(FormatCheckFailedStatus(kCheckPermissions),
              "Error: The protected copy failed its check (permissions), so it was not written.");
}
} // namespace
