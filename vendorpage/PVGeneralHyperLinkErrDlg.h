#pragma once
// The small modal dialog that shows an address the shell failed to open.
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/Static.h"

class CPVGeneralHyperLinkErrDlg : public CDialog
{
public:
    CPVGeneralHyperLinkErrDlg(UINT nIDTemplate, UINT nIDIcon, UINT nIDAddress, CWnd* pParent = nullptr);
    ~CPVGeneralHyperLinkErrDlg() override;

    HRESULT SetAddress(const wchar_t* address);
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    CEdit m_wndAddress;
    CStatic m_wndIcon;
    CString m_strAddress;
    UINT m_nIDTemplate;
    UINT m_nIDIcon;
    UINT m_nIDAddress;
};
