// What the application prepares before the main window runs.
#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/application.h"
#include "tests/support/scratch.h"

namespace
{
// The application with the main window replaced by a look at the thread it would run on.
class ProbedApp : public CSealwickApp
{
  public:
    HRESULT m_hrMultiThreaded = S_OK;
    bool m_bStaleFileLeft = true;
    std::string m_strStaleFile;

  protected:
    void RunMainWindow() override
    {
        // Asking for the other kind of apartment fails only when COM is already set up
        // apartment-threaded here.
        m_hrMultiThreaded = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(m_hrMultiThreaded))
            CoUninitialize();
        m_bStaleFileLeft = PathExists(m_strStaleFile);
    }
};

TEST(Application, TheWindowRunsWithComApartmentThreadedAndNoStaleWorkFiles)
{
    ScratchFolder temp("app_start");
    TempFolderOverride override(temp.Path());
    ProbedApp app;
    app.m_strStaleFile = temp / "vltswk_4000000000_1234.pdf";
    WriteFileBytes(app.m_strStaleFile, "%PDF-1.4 unencrypted copy");

    HRESULT hrAfter = E_FAIL;
    BOOL bLoop = TRUE;
    // A thread of its own, as the process's main thread would be: COM untouched before.
    std::thread(
        [&]
        {
            bLoop = app.InitInstance();
            hrAfter = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            if (SUCCEEDED(hrAfter))
                CoUninitialize();
        })
        .join();

    EXPECT_EQ(RPC_E_CHANGED_MODE, app.m_hrMultiThreaded);
    EXPECT_FALSE(app.m_bStaleFileLeft);
    EXPECT_FALSE(bLoop);
    EXPECT_EQ(S_OK, hrAfter) << "COM was not released when the window closed";
}
} // namespace
