#include "engine/run_workers.h"

#include <windows.h>

#include <atomic>
#include <system_error>

unsigned DefaultWorkerCount()
{
    SYSTEM_INFO info = {};
    ::GetSystemInfo(&info);
    const unsigned processors = info.dwNumberOfProcessors;
    if (processors < 1)
        return 1;
    return processors > kMaxWorkers ? kMaxWorkers : processors;
}

namespace
{
std::atomic<int> g_nThreadsLeft{-1};
} // namespace

std::thread StartWorkerThread(std::function<void()> body)
{
    int left = g_nThreadsLeft.load();
    while (left >= 0)
    {
        if (left == 0)
            throw std::system_error(
                std::make_error_code(std::errc::resource_unavailable_try_again));
        if (g_nThreadsLeft.compare_exchange_weak(left, left - 1))
            break;
    }
    return std::thread(std::move(body));
}

void SetWorkerThreadLimit(int limit)
{
    g_nThreadsLeft.store(limit);
}
