#pragma once

#include <string>
#include <vector>

#include "engine/protection_view.h"

// Keeps what a run reports, for tests and benchmarks that run without a window.
class CMemoryProtectionView : public CProtectionView
{
  public:
    struct Message
    {
        std::string strText;
        unsigned style;
    };

    ~CMemoryProtectionView() override;

    void SetProgress(int nPos) override;
    void AppendRow(const ResultRow& row) override;
    int ShowMessage(const std::string& text, unsigned style) override;
    void LockInputs() override;
    void UnlockInputs() override;

    std::vector<int> m_progress;
    std::vector<ResultRow> m_rows;
    std::vector<Message> m_messages;
    // Every call in order, as "progress 10", "row a.pdf", "message", "lock", "unlock".
    std::vector<std::string> m_events;
    bool m_bLocked = false;
    int m_nMessageAnswer = 1; // IDOK
};
