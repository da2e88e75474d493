// Writing the target: what a failing disk, a busy target, a killed run or a relative path do
// to the file the user already has.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "engine/protect_file.h"
#include "engine/read_budget.h"
#include "engine/status_texts.h"
#include "engine/target_file.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
const std::string kOldTarget = "the old, good target";

// The system fails `step` with `error` for its first `times` calls there.
struct Fault
{
    TargetFileStep step;
    DWORD error;
    int times;
};
Fault g_fault;
int g_nCalls = 0;

DWORD InjectFault(TargetFileStep step)
{
    if (step != g_fault.step)
        return ERROR_SUCCESS;
    return g_nCalls++ < g_fault.times ? g_fault.error : ERROR_SUCCESS;
}

class CFaultScope
{
  public:
    explicit CFaultScope(const Fault& fault)
    {
        g_fault = fault;
        g_nCalls = 0;
        SetTargetFileFault(InjectFault);
    }
    ~CFaultScope() { SetTargetFileFault(nullptr); }
};

bool Protect(const std::string& source, const std::string& target, std::string& status)
{
    return ProtectFile(source, target, "open", "perm", false, false, false, 2, status);
}

std::vector<std::string> TemporariesIn(const std::string& folder)
{
    return FilesStartingWith(folder, kTempFilePrefix);
}

struct WriteCase
{
    const char* name;
    Fault fault;
    bool bWritten;
    int calls; // how often the step was tried
};

class TargetWrite : public ::testing::TestWithParam<WriteCase>
{
};

TEST_P(TargetWrite, OldTargetStaysUnlessTheNewOneIsComplete)
{
    const WriteCase& c = GetParam();
    ScratchFolder folder;
    const std::string source = folder / "source.pdf", target = folder / "target.pdf";
    MakePdf(source);
    WriteFileBytes(target, kOldTarget);
    std::string status;
    bool bWritten;
    {
        CFaultScope scope(c.fault);
        bWritten = Protect(source, target, status);
    }
    EXPECT_EQ(bWritten, c.bWritten) << status;
    if (c.bWritten)
    {
        EXPECT_EQ(status, kStatusProtected);
        EXPECT_TRUE(ReadEncryption(target, "open").bUserMatched);
    }
    else
    {
        EXPECT_EQ(status.rfind("Error: ", 0), 0u) << status;
        EXPECT_EQ(ReadFileBytes(target), kOldTarget);
    }
    EXPECT_EQ(g_nCalls, c.calls);
    EXPECT_TRUE(TemporariesIn(folder.Path()).empty());
}

