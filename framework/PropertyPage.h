#pragma once
// CPropertyPage: one page of a property sheet, described by a
// PROPSHEETPAGEW that a sheet turns into the page window. The page's dialog
// procedure finds the object through PROPSHEETPAGEW.lParam at WM_INITDIALOG
// and subclasses the page window to it; from then on the message map sees
// the page's messages. The sheet's notifications arrive as WM_NOTIFY and go
// to the virtual handlers below; their answers go back as the message
// result (and DWLP_MSGRESULT).
#include "framework/Dialog.h"
#include <prsht.h>

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // nIDCaption, when not 0, names the page's title string; dwSize is the
    // size of the page record handed to the sheet (48: the version-2 layout
    // with header titles and no activation context).
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0, DWORD dwSize = PROPSHEETPAGEW_V2_SIZE);
    // A wizard page with Wizard 97 header title and subtitle strings (0: none).
    CPropertyPage(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle, UINT nIDHeaderSubTitle,
                  DWORD dwSize = PROPSHEETPAGEW_V2_SIZE);
    // The same with a template given by name.
    CPropertyPage(LPCWSTR lpszTemplateName, UINT nIDCaption, UINT nIDHeaderTitle, UINT nIDHeaderSubTitle,
                  DWORD dwSize = PROPSHEETPAGEW_V2_SIZE);
    ~CPropertyPage() override;

    PROPSHEETPAGEW& GetPSP() { return m_psp; }
    const PROPSHEETPAGEW& GetPSP() const { return m_psp; }

    // PSN_SETACTIVE: FALSE refuses the activation. Later activations
    // refresh the controls (UpdateData(FALSE)).
    virtual BOOL OnSetActive();
    // PSN_KILLACTIVE: FALSE keeps the page active. Validates the controls.
    virtual BOOL OnKillActive();
    // PSN_APPLY: OnOK; FALSE keeps the sheet open on this page.
    virtual BOOL OnApply();
    // PSN_RESET: OnCancel.
    virtual void OnReset();
    void OnOK() override;
    void OnCancel() override;

    // Wizard notifications (framework/PropertyPageWizard.cpp).
    // PSN_WIZBACK / PSN_WIZNEXT: the template id of the page to show, 0 for
    // the neighbouring page, -1 to stay on this page.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    // PSN_WIZFINISH: TRUE lets the wizard finish.
    virtual BOOL OnWizardFinish();
    // PSN_QUERYCANCEL: TRUE lets the sheet be cancelled.
    virtual BOOL OnQueryCancel();

    // Tells the sheet the page has unsaved changes (enables Apply).
    void SetModified(BOOL changed = TRUE);

    PROPSHEETPAGEW m_psp;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // One sheet notification; TRUE when handled, the answer in *pResult.
    virtual BOOL OnSheetNotify(NMHDR* header, LRESULT* pResult);
    // The wizard notifications among them; FALSE for any other code.
    BOOL OnWizardNotify(NMHDR* header, LRESULT* pResult);

    static INT_PTR CALLBACK PageDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    CString m_strTemplateName;   // a template given by name
    CString m_strCaption;
    CString m_strHeaderTitle;
    CString m_strHeaderSubTitle;
    BOOL m_bFirstSetActive = TRUE;
};
