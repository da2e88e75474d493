#include "app/offer_dlg.h"

#include "app/about_texts.h"
#include "controls/browser_launch.h"
#include "res/resource.h"

COfferDlg::COfferDlg(CWnd* pParent) : CDialogEx(IDD_OFFER, pParent) {}

COfferDlg::~COfferDlg() = default;

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
