#pragma once
// The application object of the wizard part 1 test programs: the real
// CQuandelApp with a scripted command line, a chosen distribution folder
// and a wizard that the test drives.
#include <functional>
#include "setup/wizard/Quandel.h"

class Wizard1TestApp : public CQuandelApp
{
public:
    CString commandLine = L"Quandel.exe";
    CString baseFolder;                       // empty: the real "MP\" beside the program
    std::function<void()> wizardScript;       // runs inside the wizard's modal loop
    bool wizardShown = false;
    int servicesMade = 0;                     // service objects created

    BOOL RunInitInstance() { wizardShown = false; return InitInstance(); }

protected:
    CQuandelSrv* CreateService() override;
    CString GetStartCommandLine() override { return commandLine; }
    void RunWizard() override;
};

Wizard1TestApp& TheTestApp();
