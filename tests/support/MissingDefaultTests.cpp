#include "support/OrvoWinApp.h"
#include "support/ResourceDllManager.h"
#include "SupportTestUtil.h"
#include "lang_ids.h"
#include <gtest/gtest.h>

CTestApp theApp;

namespace
{

// Beside this executable lies only a DEU library, no default ENU one.
TEST(MissingDefaultLibrary, RefusesStartUntilALanguageLoads)
{
    EXPECT_FALSE(theApp.InitOrvoApp(false));
    EXPECT_EQ(E_FAIL, CResourceDllManager::Validate());
    CResourceDllManager* manager = CResourceDllManager::GetInstance();
    ASSERT_NE(nullptr, manager);
    EXPECT_EQ(0, manager->GetLanguage());
    EXPECT_EQ(AfxGetInstanceHandle(), AfxGetResourceHandle());
    EXPECT_FALSE(manager->FreeResourceDll());

    // A later successful load makes the manager valid.
    ASSERT_TRUE(theApp.SetLanguage(1031));
    EXPECT_EQ(S_OK, CResourceDllManager::Validate());
    CString text;
    text.LoadString(IDS_TEST_LANGUAGE);
    EXPECT_STREQ(L"Deutsch", text);
}

} // namespace
