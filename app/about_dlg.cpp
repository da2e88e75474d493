#include "app/about_dlg.h"

#include <cstdio>
#include <vector>

#include "app/about_texts.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialogEx(IDD_ABOUTBOX, pParent) {}

CAboutDlg::~CAboutDlg() = default;

BOOL CAboutDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    // The product's name stands out from the lines below it.
    LOGFONTA logFont = {};
    if (::GetObjectA(GetFont(), sizeof logFont, &logFont))
    {
        logFont.lfWeight = FW_BOLD;
        if (m_fontTitle.CreateFontIndirect(&logFont))
            ::SendDlgItemMessageA(m_hWnd, IDC_ABOUT_TITLE, WM_SETFONT,
                                  reinterpret_cast<WPARAM>(static_cast<HFONT>(m_fontTitle)), FALSE);
    }
    // The template's text stays when the program carries no version resource.
    const std::string version = ReadVersionText(nullptr);
    if (!version.empty())
        SetDlgItemText(IDC_ABOUT_VERSION, version.c_str());
    return TRUE;
}

std::string ReadVersionText(HMODULE hModule)
{
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(hModule, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return "";
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return "";
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path, 0, size, block.data()))
        return "";
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &infoSize) || !info ||
        infoSize < sizeof *info)
        return "";

    char text[128] = "";
    snprintf(text, sizeof text, kAboutVersionFormat, HIWORD(info->dwProductVersionMS),
             LOWORD(info->dwProductVersionMS), HIWORD(info->dwProductVersionLS),
             LOWORD(info->dwProductVersionLS), sizeof(void*) == 8 ? kBitness64 : kBitness32);
    return text;
}
