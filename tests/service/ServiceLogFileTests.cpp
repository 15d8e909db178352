// The run's first and last log lines and the installer log file in the
// temporary folder, which every run shares: these tests hold the msi lock.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ServiceTestSupport.h"
#include "engine/MPIDefs.h"
#include "engine/MPILoadMSIDll.h"
#include "setup/service/QuandelEngine.h"

namespace
{
typedef std::vector<std::wstring> Lines;
}

TEST(RunLog, RunStartAndEnd)
{
    ASSERT_TRUE(UseEnglishLanguageLibrary());
    ASSERT_TRUE(BindMsi());
    CRecordingCallback callback;
    CQuandelEngine engine;
    engine.m_pCallback = &callback;

    // A log left by an earlier run is replaced, not appended to.
    const std::wstring log = TempFolder() + L"QuandelLog.txt";
    {
        HANDLE file = ::CreateFileW(log.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        DWORD written = 0;
        ::WriteFile(file, "stale log of an earlier run", 27, &written, NULL);
        ::CloseHandle(file);
    }
    EXPECT_EQ(0, engine.OnRunStart());
    EXPECT_EQ(0, engine.OnRunEnd(MPI_RUN_COMPLETE));
    EXPECT_EQ((Lines{L"Module profile setup started.", L"", L"Module profile setup finished."}), callback.m_Lines);
    EXPECT_EQ(log, std::wstring(CQuandelEngine::GetLogFilePath()));
    EXPECT_TRUE(FileExists(log));
    HANDLE file = ::CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0,
                                NULL);
    if (file != INVALID_HANDLE_VALUE)
    {
        char head[6] = {};
        DWORD read = 0;
        ::ReadFile(file, head, 5, &read, NULL);
        ::CloseHandle(file);
        EXPECT_STRNE("stale", head) << "the earlier log is still there";
    }
    g_MsiDll.pMsiEnableLogW(0, NULL, 0);

    // A callback that throws stops the run before anything else happens.
    CRecordingCallback throwing;
    throwing.m_bThrowOnAddMessage = true;
    engine.m_pCallback = &throwing;
    EXPECT_EQ(E_FAIL, engine.OnRunStart());
    engine.m_pCallback = nullptr;
}
