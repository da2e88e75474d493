#pragma once

#include <string>

// Row colours, as Windows colour values (0x00BBGGRR).
constexpr unsigned long kRowTextFailed = 255;      // red
constexpr unsigned long kRowTextNormal = 0;        // black
constexpr unsigned long kRowBackground = 16777215; // white

// One row of the results list.
struct ResultRow
{
    std::string strFileName;   // "File Name"
    std::string strPdfVersion; // "PDF Version"
    std::string strEncryption; // "Encryption"
    std::string strTargetFile; // "Target PDF File"
    std::string strStatus;     // "Status"
    std::string strSourceFile; // hidden: the full source path, for the list's commands
    unsigned long clrText = kRowTextNormal;
    unsigned long clrBackground = kRowBackground;
};

// The window as a protection run sees it. The main window implements it by sending messages
// to its controls from the run's thread; tests keep everything in memory.
class CProtectionView
{
  public:
    virtual ~CProtectionView();

    // Progress bar position, 1 to 100.
    virtual void SetProgress(int nPos) = 0;
    // Appends the row at the end of the results list.
    virtual void AppendRow(const ResultRow& row) = 0;
    // A modal message box; returns the id of the button pressed.
    virtual int ShowMessage(const std::string& text, unsigned style) = 0;
    // Disables the inputs a run must not see changed, and enables them again.
    virtual void LockInputs() = 0;
    virtual void UnlockInputs() = 0;
};
