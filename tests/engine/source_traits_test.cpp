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
        bool PdfRecipe::*kind; // the recipe's one flag set, or none
        bool bSigned, bPdfA, bLinearized, bWarnings;
    } cases[] = {
        {nullptr, false, false, false, false},
        {&PdfRecipe::bSigned, true, false, false, false},
        {&PdfRecipe::bPdfA, false, true, false, false},
        {&PdfRecipe::bLinearized, false, false, true, false},
        {&PdfRecipe::bDamagedStartXref, false, false, false, true},
    };
    ScratchFolder folder;
    int k = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(k);
        const std::string path = folder / (std::to_string(k++) + ".pdf");
        PdfRecipe recipe;
        recipe.pages = 3;
        if (c.kind)
            recipe.*c.kind = true;
        MakePdf(path, recipe);
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
    // PDF/A declared as attribute, or under another prefix; pdfaid:partial is something else.
    EXPECT_TRUE(DeclaresPdfA("<rdf:Description pdfaid:part=\"1\" pdfaid:conformance=\"B\"/>"));
    EXPECT_TRUE(DeclaresPdfA("<x xmlns:id=\"http://www.aiim.org/pdfa/ns/id/\"><id:part>2<"));
    EXPECT_FALSE(DeclaresPdfA("<pdfaid:partial>1</pdfaid:partial>"));
}

TEST(SourceTraits, NotesFollowTheStatusInOrder)
{
    StatusNotes all;
    all.bSignatureInvalid = all.bRandomPermissionPassword = all.bNoLongerPdfA = all.bRepaired =
        true;
    EXPECT_EQ(AppendStatusNotes(kStatusProtectedRestricted, all),
              std::string(kStatusProtectedRestricted) + kNoteSignatureInvalid +
                  kNoteRandomPermissionPassword + kNoteNoLongerPdfA + kNoteRepaired);
    EXPECT_EQ(FormatCheckFailedStatus(kCheckPermissions),
              "Error: The protected copy failed its check (permissions), so it was not written.");
}
} // namespace
