#include "support/HelpFileManager.h"
#include "support/FilePath.h"
#include "support/LanguageFileName.h"
#include "framework/AppCore.h"
#include "framework/Diag.h"
#include <memory>
#include <new>
#include <stdlib.h>
#include <wchar.h>

IMPLEMENT_DYNAMIC(CHelpFileManager, CObject)

namespace
{
const int kDefaultLanguage = 1033;
const wchar_t kExtension[] = L"hlp";
std::unique_ptr<CHelpFileManager> g_helpFileManager;
}

CHelpFileManager* CHelpFileManager::GetInstance()
{
    if (!g_helpFileManager)
    {
        try
        {
            g_helpFileManager.reset(new CHelpFileManager);
        }
        catch (const std::bad_alloc&)
        {
            // Out of memory: there is no manager; callers treat that as failure.
        }
    }
    ASSERT(g_helpFileManager);
    return g_helpFileManager.get();
}

HRESULT CHelpFileManager::Validate()
{
    CHelpFileManager* manager = GetInstance();
    if (manager != nullptr && manager->IsValid())
        return S_OK;
    TRACE(L"HelpFileManager failed to initialize to a valid state!\n");
    ASSERT(FALSE);
    return E_FAIL;
}

CHelpFileManager::CHelpFileManager()
{
    if (!Load(kDefaultLanguage))
    {
        TRACE(L"Could not load default help file DLL (%s)!\n", GetFileName(kDefaultLanguage).GetString());
        ASSERT(FALSE);
    }
}

CHelpFileManager::~CHelpFileManager()
{
}

bool CHelpFileManager::IsValid() const
{
    // A manager that never loaded a file is not valid, whatever the path says.
    if (m_nLanguage == 0)
        return false;
    CWinApp* app = AfxGetApp();
    if (app == nullptr || app->m_pszHelpFilePath == nullptr)
        return false;
    CString path(app->m_pszHelpFilePath);
    return CFilePath::Exists(path) && path.CompareNoCase(GetFileName(m_nLanguage)) == 0;
}

bool CHelpFileManager::IsAvailable(int language) const
{
    return LanguageFileExists(language, kExtension);
}

bool CHelpFileManager::Load(int language)
{
    if (m_nLanguage != 0 && language == m_nLanguage)
        return true;
    if (!IsAvailable(language))
        return false;
    CString name = GetFileName(language);
    ASSERT(!name.IsEmpty());
    if (!SetHelpFilePath(name))
        return false;
    m_nLanguage = language;
    return true;
}

CString CHelpFileManager::GetFileName(int language) const
{
    return GetLanguageFileName(language, kExtension);
}

bool CHelpFileManager::SetHelpFilePath(const wchar_t* path)
{
    CWinApp* app = AfxGetApp();
    ASSERT(app != nullptr);
    if (app == nullptr)
        return false;
    // Copy first: the path may be the current one.
    wchar_t* copy = path != nullptr ? _wcsdup(path) : nullptr;
    free(const_cast<wchar_t*>(app->m_pszHelpFilePath));
    app->m_pszHelpFilePath = copy;
    return copy != nullptr;
}
