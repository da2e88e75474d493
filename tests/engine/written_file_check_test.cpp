#include <gtest/gtest.h>

#include <cctype>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include "engine/protect_file.h"
#include "engine/random_password.h"
#include "engine/status_texts.h"
#include "engine/written_file_check.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
// Writes `source` with 256-bit AES by the library directly, restrictions as given.
void WriteWithLibrary(const std::string& source, const std::string& target, const char* owner,
                      qpdf_r3_print_e print)
{
    QPDF pdf;
    pdf.processFile(source.c_str());
    QPDFWriter writer(pdf, target.c_str());
    writer.setR6EncryptionParameters("open", owner, true, true, true, true, true, true, print,
                                     true);
    writer.write();
}

TEST(WrittenFileCheck, PassesWhatProtectFileWritesAndCatchesFaults)
{
    ScratchFolder folder;
    const std::string source = folder / "source.pdf";
    PdfRecipe recipe;
    recipe.pages = 3;
    MakePdf(source, recipe);

    for (EncryptionType method : {EncryptionRc4_128, EncryptionAes128, EncryptionAes256})
        for (int restrictions = 0; restrictions < 8; ++restrictions)
        {
            SCOPED_TRACE("method " + std::to_string(method) + " restrictions " +
                         std::to_string(restrictions));
            WrittenFileExpectation expected;
            expected.method = method;
            expected.userPassword = "open";
            expected.ownerPassword = "permission";
            expected.bPreventCopy = restrictions & 1;
            expected.bPreventModify = restrictions & 2;
            expected.bPreventPrint = restrictions & 4;
            expected.pages = 3;
            const std::string target = folder / "protected.pdf";
            std::string status;
            const Restrictions asked = {expected.bPreventCopy, expected.bPreventModify,
                                        expected.bPreventPrint};
            ASSERT_TRUE(ProtectFile(source, target, {"open", "permission", asked, method}, status));
            EXPECT_EQ(CheckWrittenFile(target, expected), "");
            EXPECT_EQ(ReadEncryption(target, "open").P,
                      ExpectedPermissionValue(expected.bPreventCopy, expected.bPreventModify,
                                              expected.bPreventPrint));
            if (restrictions != 0)
                continue;

            // Each wrong expectation is named by its own text.
            struct
            {
                void (*change)(WrittenFileExpectation&);
                const char* what;
            } faults[] = {
                {[](WrittenFileExpectation& e) { e.bPreventPrint = true; }, kCheckPermissions},
                {[](WrittenFileExpectation& e) { e.userPassword = "0pen"; }, kCheckOpenPassword},
                {[](WrittenFileExpectation& e) { e.ownerPassword = "other"; },
                 kCheckPermissionPassword},
                {[](WrittenFileExpectation& e) { e.pages = 2; }, kCheckPageCount},
                {[](WrittenFileExpectation& e)
                 { e.method = e.method == EncryptionAes256 ? EncryptionAes128 : EncryptionAes256; },
                 kCheckEncryptionMethod},
            };
            for (const auto& fault : faults)
            {
                WrittenFileExpectation wrong = expected;
                fault.change(wrong);
                EXPECT_EQ(CheckWrittenFile(target, wrong), fault.what);
            }
        }
}

TEST(WrittenFileCheck, LibraryWrittenFaults)
{
    ScratchFolder folder;
    const std::string source = folder / "source.pdf", target = folder / "direct.pdf";
    MakePdf(source);
    WrittenFileExpectation expected;
    expected.userPassword = "open";
    expected.ownerPassword = "permission";
    expected.bPreventPrint = true;
    expected.pages = 1;
    // Printing left allowed: P is -4 where -2056 was asked.
    WriteWithLibrary(source, target, "permission", qpdf_r3p_full);
    EXPECT_EQ(CheckWrittenFile(target, expected), kCheckPermissions);
    // The open password doubles as the owner password.
    WriteWithLibrary(source, target, "open", qpdf_r3p_none);
    EXPECT_EQ(CheckWrittenFile(target, expected), kCheckPermissionPassword);
    expected.ownerPassword = "open";
    EXPECT_EQ(CheckWrittenFile(target, expected), "");
    // Not a PDF at all, and a PDF without encryption.
    WriteFileBytes(folder / "junk.pdf", "not a pdf");
    EXPECT_EQ(CheckWrittenFile(folder / "junk.pdf", expected), kCheckUnreadable);
    EXPECT_EQ(CheckWrittenFile(source, expected), kCheckEncryptionMethod);
}

TEST(WrittenFileCheck, RandomPermissionPasswords)
{
    const std::string first = MakeRandomPermissionPassword();
    EXPECT_EQ(first.size(), 32u);
    EXPECT_NE(first, MakeRandomPermissionPassword());
    for (char c : first)
        EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << c;
}
} // namespace
