#pragma once
// The module removal page: installed groups and modules in a check-box
// tree; each installed module's remove mark follows the checks.
#include "setup/wizard/SetupPropertyPageEx.h"
#include "ids_pages.h"
#include "ids_wizard.h"
#include "setup/wizard/QuandelModuleDetailsListBox.h"
#include "setup/wizard/ModuleCheckRows.h"
#include "setup/controls/Quandel_CExCheckBoxTreeListBox.h"

class CQuandelSrv;

class CSetupModuleRemovePg : public CSetupPropertyPageEx
{
    DECLARE_DYNCREATE(CSetupModuleRemovePg)
public:
    // For dynamic creation: the page's own template, no service object.
    CSetupModuleRemovePg();
    CSetupModuleRemovePg(CQuandelSrv* pSrv, UINT nIDTemplate = IDD_PAGES_MODULE_REMOVE, UINT nIDCaption = 0,
                         UINT nIDHeaderTitle = IDS_WZ_MODULE_REMOVE_TITLE,
                         UINT nIDHeaderSubTitle = IDS_WZ_MODULE_REMOVE_SUBTITLE);
    ~CSetupModuleRemovePg() override;

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void FillInstalledTree();
    void FillShippedTree();
    void FillTree(BOOL shippedOnly);
    void UpdateButtons();
    // The checks may have changed: they become the remove marks, then the
    // buttons follow.
    void OnChecksChanged();
    void ShowDetails(int group, int module);
    void SetRemoveMarks(int group, int module, BOOL mark);
    // Every module row's check becomes its module's remove mark.
    void ApplyChecks();
    BOOL HasMarkedModules();

    void OnUncheckAll();
    void OnCheckAll();
    void OnTreeSelChange();

    CQuandelModuleDetailsListBox m_DetailsList;   // 1106
    QUANDEL_CExCheckBoxTreeListBox m_Tree;        // 1133
    CQuandelSrv* m_pSrv;                          // not owned
    bool m_bNotInstalledCopy;
    CModuleCheckRows m_Rows;

    DECLARE_MESSAGE_MAP()
};
