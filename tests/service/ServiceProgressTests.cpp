// The progress bar and status text driven by the installer's messages, on a
// real progress control: master resets set range and direction, action
// info sets the step of action-data messages, reports move the bar.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ServiceTestSupport.h"
#include "setup/service/QuandelEngine.h"

namespace
{
// One installer message: 'P' progress, 'S' action start, 'D' action data,
// 'T' terminate.
struct Message
{
    char kind;
    const wchar_t* text;
};

void Deliver(CQuandelEngine& engine, const std::vector<Message>& messages)
{
    for (const Message& m : messages)
    {
        switch (m.kind)
        {
        case 'P': engine.OnProgress(m.text); break;
        case 'S': engine.OnActionStart(m.text); break;
        case 'D': engine.OnActionData(); break;
        case 'T': engine.OnTerminate(); break;
        }
    }
}

class ProgressBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Bar.IsValid());
        m_Engine.m_pProgressCtrl = m_Bar.Ctrl();
        m_Engine.m_pCallback = &m_Callback;
    }
    void TearDown() override { m_Engine.m_pCallback = nullptr; }

    // A fresh process state and a bar at 0 of 0-100 before each case.
    void Fresh()
    {
        CQuandelEngine::GetProgressState() = CQuandelProgressState();
        m_Bar.Reset(0, 100, 0);
        m_Callback.m_StatusTexts.clear();
    }

    CTestProgressBar m_Bar;
    CRecordingCallback m_Callback;
    CQuandelEngine m_Engine;
};
}

TEST_F(ProgressBarTest, MovesForwardAndBackward)
{
    struct Case
    {
        const char* label;
        std::vector<Message> messages;
        int rangeHigh;
        int pos;
        BOOL script;
        BOOL stepping;
    } cases[] = {
        {"reset forward", {{'P', L"1: 0 2: 1000 3: 0 4: 0 "}}, 1000, 0, FALSE, FALSE},
        {"reset backward in the script phase", {{'P', L"1: 0 2: 1000 3: 1 4: 1 "}}, 1000, 1000, TRUE, FALSE},
        {"after the script phase the bar starts full",
         {{'P', L"1: 0 2: 1000 3: 1 4: 1 "}, {'P', L"1: 0 2: 500 3: 0 4: 0 "}}, 500, 500, FALSE, FALSE},
        {"steps forward",
         {{'P', L"1: 0 2: 1000 3: 0 4: 0 "}, {'P', L"1: 1 2: 25 3: 1 "}, {'D', nullptr}, {'D', nullptr}},
         1000, 50, FALSE, TRUE},
        {"steps backward",
         {{'P', L"1: 0 2: 1000 3: 1 4: 0 "}, {'P', L"1: 1 2: 25 3: 1 "}, {'D', nullptr}, {'D', nullptr}},
         1000, 950, FALSE, TRUE},
        {"stepping switched off",
         {{'P', L"1: 0 2: 1000 3: 0 4: 0 "}, {'P', L"1: 1 2: 25 3: 1 "}, {'P', L"1: 1 2: 25 3: 0 "},
          {'D', nullptr}, {'D', nullptr}},
         1000, 0, FALSE, FALSE},
        {"no steps before a range", {{'P', L"1: 1 2: 25 3: 1 "}, {'D', nullptr}}, 100, 0, FALSE, TRUE},
        {"reports forward",
         {{'P', L"1: 0 2: 1000 3: 0 4: 0 "}, {'P', L"1: 2 2: 300 3: 0 4: 0 "}, {'P', L"1: 2 2: 300 "}},
         1000, 600, FALSE, FALSE},
        {"reports backward", {{'P', L"1: 0 2: 1000 3: 1 4: 0 "}, {'P', L"1: 2 2: 300 "}}, 1000, 700, FALSE, FALSE},
        {"reports before any range do nothing", {{'P', L"1: 2 2: 300 "}}, 100, 0, FALSE, FALSE},
        {"reports beyond the total stay at the end",
         {{'P', L"1: 0 2: 138015 3: 0 4: 0 "}, {'P', L"1: 2 2: 100000 3: 0 4: 0 "}, {'P', L"1: 2 2: 100000 3: 0 4: 0 "}},
         138015, 138015, FALSE, FALSE},
        {"an addition to the total changes nothing",
         {{'P', L"1: 0 2: 1000 3: 0 4: 0 "}, {'P', L"1: 3 2: 500 "}}, 1000, 0, FALSE, FALSE},
        {"malformed texts are ignored",
         {{'P', L"1: 0 2: 1000 3: 0 4: 0 "}, {'P', L"5: 1"}, {'P', L"1: x 2: 3"}, {'P', L""}, {'P', nullptr}},
         1000, 0, FALSE, FALSE},
        {"terminate empties the bar but keeps the range",
         {{'P', L"1: 0 2: 1000 3: 0 4: 0 "}, {'P', L"1: 2 2: 300 "}, {'T', nullptr}, {'P', L"1: 2 2: 200 "}},
         1000, 200, FALSE, FALSE},
    };
    for (const Case& c : cases)
    {
        Fresh();
        Deliver(m_Engine, c.messages);
        EXPECT_EQ(0, m_Bar.RangeLow()) << c.label;
        EXPECT_EQ(c.rangeHigh, m_Bar.RangeHigh()) << c.label;
        EXPECT_EQ(c.pos, m_Bar.Pos()) << c.label;
        EXPECT_EQ(c.script, CQuandelEngine::GetProgressState().bScriptInProgress) << c.label;
        EXPECT_EQ(c.stepping, CQuandelEngine::GetProgressState().bStepping) << c.label;
    }
}

TEST_F(ProgressBarTest, StatusTextFollowsActionsOnceARangeIsSet)
{
    Fresh();
    Deliver(m_Engine, {{'S', L"Action 7:52:10: CostInitialize. Computing space requirements"}});
    EXPECT_TRUE(m_Callback.m_StatusTexts.empty());

    Deliver(m_Engine, {{'P', L"1: 0 2: 1000 3: 0 4: 0 "},
                       {'S', L"Action 7:52:10: CostInitialize. Computing space requirements"},
                       {'S', L"Action 7:52:11: InstallFiles. "},
                       {'S', nullptr},
                       {'T', nullptr}});
    EXPECT_EQ((std::vector<std::wstring>{L"Computing space requirements", L"", L"", L""}), m_Callback.m_StatusTexts);
}

TEST_F(ProgressBarTest, LeavesTheInstallersTextAlone)
{
    Fresh();
    wchar_t text[] = L"1: 0 2: 1000 3: 0 4: 0 ";
    m_Engine.OnProgress(text);
    EXPECT_STREQ(L"1: 0 2: 1000 3: 0 4: 0 ", text);
    EXPECT_EQ(1000, m_Bar.RangeHigh());
}

TEST_F(ProgressBarTest, StateCarriesOverToTheNextRun)
{
    // A run that starts before its own master reset inherits the range,
    // the direction and the flags.
    Fresh();
    Deliver(m_Engine, {{'P', L"1: 0 2: 1000 3: 1 4: 0 "}, {'T', nullptr}});
    CQuandelEngine second;
    CTestProgressBar bar;
    bar.Reset(0, 1000, 1000);
    second.m_pProgressCtrl = bar.Ctrl();
    Deliver(second, {{'P', L"1: 2 2: 100 "}});
    EXPECT_EQ(900, bar.Pos());
}
