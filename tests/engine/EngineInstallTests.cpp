// Real runs through Wine's msi.dll with small test packages: a group install
// with ADDLOCAL and its removal, restart results, failures and a cancel that
// the installer really rolls back.
#include <gtest/gtest.h>
#include "EngineTestSupport.h"
#include "ModelTestSupport.h"
#include "engine/MPILoadMSIDll.h"

namespace
{
std::wstring ProductCode(const wchar_t* cid)
{
    return std::wstring(L"{E2A1B000-") + cid + L"-4E20-8000-000000000001}";
}

bool IsProductInstalled(const std::wstring& code)
{
    return g_MsiDll.pMsiQueryProductStateW(code.c_str()) == INSTALLSTATE_DEFAULT;
}

std::wstring RecordedProps(const wchar_t* cid)
{
    std::wstring key = std::wstring(L"Software\\QuandelTests\\Engine2\\") + cid;
    wchar_t value[512] = {0};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    HKEY hKey;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return L"(no key)";
    LONG r = ::RegQueryValueExW(hKey, L"Props", NULL, NULL, reinterpret_cast<BYTE*>(value), &size);
    ::RegCloseKey(hKey);
    return r == ERROR_SUCCESS ? value : L"(no value)";
}

// Removes a test product and its registry key however the test ends.
class ProductGuard
{
public:
    explicit ProductGuard(const wchar_t* cid) : m_Cid(cid), m_Code(ProductCode(cid)) {}
    ~ProductGuard()
    {
        if (g_MsiDll.pMsiQueryProductStateW && IsProductInstalled(m_Code))
            g_MsiDll.pMsiConfigureProductExW(m_Code.c_str(), INSTALLLEVEL_DEFAULT, INSTALLSTATE_DEFAULT,
                                            L"REMOVE=ALL REBOOT=ReallySuppress");
        std::wstring key = L"Software\\QuandelTests\\Engine2\\" + m_Cid;
        ::RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
    }

private:
    std::wstring m_Cid;
    std::wstring m_Code;
};

const wchar_t kPlain[] = L"0001";
const wchar_t kReboot[] = L"0002";
const wchar_t kFail[] = L"0003";
const wchar_t kCancel[] = L"0004";

class EngineInstall : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrepareInstaller();
        g_bCancelRequested = 0;
    }
};
}

TEST_F(EngineInstall, GroupInstallWithAddLocalAndItsRemoval)
{
    ProductGuard guard(kPlain);
    const std::wstring code = ProductCode(kPlain);
    {
        MessageBoxRecorder boxes;
        EngineRun run;
        run.base.Group(L"G").File(FixturePath(L"e2_plain").c_str(), code.c_str(), 1, 0, 0).Action(TRUE, L"ModA");
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, 1));
        EXPECT_EQ(MPI_RUN_COMPLETE, run.callback.Status());
        EXPECT_TRUE(boxes.Calls().empty());
    }
    ASSERT_TRUE(IsProductInstalled(code));
    EXPECT_EQ(INSTALLSTATE_LOCAL, g_MsiDll.pMsiQueryFeatureStateW(code.c_str(), L"ModA"));
    EXPECT_NE(INSTALLSTATE_LOCAL, g_MsiDll.pMsiQueryFeatureStateW(code.c_str(), L"ModB"));
    // What the installer received from the command line.
    EXPECT_EQ(L"1033|5|True|ReallySuppress", RecordedProps(kPlain));

    {
        MessageBoxRecorder boxes;
        EngineRun run;
        run.base.Group(L"G").Installed(code.c_str(), 1, 0, 0).Action(TRUE, L"ALL");
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, 3));
        EXPECT_EQ(MPI_RUN_COMPLETE, run.callback.Status());
        EXPECT_EQ(1, run.callback.Count(L"DisableCancel"));
    }
    EXPECT_FALSE(IsProductInstalled(code));
}

TEST_F(EngineInstall, RestartAndFailureStatuses)
{
    struct Case
    {
        const char* name;
        bool reboot;
        bool fail;
        int status;
        std::vector<int> results;  // OnPackageEnd results
    };
    const Case cases[] = {
        {"restart package alone", true, false, MPI_RUN_COMPLETE_REBOOT, {0}},
        {"restart package, then a failing one", true, true, MPI_RUN_PARTIAL_REBOOT, {0, ERROR_INSTALL_FAILURE}},
        {"failing package alone", false, true, MPI_RUN_NONE, {ERROR_INSTALL_FAILURE}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ProductGuard rebootGuard(kReboot);
        ProductGuard failGuard(kFail);
        MessageBoxRecorder boxes;
        EngineRun run;
        if (c.reboot)
            run.base.Core().File(FixturePath(L"e2_reboot").c_str(), ProductCode(kReboot).c_str(), 1, 0, 0);
        if (c.fail)
            run.base.Group(L"F").File(FixturePath(L"e2_fail").c_str(), ProductCode(kFail).c_str(), 1, 0, 0);
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, 0));
        EXPECT_EQ(c.status, run.callback.Status());
        std::vector<int> results;
        for (const HookCall& call : run.engine.Calls(L"PackageEnd"))
            results.push_back(call.b);
        EXPECT_EQ(c.results, results);
        EXPECT_EQ(c.reboot, run.engine.m_bRebootRequired != FALSE);
        EXPECT_EQ(c.reboot, IsProductInstalled(ProductCode(kReboot)));
        EXPECT_FALSE(IsProductInstalled(ProductCode(kFail)));
    }
}

