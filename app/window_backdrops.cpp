#include "app/window_backdrops.h"

#include <algorithm>

#include "app/app_texts.h"
#include "framework/backdrop.h"
#include "framework/display_scale.h"
#include "framework/gdi.h"
#include "framework/wnd.h"
#include "res/resource.h"

namespace
{
constexpr COLORREF kNavy = RGB(22, 45, 84);
constexpr COLORREF kBlueDark = RGB(27, 78, 150);
constexpr COLORREF kSky = RGB(186, 214, 242);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGold = RGB(240, 176, 40);
constexpr COLORREF kGoldShade = RGB(150, 140, 120);
// Close to the button face, so that the controls' own boxes blend in.
constexpr COLORREF kSurface = RGB(241, 243, 247);
constexpr COLORREF kBaseTop = RGB(230, 235, 242);
constexpr COLORREF kBaseBottom = RGB(216, 224, 235);
constexpr COLORREF kCardEdge = RGB(200, 210, 224);
constexpr COLORREF kMuted = RGB(98, 112, 134);

// The controls that the main window's card holds.
constexpr int kMainCardControls[] = {
    IDC_OPERATION_LABEL,
    IDC_MODE_SINGLE_FILE,
    IDC_MODE_FOLDER,
    IDC_SOURCE_LABEL,
    IDC_TARGET_LABEL,
    IDC_OPEN_PASSWORD_LABEL,
    IDC_SOURCE,
    IDC_TARGET,
    IDC_OPEN_PASSWORD,
    IDC_BROWSE_SOURCE,
    IDC_BROWSE_TARGET,
    IDC_PERMISSION_PASSWORD_LABEL,
    IDC_PERMISSION_PASSWORD,
    IDC_RESTRICT_LABEL,
    IDC_PREVENT_COPY,
    IDC_PREVENT_PRINT,
    IDC_PREVENT_MODIFY,
    IDC_PREVENT_PRINT_LABEL,
    IDOK,
    IDC_PROGRESS,
};

RECT ChildRect(HWND hDlg, HWND hChild)
{
    RECT rc = {};
    GetWindowRect(hChild, &rc);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

RECT ControlRect(HWND hDlg, int id)
{
    HWND hCtl = GetDlgItem(hDlg, id);
    return hCtl ? ChildRect(hDlg, hCtl) : RECT{};
}

// The top of the highest control but the backdrop.
int TopOfControls(HWND hDlg, const RECT& client)
{
    int top = client.bottom;
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (GetDlgCtrlID(h) != IDC_BACKDROP)
            top = std::min(top, static_cast<int>(ChildRect(hDlg, h).top));
    return top;
}

RECT Square(int x, int y, int size)
{
    return {x, y, x + size, y + size};
}

void Grow(RECT& rc, const RECT& with)
{
    if (IsRectEmpty(&rc))
        rc = with;
    else
        UnionRect(&rc, &rc, &with);
}

// The panel around `content`, kept inside the area between the banner and `floor`.
RECT CardAround(RECT content, const RECT& client, int top, int floor, UINT dpi)
{
    InflateRect(&content, ScaleForDpi(18, dpi), ScaleForDpi(12, dpi));
    content.left = std::max(content.left, static_cast<LONG>(ScaleForDpi(4, dpi)));
    content.right = std::min(content.right, client.right - ScaleForDpi(4, dpi));
    content.top = std::max(content.top, static_cast<LONG>(top));
    content.bottom = std::min(content.bottom, static_cast<LONG>(floor));
    return content;
}

HFONT MakeFont(int height, int weight)
{
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, kBannerFontFace);
}

int TextWidth(HDC hDC, HFONT font, const wchar_t* text)
{
    CScopedSelection selection(hDC, font);
    SIZE size = {};
    GetTextExtentPoint32W(hDC, text, lstrlenW(text), &size);
    return size.cx;
}

// One line of text in `colour`, its left end at x and vertically centred on y.
int DrawLine(HDC hDC, HFONT font, const wchar_t* text, int x, int y, COLORREF colour,
             UINT align = DT_LEFT)
{
    CScopedSelection selection(hDC, font);
    SetTextColor(hDC, colour);
    SetBkMode(hDC, TRANSPARENT);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(hDC, &metrics);
    const int top = y - metrics.tmHeight / 2;
    RECT rc = {x, top, x, top + metrics.tmHeight};
    DrawTextW(hDC, text, -1, &rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    if (align == DT_RIGHT)
        OffsetRect(&rc, -(rc.right - rc.left), 0);
    DrawTextW(hDC, text, -1, &rc, DT_SINGLELINE | DT_NOPREFIX);
    return align == DT_RIGHT ? rc.left : rc.right;
}

void DrawAppIcon(HDC hDC, const RECT& where)
{
    const int size = where.right - where.left;
    HICON icon = static_cast<HICON>(LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_APP),
                                               IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (!icon)
        return;
    DrawIconEx(hDC, where.left, where.top, icon, size, size, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
}

// The navy band, its gold rule and the logo.
void PaintBanner(HDC hDC, const RECT& banner, const RECT& logo, UINT dpi)
{
    FillHorizontal(hDC, banner, kNavy, kBlueDark);
    const int rule = ScaleForDpi(2, dpi);
    FillSolid(hDC, {banner.left, banner.bottom, banner.right, banner.bottom + rule}, kGold);
    FillSolid(hDC, {banner.left, banner.bottom + rule, banner.right, banner.bottom + rule + 1},
              kGoldShade);
    DrawAppIcon(hDC, logo);
}

void PaintCard(HDC hDC, const RECT& card, UINT dpi)
{
    const int radius = ScaleForDpi(12, dpi);
    CPenHandle pen(CreatePen(PS_SOLID, 1, kCardEdge));
    CBrushHandle brush(CreateSolidBrush(kSurface));
    CScopedSelection penSelection(hDC, pen);
    CScopedSelection brushSelection(hDC, brush);
    RoundRect(hDC, card.left, card.top, card.right, card.bottom, radius, radius);
}
} // namespace

MainBackdropLayout LayOutMainBackdrop(HWND hDlg, const RECT& client)
{
    const UINT dpi = GetWindowDpi(hDlg);
    const auto s = [dpi](int v) { return ScaleForDpi(v, dpi); };
    MainBackdropLayout layout = {};
    const int bannerHeight = std::min(s(46), TopOfControls(hDlg, client) - s(6));
    layout.banner = {client.left, client.top, client.right, client.top + bannerHeight};
    const int logo = std::min(s(32), bannerHeight - s(4));
    layout.logo = Square(s(14), (bannerHeight - logo) / 2, logo);

    const RECT list = ControlRect(hDlg, IDC_RESULTS_LIST);
    RECT content = {};
    for (int id : kMainCardControls)
        if (GetDlgItem(hDlg, id))
            Grow(content, ControlRect(hDlg, id));
    layout.card = CardAround(content, client, layout.banner.bottom + s(6), list.top - s(4), dpi);

    // The footer ends where the first of the buttons under the list begins.
    int right = client.right;
    for (int id : {IDC_OPEN_PDF, IDC_CLEAR_LIST, IDC_SETTINGS})
        if (GetDlgItem(hDlg, id))
            right = std::min(right, static_cast<int>(ControlRect(hDlg, id).left));
    layout.footer = {client.left + s(10), list.bottom, right - s(8), client.bottom};
    const int icon = s(16);
    layout.footerIcon =
        Square(layout.footer.left + s(4), layout.footer.top + s(10) - icon / 2 + s(6), icon);
    return layout;
}

SettingsBackdropLayout LayOutSettingsBackdrop(HWND hDlg, const RECT& client)
{
    const UINT dpi = GetWindowDpi(hDlg);
    const auto s = [dpi](int v) { return ScaleForDpi(v, dpi); };
    SettingsBackdropLayout layout = {};
    const int bannerHeight = std::min(s(62), TopOfControls(hDlg, client) - s(8));
    layout.banner = {client.left, client.top, client.right, client.top + bannerHeight};
    const int logo = std::min(s(32), bannerHeight - s(4));
    layout.logo = Square(s(14), (bannerHeight - logo) / 2, logo);

    // The card holds every option: all controls but the buttons and the line above them,
    // which set its floor.
    RECT content = {};
    int floor = client.bottom;
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
    {
        const int id = GetDlgCtrlID(h);
        const RECT rc = ChildRect(hDlg, h);
        const bool separator = (GetWindowLongA(h, GWL_STYLE) & SS_TYPEMASK) == SS_ETCHEDHORZ;
        if (id == IDOK || id == IDCANCEL || separator)
            floor = std::min(floor, static_cast<int>(rc.top) - s(4));
        else if (id != IDC_BACKDROP && (GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE))
            Grow(content, rc);
    }
    layout.card = CardAround(content, client, layout.banner.bottom + s(8), floor, dpi);
    return layout;
}

void PaintMainBackdrop(HDC hDC, const RECT& client, HWND hDlg)
{
    const UINT dpi = GetWindowDpi(hDlg);
    const auto s = [dpi](int v) { return ScaleForDpi(v, dpi); };
    const MainBackdropLayout layout = LayOutMainBackdrop(hDlg, client);
    FillVertical(hDC, client, kBaseTop, kBaseBottom);
    PaintBanner(hDC, layout.banner, layout.logo, dpi);

    const CFontHandle maker(MakeFont(s(20), FW_NORMAL));
    const CFontHandle product(MakeFont(s(20), FW_BOLD));
    const CFontHandle tagline(MakeFont(s(13), FW_NORMAL));
    const int middle = (layout.banner.top + layout.banner.bottom) / 2;
    int x = DrawLine(hDC, maker, kBannerMaker, layout.logo.right + s(12), middle, kSky);
    x = DrawLine(hDC, product, kBannerProduct, x + s(8), middle, kWhite);
    // The tagline only where it leaves the name room.
    const int taglineRight = layout.banner.right - s(22);
    if (taglineRight - TextWidth(hDC, tagline, kBannerTagline) > x + s(24))
        DrawLine(hDC, tagline, kBannerTagline, taglineRight, middle, kSky, DT_RIGHT);

    PaintCard(hDC, layout.card, dpi);

    // The footer: the name and a line about the product, the maker under it when there is room.
    const RECT& footer = layout.footer;
    const CFontHandle name(MakeFont(s(12), FW_BOLD));
    const CFontHandle small(MakeFont(s(11), FW_NORMAL));
    const int line = (layout.footerIcon.top + layout.footerIcon.bottom) / 2;
    if (footer.bottom - footer.top < s(20))
        return;
    DrawAppIcon(hDC, layout.footerIcon);
    x = DrawLine(hDC, name, kFooterProduct, layout.footerIcon.right + s(8), line, kNavy);
    if (x + s(10) + TextWidth(hDC, small, kFooterTagline) <= footer.right)
        DrawLine(hDC, small, kFooterTagline, x + s(10), line, kMuted);
    if (line + s(26) <= footer.bottom)
        DrawLine(hDC, small, kFooterCopyright, layout.footerIcon.right + s(8), line + s(17),
                 kMuted);
}

void PaintSettingsBackdrop(HDC hDC, const RECT& client, HWND hDlg)
{
    const UINT dpi = GetWindowDpi(hDlg);
    const auto s = [dpi](int v) { return ScaleForDpi(v, dpi); };
    const SettingsBackdropLayout layout = LayOutSettingsBackdrop(hDlg, client);
    FillVertical(hDC, client, kBaseTop, kBaseBottom);
    PaintBanner(hDC, layout.banner, layout.logo, dpi);
    const CFontHandle title(MakeFont(s(20), FW_BOLD));
    const CFontHandle subtitle(MakeFont(s(12), FW_NORMAL));
    const int middle = (layout.banner.top + layout.banner.bottom) / 2;
    const int x = layout.logo.right + s(12);
    DrawLine(hDC, title, kBannerSettings, x, middle - s(8), kWhite);
    DrawLine(hDC, subtitle, kFooterProduct, x + 1, middle + s(13), kSky);
    PaintCard(hDC, layout.card, dpi);
}
