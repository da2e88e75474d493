// How a run gives the main window back: the keyboard focus, a close asked for at its very end,
// a run that fails as a whole, and the run's message-box request sent by another process.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>

#include "app/app_texts.h"
#include "app/window_protection_view.h"
#include "engine/protection_view.h"
#include "engine/result_row.h"
#include "engine/status_texts.h"
#include "main_window_test_support.h"
#include "res/resource.h"
#include "tests/support/pdf_factory.h"
#include "tests/support/scratch.h"

namespace
{
constexpr const char* kForeignWindowVariable = "SEALWICK_TEST_RUN_WINDOW";
constexpr const char* kForeignParamVariable = "SEALWICK_TEST_RUN_LPARAM";

// Handles the thread's messages the way the modal loop does, keys through the dialog manager.
void PumpDialog(HWND hDlg)
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (IsDialogMessageA(hDlg, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A key pressed and released on the real keyboard queue, then handled.
void PressKey(HWND hDlg, WORD vk)
{
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = vk;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    for (int i = 0; i < 20; ++i, Sleep(5))
        PumpDialog(hDlg);
}

class RunEnd : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        EnsureCommonControls();
        m_scratch = std::make_unique<ScratchFolder>("run_end");
        m_source = *m_scratch / "report.pdf";
        MakePdf(m_source);
        OpenWindow();
    }

    void OpenWindow()
    {
        m_window = std::make_unique<TestMainWindow>(*m_scratch / "settings_sealwick.db");
        ASSERT_TRUE(m_window->Create());
        SetForegroundWindow(w());
        PumpDialog(w());
    }

    TestMainWindow& w() { return *m_window; }
    HWND Item(int id) { return ::GetDlgItem(w(), id); }
    bool Shown(int id) { return ::IsWindowVisible(Item(id)) != FALSE; }

    // A single-file run of the scratch PDF, or a folder run of an empty folder.
    void Fill(bool bEmptyFolder, const std::string& targetName)
    {
        const std::string empty = *m_scratch / "empty";
        CreateDirectoryA(empty.c_str(), nullptr);
        w().Command(bEmptyFolder ? IDC_MODE_FOLDER_LABEL : IDC_MODE_SINGLE_FILE_LABEL, STN_CLICKED);
        w().SetDlgItemText(IDC_SOURCE, bEmptyFolder ? empty.c_str() : m_source.c_str());
        w().SetDlgItemText(IDC_TARGET,
                           bEmptyFolder ? empty.c_str() : (*m_scratch / targetName).c_str());
        w().SetDlgItemText(IDC_OPEN_PASSWORD, "open");
    }

    // Until the run has given the window back; false when it never does.
    bool WaitForRun(DWORD timeoutMs = 60000)
    {
        const ULONGLONG end = GetTickCount64() + timeoutMs;
        while (GetTickCount64() < end)
        {
            PumpDialog(w());
            if (w().RunActive == 0 && Shown(IDOK) && !Shown(IDC_PROGRESS))
                return true;
            Sleep(1);
        }
        return false;
    }

    bool IsRestored()
    {
        return w().RunActive == 0 && Shown(IDOK) && w().IsEnabled(IDOK) && !Shown(IDC_PROGRESS) &&
               w().IsEnabled(IDC_SETTINGS) && w().IsEnabled(IDC_MODE_FOLDER);
    }

    std::unique_ptr<ScratchFolder> m_scratch;
    std::unique_ptr<TestMainWindow> m_window;
    std::string m_source;
};

TEST_F(RunEnd, FocusReturnsToItsControlOrToProtectAndEscReachesTheWindow)
{
    struct Case
    {
        const char* what;
        int focusAtStart;
        bool bEnter; // else the command arrives as from a click that left the focus alone
        bool bEmptyFolder;
        int focusAfter;
    } cases[] = {
        {"Enter on Protect PDF", IDOK, true, false, IDOK},
        {"Enter in the source field", IDC_SOURCE, true, false, IDC_SOURCE},
        {"a mode choice, locked during the run", IDC_MODE_FOLDER, false, true, IDC_MODE_FOLDER},
        {"Clear List, disabled by an empty result", IDC_CLEAR_LIST, false, true, IDOK},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        if (!m_window)
            OpenWindow();
        ScriptedMessageBoxes boxes;
        Fill(c.bEmptyFolder, "report_focus.pdf");
        // A row from an earlier run keeps "Clear List" enabled until this run empties the list.
        LVITEMA old = {};
        old.mask = LVIF_TEXT;
        old.pszText = const_cast<char*>("old");
        ListView_InsertItem(Item(IDC_RESULTS_LIST), &old);
        ::EnableWindow(Item(IDC_CLEAR_LIST), TRUE);
        w().SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(c.focusAtStart)), TRUE);
        ASSERT_EQ(Item(c.focusAtStart), GetFocus());

        if (c.bEnter)
            PressKey(w(), VK_RETURN);
        else
            w().Command(IDOK);
        ASSERT_TRUE(WaitForRun());
        PumpDialog(w());
        EXPECT_EQ(Item(c.focusAfter), GetFocus());
        EXPECT_EQ(0, w().m_nOfferShown);

