#pragma once
// The setup program's plain package (its own package and the core
// package): whether they run in the custom install and the removals of
// groups and of marked modules.
#include "engine/MPIMsi.h"

class CQuandelSrv;

class CQuandelMsi : public CMPIMsi
{
public:
    explicit CQuandelMsi(CQuandelSrv* service);
    ~CQuandelMsi() override;

    BOOL NeedsAction(MPISetupMode mode) override;

private:
    CQuandelSrv* m_pService;  // not owned
};
