// Whole runs of the service without the wizard: discovery of a distribution
// folder, installs in each setup type and removals of marked modules, of
// groups and of everything, each checked through Windows Installer itself,
// through the log lines, the status, the installer log file and a real
// progress bar driven by the installer's messages.
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "ServiceTestSupport.h"
#include "engine/MPILoadMSIDll.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "setup/service/QuandelSrv.h"
#include "resources/quandel/ids_startup.h"

namespace
{
typedef std::vector<std::wstring> Lines;

const std::vector<CDistribution::Entry> kFullDistribution = {
    {L"svc_setup", L"Install\\Quandel.msi"},
    {L"svc_core", L"Core\\Dunmoor.msi"},
    {L"svc_alpha", L"Alpha\\Alpha.msi"},
    {L"svc_beta", L"Beta\\Beta.msi"},
};

const int kLocal = 3;
const int kAbsent = 2;

struct RunOutcome
{
    int result = -1;
    bool completed = false;
    int status = -1;
    int disableCancel = 0;
    Lines lines;
    bool logFileExists = false;
    int barHighest = 0;
    int barMessages = 0;
    int barFinal = -1;
};

class ServiceRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UseEnglishLanguageLibrary());
        ASSERT_TRUE(BindMsi());
        RemoveEverything();
    }
    void TearDown() override { RemoveEverything(); }

    static void RemoveEverything()
    {
        for (size_t i = 0; i < svc::kAllProductCount; ++i)
            EXPECT_TRUE(RemoveProductIfInstalled(svc::kAllProducts[i])) << "left installed";
    }

    // A fresh service on the distribution: discovery, then prepare (setup
    // type, selections, marks), then start (Install or Remove); waits for
    // the completion while handling this thread's messages.
    RunOutcome Run(const CDistribution& distribution, LANGID language,
                   const std::function<void(CQuandelSrv&)>& prepare,
                   const std::function<int(CQuandelSrv&, CRecordingCallback&)>& start)
    {
        RunOutcome outcome;
        const std::wstring log = TempFolder() + L"QuandelLog.txt";
        ::DeleteFileW(log.c_str());
        CTestProgressBar bar;
        EXPECT_TRUE(bar.IsValid());
        bar.Reset(0, 100, 0);
        CRecordingCallback callback(bar.Ctrl());
        {
            CQuandelSrv service;
            service.SetBaseFolder(distribution.MpFolder().c_str());
            EXPECT_EQ(0u, service.Initialize(language));
            prepare(service);
            outcome.result = start(service, callback);
            if (outcome.result == 0)
                outcome.completed = callback.WaitForCompletion();
        }
        outcome.status = callback.m_nStatus;
        outcome.disableCancel = callback.m_nDisableCancel;
        outcome.lines = callback.m_Lines;
        outcome.logFileExists = FileExists(log);
        outcome.barHighest = bar.MaxPos();
        outcome.barMessages = bar.Messages();
        outcome.barFinal = bar.Pos();
        g_MsiDll.pMsiEnableLogW(0, NULL, 0);
        return outcome;
    }

    static int Install(CQuandelSrv& service, CRecordingCallback& callback) { return service.Install(&callback); }
    static std::function<int(CQuandelSrv&, CRecordingCallback&)> Remove(MPISetupMode mode)
    {
        return [mode](CQuandelSrv& service, CRecordingCallback& callback) { return service.Remove(&callback, mode); };
    }
    static void Nothing(CQuandelSrv&) {}

    // A finished run that reached every queued package.
    static void ExpectCompleteRun(const RunOutcome& outcome)
    {
        EXPECT_EQ(0, outcome.result);
        EXPECT_TRUE(outcome.completed);
        EXPECT_EQ(MPI_RUN_COMPLETE, outcome.status);
        EXPECT_TRUE(outcome.logFileExists);
        // The installer's own progress messages moved the bar, and its
        // terminate message emptied it at the end.
        EXPECT_GT(outcome.barMessages, 0);
        EXPECT_GT(outcome.barHighest, 0);
        EXPECT_EQ(0, outcome.barFinal);
    }

    // Callers wrap it in ASSERT_NO_FATAL_FAILURE: a failed install stops the test.
    static void InstallDirectly(const CDistribution& distribution)
    {
        for (const CDistribution::Entry& entry : kFullDistribution)
            ASSERT_EQ(0u, InstallPackageFile(distribution.MpFolder() + entry.relative, L"ADDLOCAL=ALL"))
                << entry.relative;
    }
};

