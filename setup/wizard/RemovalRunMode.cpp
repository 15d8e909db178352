#include "setup/wizard/RemovalRunMode.h"

MPISetupMode GetRemovalRunMode(int removalKind)
{
    switch (removalKind)
    {
    case 0:
        return MPI_MODE_REMOVE_MODULES;
    case 1:
        return MPI_MODE_REMOVE_GROUPS;
    default:
        return MPI_MODE_REMOVE_ALL;
    }
}