using S = TargetFileStep;
INSTANTIATE_TEST_SUITE_P(
    Cases, TargetWrite,
    ::testing::Values(
        WriteCase{"FullDisk", {S::CreateTemporary, ERROR_DISK_FULL, 99}, false, 1},
        WriteCase{"WriteProtected", {S::CreateTemporary, ERROR_WRITE_PROTECT, 99}, false, 1},
        WriteCase{"AccessDenied", {S::CreateTemporary, ERROR_ACCESS_DENIED, 99}, false, 1},
        WriteCase{"NamesTaken", {S::CreateTemporary, ERROR_FILE_EXISTS, 9}, true, 10},
        WriteCase{"AllNamesTaken", {S::CreateTemporary, ERROR_FILE_EXISTS, 999}, false, 64},
        // Only a folder that refuses the name itself is written directly.
        WriteCase{"NameRefused", {S::CreateTemporary, ERROR_FILENAME_EXCED_RANGE, 99}, true, 1},
        WriteCase{"DiskFullAtTheEnd", {S::Flush, ERROR_DISK_FULL, 99}, false, 1},
        WriteCase{"MoveFails", {S::Move, ERROR_DISK_FULL, 99}, false, 1},
        WriteCase{"ScannerLetsGo", {S::Move, ERROR_SHARING_VIOLATION, 3}, true, 4},
        WriteCase{"ScannerHoldsOn", {S::Move, ERROR_ACCESS_DENIED, 99}, false, 6}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

// A target that is the source never lets go: no time is spent waiting for it.
TEST(TargetWriteOverSource, IsTriedOnce)
{
    ScratchFolder folder;
    const std::string source = folder / "source.pdf";
    MakePdf(source);
    const std::string before = ReadFileBytes(source);
    std::string status;
    CFaultScope scope({S::Move, ERROR_SUCCESS, 0});
    EXPECT_FALSE(Protect(source, folder.Path() + "\\.\\SOURCE.PDF", status));
    EXPECT_EQ(status, kStatusSameAsSource);
    EXPECT_EQ(g_nCalls, 1);
    EXPECT_EQ(ReadFileBytes(source), before);
}

// A target whose temporary's name would pass MAX_PATH still goes through a temporary: a
// failure late in the write keeps the old target.
TEST(TargetWriteNearMaxPath, GoesThroughATemporary)
{
    ScratchFolder folder;
    std::string deep = folder.Path() + "\\";
    deep += std::string(MAX_PATH - 14 - deep.size(), 'd');
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep.size();
    const std::string source = folder / "source.pdf", target = deep + "\\t.pdf";
    MakePdf(source);
    WriteFileBytes(target, kOldTarget);
    std::string status;
    {
        CFaultScope scope({S::Flush, ERROR_DISK_FULL, 1});
        EXPECT_FALSE(Protect(source, target, status));
    }
    EXPECT_EQ(ReadFileBytes(target), kOldTarget);
    EXPECT_TRUE(Protect(source, target, status)) << status;
    EXPECT_TRUE(ReadEncryption(target, "open").bUserMatched);
    EXPECT_TRUE(TemporariesIn(deep).empty());
}

// A run that was killed left its temporaries beside the targets; the next run into that
// folder removes them, and only them.
TEST(TargetFolderSweep, TemporariesOfEndedProcessesGoBeforeTheTargetIsWritten)
{
    const std::string ended = "4000000000", own = std::to_string(GetCurrentProcessId());
    ScratchFolder folder;
    const std::string source = folder / "source.pdf", target = folder / "target.pdf";
    MakePdf(source);
    struct
    {
        std::string name;
        bool bRemoved;
    } files[] = {
        {"vltswk_" + ended + "_7.tmp", true},
        {"vltswk_" + ended + "_812345678901234567.tmp", true},
        {"vltswk_" + own + "_999999.tmp", false}, // this process may be writing it
        {"vltswk_" + ended + "_7.pdf", false},
        {"vltswk_" + ended + "_x.tmp", false},
        {"vltswk_" + ended + "_8_copy.tmp", false},
        {"other_" + ended + "_9.tmp", false},
    };
    for (const auto& f : files)
        WriteFileBytes(folder / f.name, "half a file");
    // Held open by someone: stays.
    const std::string held = folder / ("vltswk_" + ended + "_11.tmp");
    WriteFileBytes(held, "held");
    HANDLE hold = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);

    ForgetSweptFolders();
    std::string status;
    EXPECT_TRUE(Protect(source, target, status)) << status;
    CloseHandle(hold);
    for (const auto& f : files)
        EXPECT_EQ(PathExists(folder / f.name), !f.bRemoved) << f.name;
    EXPECT_TRUE(PathExists(held));

    // Once per run: the next file into the same folder does not search again.
    const std::string later = folder / ("vltswk_" + ended + "_12.tmp");
    WriteFileBytes(later, "half a file");
    EXPECT_TRUE(Protect(source, target, status)) << status;
    EXPECT_TRUE(PathExists(later));
    ForgetSweptFolders();
    EXPECT_TRUE(Protect(source, target, status)) << status;
    EXPECT_FALSE(PathExists(later));
    EXPECT_FALSE(PathExists(held));
}

class CCurrentFolderScope
{
  public:
    explicit CCurrentFolderScope(const std::string& folder)
    {
        GetCurrentDirectoryA(sizeof m_szOld, m_szOld);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~CCurrentFolderScope() { SetCurrentDirectoryA(m_szOld); }

  private:
    char m_szOld[MAX_PATH] = "";
};

// A bare name and a drive-relative name both mean the current folder.
TEST(RelativeTarget, IsWrittenIntoTheCurrentFolder)
{
    ScratchFolder folder;
    const std::string source = folder / "source.pdf";
    MakePdf(source);
    CCurrentFolderScope current(folder.Path());
    const std::string drive = folder.Path().substr(0, 2);
    for (const std::string& target : {std::string("bare.pdf"), drive + "drive.pdf"})
    {
        std::string status;
        EXPECT_TRUE(Protect(source, target, status)) << target << ": " << status;
    }
    EXPECT_TRUE(ReadEncryption(folder / "bare.pdf", "open").bUserMatched);
    EXPECT_TRUE(ReadEncryption(folder / "drive.pdf", "open").bUserMatched);
    EXPECT_TRUE(TemporariesIn(folder.Path()).empty());
}

// Workers share the bytes that sources may hold in memory: one that does not fit waits.
TEST(ReadBudget, ARequestThatDoesNotFitWaitsForARelease)
{
    CReadBudget budget(100);
    EXPECT_FALSE(budget.Acquire(101));
    ASSERT_TRUE(budget.Acquire(60));
    std::atomic<bool> bTaken{false};
    std::thread waiter(
        [&]
        {
            budget.Acquire(50);
            bTaken = true;
        });
    Sleep(100);
    EXPECT_FALSE(bTaken);
    budget.Release(60);
    waiter.join();
    EXPECT_TRUE(bTaken);
    EXPECT_TRUE(budget.Acquire(50));
}
} // namespace
