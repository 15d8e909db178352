#include "support/OrvoWinApp.h"
#include "support/ResourceDllManager.h"
#include "SupportTestUtil.h"
#include "lang_ids.h"
#include <gtest/gtest.h>

namespace
{

CString LanguageText()
{
    CString text;
    text.LoadString(IDS_TEST_LANGUAGE);
    return text;
}

HMODULE LoadedLibrary(const wchar_t* name)
{
    return GetModuleHandleW(BesideTestModule(name).c_str());
}

TEST(LanguageAbbreviation, ThreeLettersOrEmpty)
{
    const struct
    {
        int language;
        const wchar_t* abbreviation;
    } cases[] = {
        {1033, L"ENU"}, {1031, L"DEU"}, {1036, L"FRA"}, {2052, L"CHS"}, {0x7FFF, L""}, {-1, L""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.language);
        EXPECT_STREQ(c.abbreviation, GetLanguageAbbreviation(c.language));
    }
}

TEST(ResourceDllManager, FileNamesFollowTheModuleName)
{
    CResourceDllManager* manager = CResourceDllManager::GetInstance();
    ASSERT_NE(nullptr, manager);
    EXPECT_STREQ(BesideTestModule(L"support_testsENU.dll").c_str(), manager->GetFileName(1033));
    EXPECT_STREQ(BesideTestModule(L"support_testsDEU.dll").c_str(), manager->GetFileName(1031));
    // No language part for a language Windows does not know.
    EXPECT_STREQ(BesideTestModule(L"support_tests.dll").c_str(), manager->GetFileName(0x7FFF));
}

TEST(ResourceDllManager, StartsWithTheDefaultLibraryAsResourceHandle)
{
    EXPECT_EQ(&theApp, COrvoWinApp::GetApp());
    ASSERT_TRUE(theApp.InitOrvoApp(false));
    EXPECT_FALSE(theApp.UsesHelp());
    EXPECT_EQ(S_OK, CResourceDllManager::Validate());
    EXPECT_EQ(1033, theApp.GetLanguage());
    HMODULE enu = LoadedLibrary(L"support_testsENU.dll");
    ASSERT_NE(nullptr, enu);
    EXPECT_EQ(enu, AfxGetResourceHandle());
    EXPECT_STREQ(L"English", LanguageText());
    EXPECT_TRUE(theApp.AreLanguagesConsistent());
}

TEST(ResourceDllManager, SwitchesAndFreesThePreviousLibrary)
{
    ASSERT_TRUE(theApp.InitOrvoApp(false));
    ASSERT_TRUE(theApp.IsLanguageAvailable(1031));
    ASSERT_TRUE(theApp.SetLanguage(1031));
    EXPECT_EQ(1031, theApp.GetLanguage());
    EXPECT_STREQ(L"Deutsch", LanguageText());
    EXPECT_EQ(nullptr, LoadedLibrary(L"support_testsENU.dll"));

    ASSERT_TRUE(theApp.SetLanguage(1033));
    EXPECT_EQ(1033, theApp.GetLanguage());
    EXPECT_STREQ(L"English", LanguageText());
    EXPECT_EQ(nullptr, LoadedLibrary(L"support_testsDEU.dll"));
    EXPECT_EQ(LoadedLibrary(L"support_testsENU.dll"), AfxGetResourceHandle());
}

TEST(ResourceDllManager, LoadingTheCurrentLanguageKeepsOneReference)
{
    CResourceDllManager* manager = CResourceDllManager::GetInstance();
    ASSERT_NE(nullptr, manager);
    ASSERT_EQ(1033, manager->GetLanguage());
    EXPECT_TRUE(manager->Load(1033));
    EXPECT_TRUE(theApp.SetLanguage(1033));
    // Had either call taken another reference, one free would not unload it.
    ASSERT_TRUE(manager->FreeResourceDll());
    EXPECT_EQ(nullptr, LoadedLibrary(L"support_testsENU.dll"));
    EXPECT_EQ(AfxGetInstanceHandle(), AfxGetResourceHandle());
}

TEST(ResourceDllManager, UnusableLanguagesChangeNothing)
{
    ASSERT_TRUE(theApp.InitOrvoApp(false));
    HMODULE enu = AfxGetResourceHandle();
    const struct
    {
        int language;
        bool fileExists;
        const wchar_t* what;
    } cases[] = {
        {1036, true, L"FRA file exists but is no library"},
        {1046, true, L"PTB library is another program's"},
        {1040, false, L"no ITA file"},
        // The name would lack its language part and be support_tests.dll,
        // which exists: a language without abbreviation is never available.
        {0x7FFF, false, L"no such language"},
    };
    CResourceDllManager* manager = CResourceDllManager::GetInstance();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.fileExists, manager->IsAvailable(c.language));
        EXPECT_EQ(c.fileExists, theApp.IsLanguageAvailable(c.language));
        EXPECT_FALSE(manager->Load(c.language));
        EXPECT_FALSE(theApp.SetLanguage(c.language));
        EXPECT_EQ(1033, theApp.GetLanguage());
        EXPECT_EQ(enu, AfxGetResourceHandle());
        EXPECT_STREQ(L"English", LanguageText());
    }
    // The other program's library was freed again.
    EXPECT_EQ(nullptr, LoadedLibrary(L"support_testsPTB.dll"));
    EXPECT_TRUE(CFilePath::Exists(BesideTestModule(L"support_tests.dll").c_str()));
    EXPECT_EQ(S_OK, CResourceDllManager::Validate());
}

} // namespace
