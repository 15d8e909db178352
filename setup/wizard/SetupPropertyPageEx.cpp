#include "setup/wizard/SetupPropertyPageEx.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/wizard/QuandelMessageBox.h"
#include "ids_service.h"

IMPLEMENT_DYNAMIC(CSetupPropertyPageEx, CPropertyPage)

CSetupPropertyPageEx::CSetupPropertyPageEx(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle,
                                           UINT nIDHeaderSubTitle)
    : CPropertyPage(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle, PAGE_RECORD_SIZE)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

CSetupPropertyPageEx::CSetupPropertyPageEx()
    : CSetupPropertyPageEx(DEFAULT_TEMPLATE)
{
}

CSetupPropertyPageEx::CSetupPropertyPageEx(LPCWSTR lpszTemplateName, UINT nIDCaption, UINT nIDHeaderTitle,
                                           UINT nIDHeaderSubTitle)
    : CPropertyPage(lpszTemplateName, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle, PAGE_RECORD_SIZE)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

CSetupPropertyPageEx::~CSetupPropertyPageEx()
{
}

BOOL CSetupPropertyPageEx::OnQueryCancel()
{
    if (QuandelMessageBox(IDS_SRV_CANCEL_QUESTION, MB_YESNO) == IDYES)
        return CPropertyPage::OnQueryCancel();
    return FALSE;
}

CQuandelWizard* CSetupPropertyPageEx::GetWizard() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return DYNAMIC_DOWNCAST(CQuandelWizard, GetParent());
}

BOOL CSetupPropertyPageEx::IsCheckChangeDone(const MSG* pMsg, const CWnd& control)
{
    return (pMsg->message == WM_KEYUP || pMsg->message == WM_LBUTTONUP) && control.GetSafeHwnd() != NULL &&
           pMsg->hwnd == control.m_hWnd;
}
