#pragma once

// Runs the items of a job on several threads and hands their results back in item order on
// the calling thread, so whoever shows them sees the order of the list they came from.

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>
#include <vector>

// Workers a run uses on this machine: one per processor, at most kMaxWorkers, at least one.
constexpr unsigned kMaxWorkers = 8;
unsigned DefaultWorkerCount();

// Starts one worker thread running `body`. Throws std::system_error when the system cannot
// start one.
std::thread StartWorkerThread(std::function<void()> body);

// For tests: how many more worker threads may start before starting one fails; negative for
// no limit (the default).
void SetWorkerThreadLimit(int limit);

// Calls work(i) for i = 0, 1, 2, ... on the calling thread, each delivered as it is done.
template <class Work, class Deliver> void RunInOrder(size_t n, Work& work, Deliver& deliver)
{
    for (size_t i = 0; i < n; ++i)
    {
        auto result = work(i);
        deliver(i, result);
    }
}

// Calls work(i) for every i below n, each on one of `workers` threads (never more than n),
// and deliver(i, result) on the calling thread for i = 0, 1, 2, ... as soon as item i and
// every item before it are done. A worker starts a new item only when its last one is done,
// so at most `workers` items are in flight. With one worker everything runs on the calling
// thread, and so it does when no worker thread can be started; when only some can, those do
// the work. An exception from work(i) is thrown on the calling thread when i's turn to be
// delivered comes; the workers still finish their items first.
template <class Work, class Deliver>
void RunWorkers(size_t n, unsigned workers, Work work, Deliver deliver)
{
    using Result = std::invoke_result_t<Work&, size_t>;
    if (workers <= 1 || n <= 1)
    {
        RunInOrder(n, work, deliver);
        return;
    }

    struct Slot
    {
        std::optional<Result> result;
        std::exception_ptr failure;
        bool bDone = false;
    };
    std::vector<Slot> slots(n);
    std::mutex mutex;
    std::condition_variable done;
    size_t nextItem = 0;

    auto loop = [&]
    {
        for (;;)
        {
            size_t i;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (nextItem == n)
                    return;
                i = nextItem++;
            }
            std::optional<Result> result;
            std::exception_ptr failure;
            try
            {
                result.emplace(work(i));
            }
            catch (...)
            {
                failure = std::current_exception();
            }
            {
                std::lock_guard<std::mutex> lock(mutex);
                slots[i].result = std::move(result);
                slots[i].failure = failure;
                slots[i].bDone = true;
            }
            done.notify_all();
        }
    };

    const unsigned count = static_cast<unsigned>(n < workers ? n : workers);
    std::vector<std::thread> threads;
    threads.reserve(count);
    for (unsigned t = 0; t < count; ++t)
    {
        try
        {
            threads.push_back(StartWorkerThread(loop));
        }
        catch (...)
        {
            break; // the system has no thread to spare: those that started do the work
        }
    }
    if (threads.empty())
    {
        RunInOrder(n, work, deliver);
        return;
    }

    std::exception_ptr failure;
    for (size_t i = 0; i < n && !failure; ++i)
    {
        Slot* slot = &slots[i];
        {
            std::unique_lock<std::mutex> lock(mutex);
            done.wait(lock, [&] { return slot->bDone; });
        }
        if (slot->failure)
        {
            failure = slot->failure;
            break;
        }
        try
        {
            deliver(i, *slot->result);
        }
        catch (...)
        {
            failure = std::current_exception();
        }
        slot->result.reset(); // delivered rows need not wait for the end of the run
    }
    if (failure)
    {
        // Nothing new starts; the items in flight end on their own.
        std::lock_guard<std::mutex> lock(mutex);
        nextItem = n;
    }
    for (std::thread& t : threads)
        t.join();
    if (failure)
        std::rethrow_exception(failure);
}
