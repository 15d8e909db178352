#include "framework/Dialog.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
}

INT_PTR CDialog::DoModal()
{
    if (m_nIDTemplate == 0 || m_hWnd != nullptr)
        return -1;
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : nullptr;
    AfxHookWindowCreate(this);
    INT_PTR result = ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                                       &CDialog::DialogProc, 0);
    AfxUnhookWindowCreate();
    return result;
}

void CDialog::EndDialog(int nResult)
{
    if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* dialog = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
    if (dialog == nullptr)
        return TRUE;
    try
    {
        return dialog->OnInitDialog();
    }
    catch (...)
    {
        // Nothing may unwind through the dialog manager.
        dialog->EndDialog(-1);
        return FALSE;
    }
}
