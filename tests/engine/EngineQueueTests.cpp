// Which packages a run queues, in which order, with which command-line
// parts, and when Start refuses.
#include "EngineTestFixture.h"
#include <new>
#include <stdexcept>

namespace
{
struct QueueCase
{
    const char* name;
    int mode;
    std::function<void(TestBase&)> packages;
    std::vector<std::wstring> queue;
    int nonGroupCount;
};

const QueueCase kQueueCases[] = {
    {"install: setup up to date, newer core, one group", 0,
     [](TestBase& b) {
         b.Setup().File(L"s.msi", L"{S}", 1, 0, 0).Installed(L"{S}", 1, 0, 0);
         b.Core().File(L"c.msi", L"{C1}", 2, 5, 0).Installed(L"{C0}", 2, 4, 0);
         b.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 0, 0);
     },
     {L"core|1|ADDLOCAL=ALL||0", L"G1|1|ADDLOCAL=ALL||1"}, 1},
    {"install: removal-first pairs, groups without work skipped", 1,
     [](TestBase& b) {
         b.Setup().File(L"s.msi", L"{S}", 1, 0, 1).Installed(L"{S}", 1, 0, 2).ForceNeedsAction(1);
         b.Core().File(L"c.msi", L"{C}", 2, 5, 0);
         b.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 2, 3).Installed(L"{G1}", 1, 2, 5).Action(TRUE, L"ModA,ModB");
         b.Group(L"G2").File(L"g2.msi", L"{G2}", 1, 0, 0).Action(FALSE, L"ALL");
         b.Group(L"G3").File(L"g3.msi", L"{G3}", 1, 0, 0).Action(TRUE, L"");
     },
     {L"setup|0||REMOVE=ALL|0", L"setup|1|ADDLOCAL=ALL||0", L"core|1|ADDLOCAL=ALL||0", L"G1|0||REMOVE=ALL|1",
      L"G1|1|ADDLOCAL=ModA,ModB||1"},
     3},
    {"install: same build, other product code removes first", 0,
     [](TestBase& b) {
         b.Core().File(L"c.msi", L"{C-NEW}", 2, 5, 7).Installed(L"{C-OLD}", 2, 5, 7).ForceNeedsAction(1);
     },
     {L"core|0||REMOVE=ALL|0", L"core|1|ADDLOCAL=ALL||0"}, 2},
    {"install: a group without a package file is never queued", 2,
     [](TestBase& b) {
         b.Core().File(L"c.msi", L"{C}", 2, 5, 0).ForceNeedsAction(1);
         b.Group(L"G1").Installed(L"{G1}", 1, 0, 0).Action(TRUE, L"ModA");
         b.Group(L"G2").File(L"g2.msi", L"{G2}", 1, 0, 0).Installed(L"{G2}", 1, 0, 0).Action(TRUE, L"ModB");
     },
     {L"core|1|ADDLOCAL=ALL||0", L"G2|1|ADDLOCAL=ModB||1"}, 1},
    {"remove everything: groups, then core, then setup", 3,
     [](TestBase& b) {
         b.Setup().Installed(L"{S}", 1, 0, 0);
         b.Core().Installed(L"{C}", 2, 0, 0);
         b.Group(L"G1").Installed(L"{G1}", 1, 0, 0).Action(TRUE, L"ALL");
         b.Group(L"G2").Installed(L"{G2}", 1, 0, 0).Action(TRUE, L"ModX,ModY");
     },
     {L"G1|0||REMOVE=ALL|1", L"G2|0||REMOVE=ModX,ModY|1", L"core|0||REMOVE=ALL|0", L"setup|0||REMOVE=ALL|0"}, 2},
    {"removal skips packages that are not installed", 4,
     [](TestBase& b) {
         b.Setup().File(L"s.msi", L"{S}", 1, 0, 0).ForceNeedsAction(1);
         b.Core().Installed(L"{C}", 2, 0, 0).ForceNeedsAction(1);
         b.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 0, 0).Action(TRUE, L"ALL");
         b.Group(L"G2").Installed(L"{G2}", 1, 0, 0).Action(TRUE, L"ALL");
     },
     {L"G2|0||REMOVE=ALL|1", L"core|0||REMOVE=ALL|0"}, 1},
};
}

