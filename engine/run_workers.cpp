#include "engine/run_workers.h"

#include <windows.h>

unsigned DefaultWorkerCount()
{
    SYSTEM_INFO info = {};
    ::GetSystemInfo(&info);
    const unsigned processors = info.dwNumberOfProcessors;
    if (processors < 1)
        return 1;
    return processors > kMaxWorkers ? kMaxWorkers : processors;
}
