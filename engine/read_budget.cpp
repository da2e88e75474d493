#include "engine/read_budget.h"

#include <windows.h>

#include <algorithm>

bool CReadBudget::Acquire(unsigned long long bytes)
{
    if (bytes > m_nCapacity)
        return false;
    std::unique_lock<std::mutex> lock(m_mutex);
    const unsigned long long ticket = m_nNextTicket++;
    m_changed.wait(lock, [&] { return m_nServing == ticket && m_nUsed + bytes <= m_nCapacity; });
    m_nUsed += bytes;
    ++m_nServing;
    m_changed.notify_all();
    return true;
}

void CReadBudget::Release(unsigned long long bytes)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_nUsed -= std::min(bytes, m_nUsed);
    }
    m_changed.notify_all();
}

CReadBudget& SourceReadBudget()
{
    static CReadBudget s_budget(
        []
        {
            constexpr unsigned long long kLeast = 64ull << 20, kMost = 512ull << 20;
            MEMORYSTATUSEX status = {};
            status.dwLength = sizeof status;
            if (!GlobalMemoryStatusEx(&status))
                return kLeast;
            return std::clamp<unsigned long long>(status.ullTotalPhys / 8, kLeast, kMost);
        }());
    return s_budget;
}

bool CReadBudgetShare::Take(CReadBudget& budget, unsigned long long bytes)
{
    Release();
    if (!budget.Acquire(bytes))
        return false;
    m_pBudget = &budget;
    m_nBytes = bytes;
    return true;
}

void CReadBudgetShare::Release()
{
    if (m_pBudget)
        m_pBudget->Release(m_nBytes);
    m_pBudget = nullptr;
    m_nBytes = 0;
}
