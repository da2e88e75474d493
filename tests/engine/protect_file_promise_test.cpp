#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "engine/protect_file.h"
#include "engine/status_notes.h"
#include "engine/status_texts.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
constexpr const char* kOldTargetBytes = "old target";
const std::string kDone = kStatusProtectedRestricted;
constexpr int kRandom = 1, kAllowSigned = 2, kStrict = 4; // what Asked asks besides

ProtectOptions Asked(const char* permission, int flags = 0, int method = 2)
{
    ProtectOptions options{"open", permission, {false, false, true}, method};
    options.bRandomPermissionPassword = (flags & kRandom) != 0;
    options.bAllowSigned = (flags & kAllowSigned) != 0;
    options.bStrict = (flags & kStrict) != 0;
    return options;
}

struct PromiseCase
{
    const char* name;
    bool PdfRecipe::*kind; // the source's one trait, or none
    ProtectOptions options;
    std::string status;
    ProtectFacts facts;           // repaired, signed, PDF/A, random, checked
    const char* damage = nullptr; // the copy's character after this changes before its check
};
const char* g_damage = nullptr;

void DamageCopy(void* file)
{
    std::string bytes(1 << 16, '\0');
    DWORD done = 0;
    OVERLAPPED at = {};
    ASSERT_TRUE(ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &done, &at));
    const size_t found = std::string(bytes, 0, done).find(g_damage);
    ASSERT_NE(found, std::string::npos) << g_damage;
    at.Offset = static_cast<DWORD>(found + std::strlen(g_damage));
    const char changed = bytes[at.Offset] == '2' ? '3' : '2';
    ASSERT_TRUE(WriteFile(file, &changed, 1, &done, &at));
}

class ProtectFilePromise : public ::testing::TestWithParam<PromiseCase>
{
};

// Each kind of source with the options that decide its fate: the row, the facts, and a target
// that is either a copy the library reads back as asked or the old file untouched.
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
    std::string status;
    ProtectFacts facts;
    g_damage = c.damage;
    SetWrittenCopyFault(c.damage ? DamageCopy : nullptr);
    const bool bWritten = ProtectFile(source, target, c.options, status, facts);
    SetWrittenCopyFault(nullptr);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(bWritten, status.rfind(kStatusErrorMark, 0) != 0);
    auto all = [](const ProtectFacts& f)
    {
        return std::make_tuple(f.bRepaired, f.bSigned, f.bPdfA, f.bRandomPermissionPassword,
                               f.bChecked);
    };
    EXPECT_EQ(all(facts), all(c.facts));
    EXPECT_TRUE(FilesStartingWith(folder.Path(), kTempFilePrefix).empty());
    if (!bWritten)
    {
        EXPECT_EQ(ReadFileBytes(target), kOldTargetBytes);
        return;
    }
    const EncryptionReadback r = ReadEncryption(target, "open");
    ASSERT_TRUE(r.bOpened) << r.error;
    EXPECT_TRUE(r.bUserMatched);
    EXPECT_FALSE(r.bOwnerMatched) << "the open password must not lift the restrictions";
    EXPECT_EQ(r.P, -2056);
    EXPECT_EQ(r.pages, 2);
    EXPECT_FALSE(r.bWarnings);
    EXPECT_EQ(r.bLinearized, recipe.bLinearized);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sources, ProtectFilePromise, ::testing::Values(
    PromiseCase{"SignedRefused", &PdfRecipe::bSigned, Asked("perm"), kStatusSignedRefused, {0, 1, 0, 0, 0}},
    PromiseCase{"SignedAllowed", &PdfRecipe::bSigned, Asked("perm", kAllowSigned), kDone + kNoteSignatureInvalid, {0, 1, 0, 0, 1}},
    PromiseCase{"PdfA", &PdfRecipe::bPdfA, Asked("perm"), kDone + kNoteNoLongerPdfA, {0, 0, 1, 0, 1}},
    PromiseCase{"Repaired", &PdfRecipe::bDamagedStartXref, Asked("perm"), kDone + kNoteRepaired, {1, 0, 0, 0, 1}},
    PromiseCase{"RepairRefusedWhenStrict", &PdfRecipe::bDamagedStartXref, Asked("perm", kStrict), kStatusDamagedRefused, {1, 0, 0, 0, 0}},
    PromiseCase{"Linearized", &PdfRecipe::bLinearized, Asked("perm"), kDone, {0, 0, 0, 0, 1}},
    PromiseCase{"RandomForEqual", nullptr, Asked("open", kRandom), kDone + kNoteRandomPermissionPassword, {0, 0, 0, 1, 1}},
    PromiseCase{"OwnPermissionPasswordKept", nullptr, Asked("perm", kRandom), kDone, {0, 0, 0, 0, 1}},
    // A copy damaged on its way to the disk: printing granted after all, O or U changed. The
    // 128-bit methods derive the file key from O as well.
    PromiseCase{"DamagedP", nullptr, Asked("perm"), FormatCheckFailedStatus(kCheckPermissions), {}, "/P -205"},
    PromiseCase{"DamagedO", nullptr, Asked("perm"), FormatCheckFailedStatus(kCheckPermissionPassword), {}, "/O <"},
    PromiseCase{"DamagedOAes128", nullptr, Asked("perm", 0, 1), FormatCheckFailedStatus(kCheckOpenPassword), {}, "/O <"},
    PromiseCase{"DamagedURc4", nullptr, Asked("perm", 0, 0), FormatCheckFailedStatus(kCheckOpenPassword), {}, "/U <"}),
    [](const ::testing::TestParamInfo<PromiseCase>& info) { return info.param.name; });
// clang-format on
} // namespace
