#pragma once
// The uninstall-type page: remove chosen modules, the groups of this
// distribution, or everything; the pick is the sheet's removal kind.
#include "setup/wizard/SetupPropertyPageEx.h"
#include "ids_wizard.h"

class CQuandelSrv;

class CQuandelUninstallTypePg : public CSetupPropertyPageEx
{
public:
    // Learns once whether the program runs outside its install folder and
    // whether a newer host is installed.
    CQuandelUninstallTypePg(CQuandelSrv* pSrv, UINT nIDTemplate = IDD_WZ_UNINSTALL_TYPE, UINT nIDCaption = 0,
                            UINT nIDHeaderTitle = IDS_WZ_UNINSTALL_TYPE_TITLE,
                            UINT nIDHeaderSubTitle = IDS_WZ_UNINSTALL_TYPE_SUBTITLE);
    ~CQuandelUninstallTypePg() override;

    BOOL OnSetActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

    // Stores the kind in the sheet and checks its radio button.
    void SelectRemovalKind(int kind);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void UpdateButtons();
    void EnablePick(int radioId, int companionId, BOOL enable);

    CFont m_BoldFont;
    CQuandelSrv* m_pSrv;   // not owned
    BOOL m_bNewerHost;
    bool m_bOutsideInstallFolder;
};
