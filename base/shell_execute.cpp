#include "base/shell_execute.h"

#include <shellapi.h>

namespace
{
// Null means the system's function. Kept null until set, so that a replacement installed by
// another file's static initialiser is never overwritten by this file's.
ShellExecuteFn g_shellExecute = nullptr;
} // namespace

ShellExecuteFn SetShellExecuteHandler(ShellExecuteFn handler)
{
    ShellExecuteFn previous = g_shellExecute;
    g_shellExecute = handler;
    return previous;
}

HINSTANCE ShellExecuteThroughHandler(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                     LPCSTR directory, INT show)
{
    return (g_shellExecute ? g_shellExecute : &::ShellExecuteA)(owner, verb, file, parameters,
                                                                directory, show);
}
