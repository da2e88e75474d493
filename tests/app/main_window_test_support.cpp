#include "main_window_test_support.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "framework/message_box.h"

TestMainWindow::TestMainWindow(const std::string& settingsPath, const std::string& commandLine)
    : m_strCommandLine(commandLine)
{
    m_strSettingsPath = settingsPath;
}

TestMainWindow::~TestMainWindow() = default;

std::string TestMainWindow::Text(int id) const
{
    char text[6000] = "";
    ::GetDlgItemTextA(m_hWnd, id, text, sizeof text);
    return text;
}

bool TestMainWindow::IsChecked(int id) const
{
    return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

bool TestMainWindow::IsEnabled(int id) const
{
    return ::IsWindowEnabled(::GetDlgItem(m_hWnd, id)) != FALSE;
}

void TestMainWindow::Command(int id, WORD code)
{
    SendMessage(WM_COMMAND, MAKEWPARAM(id, code),
                reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, id)));
}

void TestMainWindow::ShowAboutBox()
{
    ++m_nAboutShown;
}

void TestMainWindow::ShowOfferDialog()
{
    ++m_nOfferShown;
    if (m_onOffer)
        m_onOffer();
}

void TestMainWindow::ShowSettingsDialog()
{
    ++m_nSettingsShown;
}

void TestMainWindow::RegisterExplorerVerb()
{
    ++m_nVerbRegistered;
}

void TestMainWindow::RunRequest(const ProtectionRequest& request, CProtectionView& view)
{
    if (m_onRun)
        m_onRun(view);
    else
        CMainWindow::RunRequest(request, view);
}

std::string TestMainWindow::GetProcessCommandLine() const
{
    return m_strCommandLine;
}

ScriptedMessageBoxes::ScriptedMessageBoxes(int answer)
{
    AnswerValue() = answer;
    Log().clear();
    SetMessageBoxHandler(&Answer);
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    SetMessageBoxHandler(nullptr);
}

std::vector<ScriptedMessageBoxes::Shown>& ScriptedMessageBoxes::Log()
{
    static std::vector<Shown> log;
    return log;
}

int ScriptedMessageBoxes::Answer(HWND, const char* text, const char* caption, UINT style)
{
    Log().push_back({text ? text : "", caption ? caption : "", style});
    return AnswerValue();
}

int& ScriptedMessageBoxes::AnswerValue()
{
    static int answer = IDOK;
    return answer;
}

HGLOBAL MakeDrop(const std::vector<std::string>& paths)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths)
        size += path.size() + 1;
    HGLOBAL hDrop = GlobalAlloc(GHND, size);
    auto* header = static_cast<DROPFILES*>(GlobalLock(hDrop));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* next = reinterpret_cast<char*>(header + 1);
    for (const std::string& path : paths)
    {
        std::memcpy(next, path.c_str(), path.size() + 1);
        next += path.size() + 1;
    }
    GlobalUnlock(hDrop);
    return hDrop;
}
