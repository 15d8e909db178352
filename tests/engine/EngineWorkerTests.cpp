// The worker: command lines, results, statuses, cancel and failures of the
// hooks, against a scripted installer.
#include "EngineTestFixture.h"

namespace
{
const wchar_t kEnding[] = L"QUANDEL_INVOKED_THIS=True REBOOT=ReallySuppress";

std::wstring Line(const std::wstring& text)
{
    return text + kEnding;
}

struct ExpectedCall
{
    bool install;
    std::wstring target;
    std::wstring command;
};

struct CommandCase
{
    const char* name;
    LANGID language;
    int mode;
    std::function<void(TestBase&)> packages;
    std::vector<ExpectedCall> expected;
};

const CommandCase kCommandCases[] = {
    {"group install in 1033", 1033, 1,
     [](TestBase& b) { b.Group(L"G1").File(L"C:\\mp\\g1.msi", L"{G1}", 1, 0, 0).Action(TRUE, L"ModA,ModB"); },
     {{true, L"C:\\mp\\g1.msi",
       Line(L"MODULE_PROFILE_SETUP_LANGUAGE=\"1033\" ADDLOCAL=ModA,ModB   QUANDEL_UI_MODE=5 ")}}},
    {"core install in 1031 carries the transform", 1031, 0,
     [](TestBase& b) { b.Core().File(L"C:\\mp\\core.msi", L"{C}", 2, 0, 0); },
     {{true, L"C:\\mp\\core.msi",
       Line(L"MODULE_PROFILE_SETUP_LANGUAGE=\"1031\" ADDLOCAL=ALL  TRANSFORMS=:ORVOErr_Act_TablesDEU.mst "
            L"QUANDEL_UI_MODE=5 ")}}},
    {"removal-first in 1031: installed product code, no transform", 1031, 0,
     [](TestBase& b) { b.Core().File(L"C:\\mp\\core.msi", L"{NEW}", 2, 0, 1).Installed(L"{OLD}", 2, 0, 3).ForceNeedsAction(1); },
     {{false, L"{OLD}", Line(L"MODULE_PROFILE_SETUP_LANGUAGE=\"1031\" REMOVE=ALL QUANDEL_UI_MODE=5 ")},
      {true, L"C:\\mp\\core.msi",
       Line(L"MODULE_PROFILE_SETUP_LANGUAGE=\"1031\" ADDLOCAL=ALL  TRANSFORMS=:ORVOErr_Act_TablesDEU.mst "
            L"QUANDEL_UI_MODE=5 ")}}},
    {"group removal of chosen modules in 1033", 1033, 5,
     [](TestBase& b) { b.Group(L"G1").Installed(L"{G1-INST}", 1, 0, 0).Action(TRUE, L"ModA"); },
     {{false, L"{G1-INST}", Line(L"MODULE_PROFILE_SETUP_LANGUAGE=\"1033\" REMOVE=ModA QUANDEL_UI_MODE=5 ")}}},
};
}

TEST_F(EngineTest, CommandLines)
{
    for (const CommandCase& c : kCommandCases)
    {
        SCOPED_TRACE(c.name);
        FakeMsi fake;
        EngineRun run;
        run.base.SetLanguage(c.language);
        c.packages(run.base);
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, c.mode));
        auto calls = fake.Calls();
        ASSERT_EQ(c.expected.size(), calls.size());
        for (size_t i = 0; i < calls.size(); ++i)
        {
            EXPECT_EQ(c.expected[i].install, calls[i].install);
            EXPECT_EQ(c.expected[i].target, calls[i].target);
            EXPECT_EQ(c.expected[i].command, calls[i].command);
            if (!calls[i].install)
            {
                EXPECT_EQ(INSTALLLEVEL_DEFAULT, calls[i].level);
                EXPECT_EQ(INSTALLSTATE_DEFAULT, calls[i].state);
            }
        }
    }
}

TEST_F(EngineTest, WorkerSetsLocaleAndHandlerAroundTheQueue)
{
    base.SetLanguage(1031);
    base.Core().File(L"c.msi", L"{C}", 2, 0, 0);
    LCID locale = 0;
    INSTALLUI_HANDLERW during = NULL;
    DWORD filter = 0;
    FakeStep step;
    step.before = [&] {
        locale = ::GetThreadLocale();
        during = msi.Handler();
        filter = msi.Filter();
    };
    msi.Add(step);
    ASSERT_EQ(0, StartAndWait(engine, callback, 0));
    EXPECT_EQ(1031u, LANGIDFROMLCID(locale));
    EXPECT_EQ(&CMPIEngineBase::ExternalUiHandler, during);
    // Every message kind up to SHOWDIALOG except files-in-use.
    EXPECT_EQ(0x7FDFu, filter);
    EXPECT_EQ(NULL, msi.Handler());  // removed after the queue
    EXPECT_EQ(2, msi.SetExternalUICount());
}

