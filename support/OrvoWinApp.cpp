#include "support/OrvoWinApp.h"
#include "support/HelpFileManager.h"
#include "support/ResourceDllManager.h"
#include "framework/Diag.h"

IMPLEMENT_DYNAMIC(COrvoWinApp, CWinApp)

BEGIN_MESSAGE_MAP(COrvoWinApp, CWinApp)
END_MESSAGE_MAP()

COrvoWinApp::COrvoWinApp()
    : CWinApp(nullptr)
{
}

COrvoWinApp::~COrvoWinApp()
{
}

COrvoWinApp* COrvoWinApp::GetApp()
{
    return DYNAMIC_DOWNCAST(COrvoWinApp, AfxGetApp());
}

int COrvoWinApp::ExitInstance()
{
    return CWinApp::ExitInstance();
}

BOOL COrvoWinApp::InitOrvoApp(bool useHelp)
{
    if (!CWinApp::InitInstance())
    {
        ASSERT(FALSE);
        return FALSE;
    }
    if (FAILED(CResourceDllManager::Validate()))
    {
        ASSERT(FALSE);
        return FALSE;
    }
    if (useHelp && FAILED(CHelpFileManager::Validate()))
    {
        ASSERT(FALSE);
        return FALSE;
    }
    m_bUseHelp = useHelp;
    return TRUE;
}

bool COrvoWinApp::IsOwnResourceLibrary(HINSTANCE) const
{
    return true;
}

int COrvoWinApp::GetLanguage()
{
    ASSERT(AreLanguagesConsistent());
    CResourceDllManager* resources = CResourceDllManager::GetInstance();
    return resources != nullptr ? resources->GetLanguage() : 0;
}

bool COrvoWinApp::IsLanguageAvailable(int language)
{
    CResourceDllManager* resources = CResourceDllManager::GetInstance();
    if (resources == nullptr || !resources->IsAvailable(language))
        return false;
    if (!m_bUseHelp)
        return true;
    CHelpFileManager* help = CHelpFileManager::GetInstance();
    return help != nullptr && help->IsAvailable(language);
}

bool COrvoWinApp::SetLanguage(int language)
{
    CResourceDllManager* resources = CResourceDllManager::GetInstance();
    if (resources == nullptr)
        return false;
    if (!resources->Load(language))
    {
        ASSERT(FALSE);
        return false;
    }
    if (!m_bUseHelp)
        return true;
    CHelpFileManager* help = CHelpFileManager::GetInstance();
    if (help == nullptr)
        return true;
    // On failure the library has switched while the help file has not:
    // AreLanguagesConsistent then answers FALSE.
    bool loaded = help->Load(language);
    ASSERT(loaded);
    return loaded;
}

bool COrvoWinApp::AreLanguagesConsistent()
{
    if (!m_bUseHelp)
        return true;
    CResourceDllManager* resources = CResourceDllManager::GetInstance();
    CHelpFileManager* help = CHelpFileManager::GetInstance();
    return resources != nullptr && help != nullptr && resources->GetLanguage() == help->GetLanguage();
}
