#pragma once

// What every window test needs: the common control classes registered once, and the
// messages queued for this thread handled.

#include <windows.h>

#include <commctrl.h>

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
