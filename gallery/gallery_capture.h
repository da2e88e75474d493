#pragma once

// What every gallery program needs: the folder its pictures go to, and a picture of what the
// screen shows of a window or of any rectangle, popup menus included.

#include <windows.h>

#include <string>

// The folder from the first argument, else from SEALWICK_GALLERY, else the current one.
std::string GalleryFolder(int argc, char** argv);

// Handles queued messages for `milliseconds`, so that windows finish painting (under Wine,
// also what they painted reaches the screen).
void Settle(DWORD milliseconds = 300);

// Writes `<folder>\<name>.bmp`, 24 bits a pixel, of the screen inside `rect` (screen
// coordinates). Returns false, after saying why on standard error, when it could not.
bool CaptureScreenRect(const RECT& rect, const std::string& folder, const char* name);

// What the window draws: its client area.
bool CaptureWindow(HWND hWnd, const std::string& folder, const char* name);

// The window and the popup menu open over it, in one picture.
bool CaptureWindowWithMenu(HWND hWnd, const std::string& folder, const char* name);
