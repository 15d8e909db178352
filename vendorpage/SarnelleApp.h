#pragma once
// The plug-in's application object: brings up the language library and
// help file of the default language when the DLL is loaded.
#include "support/OrvoWinApp.h"

class CSarnelleApp : public COrvoWinApp
{
public:
    CSarnelleApp() = default;
    ~CSarnelleApp() override = default;

    // FALSE (the DLL refuses to load) without the default language
    // library and help file.
    BOOL InitInstance() override;
    int ExitInstance() override;

    DECLARE_MESSAGE_MAP()
};
