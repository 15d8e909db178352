#pragma once
// Application base of both deliverables: brings up the language resource
// library (and, when asked, the language help file) at start-up and lets the
// program ask for, test and switch the language.
#include "framework/AppCore.h"
#include "support/LanguageAbbreviation.h"

class COrvoWinApp : public CWinApp
{
    DECLARE_DYNAMIC(COrvoWinApp)

public:
    COrvoWinApp();
    // Pure: each program supplies its own application class.
    ~COrvoWinApp() override = 0;

    // The running application as a COrvoWinApp; null when it is none.
    static COrvoWinApp* GetApp();

    int ExitInstance() override;
    // Call from InitInstance. FALSE when the default language library (or,
    // with useHelp, the default help file) cannot be had.
    virtual BOOL InitOrvoApp(bool useHelp);
    // Whether a loaded language library is one of this program's, so that
    // the resource-DLL manager may make it current. Every library here.
    virtual bool IsOwnResourceLibrary(HINSTANCE library) const;

    int GetLanguage();
    bool IsLanguageAvailable(int language);
    bool SetLanguage(int language);
    bool AreLanguagesConsistent();

protected:
    bool m_bUseHelp = false;

    DECLARE_MESSAGE_MAP()
};