namespace
{
struct StatusCase
{
    const char* name;
    std::vector<UINT> results;  // per config, in queue order
    int status;
    std::vector<std::wstring> hooks;
};

// Queue: setup, core, G1 (install mode 0).
const StatusCase kStatusCases[] = {
    {"all succeed", {0, 0, 0}, MPI_RUN_COMPLETE,
     {L"start setup 0", L"end setup 0 0", L"success setup", L"start core 1", L"end core 1 0", L"success core",
      L"start G1 2", L"end G1 2 0", L"success G1", L"runend 2"}},
    {"one answers 3010", {0, 3010, 0}, MPI_RUN_COMPLETE_REBOOT,
     {L"start setup 0", L"end setup 0 0", L"success setup", L"start core 1", L"end core 1 0", L"success core",
      L"start G1 2", L"end G1 2 0", L"success G1", L"runend 4"}},
    {"second fails: third not run", {0, 1603, 0}, MPI_RUN_PARTIAL,
     {L"start setup 0", L"end setup 0 0", L"success setup", L"start core 1", L"end core 1 1603", L"runend 1"}},
    {"3010 then a failure", {3010, 1603}, MPI_RUN_PARTIAL_REBOOT,
     {L"start setup 0", L"end setup 0 0", L"success setup", L"start core 1", L"end core 1 1603", L"runend 3"}},
    {"first fails", {1603}, MPI_RUN_NONE, {L"start setup 0", L"end setup 0 1603", L"runend 0"}},
};
}

TEST_F(EngineTest, StatusOfARun)
{
    for (const StatusCase& c : kStatusCases)
    {
        SCOPED_TRACE(c.name);
        FakeMsi fake;
        EngineRun run;
        run.base.Setup().File(L"s.msi", L"{S}", 1, 0, 0);
        run.base.Core().File(L"c.msi", L"{C}", 2, 0, 0);
        run.base.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 0, 0);
        for (UINT r : c.results)
            fake.AddResults({r});
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, 0));
        EXPECT_EQ(c.status, run.callback.Status());
        EXPECT_EQ(1, run.callback.Count(L"OnComplete"));
        EXPECT_EQ(run.engine.Calls(L"PackageStart").size(), fake.Calls().size());
        EXPECT_EQ(c.hooks, PackageHooksOf(run.engine));
        EXPECT_EQ(c.status >= 3, run.engine.m_bRebootRequired != FALSE);
        EXPECT_FALSE(run.engine.IsBusy());
        // OnRunEnd comes before the callback's OnComplete.
        EXPECT_EQ(L"RunEnd", run.engine.Calls().back().hook);
    }
}

namespace
{
// A package that reports progress twice; the test requests a cancel when
// the first progress message arrives.
FakeStep ProgressStep()
{
    FakeStep step;
    step.messages = {{INSTALLMESSAGE_PROGRESS, L"1: 0 2: 1000 3: 0 4: 0 "},
                     {INSTALLMESSAGE_PROGRESS, L"1: 2 2: 500 3: 0 4: 0 "}};
    return step;
}
}

TEST_F(EngineTest, CancelAnsweredYesStopsThePackage)
{
    base.Core().File(L"c.msi", L"{C}", 2, 0, 0);
    base.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 0, 0);
    msi.Add(ProgressStep());
    msi.Add(ProgressStep());
    engine.OnHook = [&](const HookCall& call) {
        if (call.hook == L"Progress" && call.name.find(L"1: 0") == 0)
            engine.Cancel();
    };
    g_MessageLanguage = 1036;
    boxes.Answer(IDYES);
    ASSERT_EQ(0, StartAndWait(engine, callback, 0));

    auto calls = msi.Calls();
    ASSERT_EQ(1u, calls.size());  // the group never ran
    EXPECT_EQ(std::vector<int>{IDCANCEL}, calls[0].answers);
    EXPECT_EQ(MPI_RUN_NONE, callback.Status());
    auto ends = engine.Calls(L"PackageEnd");
    ASSERT_EQ(1u, ends.size());
    EXPECT_EQ(ERROR_INSTALL_USEREXIT, ends[0].b);
    auto shown = boxes.Calls();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"Cancel?", shown[0].text);
    EXPECT_EQ(L"Caption", shown[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), shown[0].type);
    EXPECT_TRUE(shown[0].hasLanguage);
    EXPECT_EQ(1036, shown[0].language);
    EXPECT_EQ(0, g_bCancelRequested.load());
}