struct ModuleFacts
{
    int group;
    int module;
    const wchar_t* feature;
    const wchar_t* catalog;
    BOOL generic;
    BOOL controller;
    const wchar_t* description;
    const wchar_t* series;
};
}

TEST_F(ServiceRunTest, DiscoveryMakesTheSetupProgramsOwnPackages)
{
    CDistribution distribution(kFullDistribution);
    ASSERT_TRUE(distribution.IsComplete());
    CQuandelSrv service;
    service.SetBaseFolder(distribution.MpFolder().c_str());
    // Initialize switches the installer's own user interface off.
    g_MsiDll.pMsiSetInternalUI(INSTALLUILEVEL_BASIC, NULL);
    ASSERT_EQ(0u, service.Initialize(1033));
    EXPECT_EQ(INSTALLUILEVEL_NONE, g_MsiDll.pMsiSetInternalUI(INSTALLUILEVEL_NOCHANGE, NULL));
    ASSERT_NE(nullptr, service.GetSetupMsi());
    ASSERT_NE(nullptr, service.GetCoreMsi());
    ASSERT_EQ(2u, service.GetMsiCount());
    EXPECT_STREQ(L"Ternwick", service.GetMsi(0)->GetModuleVendorRef().GetString());

    const ModuleFacts facts[] = {
        {0, 0, L"ModA1", L"A-101", TRUE, FALSE, L"Alpha module one", L"S7"},
        {0, 1, L"ModA2", L"A-102", FALSE, TRUE, L"Alpha module two", L"?"},
        {1, 0, L"ModB1", L"B-101", TRUE, FALSE, L"Beta module one", L"S7"},
        {1, 1, L"ModB2", L"B-102", FALSE, TRUE, L"Beta module two", L"?"},
    };
    for (const ModuleFacts& f : facts)
    {
        CQuandelModule* module = service.GetMsi(f.group)->GetModule(f.module);
        ASSERT_NE(nullptr, module) << f.feature;
        EXPECT_STREQ(f.feature, module->GetFeatureName().GetString());
        EXPECT_STREQ(f.catalog, module->GetCatalogNumber().GetString()) << f.feature;
        EXPECT_EQ(f.generic, module->IsGeneric()) << f.feature;
        EXPECT_EQ(f.controller, module->IsController()) << f.feature;
        EXPECT_STREQ(f.description, module->GetDescription(0).GetString()) << f.feature;
        EXPECT_STREQ(f.series, module->GetFWSeries(0).GetString()) << f.feature;
        // Nothing installed: the product side has no texts.
        EXPECT_STREQ(L"?", module->GetDescription(1).GetString()) << f.feature;
        // Read from the package file, every module starts selected.
        EXPECT_TRUE(module->GetInstallSelection()) << f.feature;
        EXPECT_FALSE(module->GetRemoveMark()) << f.feature;
    }
    EXPECT_EQ(nullptr, service.GetMsi(0)->GetModule(2));

    // Alpha declares 1033;1031, Beta 1034, 1033: each language once.
    const DWORD packageLanguages[] = {1033, 1031, 1034, 0};
    for (unsigned i = 0; i < 4; ++i)
        EXPECT_EQ(packageLanguages[i], service.GetLanguageList(i, 0)) << i;
    EXPECT_EQ(1033u, service.GetLanguageList(0, 1));
    EXPECT_EQ(0u, service.GetLanguageList(1, 1));
}

TEST_F(ServiceRunTest, DiscoveryRefusesAGroupWithoutEnglish)
{
    CDistribution distribution(std::vector<CDistribution::Entry>{{L"svc_delta", L"Delta\\Delta.msi"}});
    ASSERT_TRUE(distribution.IsComplete());
    CQuandelSrv service;
    service.SetBaseFolder(distribution.MpFolder().c_str());
    EXPECT_EQ(static_cast<UINT>(ERROR_INVALID_DATA), service.Initialize(1033));
    EXPECT_EQ(0u, service.GetMsiCount());
}

