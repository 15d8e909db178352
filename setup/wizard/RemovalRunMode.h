#pragma once
// The run mode of a removal kind (the sheet's RemovalKind):
// REMOVAL_KIND_MODULES gives MPI_MODE_REMOVE_MODULES, REMOVAL_KIND_GROUPS
// MPI_MODE_REMOVE_GROUPS, anything else MPI_MODE_REMOVE_ALL. The installing
// page starts its run with it and the summary page lists what that run will
// touch, so both must use this one mapping.
#include "engine/MPIDefs.h"

MPISetupMode GetRemovalRunMode(int removalKind);
