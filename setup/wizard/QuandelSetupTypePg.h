#pragma once
// The setup-type page: update, all modules or custom; Next stores the
// setup type in the service.
#include "setup/wizard/SetupPropertyPageEx.h"

class CQuandelSrv;

class CQuandelSetupTypePg : public CSetupPropertyPageEx
{
public:
    CQuandelSetupTypePg(CQuandelSrv* pSrv, UINT nIDTemplate = 136, UINT nIDCaption = 0,
                        UINT nIDHeaderTitle = 109, UINT nIDHeaderSubTitle = 110);
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
