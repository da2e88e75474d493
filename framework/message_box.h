#pragma once

#include <windows.h>

// Every message box of the tool goes through this one function, so that tests can answer
// them without a modal loop: text, caption and style in, the pressed button's id out.
using MessageBoxHandler = int (*)(HWND hOwner, const char* text, const char* caption, UINT style);

int AfxMessageBoxEx(HWND hOwner, const char* text, const char* caption, UINT style);

// Replaces the handler; nullptr restores the real message box. Returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
