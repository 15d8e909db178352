#include "setup/wizard/QuandelUninstallTypePg.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/service/QuandelSrv.h"
#include "ids_wizard.h"
#include "ids_pages.h"

CQuandelUninstallTypePg::CQuandelUninstallTypePg(CQuandelSrv* pSrv, UINT nIDTemplate, UINT nIDCaption,
                                                 UINT nIDHeaderTitle, UINT nIDHeaderSubTitle)
    : CSetupPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle), m_pSrv(pSrv),
      m_bNewerHost(pSrv != nullptr ? pSrv->IsNewHostInstalled() : FALSE),
      m_bOutsideInstallFolder(!IsRunningFromInstallFolder())
{
}

CQuandelUninstallTypePg::~CQuandelUninstallTypePg()
{
}

void CQuandelUninstallTypePg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
}

BOOL CQuandelUninstallTypePg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    CreateSetupFont(this, SETUP_FONT_BOLD, m_BoldFont);
    for (int id : {IDC_WZ_UNINST_ALL, IDC_WZ_UNINST_GROUPS, IDC_WZ_UNINST_MODULES}) {
        if (CWnd* radio = GetDlgItem(id))
            radio->SetFont(&m_BoldFont, TRUE);
    }
    int kind = REMOVAL_KIND_MODULES;
    if (!m_bNewerHost)
        kind = m_bOutsideInstallFolder ? REMOVAL_KIND_GROUPS : REMOVAL_KIND_ALL;
    SelectRemovalKind(kind);
    UpdateButtons();
    return TRUE;
}

void CQuandelUninstallTypePg::EnablePick(int radioId, int companionId, BOOL enable)
{
    for (int id : {radioId, companionId}) {
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(enable);
    }
}

BOOL CQuandelUninstallTypePg::OnSetActive()
{
    EnablePick(IDC_WZ_UNINST_MODULES, IDC_WZ_UNINST_MODULES_TEXT, TRUE);
    EnablePick(IDC_WZ_UNINST_ALL, IDC_WZ_UNINST_ALL_TEXT, TRUE);
    EnablePick(IDC_WZ_UNINST_GROUPS, IDC_WZ_UNINST_GROUPS_TEXT, m_bOutsideInstallFolder && !m_bNewerHost);
    CQuandelWizard* wizard = GetWizard();
    SelectRemovalKind(wizard != nullptr ? wizard->GetRemovalKind() : REMOVAL_KIND_MODULES);
    UpdateButtons();
    return CSetupPropertyPageEx::OnSetActive();
}

void CQuandelUninstallTypePg::SelectRemovalKind(int kind)
{
    if (CQuandelWizard* wizard = GetWizard())
        wizard->SetRemovalKind(kind);
    CheckDlgButton(IDC_WZ_UNINST_MODULES, BST_UNCHECKED);
    CheckDlgButton(IDC_WZ_UNINST_GROUPS, BST_UNCHECKED);
    CheckDlgButton(IDC_WZ_UNINST_ALL, BST_UNCHECKED);
    if (kind == REMOVAL_KIND_GROUPS)
        CheckDlgButton(IDC_WZ_UNINST_GROUPS, BST_CHECKED);
    else if (kind == REMOVAL_KIND_ALL)
        CheckDlgButton(IDC_WZ_UNINST_ALL, BST_CHECKED);
    else
        CheckDlgButton(IDC_WZ_UNINST_MODULES, BST_CHECKED);
}

void CQuandelUninstallTypePg::UpdateButtons()
{
    if (CQuandelWizard* wizard = GetWizard())
        wizard->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
}

LRESULT CQuandelUninstallTypePg::OnWizardBack()
{
    return IDD_WZ_MAINTENANCE;
}

LRESULT CQuandelUninstallTypePg::OnWizardNext()
{
    int kind = REMOVAL_KIND_MODULES;
    LRESULT next = IDD_PAGES_MODULE_REMOVE;
    if (IsDlgButtonChecked(IDC_WZ_UNINST_GROUPS) != BST_UNCHECKED) {
        kind = REMOVAL_KIND_GROUPS;
        next = IDD_PAGES_SUMMARY;
    } else if (IsDlgButtonChecked(IDC_WZ_UNINST_ALL) != BST_UNCHECKED) {
        kind = REMOVAL_KIND_ALL;
        next = IDD_PAGES_SUMMARY;
    }
    if (CQuandelWizard* wizard = GetWizard())
        wizard->SetRemovalKind(kind);
    return next;
}
