#pragma once
// A module-group package: a package whose non-"Main" features are modules,
// with the lowest core version it needs and its localized names.
#include <vector>
#include "engine/MPIMsi.h"

class CMPIModule;
class CMPIGroupTexts;

extern const CString g_strDefaultMinCoreVersion;  // "1.00"

class CMPIGroupMsi : public CMPIMsi
{
public:
    explicit CMPIGroupMsi(CMPIBase* owner);
    ~CMPIGroupMsi() override;

    UINT ReadPackage(const wchar_t* path, MSIHANDLE package) override;
    UINT ReadInstalled(const wchar_t* productCode, MSIHANDLE product) override;
    BOOL NeedsAction(MPISetupMode mode) override;
    LONGLONG GetPackageSize(MPISetupMode mode) override;
    LONGLONG GetInstalledSize() override;
    int GetComponentCount(CMPIFeatureSizeList* list, MPISetupMode mode) override;
    virtual void GetFeatureList(CString& list, MPISetupMode mode);
    virtual BOOL IsInstalledAfter(MPISetupMode mode);
    // The bytes a run of that mode adds to the machine: the package file's
    // modules it installs that are not installed yet, with the parent
    // features they need that are not installed either; 0 for a removal.
    LONGLONG GetAddedSize(MPISetupMode mode);
    // Makes a module of this group, appends it and returns it.
    virtual CMPIModule* CreateModule();

    UINT BuildModules(MSIHANDLE package);
    UINT ReadInstalledModules(MSIHANDLE product);
    BOOL IsModuleRecord(MSIHANDLE record);
    static BOOL IsModuleFeature(const wchar_t* feature);

    CMPIModule* GetModule(unsigned index) const
    {
        return index < m_Modules.size() ? m_Modules[index] : NULL;
    }
    unsigned GetModuleCount() const { return static_cast<unsigned>(m_Modules.size()); }

    UINT ReadMinCoreVersion(MSIHANDLE package);
    void SetMinCoreVersion();
    // Sets the text and parses it; for callers that know the value already.
    void SetMinCoreVersion(const wchar_t* text) { m_strMinCoreVersion = text; SetMinCoreVersion(); }
    const CString& GetMinCoreVersion() const { return m_strMinCoreVersion; }
    int GetMinCoreMajor() const { return m_nMinCoreMajor; }
    int GetMinCoreMinor() const { return m_nMinCoreMinor; }
    int GetCoreVersionFlag() const { return m_nCoreVersionFlag; }

    const CString& GetGroupName(int source);
    const CString& GetVendorPlusGroupName(int source);
    void ReadGroupNames(int source);
    void GetLocalizedProperty(const wchar_t* baseName, LANGID language, CString& value, MSIHANDLE handle);

protected:
    void ClearInstalled() override;
    // The feature names of the modules whose NeedsAction (mode) answers
    // exactly 1, in list order, joined by ",".
    CString JoinModulesNeedingAction(MPISetupMode mode) const;
    // The module of that feature name, or NULL.
    CMPIModule* FindModule(const wchar_t* feature) const;
    // One installed module feature: found or made, then its installed state.
    UINT LoadInstalledFeature(const wchar_t* feature, MSIHANDLE product);
    // Installed features from the product's own Feature table, for an
    // installer that publishes none through MsiEnumFeaturesW.
    UINT ReadInstalledFeatureTable(MSIHANDLE product);

    std::vector<CMPIModule*> m_Modules;
    CString m_strMinCoreVersion;
    int m_nCoreVersionFlag;
    int m_nMinCoreMajor;
    int m_nMinCoreMinor;
    int m_CachedNamesLanguage;
    int m_CachedNamesSource;
    CString m_strGroupName;
    CString m_strVendorPlusGroupName;

private:
    friend class CMPIGroupTexts;
    CMPIGroupTexts* m_pSharedTexts;   // the texts' reader while one lives, else NULL
};
