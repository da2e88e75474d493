#pragma once

// A main window whose steps that leave it (about box, offer, settings dialog, Explorer verb,
// the process's command line) are recorded instead, on a settings file of the test's own.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "tests/support/window_test_support.h"

class TestMainWindow : public CMainWindow
{
  public:
    TestMainWindow(const std::string& settingsPath, const std::string& commandLine = "");
    ~TestMainWindow() override;

    std::string m_strCommandLine;
    int m_nAboutShown = 0;
    int m_nOfferShown = 0;
    int m_nSettingsShown = 0;
    int m_nVerbRegistered = 0;
    std::function<void()> m_onOffer;
    // Replaces the engine's part of a run when set; called on the run's thread.
    std::function<void(CProtectionView&)> m_onRun;

    using CMainWindow::m_modeMemory;

    std::string Text(int id) const;
    bool IsChecked(int id) const;
    bool IsEnabled(int id) const;
    void Command(int id, WORD code = BN_CLICKED);

  protected:
    void ShowAboutBox() override;
    void ShowOfferDialog() override;
    void ShowSettingsDialog() override;
    void RegisterExplorerVerb() override;
    std::string GetProcessCommandLine() const override;

  public:
    void RunRequest(const ProtectionRequest& request, CProtectionView& view) override;
};

// Answers every message box at once and keeps what it was asked.
class ScriptedMessageBoxes
{
  public:
    struct Shown
    {
        std::string text;
        std::string caption;
        UINT style;
    };

    explicit ScriptedMessageBoxes(int answer = IDOK);
    ~ScriptedMessageBoxes();

    static std::vector<Shown>& Log();

  private:
    static int Answer(HWND, const char* text, const char* caption, UINT style);
    static int& AnswerValue();
};

// An HDROP as Explorer hands it over, for WM_DROPFILES.
HGLOBAL MakeDrop(const std::vector<std::string>& paths);