TEST_F(ServiceRunTest, InstallNewerThenRemoveEverything)
{
    CDistribution distribution(kFullDistribution);
    ASSERT_TRUE(distribution.IsComplete());

    RunOutcome install = Run(distribution, 1033, Nothing, Install);
    ExpectCompleteRun(install);
    EXPECT_EQ(0, install.disableCancel);
    EXPECT_EQ((Lines{L"Module profile setup started.", L"",
                     L"Installing the setup and core components 1.00.0 ...",
                     L"The setup and core components 2.05.0 were installed successfully.", L"",
                     L"Installing Ternwick Alpha 1.01.0 ...", L"\tA-101: Alpha module one",
                     L"\tA-102: Alpha module two", L"Ternwick Alpha 1.01.0 was installed successfully.", L"",
                     L"Installing Ternwick Beta 3.00.2 ...", L"\tB-101: Beta module one", L"\tB-102: Beta module two",
                     L"Ternwick Beta 3.00.2 was installed successfully.", L"",
                     L"Module profile setup finished."}),
              install.lines);
    for (const wchar_t* product : {svc::kSetup, svc::kCore, svc::kAlpha, svc::kBeta})
        EXPECT_TRUE(IsProductInstalled(product)) << product;
    EXPECT_EQ(kLocal, FeatureState(svc::kAlpha, L"ModA1"));
    EXPECT_EQ(kLocal, FeatureState(svc::kAlpha, L"ModA2"));
    EXPECT_EQ(kLocal, FeatureState(svc::kBeta, L"ModB2"));

    RunOutcome removal = Run(distribution, 1033, [](CQuandelSrv& service) {
        // The installed side now answers too.
        EXPECT_EQ(1033u, service.GetLanguageList(0, 1));
        EXPECT_EQ(1031u, service.GetLanguageList(1, 1));
        EXPECT_EQ(1034u, service.GetLanguageList(2, 1));
        EXPECT_STREQ(L"Alpha module one", service.GetMsi(0)->GetModule(0)->GetDescription(1).GetString());
    }, Remove(MPI_MODE_REMOVE_ALL));
    ExpectCompleteRun(removal);
    EXPECT_EQ(1, removal.disableCancel);
    EXPECT_EQ((Lines{L"Module profile setup started.", L"",
                     L"Removing Ternwick Alpha 1.01.0 ...", L"\tA-101: Alpha module one", L"\tA-102: Alpha module two",
                     L"Ternwick Alpha 1.01.0 was removed successfully.", L"",
                     L"Removing Ternwick Beta 3.00.2 ...", L"\tB-101: Beta module one", L"\tB-102: Beta module two",
                     L"Ternwick Beta 3.00.2 was removed successfully.", L"",
                     L"Removing the setup and core components 2.05.0 ...",
                     L"The setup and core components 1.00.0 were removed successfully.", L"",
                     L"Module profile setup finished."}),
              removal.lines);
    for (const wchar_t* product : {svc::kSetup, svc::kCore, svc::kAlpha, svc::kBeta})
        EXPECT_FALSE(IsProductInstalled(product)) << product;
}

