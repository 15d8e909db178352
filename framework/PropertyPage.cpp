#include "framework/PropertyPage.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, DWORD dwSize)
    : CDialog(nIDTemplate)
{
    memset(&m_psp, 0, sizeof m_psp);
    if (dwSize < PROPSHEETPAGEW_V1_SIZE || dwSize > sizeof m_psp)
        dwSize = PROPSHEETPAGEW_V2_SIZE;
    m_psp.dwSize = dwSize;
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = MAKEINTRESOURCEW(nIDTemplate);
    m_psp.pfnDlgProc = &CPropertyPage::PageDialogProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption))
    {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
}

CPropertyPage::~CPropertyPage()
{
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}

void CPropertyPage::SetModified(BOOL changed)
{
    HWND sheet = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    if (sheet != nullptr)
        ::SendMessageW(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (header != nullptr && OnSheetNotify(header, pResult))
    {
        // A dialog answers WM_NOTIFY through DWLP_MSGRESULT as well.
        ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, *pResult);
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

BOOL CPropertyPage::OnSheetNotify(NMHDR* header, LRESULT* pResult)
{
    switch (header->code)
    {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *pResult = OnKillActive() ? FALSE : TRUE;
        return TRUE;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        *pResult = 0;
        return TRUE;
    default:
        return OnWizardNotify(header, pResult);
    }
}

INT_PTR CALLBACK CPropertyPage::PageDialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    const PROPSHEETPAGEW* psp = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
    CPropertyPage* page = psp != nullptr ? reinterpret_cast<CPropertyPage*>(psp->lParam) : nullptr;
    if (page == nullptr)
        return TRUE;
    if (page->m_hWnd == nullptr && !page->SubclassWindow(hWnd))
        return TRUE;
    try
    {
        return page->OnInitDialog();
    }
    catch (...)
    {
        // Nothing may unwind through the property sheet.
        return TRUE;
    }
}
