#pragma once
// The modify page: reached by Back from the summary while the action is
// modify; shows the disk-space lines of a change.
#include "setup/wizard/SetupPropertyPageEx.h"
#include "ids_pages.h"
#include "ids_wizard.h"

class CSetupModifyPg : public CSetupPropertyPageEx
{
    DECLARE_DYNCREATE(CSetupModifyPg)
public:
    CSetupModifyPg(UINT nIDTemplate = IDD_PAGES_MODIFY, UINT nIDCaption = 0, UINT nIDHeaderTitle = IDS_WZ_MODIFY_TITLE,
                   UINT nIDHeaderSubTitle = IDS_WZ_MODIFY_SUBTITLE);
    ~CSetupModifyPg() override;

    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

    // Needed and available space in MB; a modify changes nothing yet.
    virtual void QuerySpace(float& needed, float& available);
    void UpdateSpaceTexts();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnUpdateSpaceCommand(UINT nID);

    CString m_strSpaceLeft;     // 1056
    CString m_strSpaceNeeded;   // 1057

    DECLARE_MESSAGE_MAP()
};
