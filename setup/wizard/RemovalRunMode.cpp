#include "setup/wizard/RemovalRunMode.h"
#include "setup/wizard/QuandelWizard.h"

MPISetupMode GetRemovalRunMode(int removalKind)
{
    switch (removalKind)
    {
    case REMOVAL_KIND_MODULES:
        return MPI_MODE_REMOVE_MODULES;
    case REMOVAL_KIND_GROUPS:
        return MPI_MODE_REMOVE_GROUPS;
    default:
        return MPI_MODE_REMOVE_ALL;
    }
}
