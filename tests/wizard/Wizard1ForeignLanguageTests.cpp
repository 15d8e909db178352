// Start-up with another program's resource library beside the program under
// the name of the default language library: it loads, but holds none of the
// setup program's texts and pages, so start-up refuses it like a missing one.
#include <gtest/gtest.h>
#include "Wizard1TestApp.h"
#include "Wizard1TestSupport.h"
#include "setup/wizard/QuandelStartupMessages.h"

TEST(Wizard1ForeignLanguage, RefusedWithTheBuiltInMessageByThreadLocale)
{
    for (LCID locale : {LCID(1032), LCID(1031)}) {
        SCOPED_TRACE(locale);
        SeamRecorder seams;
        SetThreadLocale(locale);
        Wizard1TestApp& app = TheTestApp();
        EXPECT_FALSE(app.RunInitInstance());
        EXPECT_FALSE(app.wizardShown);
        EXPECT_EQ(0, app.servicesMade);
        // The foreign library is neither current nor kept loaded.
        EXPECT_EQ(AfxGetInstanceHandle(), AfxGetResourceHandle());
        EXPECT_EQ(nullptr, GetModuleHandleW(L"wizard1_foreignlang_testsENU.dll"));
        CString text, caption;
        GetStartupFailureMessage(locale, text, caption);
        ASSERT_EQ(1, seams.Count(L"box"));
        EXPECT_EQ(text.GetString(), seams.Last(L"box")->text);
        EXPECT_EQ(caption.GetString(), seams.Last(L"box")->caption);
        EXPECT_EQ(UINT(MB_OK), seams.Last(L"box")->flags);
    }
}
