#include <gtest/gtest.h>

#include "engine/encryption_type.h"
#include "engine/protect_file.h"
#include "engine/status_texts.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
class ProtectFileTest : public ::testing::Test
{
  protected:
    void SetUp() override { MakePdf(Source(), PdfRecipe{3, 5}); }

    std::string Source() const { return m_folder / "source.pdf"; }
    std::string Target() const { return m_folder / "target.pdf"; }

    ScratchFolder m_folder;
};

struct TypeCase
{
    int type;
    int R;
    bool bAes;
    bool bEncryptMetadata;
    const char* label;
};

class EncryptionTypes : public ProtectFileTest, public ::testing::WithParamInterface<TypeCase>
{
};

TEST_P(EncryptionTypes, WritesTheMethodAndBothPasswords)
{
    const TypeCase& c = GetParam();
    std::string status;
    EXPECT_TRUE(ProtectFile(Source(), Target(), {"open", "perm", {}, c.type}, status));
    EXPECT_EQ(status, kStatusProtected);
    EXPECT_STREQ(EncryptionTypeLabel(c.type), c.label);

    EXPECT_FALSE(ReadEncryption(Target(), "").bOpened) << "no password must not open it";
    EncryptionReadback asUser = ReadEncryption(Target(), "open");
    ASSERT_TRUE(asUser.bOpened) << asUser.error;
    EXPECT_TRUE(asUser.bUserMatched);
    EXPECT_FALSE(asUser.bOwnerMatched);
    EXPECT_EQ(asUser.R, c.R);
    EXPECT_EQ(asUser.bAes, c.bAes);
    EXPECT_EQ(asUser.bEncryptMetadata, c.bEncryptMetadata);
    EXPECT_EQ(asUser.P, -4);
    EXPECT_EQ(asUser.pages, 3);

    EncryptionReadback asOwner = ReadEncryption(Target(), "perm");
    ASSERT_TRUE(asOwner.bOpened) << asOwner.error;
    EXPECT_TRUE(asOwner.bOwnerMatched);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, EncryptionTypes,
                         ::testing::Values(TypeCase{0, 4, false, false, "RC4-128"},
                                           TypeCase{1, 4, true, true, "AES-128"},
                                           TypeCase{2, 6, true, true, "AES-256"},
                                           TypeCase{3, 4, true, true, "AES-128"},
                                           TypeCase{-1, 4, true, true, "AES-128"}));

struct RestrictionCase
{
    bool bCopy, bModify, bPrint;
    int P;
    const char* status;
};

class Restrictions : public ProtectFileTest,
                     public ::testing::WithParamInterface<std::tuple<RestrictionCase, int>>
{
};

TEST_P(Restrictions, SetTheirPermissionBits)
{
    const RestrictionCase& c = std::get<0>(GetParam());
    const int type = std::get<1>(GetParam());
    std::string status;
    EXPECT_TRUE(ProtectFile(Source(), Target(),
                            {"open", "perm", {c.bCopy, c.bModify, c.bPrint}, type}, status));
    EXPECT_EQ(status, c.status);
    EncryptionReadback r = ReadEncryption(Target(), "open");
    ASSERT_TRUE(r.bOpened) << r.error;
    EXPECT_EQ(r.P, c.P);
}

INSTANTIATE_TEST_SUITE_P(
    EachFlag, Restrictions,
    ::testing::Combine(
        ::testing::Values(RestrictionCase{false, false, false, -4, kStatusProtected},
                          RestrictionCase{true, false, false, -1044, kStatusProtectedRestricted},
                          RestrictionCase{false, true, false, -300, kStatusProtectedRestricted},
                          RestrictionCase{false, false, true, -2056, kStatusProtectedRestricted},
                          RestrictionCase{true, true, true, -3392, kStatusProtectedRestricted}),
        ::testing::Values(0, 1, 2)));

TEST_F(ProtectFileTest, EmptyPermissionPasswordMakesTheOpenPasswordTheOwner)
{
    std::string status;
    ASSERT_TRUE(ProtectFile(Source(), Target(), {"open", "", {true, true, true}, 2}, status));
    EncryptionReadback r = ReadEncryption(Target(), "open");
    ASSERT_TRUE(r.bOpened) << r.error;
    EXPECT_TRUE(r.bOwnerMatched);
}

