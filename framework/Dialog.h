#pragma once
// CDialog: a modal dialog made from a template of the current resource
// library. The dialog window is subclassed to the object while it is being
// created, so the message map sees its messages; WM_INITDIALOG reaches
// OnInitDialog, IDOK and IDCANCEL reach OnOK and OnCancel.
#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog; the EndDialog result, or -1 when it could not be
    // created (no template, no window).
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Exchanges data towards the controls (UpdateData(FALSE)); TRUE lets
    // the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    // Validates (UpdateData(TRUE)) and ends with IDOK.
    virtual void OnOK();
    virtual void OnCancel();

    UINT GetTemplateId() const { return m_nIDTemplate; }

protected:
    // The dialog procedure under the subclassed window: WM_INITDIALOG goes
    // to OnInitDialog; everything else gets the dialog manager's handling.
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()
};
