#include <windows.h>

#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>

#include "engine/protect_file.h"
#include "engine/source_traits.h"
#include "engine/status_texts.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
constexpr const char* kOldTargetBytes = "old target";

bool TargetDeclaresPdfA(const std::string& path)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(path.c_str(), "open");
    auto data = pdf.getRoot().getKey("/Metadata").getStreamData(qpdf_dl_generalized);
    return DeclaresPdfA(
        std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize()));
}

struct PromiseCase
{
    const char* name;
    bool PdfRecipe::*kind; // the source's one trait, or none
    void (*adjust)(ProtectOptions&);
    bool bWritten;
    std::string status;
    ProtectFacts facts;
};

class ProtectFilePromise : public ::testing::TestWithParam<PromiseCase>
{
};

// Each kind of source with the options that decide its fate: the row, the facts, and a
// target that is either the checked copy or the old file untouched.
TEST_P(ProtectFilePromise, RowFactsAndTarget)
{
    const PromiseCase& c = GetParam();
    ScratchFolder folder;
    const std::string source = folder / "source.pdf", target = folder / "target.pdf";
    PdfRecipe recipe;
    recipe.pages = 2;
    if (c.kind)
        recipe.*c.kind = true;
    MakePdf(source, recipe);
    WriteFileBytes(target, kOldTargetBytes);
    ProtectOptions options{"open", "perm", {false, false, true}, 2};
    if (c.adjust)
        c.adjust(options);

    std::string status;
    ProtectFacts facts;
    facts.bChecked = !c.facts.bChecked; // must be overwritten
    EXPECT_EQ(ProtectFile(source, target, options, status, facts), c.bWritten);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(facts.bSigned, c.facts.bSigned);
    EXPECT_EQ(facts.bPdfA, c.facts.bPdfA);
    EXPECT_EQ(facts.bRepaired, c.facts.bRepaired);
    EXPECT_EQ(facts.bRandomPermissionPassword, c.facts.bRandomPermissionPassword);
    EXPECT_EQ(facts.bChecked, c.facts.bChecked);
    if (!c.bWritten)
    {
        EXPECT_EQ(ReadFileBytes(target), kOldTargetBytes);
        return;
    }
    const EncryptionReadback r = ReadEncryption(target, "open");
    ASSERT_TRUE(r.bOpened) << r.error;
    EXPECT_EQ(r.R, 6);
    EXPECT_EQ(r.P, options.restrictions.Any() ? -2056 : -4);
    EXPECT_EQ(r.pages, 2);
    EXPECT_FALSE(r.bWarnings);
    EXPECT_TRUE(r.bUserMatched);
    EXPECT_EQ(r.bOwnerMatched,
              options.strPermissionPassword == "open" && !facts.bRandomPermissionPassword);
    EXPECT_EQ(r.bLinearized, recipe.bLinearized);
    if (recipe.bPdfA)
    {
        EXPECT_TRUE(TargetDeclaresPdfA(target)) << "the copy is not edited";
    }
}

const ProtectFacts kChecked{false, false, false, false, true};
const std::string kRestricted = kStatusProtectedRestricted;

