#include "setup/service/QuandelGroupMsi.h"
#include "engine/MPIMsiQuery.h"
#include "engine/MPIOwnedList.h"
#include "setup/service/QuandelModule.h"
#include "setup/service/QuandelSrv.h"

namespace
{
const DWORD kVendorChars = 255;
const DWORD kSetupLanguagesChars = 255;
}

CQuandelGroupMsi::CQuandelGroupMsi(CQuandelSrv* service)
    : CMPIGroupMsi(service), m_pService(service)
{
}

CQuandelGroupMsi::~CQuandelGroupMsi()
{
}

UINT CQuandelGroupMsi::ReadPackage(const wchar_t* path, MSIHANDLE package)
{
    UINT result = CMPIGroupMsi::ReadPackage(path, package);
    if (result != ERROR_SUCCESS)
        return result;
    result = MPIReadProperty(package, L"ModuleVendor", m_strModuleVendor, kVendorChars);
    if (result != ERROR_SUCCESS)
        return result;
    return ParseSetupLanguages(package, m_PackageLanguages);
}

UINT CQuandelGroupMsi::ReadInstalled(const wchar_t* productCode, MSIHANDLE product)
{
    UINT result = CMPIGroupMsi::ReadInstalled(productCode, product);
    if (result != ERROR_SUCCESS)
        return result;
    // The package file's vendor wins when there is one.
    if (!HasPackage())
    {
        result = MPIReadProperty(product, L"ModuleVendor", m_strModuleVendor, kVendorChars);
        if (result != ERROR_SUCCESS)
            return result;
    }
    return ParseSetupLanguages(product, m_InstalledLanguages);
}

void CQuandelGroupMsi::ClearInstalled()
{
    CMPIGroupMsi::ClearInstalled();
    // A second product in the same role brings its own languages.
    m_InstalledLanguages.clear();
}

UINT CQuandelGroupMsi::ParseSetupLanguages(MSIHANDLE handle, CQuandelLanguageList& list)
{
    CString value;
    UINT result = MPIReadProperty(handle, L"SetupLanguages", value, kSetupLanguagesChars);
    if (result != ERROR_SUCCESS)
        return result;
    return ParseSetupLanguagesText(value, list);
}

BOOL CQuandelGroupMsi::AnyModuleNeedsAction(MPISetupMode mode) const
{
    for (CMPIModule* module : m_Modules)
        if (module != NULL && module->NeedsAction(mode) == 1)
            return TRUE;
    return FALSE;
}

BOOL CQuandelGroupMsi::NeedsAction(MPISetupMode mode)
{
    switch (mode)
    {
    case MPI_MODE_INSTALL_CUSTOM:
    case MPI_MODE_REMOVE_MODULES:
        return AnyModuleNeedsAction(mode);
    case MPI_MODE_REMOVE_GROUPS:
        return (HasPackage() == 1 && IsInstalled() == 1) ? TRUE : FALSE;
    default:
        return CMPIGroupMsi::NeedsAction(mode);
    }
}

void CQuandelGroupMsi::GetFeatureList(CString& list, MPISetupMode mode)
{
    list.Empty();
    switch (mode)
    {
    case MPI_MODE_INSTALL_CUSTOM:
        list = JoinModulesNeedingAction(mode);
        break;
    case MPI_MODE_REMOVE_GROUPS:
        list = L"ALL";
        break;
    case MPI_MODE_REMOVE_MODULES:
        // When no module stays, the whole product goes.
        list = IsInstalledAfter(mode) ? JoinModulesNeedingAction(mode) : CString(L"ALL");
        break;
    default:
        CMPIGroupMsi::GetFeatureList(list, mode);
        break;
    }
}

BOOL CQuandelGroupMsi::IsInstalledAfter(MPISetupMode mode)
{
    switch (mode)
    {
    case MPI_MODE_INSTALL_NEWER:
    case MPI_MODE_INSTALL_MODULES:
    case MPI_MODE_REMOVE_ALL:
        return CMPIGroupMsi::IsInstalledAfter(mode);
    case MPI_MODE_INSTALL_CUSTOM:
        return NeedsAction(mode);
    case MPI_MODE_REMOVE_GROUPS:
        // Groups without a package file beside the program are kept.
        return (IsInstalled() == 1 && HasPackage() != 1) ? TRUE : FALSE;
    case MPI_MODE_REMOVE_MODULES:
        if (IsInstalled() != 1)
            return FALSE;
        for (CMPIModule* module : m_Modules)
            if (module != NULL && module->IsInstalled() == 1 && module->NeedsAction(mode) == 0)
                return TRUE;
        return FALSE;
    default:
        return FALSE;
    }
}

CMPIModule* CQuandelGroupMsi::CreateModule()
{
    return MPIAppendOwned(m_Modules, new CQuandelModule(this));
}

CQuandelModule* CQuandelGroupMsi::GetModule(int index) const
{
    if (index < 0)
        return NULL;
    return static_cast<CQuandelModule*>(CMPIGroupMsi::GetModule(static_cast<unsigned>(index)));
}

DWORD CQuandelGroupMsi::GetSetupLanguage(unsigned index, int source) const
{
    const CQuandelLanguageList& list = source == 1 ? m_InstalledLanguages : m_PackageLanguages;
    return index < list.size() ? list[index] : 0;
}
