// Run-start benchmark: the time the service's Install and Remove spend on
// the calling thread (the engine's Start: queueing, the title, version and
// module summary of every package, the run's first log lines) over a
// distribution of 40 generated groups of 25 modules each plus a setup and a
// core package, for an install of all modules (mode 1) and for the removal
// of everything (mode 3) after that install. The worker is held at its
// first report until Start has returned, so it is not counted. The floor is
// the same texts read with one database query per group. It prints both
// figures and their ratio, and fails when a start takes 1 s or more, when a
// run does not complete, or when its summary lines are not the texts of the
// floor (the package files' for the install, the installed products' for
// the removal). Whatever it installed is removed on every path.
// Usage: run_bench (the packages are found under ..\fixtures\ beside it)
#include <windows.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>
#include "BenchSupport.h"
#include "ServiceTestSupport.h"
#include "engine/MPILoadMSIDll.h"
#include "engine/MPIMsiQuery.h"
#include "engine/MsiHandle.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "setup/service/QuandelSrv.h"

namespace {

const int kGroups = 40;
const int kFirstBench = 1000;
// Rounds per mode: the last one runs for real, the others stop at their
// first package (the installer entry point answers "cancelled").
const int kRounds = 3;
const double kLimitMs = 1000.0;

std::wstring BenchProductCode(int n)
{
    wchar_t code[64];
    wsprintfW(code, L"{E1A0B000-%d-4000-8000-000000000000}", n);
    return code;
}

// Every product the benchmark may install; removed at the start and on
// every way out.
class CInstalledProducts
{
public:
    CInstalledProducts()
    {
        for (int i = 0; i < kGroups; ++i)
            m_Codes.push_back(BenchProductCode(kFirstBench + i));
        m_Codes.push_back(svc::kCore);
        m_Codes.push_back(svc::kSetup);
        RemoveAll();
    }
    ~CInstalledProducts() { RemoveAll(); }
    bool AllInstalled() const
    {
        for (const std::wstring& code : m_Codes)
            if (!IsProductInstalled(code.c_str()))
                return false;
        return true;
    }
    bool NoneInstalled() const
    {
        for (const std::wstring& code : m_Codes)
            if (IsProductInstalled(code.c_str()))
                return false;
        return true;
    }

private:
    void RemoveAll()
    {
        for (const std::wstring& code : m_Codes)
            RemoveProductIfInstalled(code.c_str());
    }
    std::vector<std::wstring> m_Codes;
};

// While it lives, the installer's install and reconfigure entry points
// answer "cancelled by the user" and change nothing.
struct CDryInstaller
{
    static UINT WINAPI Install(LPCWSTR, LPCWSTR) { return ERROR_INSTALL_USEREXIT; }
    static UINT WINAPI Configure(LPCWSTR, int, INSTALLSTATE, LPCWSTR) { return ERROR_INSTALL_USEREXIT; }

