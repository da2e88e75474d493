#pragma once

// The about box: the product's title, its edition and the version of the running program.

#include <windows.h>

#include <string>

#include "framework/dialog.h"
#include "framework/gdi.h"

class CAboutDlg : public CDialogEx
{
  public:
    explicit CAboutDlg(CWnd* pParent = nullptr);
    ~CAboutDlg() override;

    BOOL OnInitDialog() override;

  private:
    CFont m_fontTitle;
    // The product's icon at the display scale.
    HICON m_hIcon = nullptr;
};

// "Version a.b.c.d (64-bit)" from the module's version resource; empty when it has none.
std::string ReadVersionText(HMODULE hModule);
// The fixed part of a version resource block (VS_VERSIONINFO); false when the block is cut
// short or is not one.
bool ParseFixedFileInfo(const void* block, size_t size, VS_FIXEDFILEINFO& info);
