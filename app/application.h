#pragma once

// The application object: registers the common controls, prepares the process (COM for the
// shell's pickers, the working files an ended run left behind) and runs the main window
// modally; the process ends when the window closes.

#include "framework/win_app.h"

class CSealwickApp : public CWinApp
{
  public:
    CSealwickApp();
    ~CSealwickApp() override;

    BOOL InitInstance() override;

  protected:
    // Runs the main window modally; tests replace it.
    virtual void RunMainWindow();
};
