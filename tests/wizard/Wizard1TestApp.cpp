#include "Wizard1TestApp.h"
#include "Wizard1TestSupport.h"
#include "framework/PropertySheet.h"
#include "setup/service/QuandelSrv.h"

namespace {
Wizard1TestApp g_app;
}

Wizard1TestApp& TheTestApp()
{
    return g_app;
}

CQuandelSrv* Wizard1TestApp::CreateService()
{
    ++servicesMade;
    CQuandelSrv* srv = CQuandelApp::CreateService();
    if (!baseFolder.IsEmpty())
        srv->SetBaseFolder(baseFolder);
    return srv;
}

void Wizard1TestApp::RunWizard()
{
    wizardShown = true;
    ScheduleSheetScript([] { return DYNAMIC_DOWNCAST(CPropertySheet, TheTestApp().m_pMainWnd); },
                        wizardScript ? wizardScript : [] {});
    CQuandelApp::RunWizard();
}