TEST_F(EngineTest, QueueOrderAndParts)
{
    size_t configs = 0;
    for (const QueueCase& c : kQueueCases)
    {
        SCOPED_TRACE(c.name);
        TestBase local(&engine);
        engine.SetOwner(&local);
        c.packages(local);
        ASSERT_EQ(0, StartAndWait(engine, callback, c.mode));
        EXPECT_EQ(c.queue, Queue());
        EXPECT_EQ(c.nonGroupCount, engine.m_nNonGroupCount);
        configs += c.queue.size();
        engine.SetOwner(&base);
    }
    EXPECT_EQ(configs, msi.Calls().size());  // every queued config ran once
}

TEST_F(EngineTest, GroupIndexFollowsNonGroupConfigs)
{
    // The core is the only non-group config: index 0; the group gets the
    // index the next non-group config would get.
    kQueueCases[0].packages(base);
    ASSERT_EQ(0, StartAndWait(engine, callback, 0));
    auto starts = engine.Calls(L"PackageStart");
    ASSERT_EQ(2u, starts.size());
    EXPECT_EQ(L"core", starts[0].name);
    EXPECT_EQ(0, starts[0].a);
    EXPECT_EQ(L"G1", starts[1].name);
    EXPECT_EQ(1, starts[1].a);
    EXPECT_EQ(starts[0].a + 1, engine.m_nNonGroupCount);
}

namespace
{
struct CoreCase
{
    const char* name;
    const wchar_t* minCore;
    int fileMajor, fileMinor;        // -1: no package file
    int installedMajor, installedMinor;  // -1: not installed
    bool noCore;
    BOOL expected;
};

const CoreCase kCoreCases[] = {
    {"file 2.04 below 2.05", L"2.05", 2, 4, -1, -1, false, FALSE},
    {"file 2.05 meets 2.05", L"2.05", 2, 5, -1, -1, false, TRUE},
    {"file 3.00 above 2.05", L"2.05", 3, 0, -1, -1, false, TRUE},
    {"minor 9 below minor 10", L"2.10", 2, 9, -1, -1, false, FALSE},
    {"older file: the installed 2.06 counts", L"2.05", 2, 4, 2, 6, false, TRUE},
    {"newer file: its 2.10 counts, not the installed 2.01", L"2.05", 2, 10, 2, 1, false, TRUE},
    {"installed only, 2.99 below 3.00", L"3.00", -1, -1, 2, 99, false, FALSE},
    {"no core package at all", L"1.00", -1, -1, -1, -1, true, FALSE},
};
}

TEST_F(EngineTest, CheckMinCoreVersion)
{
    for (const CoreCase& c : kCoreCases)
    {
        SCOPED_TRACE(c.name);
        TestBase local(&engine);
        engine.SetOwner(&local);
        if (!c.noCore)
        {
            TestMsi& core = local.Core();
            if (c.fileMajor >= 0)
                core.File(L"c.msi", L"{C1}", c.fileMajor, c.fileMinor, 0);
            if (c.installedMajor >= 0)
                core.Installed(L"{C0}", c.installedMajor, c.installedMinor, 0);
        }
        TestGroupMsi& group = local.Group(L"G");
        group.SetMinCoreVersion(c.minCore);
        EXPECT_EQ(c.expected, engine.CheckMinCoreVersion(&group));
        engine.SetOwner(&base);
    }
}

TEST_F(EngineTest, CoreTooLowHookDecides)
{
    base.Core().Installed(L"{C}", 2, 4, 0);
    TestGroupMsi& group = base.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 0, 0);
    group.SetMinCoreVersion(L"2.05");

    // Zero: the group is queued all the same.
    ASSERT_EQ(0, StartAndWait(engine, callback, 0));
    EXPECT_EQ(1u, engine.Calls(L"CoreTooLow").size());
    EXPECT_EQ(std::vector<std::wstring>{L"G1|1|ADDLOCAL=ALL||1"}, Queue());

    // Non-zero: Start returns it, nothing of the group is queued, no worker.
    TestCallback second;
    engine.m_nCoreTooLowResult = E_ABORT;
    EXPECT_EQ(E_ABORT, engine.Start(0, &second));
    EXPECT_TRUE(Queue().empty());
    EXPECT_TRUE(second.Calls().empty());
    EXPECT_FALSE(engine.IsBusy());
}

