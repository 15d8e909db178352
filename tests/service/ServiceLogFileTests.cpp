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

// What the engine asked of the installer's log, passed on to the real one.
struct EnableLogCall
{
    DWORD mode;
    std::wstring path;
    DWORD attributes;
};
std::vector<EnableLogCall> g_enableLogCalls;
decltype(MPIMsiDllTable::pMsiEnableLogW) g_realEnableLog = NULL;

UINT WINAPI RecordEnableLog(DWORD mode, LPCWSTR path, DWORD attributes)
{
    g_enableLogCalls.push_back({mode, path ? path : L"(null)", attributes});
    return g_realEnableLog(mode, path, attributes);
}
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
    g_realEnableLog = g_MsiDll.pMsiEnableLogW;
    g_MsiDll.pMsiEnableLogW = &RecordEnableLog;
    g_enableLogCalls.clear();
    EXPECT_EQ(0, engine.OnRunStart());
    g_MsiDll.pMsiEnableLogW = g_realEnableLog;
    EXPECT_EQ(0, engine.OnRunEnd(MPI_RUN_COMPLETE));
    // Every log mode but files-in-use, appended to the file of this run.
    ASSERT_EQ(1u, g_enableLogCalls.size());
    EXPECT_EQ(0x1FDFu, g_enableLogCalls[0].mode);
    EXPECT_EQ(log, g_enableLogCalls[0].path);
    EXPECT_EQ(static_cast<DWORD>(INSTALLLOGATTRIBUTES_APPEND), g_enableLogCalls[0].attributes);
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
