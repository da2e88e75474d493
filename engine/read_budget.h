#pragma once

#include <condition_variable>
#include <mutex>

// Bytes that sources read whole into memory may hold at once, shared by every worker: with many
// workers over large files, one buffer each could exceed a small machine's memory.
class CReadBudget
{
  public:
    explicit CReadBudget(unsigned long long capacity) : m_nCapacity(capacity) {}
    CReadBudget(const CReadBudget&) = delete;
    CReadBudget& operator=(const CReadBudget&) = delete;

    // Takes `bytes` from the budget, waiting while those who hold it leave too little; callers
    // are served in the order they came, so a large request is not passed by small ones for
    // ever. False at once when `bytes` exceed the whole budget.
    bool Acquire(unsigned long long bytes);
    void Release(unsigned long long bytes);

    unsigned long long Capacity() const { return m_nCapacity; }

  private:
    const unsigned long long m_nCapacity;
    unsigned long long m_nUsed = 0;
    unsigned long long m_nNextTicket = 0;
    unsigned long long m_nServing = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

// The process's budget for sources parsed from memory: an eighth of the physical memory,
// between 64 MB and 512 MB.
CReadBudget& SourceReadBudget();

// A share of a budget, given back when it goes.
class CReadBudgetShare
{
  public:
    CReadBudgetShare() = default;
    ~CReadBudgetShare() { Release(); }
    CReadBudgetShare(const CReadBudgetShare&) = delete;
    CReadBudgetShare& operator=(const CReadBudgetShare&) = delete;

    // False when the budget can never hold `bytes`; nothing is taken then.
    bool Take(CReadBudget& budget, unsigned long long bytes);
    void Release();

  private:
    CReadBudget* m_pBudget = nullptr;
    unsigned long long m_nBytes = 0;
};