    decltype(g_MsiDll.pMsiInstallProductW) realInstall = g_MsiDll.pMsiInstallProductW;
    decltype(g_MsiDll.pMsiConfigureProductExW) realConfigure = g_MsiDll.pMsiConfigureProductExW;
    CDryInstaller()
    {
        g_MsiDll.pMsiInstallProductW = &Install;
        g_MsiDll.pMsiConfigureProductExW = &Configure;
    }
    ~CDryInstaller()
    {
        g_MsiDll.pMsiInstallProductW = realInstall;
        g_MsiDll.pMsiConfigureProductExW = realConfigure;
    }
};

// A recording callback whose worker-thread reports wait until Release: the
// worker reports before its first package, so it stays there until the
// start has been timed.
class CHeldCallback : public CRecordingCallback
{
public:
    explicit CHeldCallback(CProgressCtrl* progress)
        : CRecordingCallback(progress), m_uThread(::GetCurrentThreadId()),
          m_hRelease(::CreateEventW(NULL, TRUE, FALSE, NULL))
    {
    }
    ~CHeldCallback() { ::CloseHandle(m_hRelease); }
    void AddMessage(LPCWSTR text) override
    {
        if (::GetCurrentThreadId() != m_uThread)
            ::WaitForSingleObject(m_hRelease, INFINITE);
        CRecordingCallback::AddMessage(text);
    }
    void Release() { ::SetEvent(m_hRelease); }

private:
    DWORD m_uThread;
    HANDLE m_hRelease;
};

struct RoundResult
{
    bool ok = false;
    double startMs = 0;
    int sessions = 0;
    int databases = 0;
    std::vector<std::wstring> lines;
};

// One run on a fresh service: discovery (not timed), then Install or
// Remove timed on this thread, then the worker let go and waited for.
RoundResult RunRound(const std::wstring& mp, MPISetupMode mode, bool dry)
{
    RoundResult round;
    CTestProgressBar bar;
    CHeldCallback callback(bar.Ctrl());
    CQuandelSrv service;
    service.SetBaseFolder(mp.c_str());
    if (service.Initialize(1033) != 0)
    {
        fwprintf(stderr, L"run_bench: discovery failed\n");
        return round;
    }
    int result;
    {
        CDryInstaller* dryInstaller = dry ? new CDryInstaller : nullptr;
        {
            COpenCounter counter;
            service.SetSetupType(MPI_MODE_INSTALL_MODULES);
            const double t0 = bench::Now();
            result = IsInstallMode(mode) ? service.Install(&callback) : service.Remove(&callback, mode);
            round.startMs = bench::Now() - t0;
            round.sessions = COpenCounter::Sessions();
            round.databases = COpenCounter::Databases();
        }
        callback.Release();
        const bool completed = result == 0 && callback.WaitForCompletion(600000);
        delete dryInstaller;
        if (!completed)
        {
            fwprintf(stderr, L"run_bench: mode %d started with %d and did not complete\n", mode, result);
            return round;
        }
    }
    const int expected = dry ? MPI_RUN_NONE : MPI_RUN_COMPLETE;
    if (callback.m_nStatus != expected)
    {
        fwprintf(stderr, L"run_bench: mode %d ended with status %d\n", mode, callback.m_nStatus);
        return round;
    }
    round.lines = callback.m_Lines;
    round.ok = true;
    return round;
}

// --- the floor: one query of the Property table per group -------------------

std::map<std::wstring, std::wstring> ReadPropertyTable(const std::wstring& path)
{
    std::map<std::wstring, std::wstring> table;
    UniqueMsiHandle database, view, record;
    if (g_MsiDll.pMsiOpenDatabaseW(path.c_str(), MSIDBOPEN_READONLY, database.put()) != ERROR_SUCCESS ||
        g_MsiDll.pMsiDatabaseOpenViewW(database.get(), L"SELECT `Property`,`Value` FROM `Property`", view.put()) !=
            ERROR_SUCCESS ||
        g_MsiDll.pMsiViewExecute(view.get(), 0) != ERROR_SUCCESS)
        return table;
    while (record.reset(), g_MsiDll.pMsiViewFetch(view.get(), record.put()) == ERROR_SUCCESS)
    {
        std::wstring name, value;
        MPIReadWholeRecordString(record.get(), 1, name);
        MPIReadWholeRecordString(record.get(), 2, value);
        table[name] = value;
    }
    return table;
}

std::wstring LocalPackage(const CString& productCode)
{
    wchar_t path[MAX_PATH + 1] = {};
    DWORD length = MAX_PATH;
    if (g_MsiDll.pMsiGetProductInfoW(productCode, INSTALLPROPERTY_LOCALPACKAGE, path, &length) != ERROR_SUCCESS)
        return std::wstring();
    return path;
}

std::wstring Text(const std::map<std::wstring, std::wstring>& table, const std::wstring& name)
{
    auto row = table.find(name + L"_1033");
    return (row == table.end() || row->second.empty()) ? L"?" : row->second;
}

struct Floor
{
    double ms = 1e30;
    std::vector<std::wstring> titles;
    std::vector<std::wstring> summary;  // the log's summary lines, in run order
};

// The titles and module summary lines of the groups a run of the mode
// processes, read with one query per group from the side the run shows:
// the package file for an install, the installed product's cached package
// for a removal. The module lists come from discovery, which is not timed.
Floor ReadFloor(const std::wstring& mp, MPISetupMode mode)
{
    Floor floor;
    CQuandelSrv service;
    service.SetBaseFolder(mp.c_str());
    service.SetSetupType(MPI_MODE_INSTALL_MODULES);
    if (service.Initialize(1033) != 0)
        return floor;
    const int source = IsInstallMode(mode) ? 0 : 1;
    for (int round = 0; round < kRounds; ++round)
    {
        std::vector<std::wstring> titles, summary;
        const double t0 = bench::Now();
        for (int i = 0; CQuandelGroupMsi* group = service.GetMsi(i); ++i)
        {
            if (!group->NeedsAction(mode))
                continue;
            const std::wstring path =
                source == 0 ? std::wstring(group->GetPackagePath()) : LocalPackage(group->GetProductCode(1));
            const std::map<std::wstring, std::wstring> table = ReadPropertyTable(path);
            titles.push_back(Text(table, L"ModuleVendorPlusGroupName"));
            for (unsigned j = 0; j < group->GetModuleCount(); ++j)
            {
                CQuandelModule* module = group->GetModule(static_cast<int>(j));
                if (module->NeedsAction(mode))
                    summary.push_back(L"\t" + std::wstring(module->GetCatalogNumber()) + L": " +
                                      Text(table, std::wstring(module->GetFeatureName()) + L"_Description"));
            }
        }
        const double ms = bench::Now() - t0;
        if (ms < floor.ms)
            floor.ms = ms;
        floor.titles = titles;
        floor.summary = summary;
    }
    return floor;
}

// The run's log shows the floor's texts: the same summary lines in the same
// order, and every title.
bool LogShowsFloorTexts(const std::vector<std::wstring>& lines, const Floor& floor)
{
    std::vector<std::wstring> summary;
    for (const std::wstring& line : lines)
        if (!line.empty() && line[0] == L'\t')
            summary.push_back(line);
    if (summary != floor.summary || floor.summary.size() != static_cast<size_t>(kGroups) * 25)
    {
        fwprintf(stderr, L"run_bench: %u summary lines, %u expected\n", static_cast<unsigned>(summary.size()),
                 static_cast<unsigned>(floor.summary.size()));
        return false;
    }
    for (const std::wstring& title : floor.titles)
    {
        bool found = false;
        for (const std::wstring& line : lines)
            found = found || (!line.empty() && line[0] != L'\t' && line.find(title) != std::wstring::npos);
        if (title == L"?" || !found)
        {
            fwprintf(stderr, L"run_bench: title %ls not logged\n", title.c_str());
            return false;
        }
    }
    return true;
}

struct ModeFigures
{
    double startMs = 1e30;
    int sessions = 0;
    int databases = 0;
    Floor floor;
};

// The timed rounds of one mode and its floor; false when a round failed or
// the real run's log does not show the floor's texts.
bool MeasureMode(const std::wstring& mp, MPISetupMode mode, ModeFigures& figures)
{
    RoundResult last;
    for (int round = 0; round < kRounds; ++round)
    {
        last = RunRound(mp, mode, round + 1 < kRounds);
        if (!last.ok)
            return false;
        if (last.startMs < figures.startMs)
            figures.startMs = last.startMs;
        figures.sessions = last.sessions;
        figures.databases = last.databases;
        if (round + 2 == kRounds)
            figures.floor = ReadFloor(mp, mode);  // before the real run changes what is installed
    }
    return LogShowsFloorTexts(last.lines, figures.floor);
}

void Print(const wchar_t* name, const ModeFigures& figures)
{
    wprintf(L"%-28ls start %8.1f ms   floor %7.1f ms   ratio %5.2f   opens: %d sessions, %d databases\n", name,
            figures.startMs, figures.floor.ms, figures.startMs / figures.floor.ms, figures.sessions,
            figures.databases);
}

} // namespace

