// The wizard side of CPropertyPage: header texts and the wizard
// notifications, whose answers the sheet reads from the message result.
#include "framework/PropertyPage.h"

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle, UINT nIDHeaderSubTitle,
                             DWORD dwSize)
    : CPropertyPage(nIDTemplate, nIDCaption, dwSize)
{
    if (nIDHeaderTitle != 0 && m_strHeaderTitle.LoadString(nIDHeaderTitle)) {
        m_psp.pszHeaderTitle = m_strHeaderTitle;
        m_psp.dwFlags |= PSP_USEHEADERTITLE;
    }
    if (nIDHeaderSubTitle != 0 && m_strHeaderSubTitle.LoadString(nIDHeaderSubTitle)) {
        m_psp.pszHeaderSubTitle = m_strHeaderSubTitle;
        m_psp.dwFlags |= PSP_USEHEADERSUBTITLE;
    }
}

CPropertyPage::CPropertyPage(LPCWSTR lpszTemplateName, UINT nIDCaption, UINT nIDHeaderTitle, UINT nIDHeaderSubTitle,
                             DWORD dwSize)
    : CPropertyPage(0u, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle, dwSize)
{
    if (IS_INTRESOURCE(lpszTemplateName)) {
        m_nIDTemplate = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
        m_psp.pszTemplate = lpszTemplateName;
    } else {
        m_strTemplateName = lpszTemplateName;
        m_psp.pszTemplate = m_strTemplateName;
    }
}

LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}

LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

BOOL CPropertyPage::OnWizardNotify(NMHDR* header, LRESULT* pResult)
{
    switch (header->code) {
    case PSN_WIZBACK:
        *pResult = OnWizardBack();
        return TRUE;
    case PSN_WIZNEXT:
        *pResult = OnWizardNext();
        return TRUE;
    case PSN_WIZFINISH:
        // TRUE keeps the wizard open.
        *pResult = OnWizardFinish() ? FALSE : TRUE;
        return TRUE;
    case PSN_QUERYCANCEL:
        // TRUE keeps the sheet open.
        *pResult = OnQueryCancel() ? FALSE : TRUE;
        return TRUE;
    default:
        return FALSE;
    }
}
