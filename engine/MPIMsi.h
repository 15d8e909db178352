#pragma once
// One Windows Installer package of the package model, with two sides: what
// was read from the package file beside the program (source 0) and what was
// read from the installed product in the same role (source 1).
#include <windows.h>
#include <msi.h>
#include "framework/CString.h"
#include "engine/MPIDefs.h"
#include "engine/MPIFeatureSizeList.h"

class CMPIBase;

class CMPIMsi
{
public:
    explicit CMPIMsi(CMPIBase* owner);
    virtual ~CMPIMsi();

    CMPIMsi(const CMPIMsi&) = delete;
    CMPIMsi& operator=(const CMPIMsi&) = delete;

    // Reading.
    UINT LoadPackageFile(const wchar_t* path);
    virtual UINT ReadPackage(const wchar_t* path, MSIHANDLE package);
    virtual UINT ReadInstalled(const wchar_t* productCode, MSIHANDLE product);
    UINT OpenMsiHandle(MSIHANDLE* handle, int source);
    BOOL GetActiveDatabase(MSIHANDLE handle, MSIHANDLE* database);

    // Decisions and figures; byte counts in 64 bits.
    virtual BOOL NeedsAction(MPISetupMode mode);
    virtual LONGLONG GetPackageSize(MPISetupMode mode);
    virtual LONGLONG GetInstalledSize();
    virtual int GetComponentCount(CMPIFeatureSizeList* list, MPISetupMode mode);
    LONGLONG GetRequiredSpace(MPISetupMode mode);
    int GetComponentCountForMode(MPISetupMode mode);

    // State and versions.
    BOOL HasPackage() const { return m_strProductCode.IsEmpty() ? 0 : 1; }
    BOOL IsInstalled() const { return m_strInstalledProductCode.IsEmpty() ? 0 : 1; }
    const CString& GetPackagePath() const { return m_strPackagePath; }
    const CString& GetUpgradeCode() const { return m_strUpgradeCode; }
    const CString& GetProductCode(int source) const;
    const CString& GetProductVersion(int source) const;
    int GetVersionMajor(int source) const;
    int GetVersionMinor(int source) const;
    int GetVersionBuild(int source) const;
    int GetInternalFormatVersion(int source) const;
    LANGID GetLanguage() const;
    CMPIBase* GetOwner() const { return m_pOwner; }
    void ParseVersion(int source);

    // Comparisons of the two sides; each exactly 1 or 0.
    BOOL IsNewer() const;
    BOOL NeedsRemoveFirst() const;
    BOOL IsSameVersion() const;

    // Feature sizes of one side.
    void ReadFeatureSizes(MSIHANDLE handle, int source);
    void SumFeature(MSIHANDLE database, const wchar_t* feature, LONGLONG* bytes, int* components);
    LONGLONG GetComponentBytes(MSIHANDLE database, const wchar_t* component);
    CMPIFeatureSizeList& GetFeatureSizes(int source)
    {
        return source ? m_InstalledFeatureSizes : m_PackageFeatureSizes;
    }

protected:
    // Forgets everything read from an installed product, so that a second
    // product attached to this object replaces the first instead of adding up.
    virtual void ClearInstalled();
    // The version, internal format version and feature sizes of one side,
    // read through the package or product handle; 0 or the first failure.
    UINT ReadVersionsAndSizes(MSIHANDLE handle, int source);

    CMPIBase* m_pOwner;
    CString m_strPackagePath;
    CString m_strProductCode;
    CString m_strUpgradeCode;
    CString m_strProductVersion;
    int m_nMajor;
    int m_nMinor;
    int m_nBuild;
    int m_nInternalFormatVersion;
    CString m_strInstalledProductCode;
    CString m_strInstalledProductVersion;
    int m_nInstalledMajor;
    int m_nInstalledMinor;
    int m_nInstalledBuild;
    int m_nInstalledInternalFormatVersion;
    CMPIFeatureSizeList m_PackageFeatureSizes;
    CMPIFeatureSizeList m_InstalledFeatureSizes;
};
