// Writing the target: a failing disk, a busy target, a killed run, a relative path.
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
} g_fault;
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
    return ProtectFile(source, target, {"open", "perm", {}, 2}, status);
}

struct WriteCase
{
    const char* name;
    Fault fault;
    bool bWritten;
    int calls; // how often the step was tried
    bool bOverSource = false;
};

class TargetWrite : public ::testing::TestWithParam<WriteCase>
{
};

TEST_P(TargetWrite, OldTargetStaysUnlessTheNewOneIsComplete)
{
    const WriteCase& c = GetParam();
    ScratchFolder folder;
    const std::string source = folder / "source.pdf";
    // The source never lets go of itself: no time is spent waiting for it.
    const std::string target = c.bOverSource ? folder.Path() + "\\.\\SOURCE.PDF" : folder / "t.pdf";
    MakePdf(source);
    if (!c.bOverSource)
        WriteFileBytes(target, kOldTarget);
    const std::string old = ReadFileBytes(target);
    std::string status;
    CFaultScope scope(c.fault);
    const bool bWritten = Protect(source, target, status);
    EXPECT_EQ(bWritten, c.bWritten) << status;
    if (c.bWritten)
    {
        EXPECT_EQ(status, kStatusProtected);
        EXPECT_TRUE(ReadEncryption(target, "open").bUserMatched);
    }
    else
    {
        EXPECT_EQ(status.rfind("Error: ", 0), 0u) << status;
        EXPECT_EQ(ReadFileBytes(target), old);
    }
    EXPECT_EQ(g_nCalls, c.calls);
    EXPECT_TRUE(FilesStartingWith(folder.Path(), kTempFilePrefix).empty());
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
        WriteCase{"ScannerHoldsOn", {S::Move, ERROR_ACCESS_DENIED, 99}, false, 6},
        WriteCase{"OverTheSource", {S::Move, ERROR_SUCCESS, 0}, false, 1, true}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

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
        {"vltswk_" + ended + "_x.tmp", false},
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

// A bare name and a drive-relative name both mean the current folder.
TEST(RelativeTarget, IsWrittenIntoTheCurrentFolder)
{
    ScratchFolder folder;
    const std::string source = folder / "source.pdf";
    MakePdf(source);
    char old[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof old, old);
    SetCurrentDirectoryA(folder.Path().c_str());
    const std::string drive = folder.Path().substr(0, 2);
    for (const std::string name : {"bare.pdf", "drive.pdf"})
    {
        std::string status;
        EXPECT_TRUE(Protect(source, name[0] == 'd' ? drive + name : name, status)) << status;
        EXPECT_TRUE(ReadEncryption(folder / name, "open").bUserMatched) << name;
    }
    SetCurrentDirectoryA(old);
    EXPECT_TRUE(FilesStartingWith(folder.Path(), kTempFilePrefix).empty());
}

// Workers share the bytes that sources may hold in memory: one that does not fit waits.
TEST(ReadBudget, ARequestThatDoesNotFitWaitsForARelease)
{
    CReadBudget budget(100);
    EXPECT_FALSE(budget.Acquire(101));
    ASSERT_TRUE(budget.Acquire(60));
    std::atomic<bool> bTaken{false};
    std::thread waiter([&] { bTaken = budget.Acquire(50); });
    Sleep(100);
    EXPECT_FALSE(bTaken);
    budget.Release(60);
    waiter.join();
    EXPECT_TRUE(bTaken);
}
} // namespace
