#pragma once

// CShadeButton: an owner-drawn button with a softly shaded, slightly noisy 3-D face, an icon at
// its left, a label in its own font, a lighter face and another label colour under the mouse,
// and a tooltip. A template's check box or radio button style makes it behave as one.
//
// Set-up, once the control is bound: SetLabelFont, SetTipTexts, BuildShadeImages, the two label
// colours, LoadButtonIcons.

#include <windows.h>

#include <string>

#include "controls/shade_image.h"
#include "framework/control_wrappers.h"
#include "framework/gdi.h"

enum ShadeButtonKind
{
    SHADE_PUSH = 0,
    SHADE_CHECK = 2,
    SHADE_RADIO = 4,
};

// Posted to the other members of a radio group when one of them is checked.
constexpr UINT WM_SHADEBUTTON_UNCHECK = WM_USER + 256;

// Draws pseudo-random values 0..32767 for the noise of the face; the C library's rand.
using ShadeNoiseSource = int (*)();

class CShadeButton : public CButton
{
  public:
    CShadeButton();
    ~CShadeButton() override;

    BOOL SetLabelFont(const char* faceName, LONG height, LONG weight, BYTE italic, BYTE underline);
    void SetTipTexts(const char* text, const char* checkedText);
    // Computes the face images from the window's size and the system colours of now.
    void BuildShadeImages();
    // The same from a given size and colours, with no window needed.
    void BuildShadeImages(int width, int height, COLORREF shadow, COLORREF face, COLORREF highlight,
                          ShadeNoiseSource nextRandom);
    // Icon resource ids; disabled and hover may be 0. xOffset moves the icon right of the
    // focus inset.
    void LoadButtonIcons(UINT normalId, UINT disabledId, UINT hoverId, int xOffset);
    void RelayTipEvent(UINT message, WPARAM wParam, LPARAM lParam);

    // The tooltip text for the current check state.
    const std::string& GetTipTextToShow() const;

    void DrawItem(DRAWITEMSTRUCT* pDrawItemStruct) override;
    void PreSubclassWindow() override;

    // The owner sets the label colours directly before the first paint; tests read the
    // rest.
    CFont m_fontLabel;
    LOGFONTA* m_pLabelLogFont;
    std::string m_strTip;
    std::string m_strTipChecked;
    BYTE m_bChecked;
    BYTE m_bPushLike;
    int m_nKind; // ShadeButtonKind
    CShadeImage m_imgNormal;
    CShadeImage m_imgPressed;
    CShadeImage m_imgDisabled;
    CShadeImage m_imgHover;
    CShadeImage m_imgFocusH;
    CShadeImage m_imgFocusV;
    BYTE m_bHover;
    BYTE m_bLButtonDown;
    CToolTipCtrl m_wndTip;
    short m_nFocusInset;
    COLORREF m_clrLabel;
    COLORREF m_clrLabelHover;
    int m_bFrame;
    HICON m_hIconNormal;
    HICON m_hIconPressed;
    HICON m_hIconHover;
    HICON m_hIconDisabled;
    RECT m_rcIcon;
    UINT m_nTextFormat;
    BYTE m_bFlat;

  protected:
    const MessageMap* GetMessageMap() const override;

    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnLButtonDblClk(WPARAM, LPARAM);
    LRESULT OnLButtonUp(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnSetCheck(WPARAM, LPARAM);
    LRESULT OnGetCheck(WPARAM, LPARAM);
    LRESULT OnUncheck(WPARAM, LPARAM);

  private:
    void DestroyIcons();
    // Draws an icon centred on the icon rectangle, so a larger hover icon grows evenly.
    void DrawIconAt(HDC hDC, HICON hIcon, int dx, int dy) const;
    bool IsUnderCursorPoint(POINT screenPoint) const;
};
