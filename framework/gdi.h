#pragma once

// Holders of GDI and USER resources: each owns its handle and releases it when it is emptied,
// given a new one, or destroyed. Detach hands the handle over without releasing it.

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <memory>

class CWnd;

class CGdiObject
{
  public:
    CGdiObject() : m_hObject(nullptr) {}
    ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject); // releases what it held before
    HGDIOBJ Detach();
    BOOL DeleteObject();
};

class CFont : public CGdiObject
{
  public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }

    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    const char* lpszFacename);
    int GetLogFont(LOGFONTA* pLogFont) const;
};

class CBitmap : public CGdiObject
{
  public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const;
};

class CImageList
{
  public:
    CImageList() : m_hImageList(nullptr) {}
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList;
    operator HIMAGELIST() const { return m_hImageList; }

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    int Add(HICON hIcon);
    int GetImageCount() const;
    BOOL Draw(HDC hDC, int nImage, POINT pt, UINT nStyle) const;
    BOOL Attach(HIMAGELIST hImageList); // releases what it held before
    HIMAGELIST Detach();
    BOOL DeleteImageList();
};

class CMenu
{
  public:
    CMenu() : m_hMenu(nullptr), m_bOwned(true) {}
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu;
    operator HMENU() const { return m_hMenu; }

    BOOL LoadMenu(UINT nIDResource);
    BOOL CreatePopupMenu();
    BOOL Attach(HMENU hMenu); // releases what it held before
    HMENU Detach();
    BOOL DestroyMenu();

    // A pop-up of this menu; it belongs to this menu and lives as long as it.
    CMenu* GetSubMenu(int nPos);
    int GetMenuItemCount() const;
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);
    BOOL SetMenuItemBitmaps(UINT nPosition, UINT nFlags, HBITMAP hBmpUnchecked,
                            HBITMAP hBmpChecked);
    // Shows the pop-up at a screen point; the chosen command goes to pWnd as WM_COMMAND (or is
    // returned with TPM_RETURNCMD).
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, const RECT* rect = nullptr);
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, HWND hWnd, const RECT* rect = nullptr);

  private:
    bool m_bOwned; // false for the pop-ups of a loaded menu: the menu destroys them
    std::map<HMENU, std::unique_ptr<CMenu>> m_subMenus;
};