namespace
{
struct PropsCase
{
    LANGID language;
    const wchar_t* languageProp;
    const wchar_t* transformProp;
};

const PropsCase kPropsCases[] = {
    {1033, L"MODULE_PROFILE_SETUP_LANGUAGE=\"1033\"", L""},
    {1031, L"MODULE_PROFILE_SETUP_LANGUAGE=\"1031\"", L"TRANSFORMS=:ORVOErr_Act_TablesDEU.mst"},
    {1036, L"MODULE_PROFILE_SETUP_LANGUAGE=\"1036\"", L"TRANSFORMS=:ORVOErr_Act_TablesFRA.mst"},
    // No abbreviation, so no transform that could not exist.
    {0x7FFF, L"MODULE_PROFILE_SETUP_LANGUAGE=\"32767\"", L""},
};
}

TEST_F(EngineTest, RunPropertiesByLanguage)
{
    for (const PropsCase& c : kPropsCases)
    {
        SCOPED_TRACE(c.language);
        base.SetLanguage(c.language);
        EXPECT_EQ(1, engine.Start(0, &callback));  // empty collection
        EXPECT_EQ(std::wstring(c.languageProp), engine.m_strLanguageProp.str());
        EXPECT_EQ(std::wstring(c.transformProp), engine.m_strTransformProp.str());
        EXPECT_EQ(std::wstring(L"QUANDEL_UI_MODE=5"), engine.m_strUiModeProp.str());
    }
}

TEST_F(EngineTest, NothingToDoCallsNoHook)
{
    base.Setup().File(L"s.msi", L"{S}", 1, 0, 0).Installed(L"{S}", 1, 0, 0);
    base.Group(L"G1").Action(FALSE, L"ALL");
    EXPECT_EQ(1, engine.Start(0, &callback));
    EXPECT_TRUE(callback.Calls().empty());  // not even GetProgressCtrl
    EXPECT_TRUE(engine.Calls().empty());
    EXPECT_FALSE(engine.IsBusy());
}

TEST_F(EngineTest, NoCallbackFails)
{
    EXPECT_EQ(E_FAIL, engine.Start(3, NULL));
    EXPECT_EQ(3, engine.m_Mode);
    EXPECT_TRUE(engine.Calls().empty());
}

namespace
{
struct RefusalCase
{
    const char* name;
    int mode;
    std::function<void(TestEngine&, TestCallback&)> script;
    int result;
    std::vector<std::wstring> queue;  // what stays queued
    bool runStartCalled;
};

void TwoPackages(TestBase& b)
{
    b.Setup().File(L"s.msi", L"{S}", 1, 0, 0);
    b.Core().File(L"c.msi", L"{C}", 2, 0, 0).Installed(L"{C0}", 1, 0, 0);
    b.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 0, 0).Installed(L"{G1}", 1, 0, 0);
}

const RefusalCase kRefusals[] = {
    {"no progress bar", 0, [](TestEngine&, TestCallback& cb) { cb.m_bNoProgressCtrl = true; }, E_FAIL,
     {L"setup|1|ADDLOCAL=ALL||0", L"core|1|ADDLOCAL=ALL||0", L"G1|1|ADDLOCAL=ALL||1"}, false},
    {"PrepareConfig refuses the core", 0, [](TestEngine& e, TestCallback&) { e.m_PrepareResults[L"core"] = -7; },
     -7, {L"setup|1|ADDLOCAL=ALL||0"}, false},
    {"OnRunStart refuses", 0, [](TestEngine& e, TestCallback&) { e.m_nRunStartResult = 5; }, 5,
     {L"setup|1|ADDLOCAL=ALL||0", L"core|1|ADDLOCAL=ALL||0", L"G1|1|ADDLOCAL=ALL||1"}, true},
    {"DisableCancel throws in a removal", 3, [](TestEngine&, TestCallback& cb) { cb.m_bThrowInDisableCancel = true; },
     E_FAIL, {L"G1|0||REMOVE=ALL|1", L"core|0||REMOVE=ALL|0"}, true},
    // No exception leaves Start: its caller is a window procedure.
    {"PrepareConfig runs out of memory", 0,
     [](TestEngine& e, TestCallback&) {
         e.OnHook = [](const HookCall& call) {
             if (call.hook == L"Prepare" && call.name == L"core")
                 throw std::bad_alloc();
         };
     },
     E_OUTOFMEMORY, {L"setup|1|ADDLOCAL=ALL||0"}, false},
    {"OnRunStart throws", 0,
     [](TestEngine& e, TestCallback&) {
         e.OnHook = [](const HookCall& call) {
             if (call.hook == L"RunStart")
                 throw std::runtime_error("hook");
         };
     },
     E_FAIL, {L"setup|1|ADDLOCAL=ALL||0", L"core|1|ADDLOCAL=ALL||0", L"G1|1|ADDLOCAL=ALL||1"}, true},
};
}

