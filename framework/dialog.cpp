#include "framework/dialog.h"

#include <cstdio>

#include "framework/window_procs.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return; // bound already: data exchange runs again on every UpdateData
    HWND hChild = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
    if (!hChild || !rControl.SubclassWindow(hChild))
    {
        char text[96];
        std::snprintf(text, sizeof text, "DDX_Control: cannot bind control %d", nIDC);
        ReportHandlerException(text);
    }
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd), m_bModal(false), m_bEnded(false),
      m_nModalResult(-1)
{
}

CDialog::~CDialog() = default;

BOOL CDialog::CreateFromTemplate(HWND hOwner)
{
    if (m_hWnd)
        return FALSE;
    m_bEnded = false;
    m_nModalResult = -1;
    SetWindowBeingCreated(this);
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate),
                                     hOwner, FrameworkDialogProc, reinterpret_cast<LPARAM>(this));
    SetWindowBeingCreated(nullptr);
    return hWnd != nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    if (nIDTemplate)
        m_nIDTemplate = nIDTemplate;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    m_bModal = false;
    return CreateFromTemplate(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
}

INT_PTR CDialog::DoModal()
{
    HWND hOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    m_bModal = true;
    if (!CreateFromTemplate(hOwner))
    {
        m_bModal = false;
        return -1;
    }
    const bool disableOwner = hOwner && ::IsWindowEnabled(hOwner);
    if (disableOwner)
        ::EnableWindow(hOwner, FALSE);
    if (!m_bEnded && m_hWnd)
    {
        ::ShowWindow(m_hWnd, SW_SHOW);
        RunModalLoop();
    }
    // Enable the owner before the dialog goes, so the activation returns to it.
    if (disableOwner)
        ::EnableWindow(hOwner, TRUE);
    if (m_hWnd)
    {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        DestroyWindow();
    }
    if (hOwner && ::GetActiveWindow() == nullptr)
        ::SetActiveWindow(hOwner);
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    MSG msg;
    while (!m_bEnded && m_hWnd)
    {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0)
        {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam)); // for the outer loop
            break;
        }
        if (PreTranslateThroughParents(&msg))
            continue;
        if (m_hWnd && ::IsDialogMessageA(m_hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEnded = true;
    if (!m_hWnd)
        return;
    if (m_bModal)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // wakes the loop if nothing else is queued
    else
        ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE; // the dialog manager sets the focus
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

const MessageMap* CDialog::GetMessageMap() const
{
    static const MessageEntry entries[] = {
        OnMessage<&CDialog::HandleInitDialog>(WM_INITDIALOG),
        OnCommand<&CDialog::OnOK>(IDOK),
        OnCommand<&CDialog::OnCancel>(IDCANCEL),
    };
    static const MessageMap map(CWnd::GetMessageMap(), entries);
    return &map;
}

CDialogEx::~CDialogEx() = default;
