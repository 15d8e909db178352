#include "support/HelpFileManager.h"
#include "support/OrvoWinApp.h"
#include "support/ResourceDllManager.h"
#include "SupportTestUtil.h"
#include "lang_ids.h"
#include <gtest/gtest.h>

CTestApp theApp;

namespace
{

const std::wstring kEnuHelp = BesideTestModule(L"support_help_testsENU.hlp");
const std::wstring kDeuHelp = BesideTestModule(L"support_help_testsDEU.hlp");

// The help files beside the executable are plain files written by each
// test and removed afterwards.
class HelpFiles : public testing::Test
{
protected:
    void TearDown() override
    {
        for (const std::wstring& path : m_written)
            DeleteFileW(path.c_str());
    }
    void Write(const std::wstring& path)
    {
        m_written.push_back(path);
        ASSERT_TRUE(WriteTextFile(path));
    }
    static std::wstring HelpPath() { return theApp.m_pszHelpFilePath ? theApp.m_pszHelpFilePath : L"(null)"; }

    std::vector<std::wstring> m_written;
};

TEST_F(HelpFiles, StartWithTheDefaultHelpFile)
{
    Write(kEnuHelp);
    ASSERT_TRUE(theApp.InitOrvoApp(true));
    EXPECT_TRUE(theApp.UsesHelp());
    EXPECT_EQ(kEnuHelp, HelpPath());
    EXPECT_EQ(S_OK, CHelpFileManager::Validate());
    EXPECT_EQ(1033, theApp.GetLanguage());
    EXPECT_TRUE(theApp.AreLanguagesConsistent());
}

TEST_F(HelpFiles, MissingDefaultHelpFileRefusesStartWithHelpOnly)
{
    EXPECT_FALSE(theApp.InitOrvoApp(true));
    EXPECT_FALSE(theApp.UsesHelp());
    EXPECT_EQ(nullptr, theApp.m_pszHelpFilePath);
    EXPECT_EQ(E_FAIL, CHelpFileManager::Validate());
    // Without help files the same program starts.
    EXPECT_TRUE(theApp.InitOrvoApp(false));
}

TEST_F(HelpFiles, SwitchNeedsBothFilesAndReportsAHalfSwitch)
{
    Write(kEnuHelp);
    ASSERT_TRUE(theApp.InitOrvoApp(true));
    CResourceDllManager* resources = CResourceDllManager::GetInstance();
    CHelpFileManager* help = CHelpFileManager::GetInstance();

    // DEU library present, DEU help file missing.
    EXPECT_TRUE(resources->IsAvailable(1031));
    EXPECT_FALSE(theApp.IsLanguageAvailable(1031));
    EXPECT_FALSE(theApp.SetLanguage(1031));
    EXPECT_EQ(1031, resources->GetLanguage());
    EXPECT_EQ(1033, help->GetLanguage());
    EXPECT_FALSE(theApp.AreLanguagesConsistent());
    EXPECT_EQ(kEnuHelp, HelpPath());
    CString text;
    text.LoadString(IDS_TEST_LANGUAGE);
    EXPECT_STREQ(L"Deutsch", text);

    // With the help file the switch completes.
    Write(kDeuHelp);
    EXPECT_TRUE(theApp.IsLanguageAvailable(1031));
    EXPECT_TRUE(theApp.SetLanguage(1031));
    EXPECT_TRUE(theApp.AreLanguagesConsistent());
    EXPECT_EQ(1031, theApp.GetLanguage());
    EXPECT_EQ(kDeuHelp, HelpPath());
    EXPECT_EQ(S_OK, CHelpFileManager::Validate());
}

TEST_F(HelpFiles, ValidateComparesTheHelpPathIgnoringCase)
{
    Write(kEnuHelp);
    const std::wstring other = BesideTestModule(L"support_help_testsENU.dll");
    ASSERT_TRUE(theApp.InitOrvoApp(true));
    CHelpFileManager* help = CHelpFileManager::GetInstance();

    std::wstring upper = kEnuHelp;
    CharUpperBuffW(&upper[0], static_cast<DWORD>(upper.size()));
    const struct
    {
        std::wstring path;
        HRESULT expected;
        const wchar_t* what;
    } cases[] = {
        {upper, S_OK, L"same file in upper case"},
        {other, E_FAIL, L"another existing file"},
        {kDeuHelp, E_FAIL, L"the name of another language, missing"},
        {kEnuHelp, S_OK, L"the right file again"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(help->SetHelpFilePath(c.path.c_str()));
        EXPECT_EQ(c.path, HelpPath());
        EXPECT_EQ(c.expected, CHelpFileManager::Validate());
    }
    // The current path handed back in is copied before it is freed.
    ASSERT_TRUE(help->SetHelpFilePath(theApp.m_pszHelpFilePath));
    EXPECT_EQ(kEnuHelp, HelpPath());
    EXPECT_EQ(S_OK, CHelpFileManager::Validate());
    DeleteFileW(kEnuHelp.c_str());
    EXPECT_EQ(E_FAIL, CHelpFileManager::Validate());
}

TEST_F(HelpFiles, ManagerThatNeverLoadedIsNotValid)
{
    // Created while the default help file is missing: its language stays 0.
    CHelpFileManager* help = CHelpFileManager::GetInstance();
    ASSERT_EQ(0, help->GetLanguage());
    // Point the path at an existing file that matches the name rule for
    // language 0: still not a valid help file choice.
    const std::wstring forZero = help->GetFileName(0).GetString();
    Write(forZero);
    ASSERT_TRUE(help->SetHelpFilePath(forZero.c_str()));
    EXPECT_EQ(E_FAIL, CHelpFileManager::Validate());

    // A later successful load makes it valid.
    Write(kEnuHelp);
    EXPECT_TRUE(help->Load(1033));
    EXPECT_EQ(S_OK, CHelpFileManager::Validate());
}

} // namespace
