#include "framework/message_box.h"

namespace
{
int RealMessageBox(HWND hOwner, const char* text, const char* caption, UINT style)
{
    return ::MessageBoxA(hOwner, text, caption, style);
}

MessageBoxHandler g_handler = RealMessageBox;
} // namespace

int AfxMessageBoxEx(HWND hOwner, const char* text, const char* caption, UINT style)
{
    return g_handler(hOwner, text, caption, style);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = g_handler;
    g_handler = handler ? handler : RealMessageBox;
    return previous;
}
