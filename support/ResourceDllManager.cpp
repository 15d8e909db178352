#include "support/ResourceDllManager.h"
#include "support/LanguageFileName.h"
#include "support/OrvoWinApp.h"
#include "framework/AppCore.h"
#include "framework/Diag.h"
#include <memory>
#include <new>

IMPLEMENT_DYNAMIC(CResourceDllManager, CObject)

namespace
{
const int kDefaultLanguage = 1033;
const wchar_t kExtension[] = L"dll";
std::unique_ptr<CResourceDllManager> g_resourceDllManager;
}

CResourceDllManager* CResourceDllManager::GetInstance()
{
    if (!g_resourceDllManager)
    {
        try
        {
            g_resourceDllManager.reset(new CResourceDllManager);
        }
        catch (const std::bad_alloc&)
        {
            // Out of memory: there is no manager; callers treat that as failure.
        }
    }
    ASSERT(g_resourceDllManager);
    return g_resourceDllManager.get();
}

HRESULT CResourceDllManager::Validate()
{
    CResourceDllManager* manager = GetInstance();
    if (manager != nullptr && manager->m_hProgramInstance != nullptr && manager->m_hLibraryInstance != nullptr)
        return S_OK;
    TRACE(L"ResourceDLLManager failed to initialize to a valid state!\n");
    ASSERT(FALSE);
    return E_FAIL;
}

CResourceDllManager::CResourceDllManager()
    : m_hProgramInstance(AfxGetInstanceHandle())
{
    ASSERT(m_hProgramInstance != nullptr);
    if (!Load(kDefaultLanguage))
    {
        TRACE(L"Could not load default resource-only DLL (%s)!\n", GetFileName(kDefaultLanguage).GetString());
        ASSERT(FALSE);
    }
}

CResourceDllManager::~CResourceDllManager()
{
    FreeResourceDll();
}

bool CResourceDllManager::IsAvailable(int language) const
{
    return LanguageFileExists(language, kExtension);
}

bool CResourceDllManager::Load(int language)
{
    if (m_hLibraryInstance != nullptr && language == m_nLanguage)
        return true;
    if (!IsAvailable(language))
        return false;
    CString name = GetFileName(language);
    ASSERT(!name.IsEmpty());
    HINSTANCE library = LoadLibraryW(name);
    ASSERT(library != nullptr);
    if (library == nullptr)
        return false;
    // A library that loads but lacks the program's resources (another
    // program's, under this name) would leave every text and page empty.
    COrvoWinApp* app = COrvoWinApp::GetApp();
    if (app != nullptr && !app->IsOwnResourceLibrary(library))
    {
        TRACE(L"%s is not a language library of this program\n", name.GetString());
        FreeLibrary(library);
        return false;
    }
    FreeResourceDll();
    AfxSetResourceHandle(library);
    m_nLanguage = language;
    m_hLibraryInstance = library;
    return true;
}

bool CResourceDllManager::FreeResourceDll()
{
    if (m_hLibraryInstance == nullptr || m_hLibraryInstance == m_hProgramInstance)
        return false;
    AfxSetResourceHandle(m_hProgramInstance);
    FreeLibrary(m_hLibraryInstance);
    return true;
}

CString CResourceDllManager::GetFileName(int language) const
{
    return GetLanguageFileName(language, kExtension);
}
