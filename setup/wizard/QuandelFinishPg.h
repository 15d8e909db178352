#pragma once
// The last page: Finish only; after an install it offers the install notes,
// after a run that asked for a restart it asks to restart the machine.
#include "setup/wizard/SetupPropertyPageEx.h"
#include "framework/Static.h"

class CQuandelFinishPg : public CSetupPropertyPageEx
{
public:
    CQuandelFinishPg();
    ~CQuandelFinishPg() override;

    BOOL OnSetActive() override;
    BOOL OnWizardFinish() override;

    // The install-notes file beside the program for the thread locale.
    static CString GetInstallNotesPath();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void UpdateControls();
    void OpenInstallNotes();
    // Enables the shutdown privilege and restarts the machine by force.
    virtual void RestartSystem();

    CStatic m_Title;      // 1063
    CFont m_TitleFont;
    bool m_bNotesDecided; // the notes box was set up after the install
};
