// A cancel around a removal-first pair: the "REMOVE=ALL" of the installed
// product and the install of its package file are one step. Once the
// removal succeeded the install runs uncancelled and a Yes stops the queue
// after it; a removal that failed or was rolled back stops it at once.
#include "EngineTestFixture.h"

namespace
{
FakeStep Plain(UINT result = 0)
{
    FakeStep step;
    step.result = result;
    return step;
}

FakeStep Progress(bool ignoresCancel = false)
{
    FakeStep step;
    step.messages = {{INSTALLMESSAGE_PROGRESS, L"1: 0 2: 1000 3: 0 4: 0 "},
                     {INSTALLMESSAGE_PROGRESS, L"1: 2 2: 500 3: 0 4: 0 "}};
    step.ignoresCancel = ignoresCancel;
    return step;
}

enum CancelMoment
{
    kAtRemovalProgress,  // the first progress message of the removal
    kAtRemovalEnd,       // after the removal's last message: still pending as it ends
    kAtInstallProgress,  // the first progress message of the install half
};

struct PairCase
{
    const char* name;
    bool corePair;  // the core's pair, else a group's; a group follows either
    FakeStep removal;
    FakeStep install;
    CancelMoment moment;
    int answer;
    std::vector<std::vector<int>> answers;  // per installer call made
    int questions;
    int status;
};
}

TEST_F(EngineTest, RemovalFirstPairIsOneStepForCancel)
{
    const PairCase cases[] = {
        {"pending as the removal ends: asked in the install half, Yes stops after it", false, Plain(), Progress(),
         kAtRemovalEnd, IDYES, {{}, {1, 1}}, 1, MPI_RUN_PARTIAL},
        {"pending as the removal ends: No lets the run go on", false, Plain(), Progress(), kAtRemovalEnd, IDNO,
         {{}, {1, 1}, {1, 1}}, 1, MPI_RUN_COMPLETE},
        {"pending as the removal ends, no progress in the install: stops after it unasked", false, Plain(), Plain(),
         kAtRemovalEnd, IDYES, {{}, {}}, 0, MPI_RUN_PARTIAL},
        {"Cancel in the install half: Yes reaches no installer, stops after it", false, Plain(), Progress(),
         kAtInstallProgress, IDYES, {{}, {1, 1}}, 1, MPI_RUN_PARTIAL},
        {"Cancel in the core's install half", true, Plain(), Progress(), kAtInstallProgress, IDYES, {{}, {1, 1}}, 1,
         MPI_RUN_PARTIAL},
        {"Yes in the removal, which the installer finishes: the install follows", false, Progress(true), Progress(),
         kAtRemovalProgress, IDYES, {{IDCANCEL, 1}, {1, 1}}, 1, MPI_RUN_PARTIAL},
        {"Yes in the core's removal, which the installer finishes", true, Progress(true), Progress(),
         kAtRemovalProgress, IDYES, {{IDCANCEL, 1}, {1, 1}}, 1, MPI_RUN_PARTIAL},
        {"Yes in the removal, rolled back (1602): stops at once", false, Progress(), Progress(), kAtRemovalProgress,
         IDYES, {{IDCANCEL}}, 1, MPI_RUN_NONE},
        {"the removal fails (1603) with a request pending: stops at once", false, Plain(ERROR_INSTALL_FAILURE),
         Progress(), kAtRemovalEnd, IDYES, {{}}, 0, MPI_RUN_NONE},
    };
    for (const PairCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        g_bCancelRequested = 0;
        FakeMsi fake;
        MessageBoxRecorder answers(c.answer);
        EngineRun run;
        // Same major and minor, lower build than installed: removal first.
        if (c.corePair)
            run.base.Core().File(L"c.msi", L"{NEW}", 2, 0, 1).Installed(L"{OLD}", 2, 0, 3).ForceNeedsAction(1);
        else
            run.base.Group(L"G1").File(L"g1.msi", L"{NEW}", 1, 0, 1).Installed(L"{OLD}", 1, 0, 3);
        run.base.Group(L"G2").File(L"g2.msi", L"{G2}", 1, 0, 0);
        fake.Add(c.removal);
        fake.Add(c.install);
        fake.Add(Progress());
        int started = 0;
        run.engine.OnHook = [&](const HookCall& call) {
            if (call.hook == L"PackageStart")
                ++started;
            const bool firstProgress = call.hook == L"Progress" && call.name.find(L"1: 0") == 0;
            if ((c.moment == kAtRemovalProgress && started == 1 && firstProgress) ||
                (c.moment == kAtRemovalEnd && started == 1 && call.hook == L"PackageEnd") ||
                (c.moment == kAtInstallProgress && started == 2 && firstProgress))
                run.engine.Cancel();
        };
        ASSERT_EQ(0, StartAndWait(run.engine, run.callback, MPI_MODE_INSTALL_MODULES));
        ASSERT_EQ(3u, run.engine.m_Configs.size());

        auto calls = fake.Calls();
        EXPECT_EQ(c.questions, static_cast<int>(answers.Calls().size()));
        EXPECT_EQ(c.status, run.callback.Status());
        ASSERT_EQ(c.answers.size(), calls.size());
        EXPECT_FALSE(calls[0].install);
        EXPECT_EQ(L"{OLD}", calls[0].target);
        if (calls.size() > 1)
        {
            EXPECT_TRUE(calls[1].install);
            EXPECT_EQ(c.corePair ? L"c.msi" : L"g1.msi", calls[1].target);
        }
        for (size_t i = 0; i < calls.size(); ++i)
            EXPECT_EQ(c.answers[i], calls[i].answers) << "call " << i;
    }
    g_bCancelRequested = 0;
}
