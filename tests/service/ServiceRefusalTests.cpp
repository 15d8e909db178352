// An install whose group needs a newer core than the run would leave: the
// user is told why, the log says the run stopped, completion is reported
// with nothing done, and Install answers 0 so the caller waits for that
// report as after a started run.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ServiceTestSupport.h"
#include "setup/service/QuandelSrv.h"
#include "resources/quandel/ids_startup.h"

namespace
{
bool StartsWith(const std::wstring& text, const std::wstring& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}
}

TEST(CoreVersion, TooOldCoreRefusesTheRunWithAMessage)
{
    ASSERT_TRUE(UseEnglishLanguageLibrary());
    ASSERT_TRUE(BindMsi());
    CString caption;
    caption.LoadString(IDS_QUANDEL_WIZARD_CAPTION);
    ASSERT_FALSE(caption.IsEmpty());

    struct Case
    {
        const char* label;
        std::vector<CDistribution::Entry> entries;
        const wchar_t* boxStart;
    } cases[] = {
        {"core too old",
         {{L"svc_setup", L"Install\\Quandel.msi"}, {L"svc_core", L"Core\\Dunmoor.msi"}, {L"svc_gamma", L"Gamma\\Gamma.msi"}},
         L"Ternwick Gamma needs Dunmoor version 9.01 or later, but version 2.05.0 will be installed."},
        {"no core at all",
         {{L"svc_setup", L"Install\\Quandel.msi"}, {L"svc_gamma", L"Gamma\\Gamma.msi"}},
         L"The module profiles cannot be installed: the Dunmoor core package was not found."},
    };
    // Should a run start after all, nothing it installed stays behind.
    CProductCleanup cleanup{svc::kGamma, svc::kCore, svc::kSetup};
    CBoxRecorder recorder(IDOK);
    for (const Case& c : cases)
    {
        recorder.Clear();
        CDistribution distribution(c.entries);
        ASSERT_TRUE(distribution.IsComplete()) << c.label;
        CTestProgressBar bar;
        CRecordingCallback callback(bar.Ctrl());
        {
            CQuandelSrv service;
            service.SetBaseFolder(distribution.MpFolder().c_str());
            ASSERT_EQ(0u, service.Initialize(1033)) << c.label;
            EXPECT_EQ(0, service.Install(&callback)) << c.label;
        }
        const std::vector<CBoxRecorder::Box> boxes = recorder.Boxes();
        ASSERT_EQ(1u, boxes.size()) << c.label;
        EXPECT_TRUE(StartsWith(boxes[0].text, c.boxStart)) << c.label;
        EXPECT_STREQ(caption.GetString(), boxes[0].caption.c_str()) << c.label;
        EXPECT_EQ(static_cast<UINT>(MB_OK), boxes[0].type) << c.label;
        EXPECT_FALSE(boxes[0].hasLanguage) << c.label;
        EXPECT_EQ(std::vector<std::wstring>{L"Setup was stopped: the Dunmoor core version is too old."},
                  callback.m_Lines)
            << c.label;
        EXPECT_EQ(1, callback.m_nCompletions) << c.label;
        EXPECT_EQ(MPI_RUN_NONE, callback.m_nStatus) << c.label;
        EXPECT_FALSE(IsProductInstalled(svc::kSetup)) << c.label;
        EXPECT_FALSE(IsProductInstalled(svc::kGamma)) << c.label;
    }
}
