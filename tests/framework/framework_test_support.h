#pragma once

// Helpers the framework's window tests share.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "wnd.h"

inline void EnsureCommonControls()
{
    static const bool done = []
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)done;
}

// Dispatches whatever is queued for this thread.
inline void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Collects what the framework reports about escaped exceptions while it lives.
class ReportCapture
{
public:
    ReportCapture() : m_previous(SetExceptionReporter(&Record)) { Reports().clear(); }
    ~ReportCapture() { SetExceptionReporter(m_previous); }

    static std::vector<std::string>& Reports()
    {
        static std::vector<std::string> reports;
        return reports;
    }

private:
    static void Record(const char* what) { Reports().push_back(what); }
    ExceptionReporter m_previous;
};
