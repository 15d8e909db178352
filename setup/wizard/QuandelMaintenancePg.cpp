#include "setup/wizard/QuandelMaintenancePg.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/service/QuandelSrv.h"
#include "ids_wizard.h"
#include "ids_pages.h"

BEGIN_MESSAGE_MAP(CQuandelMaintenancePg, CSetupPropertyPageEx)
    ON_WM_RBUTTONDBLCLK()
END_MESSAGE_MAP()

CQuandelMaintenancePg::CQuandelMaintenancePg(CQuandelSrv* pSrv, UINT nIDTemplate, UINT nIDCaption,
                                             UINT nIDHeaderTitle, UINT nIDHeaderSubTitle)
    : CSetupPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle), m_pSrv(pSrv)
{
}

CQuandelMaintenancePg::~CQuandelMaintenancePg()
{
}

void CQuandelMaintenancePg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
}

BOOL CQuandelMaintenancePg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    CreateSetupFont(this, SETUP_FONT_BOLD, m_BoldFont);
    for (int id : {IDC_WZ_MAINT_ADD, IDC_WZ_MAINT_REMOVE, IDC_WZ_MAINT_MODIFY}) {
        if (CWnd* radio = GetDlgItem(id))
            radio->SetFont(&m_BoldFont, TRUE);
    }
    if (IsRunningFromInstallFolder()) {
        CheckDlgButton(IDC_WZ_MAINT_REMOVE, BST_CHECKED);
        if (CWnd* add = GetDlgItem(IDC_WZ_MAINT_ADD))
            add->EnableWindow(FALSE);
    } else {
        if (CWnd* add = GetDlgItem(IDC_WZ_MAINT_ADD))
            add->EnableWindow(TRUE);
        CheckDlgButton(IDC_WZ_MAINT_ADD, BST_CHECKED);
    }
    UpdateButtons();
    return TRUE;
}

BOOL CQuandelMaintenancePg::OnSetActive()
{
    UpdateButtons();
    return CSetupPropertyPageEx::OnSetActive();
}

void CQuandelMaintenancePg::UpdateButtons()
{
    if (CQuandelWizard* wizard = GetWizard())
        wizard->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
}

LRESULT CQuandelMaintenancePg::OnWizardBack()
{
    return IDD_PAGES_WELCOME;
}

LRESULT CQuandelMaintenancePg::OnWizardNext()
{
    CQuandelWizard* wizard = GetWizard();
    if (wizard == nullptr)
        return -1;
    if (IsDlgButtonChecked(IDC_WZ_MAINT_ADD) == BST_CHECKED) {
        wizard->SetAction(WIZARD_ACTION_INSTALL);
        return IDD_WZ_SETUP_TYPE;
    }
    if (IsDlgButtonChecked(IDC_WZ_MAINT_MODIFY) == BST_CHECKED) {
        wizard->SetAction(WIZARD_ACTION_MODIFY);
        return IDD_PAGES_SUMMARY;
    }
    LRESULT next = IDD_WZ_UNINSTALL_TYPE;
    if (m_pSrv != nullptr && m_pSrv->IsNewHostInstalled()) {
        wizard->SetRemovalKind(REMOVAL_KIND_MODULES);
        next = IDD_PAGES_MODULE_REMOVE;
    }
    wizard->SetAction(WIZARD_ACTION_REMOVE);
    return next;
}

void CQuandelMaintenancePg::OnRButtonDblClk(UINT, CPoint)
{
    for (int id : {IDC_WZ_MAINT_ADD, IDC_WZ_MAINT_ADD_TEXT}) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(FALSE);
    }
    // Exactly one choice stays checked: remove.
    CheckDlgButton(IDC_WZ_MAINT_ADD, BST_UNCHECKED);
    CheckDlgButton(IDC_WZ_MAINT_MODIFY, BST_UNCHECKED);
    CheckDlgButton(IDC_WZ_MAINT_REMOVE, BST_CHECKED);
}
