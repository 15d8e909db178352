#include "setup/service/QuandelModule.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPIMsiQuery.h"
#include "engine/MPIGroupTexts.h"
#include "engine/MPIPackageTexts.h"

namespace
{
const DWORD kCatalogNumberChars = 50;
const DWORD kFlagChars = 10;

// A flag property reads TRUE when its text begins with 'Y' or 'y'; a failed
// read or an empty text leaves the flag as it was.
void ReadYesFlag(MSIHANDLE handle, const CString& name, BOOL& flag)
{
    CString value;
    if (MPIReadProperty(handle, name, value, kFlagChars) != ERROR_SUCCESS || value.IsEmpty())
        return;
    if (value[0] == L'Y' || value[0] == L'y')
        flag = TRUE;
}
}

CQuandelModule::CQuandelModule(CMPIGroupMsi* group)
    : CMPIModule(group),
      m_bInstallSelection(FALSE), m_bRemoveMark(FALSE),
      m_CachedLanguage(0), m_CachedSource(0),
      m_bIsGeneric(FALSE), m_bIsController(FALSE)
{
}

CQuandelModule::~CQuandelModule()
{
}

UINT CQuandelModule::LoadFromPackage(MSIHANDLE record, MSIHANDLE database, MSIHANDLE package)
{
    UINT result = CMPIModule::LoadFromPackage(record, database, package);
    if (result != ERROR_SUCCESS)
        return result;
    m_bInstallSelection = NeedsAction(MPI_MODE_INSTALL_MODULES);
    return ReadModuleProperties(package);
}

UINT CQuandelModule::LoadInstalled(const wchar_t* feature, MSIHANDLE product)
{
    UINT result = CMPIModule::LoadInstalled(feature, product);
    if (result != ERROR_SUCCESS)
        return result;
    // The package file already gave this module's properties.
    if (IsInPackage())
        return ERROR_SUCCESS;
    return ReadModuleProperties(product);
}

BOOL CQuandelModule::NeedsAction(MPISetupMode mode)
{
    switch (mode)
    {
    case MPI_MODE_INSTALL_CUSTOM:
        return m_bInstallSelection ? TRUE : FALSE;
    case MPI_MODE_REMOVE_GROUPS:
        return (IsInstalled() == 1 && m_pGroup != NULL && m_pGroup->NeedsAction(mode) == 1) ? TRUE : FALSE;
    case MPI_MODE_REMOVE_MODULES:
        return m_bRemoveMark ? TRUE : FALSE;
    default:
        return CMPIModule::NeedsAction(mode);
    }
}

UINT CQuandelModule::ReadModuleProperties(MSIHANDLE handle)
{
    CString name;
    name.Format(L"%s_CatalogNumber", m_strFeatureName.GetString());
    UINT result = MPIReadProperty(handle, name, m_strCatalogNumber, kCatalogNumberChars);
    if (result != ERROR_SUCCESS)
        return result;
    name.Format(L"%s_IsGeneric", m_strFeatureName.GetString());
    ReadYesFlag(handle, name, m_bIsGeneric);
    name.Format(L"%s_IsController", m_strFeatureName.GetString());
    ReadYesFlag(handle, name, m_bIsController);
    return ERROR_SUCCESS;
}

BOOL CQuandelModule::HasLocalizedTexts(int source, int language) const
{
    return (source == m_CachedSource && language == m_CachedLanguage) ? TRUE : FALSE;
}

void CQuandelModule::ReadLocalizedProperties(int source)
{
    if (m_pGroup == NULL)
        return;
    const int language = m_pGroup->GetLanguage();
    if (HasLocalizedTexts(source, language))
        return;
    // A run, a page or a list asks every module of a group in turn: read
    // them all from one open of the side.
    CMPIGroupTexts reader(*m_pGroup);
    UINT result = ERROR_SUCCESS;
    const CMPIPackageTexts& texts = reader.Open(source, result);
    if (result != ERROR_SUCCESS)
        return;
    for (unsigned i = 0; i < m_pGroup->GetModuleCount(); ++i)
    {
        CQuandelModule* module = dynamic_cast<CQuandelModule*>(m_pGroup->GetModule(i));
        if (module != NULL && !module->HasLocalizedTexts(source, language))
            module->ReadLocalizedProperties(texts, source, language);
    }
    if (!HasLocalizedTexts(source, language))
        ReadLocalizedProperties(texts, source, language);
}

void CQuandelModule::ReadLocalizedProperties(const CMPIPackageTexts& texts, int source, int language)
{
    struct Text
    {
        const wchar_t* suffix;
        CString* value;
    } fields[] = {
        {L"_Description", &m_strDescription},
        {L"_FWSeries", &m_strFWSeries},
        {L"_FWMajRev", &m_strFWMajRev},
        {L"_CompatibleTamroVersions", &m_strCompatibleVersions},
    };
    for (const Text& field : fields)
        texts.GetLocalized(m_strFeatureName + field.suffix, static_cast<LANGID>(language), *field.value);
    m_CachedSource = source;
    m_CachedLanguage = language;
}

const CString& CQuandelModule::GetDescription(int source)
{
    ReadLocalizedProperties(source);
    return m_strDescription;
}

const CString& CQuandelModule::GetFWSeries(int source)
{
    ReadLocalizedProperties(source);
    return m_strFWSeries;
}

const CString& CQuandelModule::GetFWMajRev(int source)
{
    ReadLocalizedProperties(source);
    return m_strFWMajRev;
}

const CString& CQuandelModule::GetCompatibleVersions(int source)
{
    ReadLocalizedProperties(source);
    return m_strCompatibleVersions;
}
