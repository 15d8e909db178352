#include "engine/MPIModule.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPIMsiQuery.h"
#include "engine/MPIOwnedList.h"

CMPIModule::CMPIModule(CMPIGroupMsi* group)
    : m_pGroup(group), m_bInstalled(FALSE), m_bInPackage(FALSE), m_bAbsent(FALSE)
{
}

CMPIModule::~CMPIModule()
{
    for (CString* component : m_Components)
        delete component;
}

UINT CMPIModule::LoadFromPackage(MSIHANDLE record, MSIHANDLE database, MSIHANDLE)
{
    m_bInPackage = TRUE;
    UINT result = MPIReadRecordString(record, 1, m_strFeatureName, 50);
    if (result != ERROR_SUCCESS)
        return result;
    return ReadComponents(database);
}

UINT CMPIModule::ReadComponents(MSIHANDLE database)
{
    CString query;
    query.Format(L"SELECT `Feature_`,`Component_` FROM `FeatureComponents` WHERE `Feature_` = '%s'",
                 static_cast<const wchar_t*>(m_strFeatureName));
    CMPIMsiView view;
    UINT result = view.Open(database, query);
    if (result != ERROR_SUCCESS)
        return result;
    while ((result = view.Fetch()) == ERROR_SUCCESS)
    {
        CString component;
        result = MPIReadRecordString(view.Record(), 2, component, 255);
        if (result != ERROR_SUCCESS)
            return result;
        MPIAppendOwned(m_Components, new CString(component));
    }
    return result == ERROR_NO_MORE_ITEMS ? ERROR_SUCCESS : result;
}

UINT CMPIModule::LoadInstalled(const wchar_t* feature, MSIHANDLE)
{
    if (!m_bInPackage)
        m_strFeatureName = feature;
    INSTALLSTATE state = g_MsiDll.pMsiQueryFeatureStateW(m_pGroup->GetProductCode(1), m_strFeatureName);
    switch (state)
    {
    case INSTALLSTATE_ABSENT:
        m_bAbsent = TRUE;
        return ERROR_SUCCESS;
    case INSTALLSTATE_LOCAL:
        m_bInstalled = TRUE;
        return ERROR_SUCCESS;
    default:
        // Advertised, run from source or unknown.
        return ERROR_BAD_CONFIGURATION;
    }
}

BOOL CMPIModule::IsInstallable() const
{
    if (!m_bInPackage)
        return FALSE;
    if (m_pGroup->IsInstalled() == 1)
        return TRUE;
    return (m_pGroup->IsNewer() == 1 && !m_bInstalled && !m_bAbsent) ? TRUE : FALSE;
}

BOOL CMPIModule::NeedsAction(MPISetupMode mode)
{
    switch (mode)
    {
    case MPI_MODE_INSTALL_NEWER:
        return m_pGroup->NeedsAction(MPI_MODE_INSTALL_NEWER) == 1 ? TRUE : FALSE;
    case MPI_MODE_INSTALL_MODULES:
        return (m_pGroup->NeedsAction(MPI_MODE_INSTALL_MODULES) == 1 &&
                (IsInstalled() == 1 || IsInstallable() == 1)) ? TRUE : FALSE;
    case MPI_MODE_REMOVE_ALL:
        return IsInstalled();
    default:
        return FALSE;
    }
}
