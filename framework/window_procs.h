#pragma once

// The framework's window procedures; internal to the framework.

#include <windows.h>

class CWnd;

LRESULT CALLBACK FrameworkWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FrameworkDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK FrameworkSubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR idSubclass, DWORD_PTR refData);
constexpr UINT_PTR kFrameworkSubclassId = 0x5357; // any constant: one subclass per window

// The object that the next framework window or dialog created on this thread belongs to. Its
// first message (which comes before WM_NCCREATE or WM_INITDIALOG) binds it.
void SetWindowBeingCreated(CWnd* wnd);