TEST_F(ServiceRunTest, CustomInstallFollowsSelectionsThenModulesAddsTheRest)
{
    CDistribution distribution(kFullDistribution);
    ASSERT_TRUE(distribution.IsComplete());

    // German: the module texts and group titles come in that language (read
    // wide, so the umlaut survives), falling back to English.
    RunOutcome custom = Run(distribution, 1031, [](CQuandelSrv& service) {
        service.SetSetupType(MPI_MODE_INSTALL_CUSTOM);
        service.GetMsi(0)->GetModule(1)->SetInstallSelection(FALSE);
        service.GetMsi(1)->GetModule(0)->SetInstallSelection(FALSE);
    }, Install);
    ExpectCompleteRun(custom);
    EXPECT_EQ((Lines{L"Module profile setup started.", L"",
                     L"Installing the setup and core components 1.00.0 ...",
                     L"The setup and core components 2.05.0 were installed successfully.", L"",
                     L"Installing Ternwick Alpha (DE) 1.01.0 ...", L"\tA-101: Alpha-Modul eins \u00C4",
                     L"Ternwick Alpha (DE) 1.01.0 was installed successfully.", L"",
                     L"Installing Ternwick Beta (DE) 3.00.2 ...", L"\tB-102: Beta module two",
                     L"Ternwick Beta (DE) 3.00.2 was installed successfully.", L"",
                     L"Module profile setup finished."}),
              custom.lines);
    EXPECT_EQ(kLocal, FeatureState(svc::kAlpha, L"ModA1"));
    EXPECT_EQ(kAbsent, FeatureState(svc::kAlpha, L"ModA2"));
    EXPECT_EQ(kAbsent, FeatureState(svc::kBeta, L"ModB1"));
    EXPECT_EQ(kLocal, FeatureState(svc::kBeta, L"ModB2"));

    // Mode 1 on installed groups of the same version: every packaged module
    // goes in; the setup and core packages are up to date. A cancel request
    // at once brings the cancel question at the first progress message; the
    // answer No lets the run go on.
    // The question comes from the worker thread; it is answered No.
    RunOutcome modules;
    std::vector<CBoxRecorder::Box> questions;
    {
        CBoxRecorder recorder(IDNO);
        modules = Run(distribution, 1033, [](CQuandelSrv& service) {
            service.SetSetupType(MPI_MODE_INSTALL_MODULES);
        }, [](CQuandelSrv& service, CRecordingCallback& callback) {
            const int result = service.Install(&callback);
            service.Cancel();
            return result;
        });
        questions = recorder.Boxes();
    }
    ExpectCompleteRun(modules);
    CString caption;
    caption.LoadString(IDS_QUANDEL_WIZARD_CAPTION);
    ASSERT_EQ(1u, questions.size());
    EXPECT_EQ(L"Do you really want to cancel the setup?", questions[0].text);
    EXPECT_EQ(std::wstring(caption.GetString()), questions[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), questions[0].type);
    EXPECT_EQ((Lines{L"Module profile setup started.", L"",
                     L"Installing Ternwick Alpha 1.01.0 ...", L"\tA-101: Alpha module one",
                     L"\tA-102: Alpha module two", L"Ternwick Alpha 1.01.0 was installed successfully.", L"",
                     L"Installing Ternwick Beta 3.00.2 ...", L"\tB-101: Beta module one", L"\tB-102: Beta module two",
                     L"Ternwick Beta 3.00.2 was installed successfully.", L"",
                     L"Module profile setup finished."}),
              modules.lines);
    for (const wchar_t* feature : {L"ModA1", L"ModA2"})
        EXPECT_EQ(kLocal, FeatureState(svc::kAlpha, feature)) << feature;
    for (const wchar_t* feature : {L"ModB1", L"ModB2"})
        EXPECT_EQ(kLocal, FeatureState(svc::kBeta, feature)) << feature;
}

TEST_F(ServiceRunTest, RemoveMarkedModulesThenShippedGroups)
{
    CDistribution distribution(kFullDistribution);
    ASSERT_TRUE(distribution.IsComplete());
    ASSERT_NO_FATAL_FAILURE(InstallDirectly(distribution));

    // Every module of Alpha marked: the whole product goes. One of Beta's:
    // Beta stays, so the setup and core packages stay too.
    RunOutcome marked = Run(distribution, 1033, [](CQuandelSrv& service) {
        service.GetMsi(0)->GetModule(0)->SetRemoveMark(TRUE);
        service.GetMsi(0)->GetModule(1)->SetRemoveMark(TRUE);
        service.GetMsi(1)->GetModule(0)->SetRemoveMark(TRUE);
    }, Remove(MPI_MODE_REMOVE_MODULES));
    ExpectCompleteRun(marked);
    EXPECT_EQ((Lines{L"Module profile setup started.", L"",
                     L"Removing Ternwick Alpha 1.01.0 ...", L"\tA-101: Alpha module one", L"\tA-102: Alpha module two",
                     L"Ternwick Alpha 1.01.0 was removed successfully.", L"",
                     L"Removing Ternwick Beta 3.00.2 ...", L"\tB-101: Beta module one",
                     L"Ternwick Beta 3.00.2 was removed successfully.", L"",
                     L"Module profile setup finished."}),
              marked.lines);
    EXPECT_FALSE(IsProductInstalled(svc::kAlpha));
    EXPECT_TRUE(IsProductInstalled(svc::kBeta));
    EXPECT_EQ(kAbsent, FeatureState(svc::kBeta, L"ModB1"));
    EXPECT_EQ(kLocal, FeatureState(svc::kBeta, L"ModB2"));
    EXPECT_TRUE(IsProductInstalled(svc::kSetup));
    EXPECT_TRUE(IsProductInstalled(svc::kCore));

    // The shipped, installed group goes whole, and with no group left the
    // core and setup packages follow.
    RunOutcome groups = Run(distribution, 1033, Nothing, Remove(MPI_MODE_REMOVE_GROUPS));
    ExpectCompleteRun(groups);
    EXPECT_EQ((Lines{L"Module profile setup started.", L"",
                     L"Removing Ternwick Beta 3.00.2 ...", L"\tB-102: Beta module two",
                     L"Ternwick Beta 3.00.2 was removed successfully.", L"",
                     L"Removing the setup and core components 2.05.0 ...",
                     L"The setup and core components 1.00.0 were removed successfully.", L"",
                     L"Module profile setup finished."}),
              groups.lines);
    for (const wchar_t* product : {svc::kSetup, svc::kCore, svc::kAlpha, svc::kBeta})
        EXPECT_FALSE(IsProductInstalled(product)) << product;
}

