// Discovery benchmark: lays out a distribution folder of many generated
// group packages and times, in one run,
//   1. CMPIBase::Initialize over that folder,
//   2. the same msi.dll calls issued directly in a tight loop,
//   3. one query each on Feature, FeatureComponents and File per package
//      (the floor).
// Fails when discovery does not find every package and module, or takes
// more than three times the floor (it takes about as long: opening the
// packages dominates both).
// Usage: discovery_bench <folder of generated packages>
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>
#include "engine/MPIBase.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPILoadMSIDll.h"
#include "BenchSupport.h"

namespace {

using bench::Now;

const MPIMsiDllTable& M = g_MsiDll;
const int kRounds = 7;

void Property(MSIHANDLE h, const wchar_t* name, DWORD size)
{
    wchar_t buffer[256];
    DWORD length = size;
    M.pMsiGetPropertyW(h, name, buffer, &length);
}

// One view, fetched to the end; calls row() for each record.
template <class Row>
void Query(MSIHANDLE db, const wchar_t* sql, Row row)
{
    MSIHANDLE view = 0;
    if (M.pMsiDatabaseOpenViewW(db, sql, &view) != 0)
        return;
    if (M.pMsiViewExecute(view, 0) == 0)
    {
        MSIHANDLE record = 0;
        while (M.pMsiViewFetch(view, &record) == 0)
        {
            row(record);
            M.pMsiCloseHandle(record);
        }
    }
    M.pMsiCloseHandle(view);
}

// The calls discovery makes for one group package, without the model.
void DirectCalls(const std::wstring& path)
{
    MSIHANDLE package = 0;
    if (M.pMsiOpenPackageExW(path.c_str(), 1, &package) != 0)
        return;
    Property(package, L"PELMORA_MODULE_PROFILE", 10);
    Property(package, L"ProductCode", 100);
    Property(package, L"UpgradeCode", 100);
    Property(package, L"ProductVersion", 50);
    Property(package, L"InternalFormatVersion", 20);

    wchar_t sql[512];
    MSIHANDLE db = M.pMsiGetActiveDatabase(package);
    Query(db, L"SELECT `Feature`,`Feature_Parent` FROM `Feature`", [&](MSIHANDLE r) {
        wchar_t feature[256], parent[256];
        DWORD n = 255;
        M.pMsiRecordGetStringW(r, 1, feature, &n);
        n = 255;
        M.pMsiRecordGetStringW(r, 2, parent, &n);
        swprintf(sql, 512, L"SELECT `Feature_`,`Component_` FROM `FeatureComponents` WHERE `Feature_` = '%ls'", feature);
        Query(db, sql, [&](MSIHANDLE c) {
            wchar_t component[256];
            DWORD m = 255;
            M.pMsiRecordGetStringW(c, 2, component, &m);
            wchar_t fileSql[512];
            swprintf(fileSql, 512, L"SELECT `File`,`Component_`,`FileSize` FROM `File` WHERE `Component_` = '%ls'", component);
            Query(db, fileSql, [&](MSIHANDLE f) { M.pMsiRecordGetInteger(f, 3); });
        });
    });
    M.pMsiCloseHandle(db);

    Property(package, L"MinDunmoorVersion", 100);
    db = M.pMsiGetActiveDatabase(package);
    Query(db, L"SELECT `Feature`,`Feature_Parent`,`Title`,`Description`,`Display`,`Attributes` FROM `Feature`",
          [&](MSIHANDLE r) {
              wchar_t feature[65];
              DWORD n = 65;
              if (M.pMsiRecordGetStringW(r, 1, feature, &n) != 0 || wcsncmp(feature, L"Main", 4) == 0)
                  return;
              wchar_t name[50];
              n = 50;
              M.pMsiRecordGetStringW(r, 1, name, &n);
              swprintf(sql, 512, L"SELECT `Feature_`,`Component_` FROM `FeatureComponents` WHERE `Feature_` = '%ls'", name);
              Query(db, sql, [&](MSIHANDLE c) {
                  wchar_t component[256];
                  DWORD m = 255;
                  M.pMsiRecordGetStringW(c, 2, component, &m);
              });
          });
    M.pMsiCloseHandle(db);
    M.pMsiCloseHandle(package);
}

// The floor: one query per table, every row read.
void OneQueryPerTable(const std::wstring& path)
{
    MSIHANDLE package = 0;
    if (M.pMsiOpenPackageExW(path.c_str(), 1, &package) != 0)
        return;
    MSIHANDLE db = M.pMsiGetActiveDatabase(package);
    auto strings = [](MSIHANDLE r) {
        wchar_t a[256], b[256];
        DWORD n = 255;
        M.pMsiRecordGetStringW(r, 1, a, &n);
        n = 255;
        M.pMsiRecordGetStringW(r, 2, b, &n);
    };
    Query(db, L"SELECT `Feature`,`Feature_Parent` FROM `Feature`", strings);
    Query(db, L"SELECT `Feature_`,`Component_` FROM `FeatureComponents`", strings);
    Query(db, L"SELECT `File`,`Component_`,`FileSize` FROM `File`", [&](MSIHANDLE r) {
        strings(r);
        M.pMsiRecordGetInteger(r, 3);
    });
    M.pMsiCloseHandle(db);
    M.pMsiCloseHandle(package);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
    {
        fwprintf(stderr, L"usage: discovery_bench <folder of packages>\n");
        return 2;
    }
    if (LoadMsiDll() != 1 || !AreMsiEntryPointsBound())
        return 3;
    g_MsiDll.pMsiSetInternalUI(INSTALLUILEVEL_NONE, NULL);

    std::vector<std::wstring> files = bench::PackageFiles(argv[1]);
    std::wstring base = bench::LayOut(files, L"discovery_bench");
    std::vector<std::wstring> laidOut;
    for (size_t i = 0; i < files.size(); ++i)
        laidOut.push_back(bench::GroupPackage(base, i));

    // One warm-up pass so file caches do not favour the later figures; then
    // interleaved rounds, keeping the best time of each (other load on the
    // machine only ever adds time).
    for (const std::wstring& path : laidOut)
        OneQueryPerTable(path);

    double initialize = 1e30, direct = 1e30, floor = 1e30;
    UINT result = 0;
    CMPIBase collection(NULL);
    collection.SetBaseFolder(base.c_str());
    for (int round = 0; round < kRounds; ++round)
    {
        double t0 = Now();
        result = collection.Initialize(1033);
        double t1 = Now();
        for (const std::wstring& path : laidOut)
            DirectCalls(path);
        double t2 = Now();
        for (const std::wstring& path : laidOut)
            OneQueryPerTable(path);
        double t3 = Now();
        if (t1 - t0 < initialize) initialize = t1 - t0;
        if (t2 - t1 < direct) direct = t2 - t1;
        if (t3 - t2 < floor) floor = t3 - t2;
        if (round < kRounds - 1)
            collection.FreeAll();
    }

    unsigned modules = 0;
    for (unsigned i = 0; i < collection.GetMsiCount(); ++i)
        modules += collection.GetMsi(i)->GetModuleCount();
    wprintf(L"packages %u, modules %u, Initialize result %u\n", collection.GetMsiCount(), modules, result);
    wprintf(L"Initialize           %9.1f ms\n", initialize);
    wprintf(L"direct msi.dll calls %9.1f ms   Initialize/direct %.2f\n", direct, initialize / direct);
    wprintf(L"one query per table  %9.1f ms   Initialize/floor  %.2f   direct/floor %.2f\n",
            floor, initialize / floor, direct / floor);
    const unsigned kPackages = 40, kModules = kPackages * 25;   // the generated packages
    const double kLimit = 3.0;
    if (result != 0 || collection.GetMsiCount() != kPackages || modules != kModules)
    {
        wprintf(L"FAILED: expected %u packages and %u modules, result 0\n", kPackages, kModules);
        return 1;
    }
    if (initialize > kLimit * floor)
    {
        wprintf(L"FAILED: Initialize took more than %.0f times the floor\n", kLimit);
        return 1;
    }
    return 0;
}
