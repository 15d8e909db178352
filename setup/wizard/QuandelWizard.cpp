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
    AddPage(new CQuandelLicensePg(133, 0, 103, 104));
    AddPage(new CQuandelMaintenancePg(pSrv, 141, 0, 111, 112));
    AddPage(new CSetupModifyPg(159, 0, 147, 146));
    AddPage(new CSetupModuleRemovePg(pSrv, 144, 0, 113, 114));
    AddPage(new CSetupModuleInstallPg(pSrv, 165, 0, 107, 108));
    AddPage(new CQuandelSetupTypePg(pSrv, 136, 0, 109, 110));
    AddPage(new CQuandelUninstallTypePg(pSrv, 104, 0, 220, 221));
    AddPage(new CSetupModuleBeginInstallPg(pSrv, 149, 0, 120, 121));
    AddPage(new CSetupInstallingPg(pSrv, 154, 0, 125, 126));
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
