#pragma once
// RAII for MSIHANDLE: package, product, database, view and record handles
// are closed through the process-wide entry-point table.
#include "framework/Handles.h"
#include "engine/MPILoadMSIDll.h"

struct MsiHandleTraits
{
    using type = MSIHANDLE;
    static MSIHANDLE invalid() { return 0; }
    static void close(MSIHANDLE h)
    {
        if (g_MsiDll.pMsiCloseHandle)
            g_MsiDll.pMsiCloseHandle(h);
    }
};

using UniqueMsiHandle = TUniqueHandle<MsiHandleTraits>;