int wmain()
{
    if (!UseEnglishLanguageLibrary() || !BindMsi())
    {
        fwprintf(stderr, L"run_bench: no language library or no msi.dll\n");
        return 3;
    }
    std::vector<std::wstring> fixtures;
    std::vector<std::wstring> targets;
    for (int i = 0; i < kGroups; ++i)
    {
        fixtures.push_back(L"bench\\bench" + std::to_wstring(kFirstBench + i));
        targets.push_back(L"G" + std::to_wstring(100 + i) + L"\\group.msi");
    }
    std::vector<CDistribution::Entry> entries = {{L"svc_setup", L"Install\\Quandel.msi"},
                                                 {L"svc_core", L"Core\\Dunmoor.msi"}};
    for (int i = 0; i < kGroups; ++i)
        entries.push_back({fixtures[i].c_str(), targets[i].c_str()});
    CDistribution distribution(entries);
    if (!distribution.IsComplete())
    {
        fwprintf(stderr, L"run_bench: the packages are missing\n");
        return 3;
    }

    CInstalledProducts products;
    ModeFigures install, removal;
    if (!MeasureMode(distribution.MpFolder(), MPI_MODE_INSTALL_MODULES, install))
        return 1;
    if (!products.AllInstalled())
    {
        fwprintf(stderr, L"run_bench: the install left products out\n");
        return 1;
    }
    if (!MeasureMode(distribution.MpFolder(), MPI_MODE_REMOVE_ALL, removal))
        return 1;
    if (!products.NoneInstalled())
    {
        fwprintf(stderr, L"run_bench: the removal left products behind\n");
        return 1;
    }

    wprintf(L"groups %d of 25 modules plus setup and core, best of %d rounds\n", kGroups, kRounds);
    Print(L"install all modules (1)", install);
    Print(L"remove everything (3)", removal);
    wprintf(L"limit %.0f ms for each start\n", kLimitMs);
    return (install.startMs < kLimitMs && removal.startMs < kLimitMs) ? 0 : 1;
}