TEST_F(EngineTest, StartRefusals)
{
    for (const RefusalCase& c : kRefusals)
    {
        SCOPED_TRACE(c.name);
        EngineRun run;
        TwoPackages(run.base);
        c.script(run.engine, run.callback);
        EXPECT_EQ(c.result, run.engine.Start(c.mode, &run.callback));
        EXPECT_EQ(c.queue, QueueOf(run.engine));
        EXPECT_EQ(c.runStartCalled, !run.engine.Calls(L"RunStart").empty());
        EXPECT_FALSE(run.engine.IsBusy());
        EXPECT_EQ(0, run.callback.Count(L"OnComplete"));
    }
    EXPECT_TRUE(msi.Calls().empty());
}

TEST_F(EngineTest, DisableCancelOnlyInRemovalModes)
{
    base.Setup().File(L"s.msi", L"{S}", 1, 0, 0).Installed(L"{S0}", 0, 9, 0).ForceNeedsAction(1);
    for (int mode = 0; mode <= 5; ++mode)
    {
        SCOPED_TRACE(mode);
        TestCallback cb;
        ASSERT_EQ(0, StartAndWait(engine, cb, mode));
        EXPECT_EQ(mode >= 3 ? 1 : 0, cb.Count(L"DisableCancel"));
    }
}

TEST_F(EngineTest, BusyEngineRefusesSecondStart)
{
    HANDLE release = ::CreateEventW(NULL, TRUE, FALSE, NULL);
    HANDLE running = ::CreateEventW(NULL, TRUE, FALSE, NULL);
    FakeStep blocking;
    blocking.before = [=] {
        ::SetEvent(running);
        ::WaitForSingleObject(release, 20000);
    };
    msi.Add(blocking);
    base.Core().File(L"c.msi", L"{C}", 2, 0, 0);

    ASSERT_EQ(0, engine.Start(0, &callback));
    EXPECT_TRUE(engine.IsBusy());  // already when Start returns
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(running, 20000));

    TestCallback second;
    EXPECT_EQ(E_ACCESSDENIED, engine.Start(3, &second));
    EXPECT_EQ(0, engine.m_Mode);
    EXPECT_EQ(&callback, engine.m_pCallback);
    EXPECT_EQ(1u, engine.m_Configs.size());
    EXPECT_TRUE(second.Calls().empty());

    ::SetEvent(release);
    ASSERT_TRUE(callback.WaitComplete());
    engine.WaitForWorker();
    EXPECT_FALSE(engine.IsBusy());
    EXPECT_EQ(MPI_RUN_COMPLETE, callback.Status());
    ::CloseHandle(release);
    ::CloseHandle(running);
}

TEST_F(EngineTest, SecondRunForgetsTheFirst)
{
    base.Core().File(L"c.msi", L"{C}", 2, 0, 0);
    msi.AddResults({ERROR_SUCCESS_REBOOT_REQUIRED, 0});
    ASSERT_EQ(0, StartAndWait(engine, callback, 0));
    EXPECT_EQ(MPI_RUN_COMPLETE_REBOOT, callback.Status());

    // A cancel left over from the first run must not stop the second.
    g_bCancelRequested = 1;
    TestCallback second;
    ASSERT_EQ(0, StartAndWait(engine, second, 0));
    EXPECT_EQ(MPI_RUN_COMPLETE, second.Status());
    EXPECT_EQ(1u, engine.m_Configs.size());
    EXPECT_EQ(1, engine.m_nNonGroupCount);
    EXPECT_EQ(2u, msi.Calls().size());
}
