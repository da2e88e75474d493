#pragma once

// Holders of GDI and USER resources, all one template: each owns its handle and releases it
// when it is emptied, given a new one, or destroyed. Detach hands the handle over without
// releasing it. And a scoped selection of an object into a device context.

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <memory>
#include <utility>

// Owns one handle, released by Destroy (::DeleteObject, ::DestroyMenu, ...).
template <class Handle, auto Destroy> class COwnedHandle
{
  public:
    COwnedHandle() = default;
    explicit COwnedHandle(Handle handle) : m_handle(handle) {}
    ~COwnedHandle() { DeleteObject(); }
    COwnedHandle(const COwnedHandle&) = delete;
    COwnedHandle& operator=(const COwnedHandle&) = delete;

    operator Handle() const { return m_handle; }
    Handle GetSafeHandle() const { return m_handle; }

    // Releases what it held before; FALSE for a null handle (a failed creation).
    BOOL Attach(Handle handle)
    {
        DeleteObject();
        m_handle = handle;
        return handle != nullptr;
    }
    Handle Detach() { return std::exchange(m_handle, nullptr); }
    BOOL DeleteObject() { return m_handle ? Destroy(std::exchange(m_handle, nullptr)) : FALSE; }

  private:
    Handle m_handle = nullptr;
};

class CFont : public COwnedHandle<HFONT, ::DeleteObject>
{
  public:
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont)
    {
        return Attach(::CreateFontIndirectA(lpLogFont));
    }
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    const char* lpszFacename)
    {
        return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                    bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                    nQuality, nPitchAndFamily, lpszFacename));
    }
    int GetLogFont(LOGFONTA* pLogFont) const
    {
        return ::GetObjectA(GetSafeHandle(), sizeof(LOGFONTA), pLogFont);
    }
};

class CBitmap : public COwnedHandle<HBITMAP, ::DeleteObject>
{
  public:
    BOOL LoadBitmap(UINT nIDResource)
    {
        return Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource)));
    }
    BOOL CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight)
    {
        return Attach(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
    }
};

class CImageList : public COwnedHandle<HIMAGELIST, ::ImageList_Destroy>
{
  public:
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
    {
        return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
    }
    int Add(HICON hIcon) { return ::ImageList_AddIcon(GetSafeHandle(), hIcon); }
    int GetImageCount() const { return ::ImageList_GetImageCount(GetSafeHandle()); }
};

class CMenu : public COwnedHandle<HMENU, ::DestroyMenu>
{
  public:
    CMenu() = default;
    ~CMenu() { ForgetSubMenus(); }

    BOOL LoadMenu(UINT nIDResource)
    {
        ForgetSubMenus();
        return Attach(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource)));
    }

    // A pop-up of this menu; it belongs to this menu and lives as long as it.
    CMenu* GetSubMenu(int nPos);
    int GetMenuItemCount() const { return ::GetMenuItemCount(GetSafeHandle()); }
    BOOL SetMenuItemBitmaps(UINT nPosition, UINT nFlags, HBITMAP hBmpUnchecked, HBITMAP hBmpChecked)
    {
        return ::SetMenuItemBitmaps(GetSafeHandle(), nPosition, nFlags, hBmpUnchecked, hBmpChecked);
    }
    // Shows the pop-up at a screen point; the chosen command goes to hWnd as WM_COMMAND (or is
    // returned with TPM_RETURNCMD).
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, HWND hWnd, const RECT* rect = nullptr)
    {
        return ::TrackPopupMenu(GetSafeHandle(), nFlags, x, y, 0, hWnd, rect);
    }

  private:
    // The pop-ups' holders let go of their handles: the menu destroys its pop-ups itself.
    void ForgetSubMenus();

    std::map<HMENU, std::unique_ptr<CMenu>> m_subMenus;
};

// Pens, brushes and fonts a painter makes for one paint, deleted with their holders.
using CPenHandle = COwnedHandle<HPEN, ::DeleteObject>;
using CBrushHandle = COwnedHandle<HBRUSH, ::DeleteObject>;
using CFontHandle = COwnedHandle<HFONT, ::DeleteObject>;

// A memory device context, deleted with its holder.
using CMemoryDC = COwnedHandle<HDC, ::DeleteDC>;

// Selects an object into a device context for the holder's lifetime and then puts back the
// object that was there before. A null object selects nothing.
class CScopedSelection
{
  public:
    CScopedSelection(HDC hDC, HGDIOBJ hObject)
        : m_hDC(hDC), m_hOld(hObject ? ::SelectObject(hDC, hObject) : nullptr)
    {
    }
    ~CScopedSelection()
    {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
    }
    CScopedSelection(const CScopedSelection&) = delete;
    CScopedSelection& operator=(const CScopedSelection&) = delete;

  private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
