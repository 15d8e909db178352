#pragma once
// The setup program's module-group package: the module vendor, the
// languages the package supports, and the answers for the custom install
// (mode 2) and the removals of groups (4) and of marked modules (5).
#include "engine/MPIGroupMsi.h"
#include "setup/service/QuandelSetupLanguages.h"

class CQuandelSrv;
class CQuandelModule;

class CQuandelGroupMsi : public CMPIGroupMsi
{
public:
    explicit CQuandelGroupMsi(CQuandelSrv* service);
    ~CQuandelGroupMsi() override;

    UINT ReadPackage(const wchar_t* path, MSIHANDLE package) override;
    UINT ReadInstalled(const wchar_t* productCode, MSIHANDLE product) override;
    BOOL NeedsAction(MPISetupMode mode) override;
    void GetFeatureList(CString& list, MPISetupMode mode) override;
    BOOL IsInstalledAfter(MPISetupMode mode) override;
    CMPIModule* CreateModule() override;

    CQuandelModule* GetModule(int index) const;
    // Element index of the installed product's list (source 1) or of the
    // package file's list (any other source); 0 past the end.
    DWORD GetSetupLanguage(unsigned index, int source) const;
    const CString& GetModuleVendorRef() const { return m_strModuleVendor; }
    CQuandelSrv* GetService() const { return m_pService; }

    // Reads "SetupLanguages" through handle and appends its languages to
    // list: 0, the installer's error, or 13 without 1033.
    UINT ParseSetupLanguages(MSIHANDLE handle, CQuandelLanguageList& list);

protected:
    void ClearInstalled() override;

private:
    // TRUE when some module answers exactly 1 for the mode.
    BOOL AnyModuleNeedsAction(MPISetupMode mode) const;

    CQuandelSrv* m_pService;              // not owned
    CQuandelLanguageList m_PackageLanguages;
    CQuandelLanguageList m_InstalledLanguages;
    CString m_strModuleVendor;
};
