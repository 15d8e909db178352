#include "vendorpage/SarnelleApp.h"

BOOL CSarnelleApp::InitInstance()
{
    return InitOrvoApp(true);
}

int CSarnelleApp::ExitInstance()
{
    return COrvoWinApp::ExitInstance();
}

// The one application object of the DLL.
CSarnelleApp theApp;
