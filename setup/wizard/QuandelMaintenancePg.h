#pragma once
// The maintenance page: the user chooses to add modules, modify or remove;
// Next stores the choice as the sheet's action.
#include "setup/wizard/SetupPropertyPageEx.h"
#include "ids_wizard.h"

class CQuandelSrv;

class CQuandelMaintenancePg : public CSetupPropertyPageEx
{
public:
    CQuandelMaintenancePg(CQuandelSrv* pSrv, UINT nIDTemplate = IDD_WZ_MAINTENANCE, UINT nIDCaption = 0,
                          UINT nIDHeaderTitle = IDS_WZ_MAINTENANCE_TITLE,
                          UINT nIDHeaderSubTitle = IDS_WZ_MAINTENANCE_SUBTITLE);
    ~CQuandelMaintenancePg() override;

    BOOL OnSetActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void UpdateButtons();
    // A right double-click takes the add choice away and selects remove.
    void OnRButtonDblClk(UINT flags, CPoint point);

    CFont m_BoldFont;
    CQuandelSrv* m_pSrv;   // not owned

    DECLARE_MESSAGE_MAP()
};
