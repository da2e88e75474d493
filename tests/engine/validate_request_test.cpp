#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "engine/message_box_texts.h"
#include "engine/validate_request.h"
#include "tests/support/scratch.h"

namespace
{
// A request over a scratch folder that holds a.pdf, the folders src and dst, and a file
// named plain.txt; each case changes what it needs.
struct CaseFiles
{
    const ScratchFolder& folder;
    ProtectionRequest& r;
};

enum class Named
{
    None,
    Source,
    Target
};

struct ValidationCase
{
    const char* name;
    std::function<void(CaseFiles&)> prepare;
    ValidationOutcome outcome;
    const char* message = nullptr; // the format, filled with the path named below
    Named path = Named::None;
    bool bAsked = false;
    bool bAnswerYes = false;
};

ProtectionRequest SingleFile(const ScratchFolder& f)
{
    ProtectionRequest r;
    r.strSourceFile = f / "a.pdf";
    r.strTargetFile = f / "b.pdf";
    r.strPassword = "open";
    r.strPermissionPassword = "perm";
    return r;
}

void ToFolderMode(CaseFiles& s, bool bSuffix = false, const char* suffix = "")
{
    s.r.bFolderMode = 1;
    s.r.strSourceFile = s.folder / "src";
    s.r.strTargetFile = s.folder / "dst";
    s.r.bTargetSetSuffix = bSuffix;
    s.r.strTargetSuffix = suffix;
}

const ValidationCase kCases[] = {
    // Passwords.
    {"BothPasswordsEmpty", [](CaseFiles& s) { s.r.strPassword = s.r.strPermissionPassword = ""; },
     ValidationOutcome::Refused, kMsgBothPasswordsEmpty},
    {"BothPasswordsWhiteSpace",
     [](CaseFiles& s)
     {
         s.r.strPassword = "  ";
         s.r.strPermissionPassword = "\t \r\n";
     },
     ValidationOutcome::Refused, kMsgBothPasswordsEmpty},
    {"PasswordsCheckedBeforePaths",
     [](CaseFiles& s)
     {
         s.r.strPassword = s.r.strPermissionPassword = "";
         s.r.strSourceFile = s.folder / "missing.pdf";
     },
     ValidationOutcome::Refused, kMsgBothPasswordsEmpty},
    {"OpenPasswordSpacesAnsweredYes", [](CaseFiles& s) { s.r.strPassword = "   "; },
     ValidationOutcome::Withdrawn, nullptr, Named::None, true, true},
    {"OpenPasswordEmptyAnsweredNoGoesOn",
     [](CaseFiles& s)
     {
         s.r.strPassword = "";
         s.r.strSourceFile = s.folder / "missing.pdf";
     },
     ValidationOutcome::Refused, kMsgSourceFileNotFound, Named::Source, true, false},
    {"OpenPasswordEmptyAnsweredNoAccepted", [](CaseFiles& s) { s.r.strPassword = ""; },
     ValidationOutcome::Accepted, nullptr, Named::None, true, false},
    {"SurroundingSpacesAreNotEmpty",
     [](CaseFiles& s)
     {
         s.r.strPassword = " x ";
         s.r.strPermissionPassword = "";
     },
     ValidationOutcome::Accepted},

    // Single file.
    {"EmptySource", [](CaseFiles& s) { s.r.strSourceFile = ""; }, ValidationOutcome::Refused,
     kMsgSourceFileNotFound, Named::Source},
    {"MissingSource", [](CaseFiles& s) { s.r.strSourceFile = s.folder / "missing.pdf"; },
     ValidationOutcome::Refused, kMsgSourceFileNotFound, Named::Source},
    {"FolderAsSource", [](CaseFiles& s) { s.r.strSourceFile = s.folder / "src"; },
     ValidationOutcome::Refused, kMsgSourceFileNotFound, Named::Source},
    {"MissingSourceBeforeSameTarget",
     [](CaseFiles& s) { s.r.strSourceFile = s.r.strTargetFile = s.folder / "missing.pdf"; },
     ValidationOutcome::Refused, kMsgSourceFileNotFound, Named::Source},
    {"SameFileOtherCase", [](CaseFiles& s) { s.r.strTargetFile = s.folder / "A.PDF"; },
     ValidationOutcome::Refused, kMsgSameSourceAndTargetFile, Named::Source},
    {"SameFileThroughDotDot",
     [](CaseFiles& s) { s.r.strTargetFile = s.folder.Path() + "\\src\\..\\.\\a.pdf"; },
     ValidationOutcome::Refused, kMsgSameSourceAndTargetFile, Named::Source},
    {"ExistingTargetAccepted", [](CaseFiles& s) { WriteFileBytes(s.r.strTargetFile, "old"); },
     ValidationOutcome::Accepted},
    {"MissingTargetAccepted", [](CaseFiles&) {}, ValidationOutcome::Accepted},
    {"TargetInMissingFolder", [](CaseFiles& s) { s.r.strTargetFile = s.folder / "none\\b.pdf"; },
     ValidationOutcome::Refused, kMsgTargetFileNotCreatable, Named::Target},
    {"TargetUnderAFile", [](CaseFiles& s) { s.r.strTargetFile = s.folder / "plain.txt\\b.pdf"; },
     ValidationOutcome::Refused, kMsgTargetFileNotCreatable, Named::Target},
    {"TargetIsAFolder", [](CaseFiles& s) { s.r.strTargetFile = s.folder / "dst"; },
     ValidationOutcome::Refused, kMsgTargetFileNotCreatable, Named::Target},

    // Folder.
    {"MissingSourceFolder",
     [](CaseFiles& s)
     {
         ToFolderMode(s);
         s.r.strSourceFile = s.folder / "none";
         s.r.strTargetFile = s.folder / "none either";
     },
     ValidationOutcome::Refused, kMsgSourceFolderNotFound, Named::Source},
    {"FileAsSourceFolder",
     [](CaseFiles& s)
     {
         ToFolderMode(s);
         s.r.strSourceFile = s.folder / "a.pdf";
     },
     ValidationOutcome::Refused, kMsgSourceFolderNotFound, Named::Source},
    {"MissingTargetFolder",
     [](CaseFiles& s)
     {
         ToFolderMode(s);
         s.r.strTargetFile = s.folder / "none";
     },
     ValidationOutcome::Refused, kMsgTargetFolderNotFound, Named::Target},
    {"OtherFolders", [](CaseFiles& s) { ToFolderMode(s); }, ValidationOutcome::Accepted},
    {"SameFolderSuffixOff",
     [](CaseFiles& s)
     {
         ToFolderMode(s, false, "_protected");
         s.r.strTargetFile = s.r.strSourceFile;
     },
     ValidationOutcome::Refused, kMsgSameFolders, Named::Source},
    {"SameFolderSuffixOn",
     [](CaseFiles& s)
     {
         ToFolderMode(s, true, "_protected");
         s.r.strTargetFile = s.r.strSourceFile;
     },
     ValidationOutcome::Accepted},
    {"SameFolderSuffixOnButEmpty",
     [](CaseFiles& s)
     {
         ToFolderMode(s, true, "");
         s.r.strTargetFile = s.r.strSourceFile;
     },
     ValidationOutcome::Refused, kMsgSameFoldersEmptySuffix, Named::Source},
    {"SameFolderTrailingBackslashAndCase",
     [](CaseFiles& s)
     {
         ToFolderMode(s, false);
         s.r.strTargetFile = s.folder / "SRC\\";
     },
     ValidationOutcome::Refused, kMsgSameFolders, Named::Source},
    {"SameFolderThroughDotDot",
     [](CaseFiles& s)
     {
         ToFolderMode(s, true, "");
         s.r.strTargetFile = s.folder / "dst\\..\\src";
     },
     ValidationOutcome::Refused, kMsgSameFoldersEmptySuffix, Named::Source},
};

void PrintTo(const ValidationCase& c, std::ostream* os)
{
    *os << c.name;
}

class ValidateRequestCases : public ::testing::TestWithParam<ValidationCase>
{
};

TEST_P(ValidateRequestCases, OutcomeMessageAndQuestion)
{
    const ValidationCase& c = GetParam();
    ScratchFolder folder;
    WriteFileBytes(folder / "a.pdf", "source");
    WriteFileBytes(folder / "plain.txt", "text");
    CreateDirectoryA((folder / "src").c_str(), nullptr);
    CreateDirectoryA((folder / "dst").c_str(), nullptr);
    ProtectionRequest r = SingleFile(folder);
    CaseFiles s{folder, r};
    c.prepare(s);
    const bool bTargetExisted = PathExists(r.strTargetFile);
    const std::string targetBefore = ReadFileBytes(r.strTargetFile);

    std::vector<std::string> questions;
    ValidationResult result = ValidateRequest(r,
                                              [&](const std::string& text)
                                              {
                                                  questions.push_back(text);
                                                  return c.bAnswerYes;
                                              });

    EXPECT_EQ(result.outcome, c.outcome);
    std::string expected;
    if (c.message)
    {
        const std::string& path = c.path == Named::Source   ? r.strSourceFile
                                  : c.path == Named::Target ? r.strTargetFile
                                                            : std::string();
        expected = FormatPathMessage(c.message, path);
        if (c.path != Named::None)
        {
            EXPECT_NE(expected.find("[" + path + "]"), std::string::npos);
        }
    }
    EXPECT_EQ(result.strMessage, expected);
    EXPECT_EQ(questions, c.bAsked ? std::vector<std::string>{kMsgAskOpenPassword}
                                  : std::vector<std::string>{});
    // Validation leaves the target as it found it: the probe's file is deleted again.
    EXPECT_EQ(PathExists(r.strTargetFile), bTargetExisted);
    EXPECT_EQ(ReadFileBytes(r.strTargetFile), targetBefore);
    EXPECT_EQ(ReadFileBytes(folder / "a.pdf"), "source");
}

INSTANTIATE_TEST_SUITE_P(, ValidateRequestCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValidateRequest, LockedTargetIsRefused)
{
    ScratchFolder folder;
    ProtectionRequest r = SingleFile(folder);
    WriteFileBytes(r.strSourceFile, "source");
    WriteFileBytes(r.strTargetFile, "held");
    HANDLE h = CreateFileA(r.strTargetFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);

    ValidationResult result = ValidateRequest(r, [](const std::string&) { return false; });
    CloseHandle(h);
    EXPECT_EQ(result.outcome, ValidationOutcome::Refused);
    EXPECT_EQ(result.strMessage, FormatPathMessage(kMsgTargetFileLocked, r.strTargetFile));
    EXPECT_EQ(ReadFileBytes(r.strTargetFile), "held");
}

TEST(ValidateRequest, ExistingTargetKeepsItsTime)
{
    ScratchFolder folder;
    ProtectionRequest r = SingleFile(folder);
    WriteFileBytes(r.strSourceFile, "source");
    WriteFileBytes(r.strTargetFile, "old");
    auto writeTime = [&]
    {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExA(r.strTargetFile.c_str(), GetFileExInfoStandard, &data);
        return (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
               data.ftLastWriteTime.dwLowDateTime;
    };
    const auto before = writeTime();
    Sleep(20);
    EXPECT_EQ(ValidateRequest(r, nullptr).outcome, ValidationOutcome::Accepted);
    EXPECT_EQ(writeTime(), before);
}

TEST(ValidateRequest, SameFileThroughRelativePath)
{
    ScratchFolder folder("Work Folder");
    ProtectionRequest r = SingleFile(folder);
    WriteFileBytes(r.strSourceFile, "source");
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    SetCurrentDirectoryA(folder.Path().c_str());
    r.strTargetFile = "A.pdf";
    ValidationResult result = ValidateRequest(r, nullptr);
    SetCurrentDirectoryA(cwd);
    EXPECT_EQ(result.strMessage, FormatPathMessage(kMsgSameSourceAndTargetFile, r.strSourceFile));
}

TEST(ValidateRequest, LongMessageIsCut)
{
    ProtectionRequest r;
    r.strPassword = "x";
    r.strSourceFile = "C:\\" + std::string(1200, 'n') + ".pdf";
    ValidationResult result = ValidateRequest(r, nullptr);
    EXPECT_EQ(result.outcome, ValidationOutcome::Refused);
    EXPECT_EQ(result.strMessage.size(), kMessageMaxChars);
    EXPECT_EQ(result.strMessage.rfind("Specified PDF file is not found [C:\\nnn", 0), 0u);
}
} // namespace
