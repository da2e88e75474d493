#include "bench_window.h"

BenchWindow::~BenchWindow() = default;

int AnswerOk(HWND, const char*, const char*, UINT)
{
    return IDOK;
}
