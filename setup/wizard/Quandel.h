#pragma once
// The setup program's application object: InitInstance is the program's
// whole life, from the language decision to the end of the wizard.
#include "support/OrvoWinApp.h"

class CQuandelSrv;

class CQuandelApp : public COrvoWinApp
{
public:
    CQuandelApp();
    ~CQuandelApp() override;

    // The start-up road; FALSE on every path, so no message loop follows.
    BOOL InitInstance() override;
    // A language library of this program holds the start-up texts and the
    // first page; another one is refused like a missing one.
    bool IsOwnResourceLibrary(HINSTANCE library) const override;

    CQuandelSrv* GetService() const { return m_pSrv; }

protected:
    // The service object (tests give it another distribution folder).
    virtual CQuandelSrv* CreateService();
    // The command line handed to the parser (tests script it).
    virtual CString GetStartCommandLine();
    // Shows the wizard modally as the main window.
    virtual void RunWizard();

    // Owned until the wizard takes it (its module installation page
    // deletes it); NULL afterwards.
    CQuandelSrv* m_pSrv;

    DECLARE_MESSAGE_MAP()
};
