#pragma once
// The summary page before a run: what the chosen action will process, as
// a tree of groups and modules with the details of the selected item.
#include "setup/wizard/SetupPropertyPageEx.h"
#include "ids_pages.h"
#include "ids_wizard.h"
#include "setup/wizard/QuandelModuleDetailsListBox.h"
#include "framework/TreeCtrl.h"

class CQuandelSrv;

class CSetupModuleBeginInstallPg : public CSetupPropertyPageEx
{
    DECLARE_DYNCREATE(CSetupModuleBeginInstallPg)
public:
    // For dynamic creation: the page's own template, no service object.
    CSetupModuleBeginInstallPg();
    CSetupModuleBeginInstallPg(CQuandelSrv* pSrv, UINT nIDTemplate = IDD_PAGES_SUMMARY, UINT nIDCaption = 0,
                               UINT nIDHeaderTitle = IDS_WZ_SUMMARY_TITLE,
                               UINT nIDHeaderSubTitle = IDS_WZ_SUMMARY_SUBTITLE);
    ~CSetupModuleBeginInstallPg() override;

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

    void FillTree();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void ShowSelectedDetails(NMHDR* pNMHDR, LRESULT* pResult);
    void ShowItemDetails(HTREEITEM item);
    void ShowContentControls(BOOL show);
    int GetAction();

    CQuandelModuleDetailsListBox m_DetailsList;   // 1004
    CTreeCtrl m_Tree;                             // 1002
    CString m_strSummary;                         // 1091
    CQuandelSrv* m_pSrv;                          // not owned

    DECLARE_MESSAGE_MAP()
};
