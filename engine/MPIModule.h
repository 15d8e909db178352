#pragma once
// One module profile: a feature of a module-group package whose name does
// not begin with "Main".
#include <windows.h>
#include <msi.h>
#include <vector>
#include "framework/CString.h"
#include "engine/MPIDefs.h"

class CMPIGroupMsi;

class CMPIModule
{
public:
    explicit CMPIModule(CMPIGroupMsi* group);
    virtual ~CMPIModule();

    CMPIModule(const CMPIModule&) = delete;
    CMPIModule& operator=(const CMPIModule&) = delete;

    // A Feature-table record of the group's package file. The package
    // handle is for derived classes, which read their texts through it.
    virtual UINT LoadFromPackage(MSIHANDLE record, MSIHANDLE database, MSIHANDLE package);
    // A module feature of the group's installed product.
    virtual UINT LoadInstalled(const wchar_t* feature, MSIHANDLE product);
    virtual BOOL NeedsAction(MPISetupMode mode);

    UINT ReadComponents(MSIHANDLE database);
    BOOL IsInstallable() const;

    const CString& GetFeatureName() const { return m_strFeatureName; }
    BOOL IsInstalled() const { return m_bInstalled ? 1 : 0; }
    BOOL IsInPackage() const { return m_bInPackage ? 1 : 0; }
    BOOL IsAbsent() const { return m_bAbsent ? 1 : 0; }
    CMPIGroupMsi* GetGroup() const { return m_pGroup; }
    size_t GetComponentCount() const { return m_Components.size(); }
    const CString* GetComponent(size_t index) const
    {
        return index < m_Components.size() ? m_Components[index] : NULL;
    }

    // Forgets the installed product's state before another product is read.
    void ClearInstalledState() { m_bInstalled = FALSE; m_bAbsent = FALSE; }

protected:
    CMPIGroupMsi* m_pGroup;
    CString m_strFeatureName;
    BOOL m_bInstalled;
    BOOL m_bInPackage;
    BOOL m_bAbsent;
    std::vector<CString*> m_Components;
};