TEST_F(EngineInstall, CancelDuringAPackage)
{
    struct Case
    {
        const char* name;
        int answer;
        int result;
        int status;
        bool installed;
    };
    const Case cases[] = {
        {"Yes: rolled back", IDYES, ERROR_INSTALL_USEREXIT, MPI_RUN_NONE, false},
        {"No: goes on", IDNO, 0, MPI_RUN_COMPLETE, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ProductGuard guard(kCancel);
        MessageBoxRecorder boxes;
        EngineRun run;
        run.base.Core().File(FixturePath(L"e2_cancel").c_str(), ProductCode(kCancel).c_str(), 1, 0, 0);
        // The package's script action reports "1: 2 2: 1": the user presses
        // Cancel just then.
        run.engine.OnHook = [&](const HookCall& call) {
            if (call.hook == L"Progress" && call.name == L"1: 2 2: 1 ")
                run.engine.Cancel();
        };
        boxes.Answer(c.answer);
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, 0));
        auto ends = run.engine.Calls(L"PackageEnd");
        ASSERT_EQ(1u, ends.size());
        EXPECT_EQ(c.result, ends[0].b);
        EXPECT_EQ(c.status, run.callback.Status());
        EXPECT_EQ(1u, run.engine.Calls(L"CancelQuestion").size());
        EXPECT_EQ(c.installed, IsProductInstalled(ProductCode(kCancel)));
        EXPECT_EQ(0, g_bCancelRequested.load());
    }
}

namespace
{
const wchar_t kPair[] = L"0005";

std::wstring InstalledVersion(const std::wstring& code)
{
    wchar_t version[64] = L"";
    DWORD length = 64;
    if (g_MsiDll.pMsiGetProductInfoW(code.c_str(), INSTALLPROPERTY_VERSIONSTRING, version, &length) != 0)
        return L"(not installed)";
    return version;
}
}

TEST_F(EngineInstall, YesDuringTheRemovalOfAPairStillInstallsTheNewVersion)
{
    // Build 1.0.3 is installed, the package file is 1.0.1: the run removes
    // the product, then installs the file. Yes during the removal, which
    // the installer completes: the file is installed all the same, and the
    // package queued after the pair is not.
    for (bool corePair : {false, true})
    {
        SCOPED_TRACE(corePair ? "the core's pair" : "a group's pair");
        ProductGuard pairGuard(kPair);
        ProductGuard afterGuard(kPlain);
        const std::wstring code = ProductCode(kPair);
        ASSERT_EQ(0u, g_MsiDll.pMsiInstallProductW(FixturePath(L"e2_pair_installed").c_str(),
                                                   L"REBOOT=ReallySuppress"));
        ASSERT_EQ(L"1.0.3", InstalledVersion(code));

        MessageBoxRecorder boxes(IDYES);
        EngineRun run;
        const std::wstring file = FixturePath(L"e2_pair_file");
        if (corePair)
            run.base.Core().File(file.c_str(), code.c_str(), 1, 0, 1).Installed(code.c_str(), 1, 0, 3)
                .ForceNeedsAction(1);
        else
            run.base.Group(L"G").File(file.c_str(), code.c_str(), 1, 0, 1).Installed(code.c_str(), 1, 0, 3);
        run.base.Group(L"After").File(FixturePath(L"e2_plain").c_str(), ProductCode(kPlain).c_str(), 1, 0, 0);
        int started = 0;
        run.engine.OnHook = [&](const HookCall& call) {
            if (call.hook == L"PackageStart")
                ++started;
            else if (call.hook == L"Progress" && started == 1 && run.engine.Calls(L"CancelQuestion").empty())
                run.engine.Cancel();
        };
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, MPI_MODE_INSTALL_MODULES));
        ASSERT_EQ(3u, run.engine.m_Configs.size());
        EXPECT_EQ(1u, run.engine.Calls(L"CancelQuestion").size());
        EXPECT_EQ(1u, boxes.Calls().size());
        std::vector<int> results;
        for (const HookCall& call : run.engine.Calls(L"PackageEnd"))
            results.push_back(call.b);
        EXPECT_EQ((std::vector<int>{0, 0}), results);
        EXPECT_EQ(MPI_RUN_PARTIAL, run.callback.Status());
        EXPECT_EQ(L"1.0.1", InstalledVersion(code));
        EXPECT_FALSE(IsProductInstalled(ProductCode(kPlain)));
    }
}
