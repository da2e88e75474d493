#pragma once

// The offer shown once when the main window closes: one picture of another product of ours;
// a click on it opens that product's page and ends the dialog.

#include <windows.h>

#include "framework/dialog.h"
#include "framework/gdi.h"

class COfferDlg : public CDialogEx
{
  public:
    explicit COfferDlg(CWnd* pParent = nullptr);
    ~COfferDlg() override;

    BOOL OnInitDialog() override;

  protected:
    const MessageMap* GetMessageMap() const override;

    void OnPictureClicked();
    bool OnSetCursor(WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    // m_bmpScaled made from the picture at width x height.
    bool ScalePicture(HBITMAP hSource, const BITMAP& source, int width, int height);

    // The picture at the display scale, when that is not 100 %.
    CBitmap m_bmpScaled;
};
