#include "vendorpage/PVModuleLock.h"

namespace
{
LONG g_moduleLocks = 0;
}

void LockModule()
{
    InterlockedIncrement(&g_moduleLocks);
}

void UnlockModule()
{
    InterlockedDecrement(&g_moduleLocks);
}

HRESULT CanUnloadModule()
{
    if (InterlockedCompareExchange(&g_moduleLocks, 0, 0) != 0)
    {
        OutputDebugStringW(L"PageCanUnloadNow returning S_FALSE\n");
        return S_FALSE;
    }
    OutputDebugStringW(L"PageCanUnloadNow returning S_OK\n");
    return S_OK;
}
