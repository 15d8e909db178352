#include "framework/DataExchange.h"

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND control = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    if (control == nullptr)
        Fail();
    m_idLastControl = nIDC;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != 0)
    {
        HWND control = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), m_idLastControl);
        if (control != nullptr)
            ::SetFocus(control);
    }
    throw CUserException();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control)
{
    if (control.GetSafeHwnd() != nullptr)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!control.SubclassWindow(hWnd))
        pDX->Fail();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
    }
    catch (const CUserException&)
    {
        return FALSE;
    }
    return TRUE;
}
