#pragma once
// The setup program's service object: the package collection made of the
// setup program's own package classes, with the one engine embedded, and
// the few questions the wizard pages ask about packages and the machine.
#include "engine/MPIBase.h"
#include "setup/service/QuandelEngine.h"
#include "setup/service/QuandelSetupLanguages.h"

class CQuandelGroupMsi;

class CQuandelSrv : public CMPIBase
{
public:
    CQuandelSrv();
    ~CQuandelSrv() override;

    // Switches the installer's own interface off, then discovers the packages.
    UINT Initialize(LANGID language) override;
    CMPIGroupMsi* CreateGroupMsi() override;
    CMPIMsi* CreateMsi() override;

    // The group package at index; NULL past the end.
    CQuandelGroupMsi* GetMsi(int index) const;
    void SetSetupType(MPISetupMode mode) { CMPIBase::SetSetupType(mode); }
    BOOL IsCustomSetup() const { return IsSetupType(MPI_MODE_INSTALL_CUSTOM); }
    // TRUE when a host software of version 13 or later is installed.
    BOOL IsNewHostInstalled();
    // TRUE when some group package stays installed after a run of the mode.
    BOOL IsAnyGroupInstalledAfter(MPISetupMode mode);
    // Element index of the merged setup languages of the package files
    // (source 0) or the installed products (source 1); 0 past the end.
    DWORD GetLanguageList(unsigned index, int source);

private:
    CQuandelEngine m_Engine;
    CQuandelLanguageList m_PackageLanguages;
    CQuandelLanguageList m_InstalledLanguages;
};
