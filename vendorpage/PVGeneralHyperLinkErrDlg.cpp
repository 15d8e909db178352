#include "vendorpage/PVGeneralHyperLinkErrDlg.h"

CPVGeneralHyperLinkErrDlg::CPVGeneralHyperLinkErrDlg(UINT nIDTemplate, UINT nIDIcon, UINT nIDAddress,
                                                     CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_nIDTemplate(nIDTemplate), m_nIDIcon(nIDIcon), m_nIDAddress(nIDAddress)
{
}

CPVGeneralHyperLinkErrDlg::~CPVGeneralHyperLinkErrDlg()
{
}

HRESULT CPVGeneralHyperLinkErrDlg::SetAddress(const wchar_t* address)
{
    m_strAddress = address != nullptr ? address : L"";
    return S_OK;
}

void CPVGeneralHyperLinkErrDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, static_cast<int>(m_nIDIcon), m_wndIcon);
    DDX_Control(pDX, static_cast<int>(m_nIDAddress), m_wndAddress);
}

BOOL CPVGeneralHyperLinkErrDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_wndIcon.GetSafeHwnd() != nullptr)
        m_wndIcon.SetIcon(::LoadIconW(nullptr, IDI_EXCLAMATION));
    if (m_wndAddress.GetSafeHwnd() != nullptr)
        m_wndAddress.SetWindowText(m_strAddress);
    return TRUE;
}
