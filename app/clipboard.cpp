#include "app/clipboard.h"

#include <cstring>

bool CopyTextToClipboard(HWND owner, const char* bytes, size_t count)
{
    if (!bytes || count == 0 || !OpenClipboard(owner))
        return false;
    EmptyClipboard();
    // The clipboard takes only movable blocks.
    HGLOBAL hText = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, count);
    void* pText = hText ? GlobalLock(hText) : nullptr;
    if (!pText)
    {
        if (hText)
            GlobalFree(hText);
        CloseClipboard();
        return false;
    }
    std::memcpy(pText, bytes, count);
    // A count that stops short of the terminator still gives a terminated text.
    static_cast<char*>(pText)[count - 1] = '\0';
    GlobalUnlock(hText);
    if (!SetClipboardData(CF_TEXT, hText))
    {
        // Still ours when the clipboard refused it.
        GlobalFree(hText);
        CloseClipboard();
        return false;
    }
    CloseClipboard();
    return true;
}
