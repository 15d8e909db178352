#include "vendorpage/SarnelleApp.h"

// No commands of its own.
BEGIN_MESSAGE_MAP(CSarnelleApp, COrvoWinApp)
END_MESSAGE_MAP()

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
