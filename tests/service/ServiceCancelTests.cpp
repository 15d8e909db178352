// A cancel during a real run of three group packages: the user's answer to
// the cancel question decides whether the packages after the current one
// are installed. Wine's installer finishes the package in which Yes was
// answered (Windows would mostly roll it back); the run must stop after it
// all the same.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ServiceTestSupport.h"
#include "setup/service/QuandelSrv.h"
#include "resources/quandel/ids_service.h"

namespace
{
// Requests a cancel through the service when the first log line of the
// worker arrives: the start line of the first package.
class CCancellingCallback : public CRecordingCallback
{
public:
    CCancellingCallback(CProgressCtrl* progress, CQuandelSrv& service)
        : CRecordingCallback(progress), m_Service(service), m_ThreadId(::GetCurrentThreadId())
    {
    }
    void AddMessage(LPCWSTR pszText) override
    {
        CRecordingCallback::AddMessage(pszText);
        if (!m_bRequested && ::GetCurrentThreadId() != m_ThreadId)
        {
            m_bRequested = true;
            m_Service.Cancel();
        }
    }
    bool m_bRequested = false;

private:
    CQuandelSrv& m_Service;
    DWORD m_ThreadId;
};
}

TEST(ServiceCancel, TheAnswerDecidesWhetherTheQueueGoesOn)
{
    ASSERT_TRUE(UseEnglishLanguageLibrary());
    ASSERT_TRUE(BindMsi());
    struct Case
    {
        const char* name;
        int answer;
        int status;
        std::vector<bool> installed;  // Alpha, Beta, Epsilon
    };
    const Case cases[] = {
        {"Yes: no package after the current one", IDYES, MPI_RUN_PARTIAL, {true, false, false}},
        {"No: the run goes on", IDNO, MPI_RUN_COMPLETE, {true, true, true}},
    };
    const wchar_t* const groups[] = {svc::kAlpha, svc::kBeta, svc::kEpsilon};
    CDistribution distribution({
        {L"svc_core", L"Core\\Dunmoor.msi"},
        {L"svc_alpha", L"Alpha\\Alpha.msi"},
        {L"svc_beta", L"Beta\\Beta.msi"},
        {L"svc_epsilon", L"Epsilon\\Epsilon.msi"},
    });
    ASSERT_TRUE(distribution.IsComplete());
    CString question;
    question.LoadString(IDS_SRV_CANCEL_QUESTION);

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        for (const wchar_t* product : {svc::kAlpha, svc::kBeta, svc::kEpsilon, svc::kCore})
            ASSERT_TRUE(RemoveProductIfInstalled(product)) << "left installed";
        CProductCleanup cleanup({svc::kAlpha, svc::kBeta, svc::kEpsilon, svc::kCore});
        // The core is up to date, so the queue holds the three groups only.
        ASSERT_EQ(0u, InstallPackageFile(distribution.MpFolder() + L"Core\\Dunmoor.msi", L"ADDLOCAL=ALL"));

        CBoxRecorder boxes(c.answer);
        CTestProgressBar bar;
        ASSERT_TRUE(bar.IsValid());
        int result = -1;
        bool completed = false;
        {
            CQuandelSrv service;
            service.SetBaseFolder(distribution.MpFolder().c_str());
            ASSERT_EQ(0u, service.Initialize(1033));
            ASSERT_EQ(3u, service.GetMsiCount());
            service.SetSetupType(MPI_MODE_INSTALL_MODULES);
            CCancellingCallback callback(bar.Ctrl(), service);
            result = service.Install(&callback);
            if (result == 0)
                completed = callback.WaitForCompletion();
            EXPECT_EQ(0, result);
            EXPECT_TRUE(completed);
            EXPECT_TRUE(callback.m_bRequested);
            EXPECT_EQ(1, callback.m_nCompletions);
            EXPECT_EQ(c.status, callback.m_nStatus);
            EXPECT_EQ(L"Module profile setup finished.", callback.m_Lines.back());
        }
        std::vector<CBoxRecorder::Box> shown = boxes.Boxes();
        ASSERT_EQ(1u, shown.size());
        EXPECT_EQ(std::wstring(question.GetString()), shown[0].text);
        std::vector<bool> installed;
        for (const wchar_t* group : groups)
            installed.push_back(IsProductInstalled(group));
        EXPECT_EQ(c.installed, installed);
    }
}
