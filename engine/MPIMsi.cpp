#include "engine/MPIMsi.h"
#include <cstdlib>
#include "engine/MPIBase.h"
#include "engine/MPIMsiQuery.h"

CMPIMsi::CMPIMsi(CMPIBase* owner)
    : m_pOwner(owner),
      m_nMajor(0), m_nMinor(0), m_nBuild(0), m_nInternalFormatVersion(0),
      m_nInstalledMajor(0), m_nInstalledMinor(0), m_nInstalledBuild(0),
      m_nInstalledInternalFormatVersion(0)
{
}

CMPIMsi::~CMPIMsi()
{
}

UINT CMPIMsi::LoadPackageFile(const wchar_t* path)
{
    UniqueMsiHandle package;
    UINT result = MPIOpenPackage(path, package.put());
    if (result != ERROR_SUCCESS)
        return result;
    return ReadPackage(path, package.get());
}

UINT CMPIMsi::ReadPackage(const wchar_t* path, MSIHANDLE package)
{
    m_strPackagePath = path;
    UINT result = MPIReadProperty(package, L"ProductCode", m_strProductCode, 100);
    if (result == ERROR_SUCCESS)
        result = MPIReadProperty(package, L"UpgradeCode", m_strUpgradeCode, 100);
    if (result == ERROR_SUCCESS)
        result = ReadVersionsAndSizes(package, 0);
    return result;
}

UINT CMPIMsi::ReadVersionsAndSizes(MSIHANDLE handle, int source)
{
    CString& version = source ? m_strInstalledProductVersion : m_strProductVersion;
    int& formatVersion = source ? m_nInstalledInternalFormatVersion : m_nInternalFormatVersion;
    UINT result = MPIReadProperty(handle, L"ProductVersion", version, 50);
    if (result == ERROR_SUCCESS)
        ParseVersion(source);
    if (result == ERROR_SUCCESS)
    {
        CString text;
        result = MPIReadProperty(handle, L"InternalFormatVersion", text, 20);
        if (result == ERROR_SUCCESS)
            formatVersion = static_cast<int>(_wtol(text));
    }
    if (result == ERROR_SUCCESS)
        ReadFeatureSizes(handle, source);
    return result;
}

void CMPIMsi::ClearInstalled()
{
    m_strInstalledProductCode.Empty();
    m_strInstalledProductVersion.Empty();
    m_nInstalledMajor = m_nInstalledMinor = m_nInstalledBuild = 0;
    m_nInstalledInternalFormatVersion = 0;
    m_InstalledFeatureSizes.Clear();
}

UINT CMPIMsi::ReadInstalled(const wchar_t* productCode, MSIHANDLE product)
{
    // A second product in the same role replaces the first one's side.
    if (IsInstalled())
        ClearInstalled();
    m_strInstalledProductCode = productCode;
    return ReadVersionsAndSizes(product, 1);
}

UINT CMPIMsi::OpenMsiHandle(MSIHANDLE* handle, int source)
{
    if (source == 0)
    {
        if (HasPackage() == 1)
            return MPIOpenPackage(m_strPackagePath, handle);
    }
    else if (IsInstalled() == 1)
    {
        return g_MsiDll.pMsiOpenProductW(m_strInstalledProductCode, handle);
    }
    return ERROR_SUCCESS;
}

BOOL CMPIMsi::GetActiveDatabase(MSIHANDLE handle, MSIHANDLE* database)
{
    if (database == NULL)
        return FALSE;
    MSIHANDLE db = g_MsiDll.pMsiGetActiveDatabase(handle);
    if (db == 0)
        return FALSE;
    *database = db;
    return TRUE;
}

const CString& CMPIMsi::GetProductCode(int source) const
{
    return source ? m_strInstalledProductCode : m_strProductCode;
}

const CString& CMPIMsi::GetProductVersion(int source) const
{
    return source ? m_strInstalledProductVersion : m_strProductVersion;
}

int CMPIMsi::GetVersionMajor(int source) const { return source ? m_nInstalledMajor : m_nMajor; }
int CMPIMsi::GetVersionMinor(int source) const { return source ? m_nInstalledMinor : m_nMinor; }
int CMPIMsi::GetVersionBuild(int source) const { return source ? m_nInstalledBuild : m_nBuild; }