TEST_F(EngineTest, CancelAnsweredNoGoesOn)
{
    base.Core().File(L"c.msi", L"{C}", 2, 0, 0);
    base.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 0, 0);
    msi.Add(ProgressStep());
    msi.Add(ProgressStep());
    engine.OnHook = [&](const HookCall& call) {
        if (call.hook == L"Progress" && call.name.find(L"1: 0") == 0 && engine.Calls(L"CancelQuestion").empty())
            engine.Cancel();
    };
    boxes.Answer(IDNO);
    ASSERT_EQ(0, StartAndWait(engine, callback, 0));
    auto calls = msi.Calls();
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ((std::vector<int>{1, 1}), calls[0].answers);
    EXPECT_EQ(MPI_RUN_COMPLETE, callback.Status());
    EXPECT_EQ(1u, engine.Calls(L"CancelQuestion").size());
    EXPECT_EQ(0, g_bCancelRequested.load());
}

TEST_F(EngineTest, ConfirmedCancelHoldsWhenTheInstallerFinishesThePackage)
{
    // The installer ignores IDCANCEL (as Wine does, and Windows in phases it
    // cannot cancel) and the package ends with its own result: the Yes still
    // stops the queue after it.
    struct Case
    {
        const char* name;
        bool twoPackages;
        bool cancelAtEveryProgress;  // Cancel pressed again after the Yes
        UINT result;
        std::vector<int> answers;
        int status;
    };
    const Case cases[] = {
        {"Yes, the package succeeds", true, false, 0, {IDCANCEL, 1}, MPI_RUN_PARTIAL},
        {"Yes, the package asks for a restart", true, false, ERROR_SUCCESS_REBOOT_REQUIRED, {IDCANCEL, 1},
         MPI_RUN_PARTIAL_REBOOT},
        {"Cancel again after the Yes: not asked again", true, true, 0, {IDCANCEL, IDCANCEL}, MPI_RUN_PARTIAL},
        {"Yes during the last package", false, false, 0, {IDCANCEL, 1}, MPI_RUN_COMPLETE},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        FakeMsi fake;
        MessageBoxRecorder yes(IDYES);
        EngineRun run;
        run.base.Core().File(L"c.msi", L"{C}", 2, 0, 0);
        if (c.twoPackages)
            run.base.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 0, 0);
        FakeStep step = ProgressStep();
        step.ignoresCancel = true;
        step.result = c.result;
        fake.Add(step);
        fake.Add(ProgressStep());
        run.engine.OnHook = [&](const HookCall& call) {
            if (call.hook == L"Progress" && (c.cancelAtEveryProgress || call.name.find(L"1: 0") == 0))
                run.engine.Cancel();
        };
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, 0));
        auto calls = fake.Calls();
        ASSERT_EQ(1u, calls.size());  // no package after the confirmed one
        EXPECT_EQ(c.answers, calls[0].answers);
        EXPECT_EQ(1u, yes.Calls().size());
        EXPECT_EQ(c.status, run.callback.Status());
        EXPECT_EQ(1, run.callback.Count(L"OnComplete"));

        // The Yes belonged to that run: the next one runs to its end.
        if (c.twoPackages)
        {
            run.engine.OnHook = nullptr;
            TestCallback second;
            ASSERT_EQ(0, StartAndWait(run.engine, second, 0));
            EXPECT_EQ(MPI_RUN_COMPLETE, second.Status());
            EXPECT_EQ(3u, fake.Calls().size());
        }
    }
}

TEST_F(EngineTest, CancelAfterTheLastProgressStopsBetweenPackages)
{
    struct Case
    {
        bool twoPackages;
        int status;
    };
    for (const Case& c : {Case{true, MPI_RUN_PARTIAL}, Case{false, MPI_RUN_COMPLETE}})
    {
        SCOPED_TRACE(c.twoPackages);
        FakeMsi fake;
        EngineRun run;
        run.base.Core().File(L"c.msi", L"{C}", 2, 0, 0);
        if (c.twoPackages)
            run.base.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 0, 0);
        run.engine.OnHook = [&](const HookCall& call) {
            if (call.hook == L"PackageEnd")
                run.engine.Cancel();
        };
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, 0));
        EXPECT_EQ(c.status, run.callback.Status());
        EXPECT_EQ(1u, fake.Calls().size());
        EXPECT_TRUE(boxes.Calls().empty());  // no question
        EXPECT_EQ(1, g_bCancelRequested.load());    // stays set
        g_bCancelRequested = 0;
    }
}

