#include "app/about_dlg.h"

#include <cstdio>
#include <cstring>

#include "app/about_texts.h"
#include "framework/display_scale.h"
#include "res/resource.h"

namespace
{
constexpr int kAboutIconSize = 32;
} // namespace

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialogEx(IDD_ABOUTBOX, pParent) {}

CAboutDlg::~CAboutDlg()
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    const int iconSize = ScaleForDpi(kAboutIconSize, GetWindowDpi(m_hWnd));
    m_hIcon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_APP),
                                              IMAGE_ICON, iconSize, iconSize, LR_DEFAULTCOLOR));
    if (m_hIcon)
        ::SendDlgItemMessageA(m_hWnd, IDC_ABOUT_ICON, STM_SETICON,
                              reinterpret_cast<WPARAM>(m_hIcon), 0);
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

bool ParseFixedFileInfo(const void* block, size_t size, VS_FIXEDFILEINFO& info)
{
    // VS_VERSIONINFO: three WORDs (length, value length, type), the key "VS_VERSION_INFO" in
    // UTF-16 with its terminator, padding to a 32-bit boundary, then the VS_FIXEDFILEINFO.
    static const wchar_t kKey[] = L"VS_VERSION_INFO";
    constexpr size_t kHeaderSize = 3 * sizeof(WORD);
    const auto* bytes = static_cast<const BYTE*>(block);
    if (!bytes || size < kHeaderSize)
        return false;
    WORD header[3];
    std::memcpy(header, bytes, sizeof header);
    const size_t length = header[0];
    const size_t valueLength = header[1];
    if (length > size || valueLength < sizeof info)
        return false;
    const size_t keySize = sizeof kKey; // terminator included
    if (kHeaderSize + keySize > length || std::memcmp(bytes + kHeaderSize, kKey, keySize) != 0)
        return false;
    const size_t valueOffset = (kHeaderSize + keySize + 3) & ~static_cast<size_t>(3);
    if (valueOffset + sizeof info > length)
        return false;
    VS_FIXEDFILEINFO value;
    std::memcpy(&value, bytes + valueOffset, sizeof value);
    if (value.dwSignature != static_cast<DWORD>(VS_FFI_SIGNATURE))
        return false;
    info = value;
    return true;
}

std::string ReadVersionText(HMODULE hModule)
{
    // Read from the loaded image rather than through VERSION.dll: that DLL is not one of the
    // system's known DLLs, and an import of it would be looked for beside the executable.
    HRSRC resource = ::FindResourceW(hModule, MAKEINTRESOURCEW(VS_VERSION_INFO),
                                     MAKEINTRESOURCEW(16)); // RT_VERSION
    if (!resource)
        return "";
    HGLOBAL loaded = ::LoadResource(hModule, resource);
    const void* block = loaded ? ::LockResource(loaded) : nullptr;
    VS_FIXEDFILEINFO info = {};
    if (!block || !ParseFixedFileInfo(block, ::SizeofResource(hModule, resource), info))
        return "";

    char text[128] = "";
    snprintf(text, sizeof text, kAboutVersionFormat, HIWORD(info.dwProductVersionMS),
             LOWORD(info.dwProductVersionMS), HIWORD(info.dwProductVersionLS),
             LOWORD(info.dwProductVersionLS), sizeof(void*) == 8 ? kBitness64 : kBitness32);
    return text;
}
