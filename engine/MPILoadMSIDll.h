#pragma once
// The one process-wide table of Windows Installer entry points. msi.dll is
// loaded at run time from the system folder and bound entry by entry; every
// installer call of the program goes through a pointer of this table, which
// also makes the pointers the place where tests substitute their own.
#include <windows.h>
#include <msi.h>
#include <msiquery.h>

// Entry points in binding order: X(export name, required). Required ones are
// called by the program; the others are bound for completeness only.
#define MPI_MSI_ENTRY_POINTS(X)          \
    X(MsiCloseHandle, 1)                 \
    X(MsiGetFeatureCostW, 0)             \
    X(MsiDoActionW, 0)                   \
    X(MsiGetLanguage, 0)                 \
    X(MsiGetPropertyW, 1)                \
    X(MsiOpenPackageExW, 1)              \
    X(MsiRecordGetInteger, 1)            \
    X(MsiRecordGetStringW, 1)            \
    X(MsiViewFetch, 1)                   \
    X(MsiViewExecute, 1)                 \
    X(MsiDatabaseOpenViewW, 1)           \
    X(MsiOpenDatabaseW, 1)               \
    X(MsiGetProductInfoW, 1)             \
    X(MsiEnumProductsW, 1)               \
    X(MsiQueryFeatureStateW, 1)          \
    X(MsiSetFeatureStateW, 0)            \
    X(MsiOpenProductW, 1)                \
    X(MsiSetExternalUIW, 1)              \
    X(MsiSetInternalUI, 1)               \
    X(MsiConfigureProductExW, 1)         \
    X(MsiInstallProductW, 1)             \
    X(MsiQueryProductStateW, 0)          \
    X(MsiEnumRelatedProductsW, 0)        \
    X(MsiEnableLogW, 1)                  \
    X(MsiGetProductPropertyW, 1)         \
    X(MsiEnumFeaturesW, 1)               \
    X(MsiGetActiveDatabase, 1)           \
    X(MsiEnumComponentCostsW, 0)         \
    X(MsiGetPropertyA, 0)

struct MPIMsiDllTable
{
    HMODULE hModule;  // msi.dll once loaded; never freed
    int bBound;       // 1 once the entry points were looked up
#define MPI_MSI_DECLARE_POINTER(name, required) decltype(&::name) p##name;
    MPI_MSI_ENTRY_POINTS(MPI_MSI_DECLARE_POINTER)
#undef MPI_MSI_DECLARE_POINTER
};

extern MPIMsiDllTable g_MsiDll;

// Loads msi.dll (once) and binds the table (once). Returns the bound flag:
// 1 when the table is filled, 0 when the library could not be loaded; a
// later call after a failure tries the load again.
int LoadMsiDll();

// TRUE when every entry point the program calls has a pointer. Start-up
// refuses to run without them.
BOOL AreMsiEntryPointsBound();
