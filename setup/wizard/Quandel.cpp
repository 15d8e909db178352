#include "setup/wizard/Quandel.h"
#include "setup/wizard/QuandelLanguageDlg.h"
#include "setup/wizard/QuandelLanguageLibrary.h"
#include "setup/wizard/QuandelStartupMessages.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/wizard/SetupCommandLineInfo.h"
#include "setup/service/QuandelSrv.h"
#include "engine/MPILoadMSIDll.h"
#include "framework/ControlInit.h"
#include "framework/Seams.h"
#include "ids_startup.h"
#include "ids_wizard.h"

namespace {
const UINT kHelpCommand = 0xE146;   // ID_HELP

// A message from the language library, shown as it is: its text is not a
// format, so inserts in it stay as they are.
void ShowResourceMessage(UINT textId, UINT captionId)
{
    CString text, caption;
    text.LoadString(textId);
    caption.LoadString(captionId);
    AfxShowMessageBox(nullptr, text, caption, MB_OK);
}
} // namespace

BEGIN_MESSAGE_MAP(CQuandelApp, COrvoWinApp)
    ON_COMMAND(kHelpCommand, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CQuandelApp::CQuandelApp()
    : m_pSrv(nullptr)
{
}

CQuandelApp::~CQuandelApp()
{
    delete m_pSrv;
}

CQuandelSrv* CQuandelApp::CreateService()
{
    return new CQuandelSrv;
}

bool CQuandelApp::IsOwnResourceLibrary(HINSTANCE library) const
{
    return IsQuandelLanguageLibrary(library);
}

CString CQuandelApp::GetStartCommandLine()
{
    return CString(GetCommandLineW());
}

void CQuandelApp::RunWizard()
{
    CQuandelWizard wizard(m_pSrv, IDS_QUANDEL_WIZARD_CAPTION, nullptr, 0, nullptr, nullptr, nullptr);
    // The wizard's module installation page deletes the service with the pages.
    m_pSrv = nullptr;
    wizard.SetWizardMode();
    m_pMainWnd = &wizard;
    wizard.DoModal();
    if (m_pMainWnd == &wizard)
        m_pMainWnd = nullptr;
}

BOOL CQuandelApp::InitInstance()
{
    LCID lcid = GetThreadLocale();

    if (!InitOrvoApp(false)) {
        CString text, caption;
        GetStartupFailureMessage(lcid, text, caption);
        AfxShowMessageBox(nullptr, text, caption, MB_OK);
        return FALSE;
    }

    AfxEnableControlContainer();
    AfxInitRichEdit();
    // Without the installer's entry points nothing here can work.
    if (!LoadMsiDll() || !AreMsiEntryPointsBound()) {
        ShowResourceMessage(IDS_WZ_INSTALLER_MISSING, IDS_STARTUP_DISCOVERY_CAPTION);
        return FALSE;
    }

    m_pSrv = CreateService();
    if (m_pSrv->Initialize(1033) != 0) {
        ShowResourceMessage(IDS_STARTUP_DISCOVERY_FAILED, IDS_STARTUP_DISCOVERY_CAPTION);
        delete m_pSrv;
        m_pSrv = nullptr;
        return FALSE;
    }

    CQuandelLanguageDlg languageDlg(m_pSrv, nullptr);
    Setup_CCommandLineInfo commandLine;
    AfxParseCommandLine(commandLine, GetStartCommandLine());
    // A supported "LCID=" has set the thread locale: the installer runs and
    // the C runtime follow it like the user interface's thread locale.
    if (commandLine.IsLanguageGiven())
        lcid = GetThreadLocale();

    if (commandLine.IsLanguagePromptRequested() && !commandLine.IsLanguageGiven() &&
        Setup_CCommandLineInfo::IsSupportedLanguage(static_cast<int>(lcid))) {
        if (languageDlg.DoModal() == IDCANCEL) {
            delete m_pSrv;
            m_pSrv = nullptr;
            return FALSE;
        }
    } else {
        m_pSrv->SetLanguage(static_cast<LANGID>(lcid));
        CQuandelLanguageDlg::ApplyLocale(static_cast<int>(lcid));
    }

    RunWizard();
    return FALSE;
}
