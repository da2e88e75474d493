#pragma once

// The real main window for benchmarks, without the steps that leave it: no Explorer verb, no
// offer on close; and message boxes answered at once.

#include <windows.h>

#include <string>

#include "app/main_window.h"

class BenchWindow : public CMainWindow
{
  public:
    explicit BenchWindow(const std::string& settingsPath) { m_strSettingsPath = settingsPath; }
    ~BenchWindow() override;

  protected:
    void ShowOfferDialog() override {}
    void RegisterExplorerVerb() override {}
};

// A message-box handler that answers OK.
int AnswerOk(HWND, const char*, const char*, UINT);
