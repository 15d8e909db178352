#include "engine/MPIGroupMsi.h"
#include "engine/MPIModule.h"
#include "engine/MPIMsiQuery.h"
#include "engine/MPIOwnedList.h"

namespace
{
// Appends the feature name of every module that take() accepts, each
// followed by its parent features from chains. A name may be listed twice;
// the sums count it twice.
template <class Take>
void CollectFeatures(const std::vector<CMPIModule*>& modules, const CMPIFeatureSizeList& chains,
                     CStringArray& features, Take take)
{
    for (CMPIModule* module : modules)
    {
        if (!take(module))
            continue;
        features.Add(module->GetFeatureName());
        chains.AddParentChain(features, module->GetFeatureName());
    }
}
}

CMPIGroupMsi::CMPIGroupMsi(CMPIBase* owner)
    : CMPIMsi(owner),
      m_nCoreVersionFlag(0), m_nMinCoreMajor(1), m_nMinCoreMinor(0),
      m_CachedNamesLanguage(0), m_CachedNamesSource(0), m_pSharedTexts(NULL)
{
    SetMinCoreVersion();
}

CMPIGroupMsi::~CMPIGroupMsi()
{
    for (CMPIModule* module : m_Modules)
        delete module;
}

UINT CMPIGroupMsi::ReadPackage(const wchar_t* path, MSIHANDLE package)
{
    UINT result = CMPIMsi::ReadPackage(path, package);
    if (result == ERROR_SUCCESS)
        result = ReadMinCoreVersion(package);
    if (result == ERROR_SUCCESS)
        result = BuildModules(package);
    return result;
}

UINT CMPIGroupMsi::ReadInstalled(const wchar_t* productCode, MSIHANDLE product)
{
    UINT result = CMPIMsi::ReadInstalled(productCode, product);
    if (result == ERROR_SUCCESS)
        result = ReadInstalledModules(product);
    return result;
}

void CMPIGroupMsi::ClearInstalled()
{
    CMPIMsi::ClearInstalled();
    // Modules that only the earlier product had go with it; the package
    // file's modules stay and forget their installed state.
    std::vector<CMPIModule*> kept;
    kept.reserve(m_Modules.size());   // no allocation fails halfway through
    for (CMPIModule* module : m_Modules)
    {
        if (module->IsInPackage() == 1)
        {
            module->ClearInstalledState();
            kept.push_back(module);
        }
        else
            delete module;
    }
    m_Modules.swap(kept);
}

CMPIModule* CMPIGroupMsi::CreateModule()
{
    return MPIAppendOwned(m_Modules, new CMPIModule(this));
}

BOOL CMPIGroupMsi::IsModuleFeature(const wchar_t* feature)
{
    if (feature == NULL)
        return FALSE;
    return wcsncmp(feature, L"Main", 4) == 0 ? FALSE : TRUE;
}

BOOL CMPIGroupMsi::IsModuleRecord(MSIHANDLE record)
{
    CString feature;
    if (MPIReadRecordString(record, 1, feature, 65) != ERROR_SUCCESS)
        return FALSE;
    return IsModuleFeature(feature);
}

UINT CMPIGroupMsi::BuildModules(MSIHANDLE package)
{
    UniqueMsiHandle database;
    if (!GetActiveDatabase(package, database.put()))
        return ERROR_INVALID_HANDLE_STATE;

    CMPIMsiView view;
    UINT result = view.Open(database.get(),
        L"SELECT `Feature`,`Feature_Parent`,`Title`,`Description`,`Display`,`Attributes` FROM `Feature`");
    if (result != ERROR_SUCCESS)
        return result;
    while ((result = view.Fetch()) == ERROR_SUCCESS)
    {
        if (!IsModuleRecord(view.Record()))
            continue;
        CMPIModule* module = CreateModule();
        if (module == NULL)
            return ERROR_NOT_ENOUGH_MEMORY;
        result = module->LoadFromPackage(view.Record(), database.get(), package);
        if (result != ERROR_SUCCESS)
            return result;
    }
    if (result == ERROR_NO_MORE_ITEMS && !m_Modules.empty())
        result = ERROR_SUCCESS;
    return result;
}

CMPIModule* CMPIGroupMsi::FindModule(const wchar_t* feature) const
{
    for (CMPIModule* module : m_Modules)
    {
        if (module->GetFeatureName() == feature)
            return module;
    }
    return NULL;
}

UINT CMPIGroupMsi::LoadInstalledFeature(const wchar_t* feature, MSIHANDLE product)
{
    if (!IsModuleFeature(feature))
        return ERROR_SUCCESS;
    CMPIModule* module = FindModule(feature);
    if (module == NULL)
        module = CreateModule();
    if (module == NULL)
        return ERROR_NOT_ENOUGH_MEMORY;
    return module->LoadInstalled(feature, product);
}

UINT CMPIGroupMsi::ReadInstalledFeatureTable(MSIHANDLE product)
{
    UniqueMsiHandle database;
    if (!GetActiveDatabase(product, database.put()))
        return ERROR_NO_MORE_ITEMS;
    CMPIMsiView view;
    UINT result = view.Open(database.get(), L"SELECT `Feature` FROM `Feature`");
    if (result != ERROR_SUCCESS)
        return result;
    while ((result = view.Fetch()) == ERROR_SUCCESS)
    {
        CString feature;
        // Longer than any feature name the installer allows: not a module.
        if (MPIReadRecordString(view.Record(), 1, feature, MAX_FEATURE_CHARS + 1) != ERROR_SUCCESS)
            continue;
        result = LoadInstalledFeature(feature, product);
        if (result != ERROR_SUCCESS)
            return result;
    }
    return result;
}

