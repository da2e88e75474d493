#pragma once

// The application object: registers the common controls and runs the main window modally;
// the process ends when the window closes.

#include "framework/win_app.h"

class CDunmereApp : public CWinApp
{
  public:
    CDunmereApp();
    ~CDunmereApp() override;

    BOOL InitInstance() override;
};
