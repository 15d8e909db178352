#include "setup/wizard/QuandelWizard.h"
#include "setup/wizard/QuandelFinishPg.h"
#include "setup/wizard/QuandelLicensePg.h"
#include "setup/wizard/QuandelMaintenancePg.h"
#include "setup/wizard/QuandelMessageBox.h"
#include "setup/wizard/QuandelSetupTypePg.h"
#include "setup/wizard/QuandelUninstallTypePg.h"
#include "setup/wizard/QuandelWelcomePg.h"
#include "setup/wizard/SetupInstallingPg.h"
#include "setup/wizard/SetupModifyPg.h"
#include "setup/wizard/SetupModuleBeginInstallPg.h"
#include "setup/wizard/SetupModuleInstallPg.h"
#include "setup/wizard/SetupModuleRemovePg.h"
#include "ids_pages.h"
#include "ids_wizard.h"

IMPLEMENT_DYNAMIC(CQuandelWizard, CPropertySheet)

CQuandelWizard::CQuandelWizard(CQuandelSrv* pSrv, UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage,
                               HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage, hbmWatermark, hpalWatermark, hbmHeader)
{
    Construct(pSrv);
}

CQuandelWizard::CQuandelWizard(CQuandelSrv* pSrv, const wchar_t* caption, CWnd* pParentWnd, UINT iSelectPage,
                               HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader)
    : CPropertySheet(caption, pParentWnd, iSelectPage, hbmWatermark, hpalWatermark, hbmHeader)
{
    Construct(pSrv);
}

void CQuandelWizard::Construct(CQuandelSrv* pSrv)
{
    m_pSrv = pSrv;
    m_nRemovalKind = REMOVAL_KIND_MODULES;
    m_nAction = WIZARD_ACTION_NONE;
    m_nRunStatus = 0;
    m_psh.dwFlags |= PSH_WIZARD97 | PSH_USEHICON;
    m_psh.dwFlags &= ~PSH_HASHELP;

    AddPage(new CQuandelWelcomePg(pSrv));
    AddPage(new CQuandelLicensePg(IDD_PAGES_LICENSE, 0, IDS_WZ_LICENSE_TITLE, IDS_WZ_LICENSE_SUBTITLE));
    AddPage(new CQuandelMaintenancePg(pSrv, IDD_WZ_MAINTENANCE, 0, IDS_WZ_MAINTENANCE_TITLE,
                                      IDS_WZ_MAINTENANCE_SUBTITLE));
    AddPage(new CSetupModifyPg(IDD_PAGES_MODIFY, 0, IDS_WZ_MODIFY_TITLE, IDS_WZ_MODIFY_SUBTITLE));
    AddPage(new CSetupModuleRemovePg(pSrv, IDD_PAGES_MODULE_REMOVE, 0, IDS_WZ_MODULE_REMOVE_TITLE,
                                     IDS_WZ_MODULE_REMOVE_SUBTITLE));
    AddPage(new CSetupModuleInstallPg(pSrv, IDD_PAGES_MODULE_INSTALL, 0, IDS_WZ_MODULE_INSTALL_TITLE,
                                      IDS_WZ_MODULE_INSTALL_SUBTITLE));
    AddPage(new CQuandelSetupTypePg(pSrv, IDD_WZ_SETUP_TYPE, 0, IDS_WZ_SETUP_TYPE_TITLE, IDS_WZ_SETUP_TYPE_SUBTITLE));
    AddPage(new CQuandelUninstallTypePg(pSrv, IDD_WZ_UNINSTALL_TYPE, 0, IDS_WZ_UNINSTALL_TYPE_TITLE,
                                        IDS_WZ_UNINSTALL_TYPE_SUBTITLE));
    AddPage(new CSetupModuleBeginInstallPg(pSrv, IDD_PAGES_SUMMARY, 0, IDS_WZ_SUMMARY_TITLE, IDS_WZ_SUMMARY_SUBTITLE));
    AddPage(new CSetupInstallingPg(pSrv, IDD_WZ_INSTALLING, 0, IDS_WZ_INSTALLING_TITLE, IDS_WZ_INSTALLING_SUBTITLE));
    AddPage(new CQuandelFinishPg());
}

CQuandelWizard::~CQuandelWizard()
{
    DeletePages();
}

void CQuandelWizard::DeletePages()
{
    for (CPropertyPage* page : m_pages)
        delete page;
    m_pages.clear();
}

BOOL CQuandelWizard::OnInitDialog()
{
    BOOL result = CPropertySheet::OnInitDialog();
    HICON icon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(ICON_ID));
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
    // The wizard's questions are owned by it from now on.
    SetQuandelMessageBoxOwner(m_hWnd);
    SetActivePage(0);
    return result;
}

BOOL CQuandelWizard::DestroyWindow()
{
    if (GetQuandelMessageBoxOwner() == m_hWnd)
        SetQuandelMessageBoxOwner(nullptr);
    DeletePages();
    return CPropertySheet::DestroyWindow();
}
