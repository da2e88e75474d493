#pragma once

// A list's header forced to a chosen height: the rows start right below it.

#include <windows.h>

#include "framework/list_ctrl.h"

class CHeaderCtrlEx : public CHeaderCtrl
{
  public:
    CHeaderCtrlEx();
    ~CHeaderCtrlEx() override;

    // Takes effect at the header's next layout (the list lays it out when it is shown).
    void SetHeight(int nHeight);

    int m_nHeight;
    int m_bSubclassed;

  protected:
    bool OnLayout(WPARAM wParam, LPARAM lParam, LRESULT& result);

    const MessageMap* GetMessageMap() const override;
};
