#pragma once
// The setup-type page: update, all modules or custom; Next stores the
// setup type in the service.
#include "setup/wizard/SetupPropertyPageEx.h"
#include "ids_wizard.h"

class CQuandelSrv;

class CQuandelSetupTypePg : public CSetupPropertyPageEx
{
public:
    CQuandelSetupTypePg(CQuandelSrv* pSrv, UINT nIDTemplate = IDD_WZ_SETUP_TYPE, UINT nIDCaption = 0,
                        UINT nIDHeaderTitle = IDS_WZ_SETUP_TYPE_TITLE,
                        UINT nIDHeaderSubTitle = IDS_WZ_SETUP_TYPE_SUBTITLE);
    ~CQuandelSetupTypePg() override;

    BOOL OnSetActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void UpdateButtons();

    CFont m_BoldFont;
    CQuandelSrv* m_pSrv;   // not owned
};
