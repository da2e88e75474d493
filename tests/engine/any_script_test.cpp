// Names, passwords and paths in any script: every file ends as its own protected copy or a
// red row that says why, in a program whose code page is UTF-8 and in one whose code page is
// a legacy one (the same tests run in both programs).
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "base/text_conversion.h"
#include "engine/protect_file.h"
#include "engine/protect_folder.h"
#include "engine/status_texts.h"
#include "tests/support/memory_protection_view.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

// Set by the program the tests are linked into: whether its manifest asks for UTF-8.
extern const bool kBuiltForUtf8CodePage;

namespace
{
bool FitsCodePage(const std::wstring& text)
{
    std::string ansi;
    return WideToAnsi(text, ansi);
}

// The PDF bytes of a file with the given number of pages.
std::string PdfWithPages(int pages)
{
    ScratchFolder folder;
    PdfRecipe recipe;
    recipe.pages = pages;
    MakePdf(folder / "made.pdf", recipe);
    return ReadFileBytes(folder / "made.pdf");
}

// What qpdf reads from a file given by a UTF-16 path.
EncryptionReadback ReadBackW(const std::wstring& path, const std::string& password)
{
    ScratchFolder folder;
    WriteFileBytes(folder / "copy.pdf", ReadFileBytesW(path));
    return ReadEncryption(folder / "copy.pdf", password);
}

TEST(AnyScript, ProgramRunsInTheCodePageItWasBuiltFor)
{
    EXPECT_EQ(IsUtf8CodePage(), kBuiltForUtf8CodePage);
}

TEST(AnyScript, FolderOfNamesInFourScriptsAndLookAlikeTwins)
{
    // Each file has its own page count, so an output shows which source it came from.
    const std::map<std::wstring, int> files = {
        {L"\u0141\u00F3d\u017A.pdf", 1},                              // Łódź
        {L"\u65E5\u672C\u8A9E\u306E\u5831\u544A\u66F8.pdf", 2},       // 日本語の報告書
        {L"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC.pdf", 3}, // Ελληνικά
        {L"J\u00FCrgen.pdf", 4},                                      // Jürgen
        {L"\u0141odz.pdf", 5},                                        // Łodz
        {L"Lodz.pdf", 6},
        {L"\u041E\u0442\u0447\u0451\u0442.pdf", 7}, // Отчёт
    };
    ScratchFolder in, out;
    for (const auto& [name, pages] : files)
        WriteFileBytesW(Wide(in.Path()) + L"\\" + name, PdfWithPages(pages));

    ProtectionRequest request;
    request.bFolderMode = 1;
    request.strSourceFile = in.Path();
    request.strTargetFile = out.Path();
    request.strPassword = "open";
    request.bTargetSetSuffix = 1;
    request.strTargetSuffix = "_protected";
    CMemoryProtectionView view;
    ASSERT_TRUE(ProtectFolder(request, "AES-256", view));

    ASSERT_EQ(view.m_rows.size(), files.size());
    std::map<std::string, const ResultRow*> rowsByName;
    for (const ResultRow& row : view.m_rows)
        rowsByName[row.strFileName] = &row;
    for (const auto& [name, pages] : files)
    {
        SCOPED_TRACE(WideToUtf8(name));
        const bool bFits = FitsCodePage(name);
        if (IsUtf8CodePage())
        {
            EXPECT_TRUE(bFits);
        }
        const std::wstring target =
            Wide(out.Path()) + L"\\" + name.substr(0, name.size() - 4) + L"_protected.pdf";
        const auto row = rowsByName.find(Ansi(name));
        ASSERT_NE(row, rowsByName.end());
        if (bFits)
        {
            EXPECT_EQ(row->second->strStatus, kStatusProtected);
            EXPECT_EQ(row->second->strTargetFile, Ansi(target));
            EncryptionReadback r = ReadBackW(target, "open");
            EXPECT_TRUE(r.bOpened) << r.error;
            EXPECT_EQ(r.pages, pages);
        }
        else
        {
            EXPECT_EQ(row->second->strStatus, kStatusNameNotInCodePage);
            EXPECT_EQ(GetFileAttributesW(target.c_str()), INVALID_FILE_ATTRIBUTES);
        }
    }
    // Twins whose names fold to one look-alike still get their own rows.
    if (!IsUtf8CodePage())
    {
        EXPECT_EQ(rowsByName.count("Lodz.pdf"), 1u);
        EXPECT_EQ(ReadBackW(Wide(out.Path()) + L"\\Lodz_protected.pdf", "open").pages, 6);
    }
}

TEST(AnyScript, PasswordsInAnyScript)
{
    ScratchFolder folder;
    const std::string source = folder / "source.pdf";
    const std::string target = folder / "target.pdf";
    MakePdf(source);
    const char* aesPasswords[] = {
        "\xD0\x9F\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C-7",           // Пароль-7
        "\xCE\xBA\xCF\x89\xCE\xB4\xCE\xB9\xCE\xBA\xCF\x8C\xCF\x82",     // κωδικός
        "\xE3\x83\x91\xE3\x82\xB9\xE3\x83\xAF\xE3\x83\xBC\xE3\x83\x89", // パスワード
    };
    for (const char* password : aesPasswords)
    {
        SCOPED_TRACE(password);
        std::string status;
        ASSERT_TRUE(ProtectFile(source, target, {password, "perm", {}, 2}, status)) << status;
        EXPECT_TRUE(ReadEncryption(target, password).bUserMatched);
        EXPECT_FALSE(ReadEncryption(target, std::string(6, '?') + "-7").bOpened);
    }
    for (int type : {0, 1})
    {
        std::string status;
        EXPECT_FALSE(ProtectFile(source, target, {aesPasswords[1], "", {}, type}, status));
        EXPECT_EQ(status, kStatusPasswordNotStorable);
    }
}

TEST(AnyScript, RunNeverWritesOverItsOwnSources)
{
    // Same folder, suffix on, files with the suffix not left out: a.pdf's target is
    // a_protected.pdf, another source of the run.
    ScratchFolder folder;
    PdfRecipe two;
    two.pages = 2;
    MakePdf(folder / "a.pdf");
    MakePdf(folder / "a_protected.pdf", two);
    const std::string before = ReadFileBytes(folder / "a_protected.pdf");

    ProtectionRequest request;
    request.bFolderMode = 1;
    request.strSourceFile = folder.Path();
    request.strTargetFile = folder.Path() + "\\";
    request.strPassword = "open";
    request.bTargetSetSuffix = 1;
    request.strTargetSuffix = "_PROTECTED"; // letter case does not matter
    request.bIgnoreSuffixFiles = 0;
    CMemoryProtectionView view;
    ASSERT_TRUE(ProtectFolder(request, "AES-256", view));

    ASSERT_EQ(view.m_rows.size(), 2u);
    for (const ResultRow& row : view.m_rows)
    {
        SCOPED_TRACE(row.strFileName);
        if (row.strFileName == "a.pdf")
        {
            EXPECT_EQ(row.strStatus, kStatusTargetIsAnotherSource);
        }
        else
        {
            EXPECT_EQ(row.strStatus, kStatusProtected);
        }
    }
    EXPECT_EQ(ReadFileBytes(folder / "a_protected.pdf"), before);
    EXPECT_EQ(ReadEncryption(folder / "a_protected_PROTECTED.pdf", "open").pages, 2);
}

TEST(AnyScript, SourceDeeperThanTheOldPathLimit)
{
    ScratchFolder folder;
    std::string deep = folder.Path();
    while (deep.size() < 300)
    {
        deep += "\\" + std::string(40, 'd');
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + Wide(deep)).c_str(), nullptr)) << deep.size();
    }
    const std::string source = deep + "\\source.pdf";
    const std::string target = deep + "\\target.pdf";
    MakePdf(source);
    ASSERT_GT(source.size(), 300u);
    std::string status;
    EXPECT_TRUE(ProtectFile(source, target, {"open", "", {}, 2}, status)) << status;
    EXPECT_TRUE(ReadEncryption(target, "open").bUserMatched);
}
} // namespace
