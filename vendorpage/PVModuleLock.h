#pragma once
// The module-wide lock count: live factories, live pages and LockServer
// calls each hold one; the DLL may be unloaded only while it is zero.
#include <windows.h>

void LockModule();
void UnlockModule();
// S_OK when nothing holds the module, else S_FALSE.
HRESULT CanUnloadModule();