UINT CMPIGroupMsi::ReadInstalledModules(MSIHANDLE product)
{
    UINT result = ERROR_SUCCESS;
    for (DWORD index = 0; result == ERROR_SUCCESS; ++index)
    {
        wchar_t feature[MAX_FEATURE_CHARS + 1] = L"";
        result = g_MsiDll.pMsiEnumFeaturesW(GetProductCode(1), index, feature, NULL);
        if (result == ERROR_NO_MORE_ITEMS && index == 0)
        {
            // The installer published no features for the product (Wine does
            // not): its own Feature table lists them instead.
            result = ReadInstalledFeatureTable(product);
            break;
        }
        if (result == ERROR_SUCCESS)
            result = LoadInstalledFeature(feature, product);
    }
    if (result == ERROR_NO_MORE_ITEMS && !m_Modules.empty())
        result = ERROR_SUCCESS;
    return result;
}

BOOL CMPIGroupMsi::NeedsAction(MPISetupMode mode)
{
    switch (mode)
    {
    case MPI_MODE_INSTALL_NEWER:
        if (IsNewer() == 1)
            return TRUE;
        if (IsSameVersion() == 1)
        {
            for (CMPIModule* module : m_Modules)
            {
                if (module->IsInstalled() != 1)
                    return TRUE;
            }
        }
        return FALSE;
    case MPI_MODE_INSTALL_MODULES:
        for (CMPIModule* module : m_Modules)
        {
            if (module->IsInstallable() == 1)
                return TRUE;
        }
        return (IsInstalled() == 1 && IsNewer() == 1) ? TRUE : FALSE;
    case MPI_MODE_REMOVE_ALL:
        return IsInstalled();
    default:
        return FALSE;
    }
}

void CMPIGroupMsi::GetFeatureList(CString& list, MPISetupMode mode)
{
    list.Empty();
    switch (mode)
    {
    case MPI_MODE_INSTALL_NEWER:
    case MPI_MODE_REMOVE_ALL:
        list = L"ALL";
        break;
    case MPI_MODE_INSTALL_MODULES:
        list = IsInstalled() == 1 ? JoinModulesNeedingAction(mode) : CString(L"ALL");
        break;
    default:
        break;
    }
}

CString CMPIGroupMsi::JoinModulesNeedingAction(MPISetupMode mode) const
{
    CString list;
    for (CMPIModule* module : m_Modules)
    {
        if (module == NULL || module->NeedsAction(mode) != 1)
            continue;
        if (!list.IsEmpty())
            list += L",";
        list += module->GetFeatureName();
    }
    return list;
}

BOOL CMPIGroupMsi::IsInstalledAfter(MPISetupMode mode)
{
    switch (mode)
    {
    case MPI_MODE_INSTALL_NEWER:
        return TRUE;
    case MPI_MODE_INSTALL_MODULES:
        return (IsInstalled() == 1 || NeedsAction(MPI_MODE_INSTALL_MODULES) == 1) ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

LONGLONG CMPIGroupMsi::GetInstalledSize()
{
    if (IsInstalled() != 1)
        return 0;
    CStringArray features;
    CollectFeatures(m_Modules, m_InstalledFeatureSizes, features,
                    [](CMPIModule* module) { return module->IsInstalled() == 1; });
    return m_InstalledFeatureSizes.SumBytes(features);
}

LONGLONG CMPIGroupMsi::GetPackageSize(MPISetupMode mode)
{
    CMPISetupTypeValue type;
    MPISetupMode runMode = type.SetSetupType(mode).GetRunMode();
    if (NeedsAction(runMode) != 1)
        return 0;
    CStringArray features;
    CollectFeatures(m_Modules, m_PackageFeatureSizes, features,
                    [runMode](CMPIModule* module) { return module->NeedsAction(runMode) != 0; });
    return m_PackageFeatureSizes.SumBytes(features);
}

LONGLONG CMPIGroupMsi::GetAddedSize(MPISetupMode mode)
{
    // A removal adds nothing.
    if (IsInstallMode(mode) != TRUE || HasPackage() != 1 || NeedsAction(mode) != 1)
        return 0;
    CStringArray features;
    CollectFeatures(m_Modules, m_PackageFeatureSizes, features, [mode](CMPIModule* module) {
        return module->IsInPackage() == 1 && module->NeedsAction(mode) == 1;
    });
    // What is on the machine already adds nothing: an installed module, or a
    // feature of the group's own (not a module) once the group is installed.
    // A module that is also a parent of another one is counted once.
    CStringArray added;
    for (int i = 0; i < features.GetSize(); ++i)
    {
        const CMPIModule* module = FindModule(features[i]);
        const BOOL present = module != NULL ? module->IsInstalled() : IsInstalled();
        if (present != 1 && !MPIIsListed(added, features[i]))
            added.Add(features[i]);
    }
    return m_PackageFeatureSizes.SumBytes(added);
}

int CMPIGroupMsi::GetComponentCount(CMPIFeatureSizeList* list, MPISetupMode mode)
{
    if (list == NULL || NeedsAction(mode) != 1)
        return 0;
    // Parent chains come from the package file's features in every mode.
    CStringArray features;
    CollectFeatures(m_Modules, m_PackageFeatureSizes, features,
                    [mode](CMPIModule* module) { return module->NeedsAction(mode) == 1; });
    return list->SumComponents(features);
}
