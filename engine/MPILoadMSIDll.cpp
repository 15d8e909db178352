#include "engine/MPILoadMSIDll.h"

MPIMsiDllTable g_MsiDll = {};

namespace {

// The system folder's msi.dll, never one that lies beside the program.
HMODULE LoadSystemMsiDll()
{
    wchar_t path[MAX_PATH + 16];
    UINT len = ::GetSystemDirectoryW(path, MAX_PATH);
    if (len == 0 || len >= MAX_PATH)
        return NULL;
    if (path[len - 1] != L'\\')
        path[len++] = L'\\';
    lstrcpyW(path + len, L"msi.dll");
    return ::LoadLibraryW(path);
}

} // namespace

int LoadMsiDll()
{
    if (g_MsiDll.hModule == NULL)
        g_MsiDll.hModule = LoadSystemMsiDll();
    if (g_MsiDll.hModule != NULL && g_MsiDll.bBound == 0)
    {
        g_MsiDll.bBound = 1;
#define MPI_MSI_BIND(name, required) \
        g_MsiDll.p##name = reinterpret_cast<decltype(&::name)>( \
            reinterpret_cast<void*>(::GetProcAddress(g_MsiDll.hModule, #name)));
        MPI_MSI_ENTRY_POINTS(MPI_MSI_BIND)
#undef MPI_MSI_BIND
    }
    return g_MsiDll.bBound;
}

BOOL AreMsiEntryPointsBound()
{
    if (g_MsiDll.bBound != 1)
        return FALSE;
#define MPI_MSI_CHECK(name, required) \
    if ((required) && g_MsiDll.p##name == NULL) return FALSE;
    MPI_MSI_ENTRY_POINTS(MPI_MSI_CHECK)
#undef MPI_MSI_CHECK
    return TRUE;
}
