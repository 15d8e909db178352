#pragma once
// The module installation page of a custom install: every group package
// and its modules in a check-box tree; the checks become the modules'
// install selections. Owns the service object (deleted with the page).
#include "setup/wizard/SetupPropertyPageEx.h"
#include "ids_pages.h"
#include "ids_wizard.h"
#include "setup/wizard/QuandelModuleDetailsListBox.h"
#include "setup/wizard/ModuleCheckRows.h"
#include "setup/controls/Quandel_CExCheckBoxTreeListBox.h"

class CQuandelSrv;

class CSetupModuleInstallPg : public CSetupPropertyPageEx
{
    DECLARE_DYNCREATE(CSetupModuleInstallPg)
public:
    // For dynamic creation: the page's own template, no service object.
    CSetupModuleInstallPg();
    CSetupModuleInstallPg(CQuandelSrv* pSrv, UINT nIDTemplate = IDD_PAGES_MODULE_INSTALL, UINT nIDCaption = 0,
                          UINT nIDHeaderTitle = IDS_WZ_MODULE_INSTALL_TITLE,
                          UINT nIDHeaderSubTitle = IDS_WZ_MODULE_INSTALL_SUBTITLE);
    ~CSetupModuleInstallPg() override;

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The space the chosen run adds, in MB, and its line of text.
    double GetRequiredMB();
    void UpdateSpaceText();
    // Writes every module row's check into its module's install selection.
    void ApplySelections();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void CreateDiskSpaceButton();
    void FillTree();
    void ShowSelectedDetails();
    void UpdateButtons();
    // The checks may have changed: they become the install selections, then
    // the space line and the buttons follow.
    void OnChecksChanged();
    void OnTreeSelChange();
    void OnUncheckAll();
    void OnCheckAll();
    void OnDiskSpace();

    CQuandelModuleDetailsListBox m_DetailsList;   // 1106
    QUANDEL_CExCheckBoxTreeListBox m_Tree;        // 1100
    CString m_strSpace;                           // 1051
    CButton m_DiskSpaceButton;                    // 1034, child of the sheet
    CQuandelSrv* m_pSrv;                          // owned
    CModuleCheckRows m_Rows;

    DECLARE_MESSAGE_MAP()
};
