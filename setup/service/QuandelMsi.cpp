#include "setup/service/QuandelMsi.h"
#include "setup/service/QuandelSrv.h"

CQuandelMsi::CQuandelMsi(CQuandelSrv* service)
    : CMPIMsi(service), m_pService(service)
{
}

CQuandelMsi::~CQuandelMsi()
{
}

BOOL CQuandelMsi::NeedsAction(MPISetupMode mode)
{
    switch (mode)
    {
    case MPI_MODE_INSTALL_CUSTOM:
        return IsNewer() == 1 ? TRUE : FALSE;
    case MPI_MODE_REMOVE_GROUPS:
    case MPI_MODE_REMOVE_MODULES:
        // Removed only when installed, and only when no group stays.
        if (IsInstalled() != 1)
            return FALSE;
        return (m_pService != NULL && m_pService->IsAnyGroupInstalledAfter(mode)) ? FALSE : TRUE;
    default:
        if (mode > MPI_MODE_REMOVE_MODULES)
            return FALSE;
        return CMPIMsi::NeedsAction(mode);
    }
}