int CMPIMsi::GetInternalFormatVersion(int source) const
{
    return source ? m_nInstalledInternalFormatVersion : m_nInternalFormatVersion;
}

LANGID CMPIMsi::GetLanguage() const
{
    return m_pOwner ? m_pOwner->GetLanguage() : static_cast<LANGID>(1033);
}

namespace {

// The part after the first '.', when that dot is not the first character
// and something follows it; NULL otherwise.
const wchar_t* AfterFirstDot(const wchar_t* text)
{
    const wchar_t* dot = wcschr(text, L'.');
    if (dot == NULL || dot == text || dot[1] == L'\0')
        return NULL;
    return dot + 1;
}

} // namespace

void CMPIMsi::ParseVersion(int source)
{
    CString& text = source ? m_strInstalledProductVersion : m_strProductVersion;
    int& major = source ? m_nInstalledMajor : m_nMajor;
    int& minor = source ? m_nInstalledMinor : m_nMinor;
    int& build = source ? m_nInstalledBuild : m_nBuild;
    major = minor = build = 0;
    if (!text.IsEmpty())
    {
        major = _wtoi(text);
        if (const wchar_t* rest = AfterFirstDot(text))
        {
            minor = _wtoi(rest);
            if (const wchar_t* last = AfterFirstDot(rest))
                build = _wtoi(last);
        }
    }
    text.Format(L"%d.%02d.%d", major, minor, build);
}

BOOL CMPIMsi::IsNewer() const
{
    if (HasPackage() != 1)
        return FALSE;
    if (IsInstalled() != 1)
        return TRUE;
    if (m_nMajor != m_nInstalledMajor)
        return m_nMajor > m_nInstalledMajor ? TRUE : FALSE;
    if (m_nMinor != m_nInstalledMinor)
        return m_nMinor > m_nInstalledMinor ? TRUE : FALSE;
    return m_nBuild > m_nInstalledBuild ? TRUE : FALSE;
}

BOOL CMPIMsi::NeedsRemoveFirst() const
{
    if (HasPackage() != 1 || IsInstalled() != 1)
        return FALSE;
    if (m_nMajor != m_nInstalledMajor || m_nMinor != m_nInstalledMinor)
        return FALSE;
    if (m_nBuild < m_nInstalledBuild)
        return TRUE;
    if (m_nBuild == m_nInstalledBuild && m_strProductCode != m_strInstalledProductCode)
        return TRUE;
    return FALSE;
}

BOOL CMPIMsi::IsSameVersion() const
{
    if (HasPackage() != 1 || IsInstalled() != 1)
        return FALSE;
    return (m_nMajor == m_nInstalledMajor && m_nMinor == m_nInstalledMinor &&
            m_nBuild == m_nInstalledBuild && m_strProductCode == m_strInstalledProductCode)
               ? TRUE : FALSE;
}

BOOL CMPIMsi::NeedsAction(MPISetupMode mode)
{
    switch (mode)
    {
    case MPI_MODE_INSTALL_NEWER:
    case MPI_MODE_INSTALL_MODULES:
        return IsNewer();
    case MPI_MODE_REMOVE_ALL:
        return IsInstalled();
    default:
        return FALSE;
    }
}

LONGLONG CMPIMsi::GetPackageSize(MPISetupMode)
{
    return m_PackageFeatureSizes.TotalBytes();
}

LONGLONG CMPIMsi::GetInstalledSize()
{
    return m_InstalledFeatureSizes.TotalBytes();
}

int CMPIMsi::GetComponentCount(CMPIFeatureSizeList* list, MPISetupMode)
{
    return list ? list->TotalComponents() : 0;
}

LONGLONG CMPIMsi::GetRequiredSpace(MPISetupMode mode)
{
    if (HasPackage() != 1 || IsNewer() != 1)
        return 0;
    LONGLONG space = GetPackageSize(mode);
    if (IsInstalled() == 1)
        space -= GetInstalledSize();
    return space;
}

int CMPIMsi::GetComponentCountForMode(MPISetupMode mode)
{
    if (NeedsAction(mode) != 1)
        return 0;
    return GetComponentCount(IsInstallMode(mode) ? &m_PackageFeatureSizes : &m_InstalledFeatureSizes, mode);
}
