#include "engine/MPIDefs.h"

BOOL IsInstallMode(MPISetupMode mode)
{
    return (mode >= MPI_MODE_INSTALL_NEWER && mode <= MPI_MODE_INSTALL_CUSTOM) ? TRUE : FALSE;
}

MPISetupMode CMPISetupTypeValue::GetRunMode() const
{
    if (m_Value == MPI_MODE_INSTALL_MODULES || m_Value == MPI_MODE_INSTALL_CUSTOM)
        return m_Value;
    return MPI_MODE_INSTALL_NEWER;
}

BOOL CMPIRunStatusValue::IsThreeOrFour() const
{
    return (m_Value == MPI_RUN_PARTIAL_REBOOT || m_Value == MPI_RUN_COMPLETE_REBOOT) ? TRUE : FALSE;
}
