#include "memory_protection_view.h"

CMemoryProtectionView::~CMemoryProtectionView() = default;

void CMemoryProtectionView::SetProgress(int nPos)
{
    m_progress.push_back(nPos);
    m_events.push_back("progress " + std::to_string(nPos));
}

void CMemoryProtectionView::AppendRow(const ResultRow& row)
{
    m_rows.push_back(row);
    m_events.push_back("row " + row.strFileName);
}

int CMemoryProtectionView::ShowMessage(const std::string& text, unsigned style)
{
    m_messages.push_back({text, style});
    m_events.push_back("message");
    return m_nMessageAnswer;
}

void CMemoryProtectionView::LockInputs()
{
    m_bLocked = true;
    m_events.push_back("lock");
}

void CMemoryProtectionView::UnlockInputs()
{
    m_bLocked = false;
    m_events.push_back("unlock");
}
