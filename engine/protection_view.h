#pragma once

#include <string>

#include "engine/result_row.h"

// Where a run hands its rows and progress. The console prints them; the window shows them.
class CRunReporter
{
  public:
    virtual ~CRunReporter();

    // Progress bar position, 1 to 100.
    virtual void SetProgress(int nPos) = 0;
    // Appends the row at the end of the results.
    virtual void AppendRow(const ResultRow& row) = 0;
};

// The window as a protection run sees it: its reports, its message boxes and its inputs.
// The main window implements it for the run's thread; tests keep everything in memory.
class CProtectionView : public CRunReporter
{
  public:
    ~CProtectionView() override;

    // A modal message box; returns the id of the button pressed.
    virtual int ShowMessage(const std::string& text, unsigned style) = 0;
    // Disables the inputs a run must not see changed, and enables them again.
    virtual void LockInputs() = 0;
    virtual void UnlockInputs() = 0;
};
