#include "app/offer_dlg.h"

#include "app/about_texts.h"
#include "controls/browser_launch.h"
#include "res/resource.h"

DlgOffer::DlgOffer(CWnd* pParent) : CDialogEx(IDD_OFFER, pParent) {}

DlgOffer::~DlgOffer() = default;

void DlgOffer::OnPictureClicked()
{
    OpenUrlInBrowser(kOfferProductUrl);
    // The program is closing; the user has seen what the offer had to say.
    EndDialog(IDOK);
}

bool DlgOffer::OnSetCursor(WPARAM wParam, LPARAM, LRESULT& result)
{
    // The hand tells that the picture is a link.
    if (::GetDlgCtrlID(reinterpret_cast<HWND>(wParam)) != IDC_OFFER_PICTURE)
        return false;
    ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
    result = TRUE;
    return true;
}

const MessageMap* DlgOffer::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnCommand<&DlgOffer::OnPictureClicked>(IDC_OFFER_PICTURE, STN_CLICKED),
        OnMessage<&DlgOffer::OnSetCursor>(WM_SETCURSOR),
    };
    static const MessageMap map(CDialogEx::GetMessageMap(), entries);
    return &map;
}