TEST_F(ProtectFileTest, EmptyOpenPasswordOpensFreelyButKeepsRestrictions)
{
    std::string status;
    ASSERT_TRUE(ProtectFile(Source(), Target(), {"", "perm", {false, false, true}, 2}, status));
    EXPECT_EQ(status, kStatusProtectedRestricted);
    EncryptionReadback r = ReadEncryption(Target(), "");
    ASSERT_TRUE(r.bOpened) << r.error;
    EXPECT_TRUE(r.bEncrypted);
    EXPECT_FALSE(r.bOwnerMatched);
    EXPECT_EQ(r.P, -2056);
    EXPECT_TRUE(ReadEncryption(Target(), "perm").bOwnerMatched);
}

TEST_F(ProtectFileTest, ExistingTargetIsReplaced)
{
    WriteFileBytes(Target(), "old contents");
    std::string status;
    ASSERT_TRUE(ProtectFile(Source(), Target(), {"open", "perm", {}, 2}, status));
    EXPECT_TRUE(ReadEncryption(Target(), "open").bOpened);
}

// Passwords arrive as UTF-8; a reader hashes UTF-8 for AES-256 and PDFDocEncoding for the
// 128-bit methods, so those are the bytes that must open the file.
TEST_F(ProtectFileTest, NonAsciiPasswordOpensWithTheBytesReadersUse)
{
    const std::string utf8 = "P\xC3\xA4sswort";
    const std::string& typed = utf8;
    const std::string pdfDoc = "P\xE4sswort";
    struct
    {
        int type;
        std::string bytes;
        std::string wrong;
    } cases[] = {{2, utf8, pdfDoc}, {1, pdfDoc, utf8}, {0, pdfDoc, utf8}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.type);
        std::string status;
        ASSERT_TRUE(ProtectFile(Source(), Target(), {typed, "", {}, c.type}, status)) << status;
        EncryptionReadback r = ReadEncryption(Target(), c.bytes);
        EXPECT_TRUE(r.bOpened) << r.error;
        EXPECT_TRUE(r.bOwnerMatched);
        EXPECT_FALSE(ReadEncryption(Target(), c.wrong).bOpened);
    }
}

TEST_F(ProtectFileTest, PasswordThe128BitMethodsCannotHoldIsRefused)
{
    const std::string alpha = "pass\xCE\xB1word"; // not in PDFDocEncoding
    for (int type : {0, 1})
    {
        std::string status;
        EXPECT_FALSE(ProtectFile(Source(), Target(), {alpha, "", {}, type}, status));
        EXPECT_EQ(status, kStatusPasswordNotStorable);
        EXPECT_FALSE(PathExists(Target()));
        status.clear();
        EXPECT_FALSE(ProtectFile(Source(), Target(), {"open", alpha, {}, type}, status));
        EXPECT_EQ(status, kStatusPasswordNotStorable);
    }
    std::string status;
    EXPECT_TRUE(ProtectFile(Source(), Target(), {alpha, "", {}, 2}, status));
    EXPECT_TRUE(ReadEncryption(Target(), alpha).bOpened);
}

TEST(ProtectFileNonAsciiPaths, SourceAndTemporaryFolderWithUmlauts)
{
    ScratchFolder folder(Ansi(L"J\u00FCrgen"));
    const std::string source = folder / Ansi(L"Bericht \u00E4\u00F6\u00FC.pdf");
    const std::string target = folder / Ansi(L"Bericht \u00E4\u00F6\u00FC gesch\u00FCtzt.pdf");
    MakePdf(source);
    TempFolderOverride temp(folder.Path() + "\\");
    std::string status;
    EXPECT_TRUE(ProtectFile(source, target, {"open", "perm", {}, 2}, status)) << status;
    EXPECT_EQ(status, kStatusProtected);
    EXPECT_TRUE(ReadEncryption(target, "open").bOpened);
    EXPECT_TRUE(FilesStartingWith(folder.Path(), kTempFilePrefix).empty());
}
} // namespace
