// The log lines of a run as the engine binding writes them: the setup and
// core packages read as one step, groups show their module summary after
// success, and every failure is reported at once.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "ServiceTestSupport.h"
#include "engine/MPIDefs.h"
#include "engine/MPILoadMSIDll.h"
#include "setup/service/QuandelEngine.h"
#include "resources/quandel/ids_service.h"

namespace
{
struct Step
{
    bool group;
    const wchar_t* title;
    const wchar_t* version;
    std::vector<const wchar_t*> summary;
    int index;
    int result;
};

typedef std::vector<std::wstring> Lines;

const Step SetupPackage(int index, int result) { return {false, L"", L"1.00.0", {}, index, result}; }
const Step Core(int index, int result) { return {false, L"", L"2.05.0", {}, index, result}; }
const Step Alpha(int index, int result)
{
    return {true, L"Ternwick Alpha", L"1.01.0", {L"\tA-101: Alpha module one", L"\tA-102: Alpha module two"}, index,
            result};
}
const Step Bare(int index, int result) { return {true, L"Ternwick Beta", L"3.00.2", {}, index, result}; }
}

TEST(RunLog, PackageLinesFollowTheQueue)
{
    ASSERT_TRUE(UseEnglishLanguageLibrary());
    struct Case
    {
        const char* label;
        MPISetupMode mode;
        int nonGroupCount;
        std::vector<Step> steps;
        Lines lines;
    } cases[] = {
        {"install of setup, core and a group", 0, 2, {SetupPackage(0, 0), Core(1, 0), Alpha(2, 0)},
         {L"Installing the setup and core components 1.00.0 ...",
          L"The setup and core components 2.05.0 were installed successfully.", L"",
          L"Installing Ternwick Alpha 1.01.0 ...", L"\tA-101: Alpha module one", L"\tA-102: Alpha module two",
          L"Ternwick Alpha 1.01.0 was installed successfully.", L""}},
        {"only the core queued", 1, 1, {Core(0, 0)},
         {L"Installing the setup and core components 2.05.0 ...",
          L"The setup and core components 2.05.0 were installed successfully.", L""}},
        {"failing setup package", 0, 2, {SetupPackage(0, 1603)},
         {L"Installing the setup and core components 1.00.0 ...",
          L"The installation of the setup and core components 1.00.0 failed.", L""}},
        {"failing group shows no summary", 2, 0, {Alpha(0, 1603)},
         {L"Installing Ternwick Alpha 1.01.0 ...", L"The installation of Ternwick Alpha 1.01.0 failed.", L""}},
        {"group without modules to show", 1, 0, {Bare(0, 0)},
         {L"Installing Ternwick Beta 3.00.2 ...", L"Ternwick Beta 3.00.2 was installed successfully.", L""}},
        {"removal of everything", 3, 2, {Alpha(0, 0), Core(0, 0), SetupPackage(1, 0)},
         {L"Removing Ternwick Alpha 1.01.0 ...", L"\tA-101: Alpha module one", L"\tA-102: Alpha module two",
          L"Ternwick Alpha 1.01.0 was removed successfully.", L"",
          L"Removing the setup and core components 2.05.0 ...",
          L"The setup and core components 1.00.0 were removed successfully.", L""}},
        {"removal with a failing core", 3, 2, {Alpha(0, 0), Core(0, 1603)},
         {L"Removing Ternwick Alpha 1.01.0 ...", L"\tA-101: Alpha module one", L"\tA-102: Alpha module two",
          L"Ternwick Alpha 1.01.0 was removed successfully.", L"",
          L"Removing the setup and core components 2.05.0 ...",
          L"The removal of the setup and core components 2.05.0 failed.", L""}},
        {"failing group removal", 5, 0, {Alpha(0, 1605)},
         {L"Removing Ternwick Alpha 1.01.0 ...", L"The removal of Ternwick Alpha 1.01.0 failed.", L""}},
    };
    for (const Case& c : cases)
    {
        CRecordingCallback callback;
        CQuandelEngine engine;
        engine.m_pCallback = &callback;
        engine.m_Mode = c.mode;
        engine.m_nNonGroupCount = c.nonGroupCount;
        for (const Step& step : c.steps)
        {
            CMPIEngineConfig config;
            config.SetGroup(step.group)->SetTitle(step.title)->SetVersionText(step.version);
            for (const wchar_t* line : step.summary)
                config.AddSummaryLine(line);
            engine.OnPackageStart(&config, step.index);
            engine.OnPackageEnd(&config, step.index, step.result);
        }
        EXPECT_EQ(c.lines, callback.m_Lines) << c.label;
        engine.m_pCallback = nullptr;
    }
}