TEST_F(EngineTest, CancelWhileIdleDoesNothing)
{
    EXPECT_EQ(0, engine.Cancel());
    EXPECT_EQ(0, g_bCancelRequested.load());
}

TEST_F(EngineTest, ThrowingHooksStillEndTheRun)
{
    struct Case
    {
        const char* name;
        const wchar_t* hook;
        int status;
    };
    // A throwing worker hook stops the queue; a throwing message hook only
    // answers that message with 0.
    const Case cases[] = {
        {"OnPackageStart of the second", L"PackageStart", MPI_RUN_PARTIAL},
        {"OnProgress", L"Progress", MPI_RUN_COMPLETE},
        {"OnRunEnd", L"RunEnd", MPI_RUN_COMPLETE},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        FakeMsi fake;
        EngineRun run;
        run.base.Core().File(L"c.msi", L"{C}", 2, 0, 0);
        run.base.Group(L"G1").File(L"g1.msi", L"{G1}", 1, 0, 0);
        fake.Add(ProgressStep());
        fake.Add(ProgressStep());
        int seen = 0;
        run.engine.OnHook = [&](const HookCall& call) {
            if (call.hook == c.hook && (call.hook != L"PackageStart" || seen++ == 1))
                throw std::runtime_error("hook failed");
        };
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, 0));
        EXPECT_EQ(c.status, run.callback.Status());
        EXPECT_FALSE(run.engine.IsBusy());
        if (std::wstring(c.hook) == L"Progress")
        {
            EXPECT_EQ((std::vector<int>{0, 0}), fake.Calls()[0].answers);
        }
    }
}

TEST_F(EngineTest, ThrowingOnCompleteStillClearsBusy)
{
    base.Core().File(L"c.msi", L"{C}", 2, 0, 0);
    callback.m_bThrowInOnComplete = true;
    ASSERT_EQ(0, StartAndWait(engine, callback, 0));
    EXPECT_FALSE(engine.IsBusy());
    EXPECT_EQ(MPI_RUN_COMPLETE, callback.Status());
}

TEST_F(EngineTest, GuardedCallbackCalls)
{
    // Without a callback nothing is called and nothing fails.
    EXPECT_EQ(0, engine.AddMessage(L"x"));
    EXPECT_EQ(0, engine.SetStatusText(L"x"));
    EXPECT_EQ(0, engine.OnComplete(2));
    EXPECT_EQ(0, engine.DisableCancel());
    EXPECT_EQ(NULL, engine.GetProgressCtrl());

    engine.m_pCallback = &callback;
    EXPECT_EQ(0, engine.AddMessage(L"line"));
    EXPECT_EQ(0, engine.SetStatusText(L""));
    EXPECT_EQ(&callback.m_Progress, engine.GetProgressCtrl());
    callback.m_bThrowInDisableCancel = true;
    callback.m_bThrowInOnComplete = true;
    EXPECT_EQ(E_FAIL, engine.DisableCancel());
    EXPECT_EQ(E_FAIL, engine.OnComplete(1));
    EXPECT_EQ((std::vector<std::wstring>{L"AddMessage line", L"SetStatusText ", L"GetProgressCtrl",
                                         L"DisableCancel", L"OnComplete 1"}),
              callback.Calls());
}

TEST_F(EngineTest, WaitingForTheWorkerHandlesItsSentMessages)
{
    // The worker sends to a window of this thread while this thread waits
    // for it (an engine destroyed during a run): the wait must not deadlock.
    HWND window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    ASSERT_TRUE(window != NULL);
    base.Core().File(L"c.msi", L"{C}", 2, 0, 0);
    engine.OnHook = [&](const HookCall& call) {
        if (call.hook == L"PackageStart")
            ::SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"from the worker"));
    };
    ASSERT_EQ(0, engine.Start(0, &callback));
    engine.WaitForWorker();
    EXPECT_FALSE(engine.IsBusy());
    EXPECT_EQ(MPI_RUN_COMPLETE, callback.Status());
    wchar_t text[64] = {0};
    ::GetWindowTextW(window, text, 64);
    EXPECT_STREQ(L"from the worker", text);
    ::DestroyWindow(window);
}
