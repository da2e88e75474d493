#pragma once

// The backgrounds of the main window and the settings dialog, painted at the window's real
// size and scale: a banner with the product's name across the top, a light card behind the
// inputs, and in the main window a footer under the results list. Where the parts go follows
// from where the controls are, so a control that moves or a row that is added takes its part
// of the background with it.

#include <windows.h>

struct MainBackdropLayout
{
    RECT banner; // the coloured band with the logo and the name
    RECT card;   // the light panel behind the labels, fields and "Protect PDF"
    RECT footer; // under the results list, left of its buttons
    RECT logo;   // the application icon in the banner
    RECT footerIcon;
};

struct SettingsBackdropLayout
{
    RECT banner;
    RECT card; // behind the options
    RECT logo;
};

MainBackdropLayout LayOutMainBackdrop(HWND hDlg, const RECT& client);
SettingsBackdropLayout LayOutSettingsBackdrop(HWND hDlg, const RECT& client);

void PaintMainBackdrop(HDC hDC, const RECT& client, HWND hDlg);
void PaintSettingsBackdrop(HDC hDC, const RECT& client, HWND hDlg);