        PressKey(w(), VK_ESCAPE);
        EXPECT_EQ(1, w().m_nOfferShown) << "Esc did not reach the window";
        EXPECT_TRUE(w().IsEnded());
        m_window.reset();
    }
}

TEST_F(RunEnd, ACloseAskedForAsSoonAsTheRunEndsFindsTheWindowFullyRestored)
{
    ScriptedMessageBoxes boxes;
    Fill(false, "report_close.pdf");
    bool bRestoredAtClose = false;
    bool bProgressShownAtClose = true;
    w().m_onOffer = [&]
    {
        bRestoredAtClose = IsRestored();
        bProgressShownAtClose = Shown(IDC_PROGRESS);
    };
    w().Command(IDOK);
    // The close goes in at the first moment the run no longer refuses it, before anything
    // else of the window's thread is handled.
    const ULONGLONG end = GetTickCount64() + 60000;
    while (w().RunActive != 0 && GetTickCount64() < end)
    {
        PumpDialog(w());
        Sleep(1);
    }
    ASSERT_EQ(0, w().RunActive);
    w().Command(IDCANCEL);

    ASSERT_EQ(1, w().m_nOfferShown);
    EXPECT_TRUE(boxes.Log().empty());
    EXPECT_FALSE(bProgressShownAtClose) << "the run was still working on the window";
    EXPECT_TRUE(bRestoredAtClose);
}

TEST_F(RunEnd, ARunThatFailsAsAWholeRestoresTheWindowAndSaysWhatFailed)
{
    struct Case
    {
        const char* what;
        std::function<void()> fail;
        std::string shown;
    } cases[] = {
        {"out of memory", [] { throw std::bad_alloc(); }, kRunFailureNoMemory},
        {"library failure", [] { throw std::runtime_error("zlib: stream error"); },
         "zlib: stream error"},
        {"anything else", [] { throw 42; }, kRunFailureUnknown},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ScriptedMessageBoxes boxes;
        Fill(false, "report_fail.pdf");
        w().m_onRun = [&](CProtectionView& view)
        {
            view.SetProgress(25);
            AddResultRow(view, m_source, "AES-256", *m_scratch / "report_fail.pdf",
                         kStatusProtected);
            c.fail();
        };
        w().Command(IDOK);
        ASSERT_TRUE(WaitForRun(20000)) << "the window was never given back";
        EXPECT_TRUE(IsRestored());
        // The row that arrived before the failure stays, with the row buttons.
        EXPECT_EQ(1, ListView_GetItemCount(Item(IDC_RESULTS_LIST)));
        EXPECT_TRUE(w().IsEnabled(IDC_OPEN_PDF));
        ASSERT_EQ(1u, boxes.Log().size());
        EXPECT_EQ(std::string(kMsgRunFailed) + c.shown, boxes.Log()[0].text);
        EXPECT_EQ(kAppCaption, boxes.Log()[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING | MB_OK), boxes.Log()[0].style);
    }
    w().m_onRun = nullptr;
    w().Command(IDCANCEL);
    EXPECT_EQ(1, w().m_nOfferShown);
}

// Started as its own process by the test below: sends the run's message-box request, with
// a pointer that is valid only in the window's process, to the window named in its
// environment.
TEST(ForeignProcess, DISABLED_SendsARunMessageRequest)
{
    const char* window = std::getenv(kForeignWindowVariable);
    const char* param = std::getenv(kForeignParamVariable);
    ASSERT_TRUE(window && param);
    HWND hWnd = reinterpret_cast<HWND>(std::strtoull(window, nullptr, 16));
    const LPARAM lParam = static_cast<LPARAM>(std::strtoull(param, nullptr, 16));
    DWORD_PTR result = 0;
    ASSERT_TRUE(
        SendMessageTimeoutA(hWnd, WM_RUN_MESSAGE_BOX, MB_OK, lParam, SMTO_NORMAL, 20000, &result));
    EXPECT_EQ(0u, result);
}

TEST_F(RunEnd, ARunMessageRequestFromAnotherProcessIsNotHonoured)
{
    ScriptedMessageBoxes boxes;
    static const char forged[] = "Shown on another process's word";
    char value[32];
    std::snprintf(value, sizeof value, "%llx",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(w().m_hWnd)));
    SetEnvironmentVariableA(kForeignWindowVariable, value);
    std::snprintf(value, sizeof value, "%llx",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(forged)));
    SetEnvironmentVariableA(kForeignParamVariable, value);

    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string commandLine = std::string("\"") + exe +
                              "\" --gtest_filter=ForeignProcess.* --gtest_also_run_disabled_tests";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    SetEnvironmentVariableA(kForeignWindowVariable, nullptr);
    SetEnvironmentVariableA(kForeignParamVariable, nullptr);
    // The request is handled on this thread while the other process waits for its answer.
    const ULONGLONG end = GetTickCount64() + 60000;
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) !=
               WAIT_OBJECT_0 &&
           GetTickCount64() < end)
        PumpDialog(w());
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    EXPECT_EQ(0u, exitCode) << "the other process could not send its request";
    EXPECT_TRUE(boxes.Log().empty());
    // The window still works: a run's own message is shown.
    Fill(true, "");
    w().Command(IDOK);
    ASSERT_TRUE(WaitForRun());
    EXPECT_EQ(1u, boxes.Log().size());
}
} // namespace
