#pragma once
// The run mode of a removal kind (the sheet's RemovalKind): 0 chosen
// modules gives MPI_MODE_REMOVE_MODULES, 1 groups MPI_MODE_REMOVE_GROUPS,
// anything else MPI_MODE_REMOVE_ALL. The installing page starts its run
// with it and the summary page lists what that run will touch, so both
// must use this one mapping.
#include "engine/MPIDefs.h"

MPISetupMode GetRemovalRunMode(int removalKind);
