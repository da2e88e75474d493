#include "app/clipboard.h"

#include <cstring>
#include <string>

#include "base/text_conversion.h"

bool CopyTextToClipboard(HWND owner, const char* bytes, size_t count)
{
    if (!bytes || count == 0 || !OpenClipboard(owner))
        return false;
    EmptyClipboard();
    // Unicode text, so that a name in any script arrives as it is; the system offers the
    // narrow form to programs that ask for it. A count that stops short of the terminator
    // still gives a terminated text.
    const std::wstring text = AnsiToWide(std::string(bytes, strnlen(bytes, count - 1)));
    const size_t size = (text.size() + 1) * sizeof(wchar_t);
    // The clipboard takes only movable blocks.
    HGLOBAL hText = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    void* pText = hText ? GlobalLock(hText) : nullptr;
    if (!pText)
    {
        if (hText)
            GlobalFree(hText);
        CloseClipboard();
        return false;
    }
    std::memcpy(pText, text.c_str(), size);
    GlobalUnlock(hText);
    if (!SetClipboardData(CF_UNICODETEXT, hText))
    {
        // Still ours when the clipboard refused it.
        GlobalFree(hText);
        CloseClipboard();
        return false;
    }
    CloseClipboard();
    return true;
}
