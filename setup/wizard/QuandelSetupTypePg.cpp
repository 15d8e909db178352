#include "setup/wizard/QuandelSetupTypePg.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/service/QuandelSrv.h"
#include "ids_wizard.h"
#include "ids_pages.h"

CQuandelSetupTypePg::CQuandelSetupTypePg(CQuandelSrv* pSrv, UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle,
                                         UINT nIDHeaderSubTitle)
    : CSetupPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle), m_pSrv(pSrv)
{
}

CQuandelSetupTypePg::~CQuandelSetupTypePg()
{
}

void CQuandelSetupTypePg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
}

BOOL CQuandelSetupTypePg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    CreateSetupFont(this, SETUP_FONT_BOLD, m_BoldFont);
    for (int id : {IDC_WZ_TYPE_NEWER, IDC_WZ_TYPE_CUSTOM, IDC_WZ_TYPE_MODULES}) {
        if (CWnd* radio = GetDlgItem(id))
            radio->SetFont(&m_BoldFont, TRUE);
    }
    CheckDlgButton(IDC_WZ_TYPE_NEWER, BST_CHECKED);
    UpdateButtons();
    return TRUE;
}

BOOL CQuandelSetupTypePg::OnSetActive()
{
    UpdateButtons();
    return CSetupPropertyPageEx::OnSetActive();
}

void CQuandelSetupTypePg::UpdateButtons()
{
    if (CQuandelWizard* wizard = GetWizard())
        wizard->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
}

LRESULT CQuandelSetupTypePg::OnWizardBack()
{
    return IDD_WZ_MAINTENANCE;
}

LRESULT CQuandelSetupTypePg::OnWizardNext()
{
    MPISetupMode type = MPI_MODE_INSTALL_CUSTOM;
    LRESULT next = IDD_PAGES_MODULE_INSTALL;
    if (IsDlgButtonChecked(IDC_WZ_TYPE_NEWER) == BST_CHECKED) {
        type = MPI_MODE_INSTALL_NEWER;
        next = IDD_PAGES_SUMMARY;
    } else if (IsDlgButtonChecked(IDC_WZ_TYPE_MODULES) == BST_CHECKED) {
        type = MPI_MODE_INSTALL_MODULES;
        next = IDD_PAGES_SUMMARY;
    }
    if (m_pSrv != nullptr)
        m_pSrv->SetSetupType(type);
    return next;
}