TEST_F(ServiceRunTest, RemoveGroupsKeepsGroupsThatAreNotShipped)
{
    CDistribution full(kFullDistribution);
    ASSERT_TRUE(full.IsComplete());
    ASSERT_NO_FATAL_FAILURE(InstallDirectly(full));

    CDistribution withoutBeta(std::vector<CDistribution::Entry>{kFullDistribution[0], kFullDistribution[1], kFullDistribution[2]});
    ASSERT_TRUE(withoutBeta.IsComplete());
    RunOutcome groups = Run(withoutBeta, 1033, [](CQuandelSrv& service) {
        // Beta is known from its installed product only; its vendor and
        // module details come from there.
        ASSERT_EQ(2u, service.GetMsiCount());
        CQuandelGroupMsi* beta = service.GetMsi(1);
        EXPECT_FALSE(beta->HasPackage());
        EXPECT_STREQ(L"Ternwick", beta->GetModuleVendorRef().GetString());
        ASSERT_NE(nullptr, beta->GetModule(0));
        EXPECT_STREQ(L"B-101", beta->GetModule(0)->GetCatalogNumber().GetString());
        EXPECT_TRUE(beta->GetModule(0)->IsGeneric());
        EXPECT_EQ(1034u, beta->GetSetupLanguage(0, 1));
        EXPECT_EQ(0u, beta->GetSetupLanguage(0, 0));
    }, Remove(MPI_MODE_REMOVE_GROUPS));
    ExpectCompleteRun(groups);
    EXPECT_EQ((Lines{L"Module profile setup started.", L"",
                     L"Removing Ternwick Alpha 1.01.0 ...", L"\tA-101: Alpha module one", L"\tA-102: Alpha module two",
                     L"Ternwick Alpha 1.01.0 was removed successfully.", L"",
                     L"Module profile setup finished."}),
              groups.lines);
    EXPECT_FALSE(IsProductInstalled(svc::kAlpha));
    for (const wchar_t* product : {svc::kSetup, svc::kCore, svc::kBeta})
        EXPECT_TRUE(IsProductInstalled(product)) << product;
}

TEST_F(ServiceRunTest, RemovalStopsAtAFailingCore)
{
    // This core refuses removal by the setup program (its launch condition
    // looks for the setup program's own property), so the queue stops there
    // and never reaches the setup package.
    const std::vector<CDistribution::Entry> entries = {
        {L"svc_setup", L"Install\\Quandel.msi"},
        {L"svc_core_sticky", L"Core\\Dunmoor.msi"},
        {L"svc_alpha", L"Alpha\\Alpha.msi"},
    };
    CDistribution distribution(entries);
    ASSERT_TRUE(distribution.IsComplete());
    for (const CDistribution::Entry& entry : entries)
        ASSERT_EQ(0u, InstallPackageFile(distribution.MpFolder() + entry.relative)) << entry.relative;

    // Any box of the run is answered No.
    RunOutcome removal;
    {
        CBoxRecorder recorder(IDNO);
        removal = Run(distribution, 1033, Nothing, Remove(MPI_MODE_REMOVE_ALL));
    }
    EXPECT_EQ(0, removal.result);
    EXPECT_TRUE(removal.completed);
    EXPECT_EQ(MPI_RUN_PARTIAL, removal.status);
    EXPECT_EQ((Lines{L"Module profile setup started.", L"",
                     L"Removing Ternwick Alpha 1.01.0 ...", L"\tA-101: Alpha module one", L"\tA-102: Alpha module two",
                     L"Ternwick Alpha 1.01.0 was removed successfully.", L"",
                     L"Removing the setup and core components 2.05.0 ...",
                     L"The removal of the setup and core components 2.05.0 failed.", L"",
                     L"Module profile setup finished."}),
              removal.lines);
    EXPECT_FALSE(IsProductInstalled(svc::kAlpha));
    EXPECT_TRUE(IsProductInstalled(svc::kStickyCore));
    EXPECT_TRUE(IsProductInstalled(svc::kSetup));
}
