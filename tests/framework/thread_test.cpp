// Worker threads: the procedure runs with its argument on another thread, its result is the
// thread's exit code, and an exception in it ends only that thread.
#include "framework/thread.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework_test_support.h"

namespace
{
struct Work
{
    DWORD callerThread;
    DWORD workerThread;
    HANDLE done;
};

UINT RecordThread(LPVOID param)
{
    auto* work = static_cast<Work*>(param);
    work->workerThread = GetCurrentThreadId();
    SetEvent(work->done);
    return 7;
}

UINT Throw(LPVOID)
{
    throw std::runtime_error("worker failed");
}

DWORD RunToEnd(AFX_THREADPROC proc, LPVOID param)
{
    CWinThread* thread = AfxBeginThread(proc, param, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread)
        return 0xDEAD;
    thread->m_bAutoDelete = FALSE;
    thread->ResumeThread();
    WaitForSingleObject(thread->m_hThread, 10000);
    DWORD exitCode = 0;
    GetExitCodeThread(thread->m_hThread, &exitCode);
    delete thread;
    return exitCode;
}

TEST(AfxBeginThread, RunsTheProcedureOnAnotherThreadAndEndsWithItsResult)
{
    Work work = {GetCurrentThreadId(), 0, CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    EXPECT_EQ(7u, RunToEnd(RecordThread, &work));
    EXPECT_NE(0u, work.workerThread);
    EXPECT_NE(work.callerThread, work.workerThread);
    CloseHandle(work.done);
}

TEST(AfxBeginThread, SelfDeletingThreadRunsAtOnce)
{
    Work work = {GetCurrentThreadId(), 0, CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    ASSERT_NE(nullptr, AfxBeginThread(RecordThread, &work));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(work.done, 10000));
    CloseHandle(work.done);
}

TEST(AfxBeginThread, ExceptionEndsOnlyTheWorker)
{
    ReportCapture reports;
    EXPECT_EQ(static_cast<DWORD>(-1), RunToEnd(Throw, nullptr));
    ASSERT_EQ(1u, ReportCapture::Reports().size());
    EXPECT_EQ("worker failed", ReportCapture::Reports()[0]);
}
} // namespace
