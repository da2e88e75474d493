#include "app/offer_dlg.h"

#include "app/about_texts.h"
#include "controls/browser_launch.h"
#include "framework/display_scale.h"
#include "res/resource.h"

COfferDlg::COfferDlg(CWnd* pParent) : CDialogEx(IDD_OFFER, pParent) {}

COfferDlg::~COfferDlg() = default;

BOOL COfferDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    // The picture is drawn for 100 %; at another scale it is smoothed to its size there. The
    // window fits around it: dialog units do not grow evenly with the scale.
    const UINT dpi = GetWindowDpi(m_hWnd);
    HWND hPicture = ::GetDlgItem(m_hWnd, IDC_OFFER_PICTURE);
    HBITMAP hSource =
        hPicture
            ? reinterpret_cast<HBITMAP>(::SendMessageA(hPicture, STM_GETIMAGE, IMAGE_BITMAP, 0))
            : nullptr;
    BITMAP source = {};
    if (!hSource || !::GetObjectA(hSource, sizeof source, &source))
        return TRUE;
    const int width = ScaleForDpi(source.bmWidth, dpi);
    const int height = ScaleForDpi(source.bmHeight, dpi);
    if (dpi != kDefaultDpi && ScalePicture(hSource, source, width, height))
        ::SendMessageA(hPicture, STM_SETIMAGE, IMAGE_BITMAP,
                       reinterpret_cast<LPARAM>(static_cast<HBITMAP>(m_bmpScaled)));
    ::SetWindowPos(hPicture, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame = {0, 0, width, height};
    ::AdjustWindowRectEx(&frame, GetStyle(), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    return TRUE;
}

bool COfferDlg::ScalePicture(HBITMAP hSource, const BITMAP& source, int width, int height)
{
    HDC hScreen = ::GetDC(nullptr);
    m_bmpScaled.Attach(::CreateCompatibleBitmap(hScreen, width, height));
    CMemoryDC from(::CreateCompatibleDC(hScreen));
    CMemoryDC to(::CreateCompatibleDC(hScreen));
    ::ReleaseDC(nullptr, hScreen);
    if (!m_bmpScaled.GetSafeHandle())
        return false;
    CScopedSelection fromSelection(from, hSource);
    CScopedSelection toSelection(to, m_bmpScaled);
    ::SetStretchBltMode(to, HALFTONE);
    ::SetBrushOrgEx(to, 0, 0, nullptr);
    return ::StretchBlt(to, 0, 0, width, height, from, 0, 0, source.bmWidth, source.bmHeight,
                        SRCCOPY) != FALSE;
}

void COfferDlg::OnPictureClicked()
{
    OpenUrlInBrowser(kOfferProductUrl);
    // The program is closing; the user has seen what the offer had to say.
    EndDialog(IDOK);
}

bool COfferDlg::OnSetCursor(WPARAM wParam, LPARAM, LRESULT& result)
{
    // The hand tells that the picture is a link.
    if (::GetDlgCtrlID(reinterpret_cast<HWND>(wParam)) != IDC_OFFER_PICTURE)
        return false;
    ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
    result = TRUE;
    return true;
}

const MessageMap* COfferDlg::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnCommand<&COfferDlg::OnPictureClicked>(IDC_OFFER_PICTURE, STN_CLICKED),
        OnMessage<&COfferDlg::OnSetCursor>(WM_SETCURSOR),
    };
    static const MessageMap map(CDialogEx::GetMessageMap(), entries);
    return &map;
}
