#pragma once
// The module-wide lock count: live factories, live pages and LockServer
// calls each hold one; the DLL may be unloaded only while it is zero.
#include <windows.h>

void LockModule();
void UnlockModule();
// S_OK when nothing holds the module, else S_FALSE.
HRESULT CanUnloadModule();

// A reference count that holds one module lock while it is above zero: the
// first reference takes the lock; the last release deletes the object and
// only then gives the lock back. Both return the new count.
inline ULONG AddLockedRef(LONG& count)
{
    if (InterlockedCompareExchange(&count, 0, 0) == 0)
        LockModule();
    return static_cast<ULONG>(InterlockedIncrement(&count));
}

template <class T>
ULONG ReleaseLockedRef(T* object, LONG& count)
{
    const LONG left = InterlockedDecrement(&count);
    if (left == 0)
    {
        delete object;
        UnlockModule();
    }
    return static_cast<ULONG>(left);
}