TEST(RunLog, CaptionAndCancelQuestionComeFromTheLanguageLibrary)
{
    ASSERT_TRUE(UseEnglishLanguageLibrary());
    CQuandelEngine engine;
    CString caption, question;
    engine.GetMessageCaption(caption);
    engine.GetCancelQuestion(question);
    EXPECT_FALSE(caption.IsEmpty());
    EXPECT_STREQ(L"Do you really want to cancel the setup?", question.GetString());
}

TEST(RunLog, NoInstallerLogWithoutAUsableTemporaryFolder)
{
    ASSERT_TRUE(UseEnglishLanguageLibrary());
    ASSERT_TRUE(BindMsi());
    // A temporary folder longer than any path buffer: GetTempPathW can only
    // report the size it would need.
    const std::wstring tooLong = L"C:\\" + std::wstring(300, L'x');
    ::SetEnvironmentVariableW(L"TMP", tooLong.c_str());
    ::SetEnvironmentVariableW(L"TEMP", tooLong.c_str());
    ::SetEnvironmentVariableW(L"USERPROFILE", tooLong.c_str());
    EXPECT_STREQ(L"", CQuandelEngine::GetLogFilePath().GetString());

    CRecordingCallback callback;
    CQuandelEngine engine;
    engine.m_pCallback = &callback;
    EXPECT_EQ(0, engine.OnRunStart());
    EXPECT_EQ((Lines{L"Module profile setup started.", L""}), callback.m_Lines);
    engine.m_pCallback = nullptr;
}

TEST(RunLog, EveryTextExistsInEachLanguageWithTheSameInserts)
{
    const UINT ids[] = {IDS_SRV_GROUP_INSTALL_START, IDS_SRV_GROUP_INSTALL_DONE,   IDS_SRV_RUN_START,
                        IDS_SRV_RUN_END,             IDS_SRV_GROUP_REMOVE_START,   IDS_SRV_GROUP_REMOVE_DONE,
                        IDS_SRV_CANCEL_QUESTION,     IDS_SRV_GROUP_INSTALL_FAILED, IDS_SRV_GROUP_REMOVE_FAILED,
                        IDS_SRV_BASE_INSTALL_START,  IDS_SRV_BASE_INSTALL_DONE,    IDS_SRV_BASE_REMOVE_START,
                        IDS_SRV_BASE_REMOVE_DONE,    IDS_SRV_BASE_INSTALL_FAILED,  IDS_SRV_BASE_REMOVE_FAILED,
                        IDS_SRV_CORE_MISSING,        IDS_SRV_CORE_TOO_OLD,         IDS_SRV_CORE_TOO_OLD_LOG};
    HMODULE english = ::LoadLibraryW((TestBinFolder() + L"QuandelENU.dll").c_str());
    HMODULE german = ::LoadLibraryW((TestBinFolder() + L"QuandelDEU.dll").c_str());
    ASSERT_NE(nullptr, english);
    ASSERT_NE(nullptr, german);
    auto inserts = [](const CString& text) {
        std::wstring found;
        for (const wchar_t* insert : {L"%1", L"%2", L"%3", L"%4"})
            if (wcsstr(text, insert))
                found += insert;
        return found;
    };
    for (UINT id : ids)
    {
        CString en, de;
        EXPECT_TRUE(en.LoadString(english, id)) << id;
        EXPECT_TRUE(de.LoadString(german, id)) << id;
        EXPECT_FALSE(en.IsEmpty()) << id;
        EXPECT_NE(en, de) << id;
        EXPECT_EQ(inserts(en), inserts(de)) << id;
    }
    ::FreeLibrary(german);
    ::FreeLibrary(english);
}
