#pragma once
// The package collection: the setup program's own package, the core
// package and one object per module group, found beside the program and
// among the installed products; the front of the service's operations.
#include <windows.h>
#include <msi.h>
#include <vector>
#include "framework/CString.h"
#include "engine/MPIDefs.h"

class CMPIMsi;
class CMPIGroupMsi;
class CMPIEngineBase;
class CMPISetupCallbackIfc;

class CMPIBase
{
public:
    explicit CMPIBase(CMPIEngineBase* engine);
    virtual ~CMPIBase();

    CMPIBase(const CMPIBase&) = delete;
    CMPIBase& operator=(const CMPIBase&) = delete;

    // Discovery; 0 or the first Windows Installer error met (the
    // collection is then empty).
    virtual UINT Initialize(LANGID language);
    // Factories for the package objects; the collection owns what they make.
    virtual CMPIGroupMsi* CreateGroupMsi();
    virtual CMPIMsi* CreateMsi();

    void SetLanguage(LANGID language) { m_Language = language; }
    LANGID GetLanguage() const { return static_cast<LANGID>(m_Language); }

    CMPISetupTypeValue& SetSetupType(MPISetupMode mode) { return m_SetupType.SetSetupType(mode); }
    MPISetupMode GetSetupType() const { return m_SetupType.GetSetupType(); }
    BOOL IsSetupType(MPISetupMode mode) const { return m_SetupType.IsSetupType(mode); }
    MPISetupMode GetRunMode() const { return m_SetupType.GetRunMode(); }

    CMPIGroupMsi* GetMsi(unsigned index) const
    {
        return index < m_GroupMsis.size() ? m_GroupMsis[index] : NULL;
    }
    unsigned GetMsiCount() const { return static_cast<unsigned>(m_GroupMsis.size()); }
    CMPIMsi* GetCoreMsi() const { return m_pCoreMsi; }
    CMPIMsi* GetSetupMsi() const { return m_pSetupMsi; }
    CMPIEngineBase* GetEngine() const { return m_pEngine; }

    // NULL when the factory made nothing; nothing is appended then.
    CMPIGroupMsi* AddGroupMsi();
    UINT OpenPackageFile(const wchar_t* folder, const wchar_t* relativePath, CMPIMsi** slot);
    UINT AttachInstalled(const wchar_t* productCode, MSIHANDLE product, CMPIMsi** slot);
    UINT AttachInstalledGroup(const wchar_t* productCode, MSIHANDLE product);
    void FreeAll();

    // The engine's Start with the setup type's run mode; E_ABORT becomes 0.
    int Install(CMPISetupCallbackIfc* callback);
    // E_INVALIDARG for an install mode; else the engine's Start unchanged.
    int Remove(CMPISetupCallbackIfc* callback, MPISetupMode mode);
    int Cancel();
    // The package files' bytes for the setup type, less what is installed.
    LONGLONG GetRequiredDiskSpace();
    // The bytes a run of the setup type adds to the machine: what a newer
    // setup or core package needs beyond its installed product, and each
    // group's modules not installed yet; no package counts below 0.
    LONGLONG GetAddedDiskSpace();

    // The distribution folder ("...\MP\") searched by Initialize; by default
    // "MP\" beside the running program. A non-empty folder given here (with
    // its trailing backslash) replaces it.
    void SetBaseFolder(const wchar_t* folder) { m_strBaseFolder = folder; }
    CString GetBaseFolder() const;

protected:
    UINT SearchGroupFolders(const CString& base);
    UINT ReadGroupPackageFile(const CString& path);
    UINT EnumerateInstalledProducts();
    UINT ExamineInstalledProduct(const wchar_t* productCode);
    // The setup and core packages' net share of the required figure.
    LONGLONG GetPlainPackagesRequiredSpace() const;

    CMPIMsi* m_pCoreMsi;
    CMPIMsi* m_pSetupMsi;
    std::vector<CMPIGroupMsi*> m_GroupMsis;
    int m_Language;
    CMPISetupTypeValue m_SetupType;
    CMPIEngineBase* m_pEngine;
    CString m_strBaseFolder;
};

// TRUE when a property of the package or product behind handle has a
// value of 1 to 9 characters (a flag such as "PELMORA_MODULE_PROFILE").
BOOL MPIHasFlagProperty(MSIHANDLE handle, const wchar_t* name);