INSTANTIATE_TEST_SUITE_P(
    Sources, ProtectFilePromise,
    ::testing::Values(PromiseCase{"Plain", nullptr, nullptr, true, kRestricted, kChecked},
                      PromiseCase{"SignedRefused",
                                  &PdfRecipe::bSigned,
                                  nullptr,
                                  false,
                                  kStatusSignedRefused,
                                  {false, true}},
                      PromiseCase{"SignedAllowed",
                                  &PdfRecipe::bSigned,
                                  [](ProtectOptions& o) { o.bAllowSigned = true; },
                                  true,
                                  kRestricted + kNoteSignatureInvalid,
                                  {false, true, false, false, true}},
                      PromiseCase{"PdfA",
                                  &PdfRecipe::bPdfA,
                                  nullptr,
                                  true,
                                  kRestricted + kNoteNoLongerPdfA,
                                  {false, false, true, false, true}},
                      PromiseCase{"Repaired",
                                  &PdfRecipe::bDamagedStartXref,
                                  nullptr,
                                  true,
                                  kRestricted + kNoteRepaired,
                                  {true, false, false, false, true}},
                      PromiseCase{"RepairRefusedWhenStrict",
                                  &PdfRecipe::bDamagedStartXref,
                                  [](ProtectOptions& o) { o.bStrict = true; },
                                  false,
                                  kStatusDamagedRefused,
                                  {true}},
                      PromiseCase{"Linearized", &PdfRecipe::bLinearized, nullptr, true, kRestricted,
                                  kChecked},
                      PromiseCase{"RandomForEmptyPermissionPassword",
                                  nullptr,
                                  [](ProtectOptions& o)
                                  {
                                      o.strPermissionPassword.clear();
                                      o.bRandomPermissionPassword = true;
                                  },
                                  true,
                                  kRestricted + kNoteRandomPermissionPassword,
                                  {false, false, false, true, true}},
                      PromiseCase{"RandomForEqualPermissionPassword",
                                  nullptr,
                                  [](ProtectOptions& o)
                                  {
                                      o.strPermissionPassword = "open";
                                      o.bRandomPermissionPassword = true;
                                  },
                                  true,
                                  kRestricted + kNoteRandomPermissionPassword,
                                  {false, false, false, true, true}},
                      PromiseCase{"OwnPermissionPasswordIsKept", nullptr,
                                  [](ProtectOptions& o) { o.bRandomPermissionPassword = true; },
                                  true, kRestricted, kChecked},
                      PromiseCase{"NoRandomWithoutRestrictions", nullptr,
                                  [](ProtectOptions& o)
                                  {
                                      o.strPermissionPassword = "open";
                                      o.restrictions = {};
                                      o.bRandomPermissionPassword = true;
                                  },
                                  true, kStatusProtected, kChecked}),
    [](const ::testing::TestParamInfo<PromiseCase>& info) { return info.param.name; });

// Damage to the copy, in place and of the same length: the marker's character at `offset`
// is changed.
struct CopyDamage
{
    const char* marker;
    size_t offset;
    const char* what;
    const char* what128; // the 128-bit methods derive the file key from O as well
};
CopyDamage g_damage;

void DamageCopy(void* file)
{
    LARGE_INTEGER size = {};
    ASSERT_TRUE(GetFileSizeEx(file, &size));
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD done = 0;
    OVERLAPPED at = {};
    ASSERT_TRUE(ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &done, &at));
    const size_t found = bytes.find(g_damage.marker);
    ASSERT_NE(found, std::string::npos) << g_damage.marker;
    at = {};
    at.Offset = static_cast<DWORD>(found + g_damage.offset);
    const char changed = bytes[found + g_damage.offset] == '2' ? '3' : '2';
    ASSERT_TRUE(WriteFile(file, &changed, 1, &done, &at));
}

TEST(ProtectFileCheck, DamagedCopyLeavesTheOldTarget)
{
    ScratchFolder folder;
    const std::string source = folder / "source.pdf", target = folder / "target.pdf";
    MakePdf(source);
    WriteFileBytes(target, kOldTargetBytes);
    const CopyDamage damages[] = {
        {"/P -2056", 7, kCheckPermissions, kCheckPermissions}, // printing granted after all
        {"/O <", 5, kCheckPermissionPassword, kCheckOpenPassword},
        {"/U <", 5, kCheckOpenPassword, kCheckOpenPassword},
    };
    SetWrittenCopyFault(DamageCopy);
    for (int method : {0, 1, 2})
        for (const CopyDamage& damage : damages)
        {
            SCOPED_TRACE(std::to_string(method) + " " + damage.marker);
            g_damage = damage;
            std::string status;
            ProtectFacts facts;
            EXPECT_FALSE(ProtectFile(source, target, {"open", "perm", {false, false, true}, method},
                                     status, facts));
            EXPECT_EQ(status, "Error: The protected copy failed its check (" +
                                  std::string(method == 2 ? damage.what : damage.what128) +
                                  "), so it was not written.");
            EXPECT_FALSE(facts.bChecked);
            EXPECT_EQ(ReadFileBytes(target), kOldTargetBytes);
            EXPECT_TRUE(FilesStartingWith(folder.Path(), kTempFilePrefix).empty());
        }
    SetWrittenCopyFault(nullptr);
}
} // namespace
