#include "engine/MPIBase.h"
#include <new>
#include "engine/MPIEngineBase.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPIMsiQuery.h"
#include "engine/MPIOwnedList.h"

CMPIBase::CMPIBase(CMPIEngineBase* engine)
    : m_pCoreMsi(NULL), m_pSetupMsi(NULL), m_Language(1033), m_pEngine(engine)
{
}

CMPIBase::~CMPIBase()
{
    FreeAll();
}

CMPIGroupMsi* CMPIBase::CreateGroupMsi()
{
    try
    {
        return new CMPIGroupMsi(this);
    }
    catch (const std::bad_alloc&)
    {
        return NULL;
    }
}

CMPIMsi* CMPIBase::CreateMsi()
{
    try
    {
        return new CMPIMsi(this);
    }
    catch (const std::bad_alloc&)
    {
        return NULL;
    }
}

void CMPIBase::FreeAll()
{
    delete m_pCoreMsi;
    m_pCoreMsi = NULL;
    delete m_pSetupMsi;
    m_pSetupMsi = NULL;
    for (CMPIGroupMsi* group : m_GroupMsis)
        delete group;
    m_GroupMsis.clear();
}

CMPIGroupMsi* CMPIBase::AddGroupMsi()
{
    CMPIGroupMsi* group = CreateGroupMsi();
    if (group == NULL)
        return NULL;
    try
    {
        return MPIAppendOwned(m_GroupMsis, group);
    }
    catch (const std::bad_alloc&)
    {
        return NULL;  // the group is gone with the failed append
    }
}

UINT CMPIBase::OpenPackageFile(const wchar_t* folder, const wchar_t* relativePath, CMPIMsi** slot)
{
    CString path = CString(folder) + relativePath;
    DWORD attributes = ::GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return ERROR_SUCCESS;
    CMPIMsi* msi = CreateMsi();
    if (msi == NULL)
        return static_cast<UINT>(E_OUTOFMEMORY);
    delete *slot;
    *slot = msi;
    return msi->LoadPackageFile(path);
}

UINT CMPIBase::AttachInstalled(const wchar_t* productCode, MSIHANDLE product, CMPIMsi** slot)
{
    if (*slot == NULL)
        *slot = CreateMsi();
    if (*slot == NULL)
        return static_cast<UINT>(E_OUTOFMEMORY);
    return (*slot)->ReadInstalled(productCode, product);
}

UINT CMPIBase::AttachInstalledGroup(const wchar_t* productCode, MSIHANDLE product)
{
    wchar_t upgradeCode[100] = L"";
    DWORD length = 100;
    UINT result = g_MsiDll.pMsiGetProductPropertyW(product, L"UpgradeCode", upgradeCode, &length);
    if (result != ERROR_SUCCESS)
        return result;

    CMPIGroupMsi* group = NULL;
    // Without an UpgradeCode a product belongs to no package file's group.
    if (upgradeCode[0] != L'\0')
    {
        for (CMPIGroupMsi* candidate : m_GroupMsis)
        {
            if (candidate->GetUpgradeCode() == upgradeCode)
            {
                group = candidate;
                break;
            }
        }
    }
    if (group == NULL)
        group = AddGroupMsi();
    if (group == NULL)
        return static_cast<UINT>(E_OUTOFMEMORY);
    return group->ReadInstalled(productCode, product);
}

int CMPIBase::Install(CMPISetupCallbackIfc* callback)
{
    if (m_pEngine == NULL)
        return E_FAIL;
    int result = m_pEngine->Start(GetRunMode(), callback);
    return result == E_ABORT ? 0 : result;
}

int CMPIBase::Remove(CMPISetupCallbackIfc* callback, MPISetupMode mode)
{
    if (IsInstallMode(mode))
        return E_INVALIDARG;
    if (m_pEngine == NULL)
        return E_FAIL;
    return m_pEngine->Start(mode, callback);
}

int CMPIBase::Cancel()
{
    if (m_pEngine != NULL)
        m_pEngine->Cancel();
    return 0;
}

LONGLONG CMPIBase::GetPlainPackagesRequiredSpace() const
{
    LONGLONG space = 0;
    if (m_pSetupMsi)
        space += m_pSetupMsi->GetRequiredSpace(MPI_MODE_INSTALL_NEWER);
    if (m_pCoreMsi)
        space += m_pCoreMsi->GetRequiredSpace(MPI_MODE_INSTALL_NEWER);
    return space;
}

LONGLONG CMPIBase::GetRequiredDiskSpace()
{
    LONGLONG space = GetPlainPackagesRequiredSpace();
    MPISetupMode mode = GetSetupType();
    for (CMPIGroupMsi* group : m_GroupMsis)
        space += group->GetRequiredSpace(mode);
    return space;
}

LONGLONG CMPIBase::GetAddedDiskSpace()
{
    // Each package adds what the run installs for it: a newer setup or core
    // package smaller than its installed product adds nothing, and what it
    // frees is no credit against the groups.
    LONGLONG space = 0;
    for (CMPIMsi* msi : {m_pSetupMsi, m_pCoreMsi})
    {
        const LONGLONG added = msi != NULL ? msi->GetRequiredSpace(MPI_MODE_INSTALL_NEWER) : 0;
        if (added > 0)
            space += added;
    }
    const MPISetupMode mode = GetRunMode();
    for (CMPIGroupMsi* group : m_GroupMsis)
        space += group->GetAddedSize(mode);
    return space;
}

BOOL MPIHasFlagProperty(MSIHANDLE handle, const wchar_t* name)
{
    wchar_t value[10] = L"";
    DWORD length = 10;
    UINT result = g_MsiDll.pMsiGetPropertyW(handle, name, value, &length);
    return (result == ERROR_SUCCESS && length > 0) ? TRUE : FALSE;
}
