#pragma once

// Reads a DIALOGEX template from the program's resources as the dialog manager will see it,
// so tests can compare every control's id, class, text, style and position with the layout the
// windows rely on.

#include <windows.h>

#include <string>
#include <vector>

struct TemplateItem
{
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::string className; // ordinals turned into their names ("Button", "Static", ...)
    std::string text;      // a picture's resource number is written as "#260"
};

struct DialogTemplate
{
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::string typeface;
    std::vector<TemplateItem> items;
};

// False when the resource is missing or is not an extended template.
bool LoadDialogTemplate(HINSTANCE hInstance, UINT nID, DialogTemplate& result);
