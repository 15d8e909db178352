// Start-up without the default language library beside the program: the
// built-in message in the thread's language, and no service object.
#include <gtest/gtest.h>
#include "Wizard1TestApp.h"
#include "Wizard1TestSupport.h"

TEST(Wizard1NoLanguage, BuiltInMessageByThreadLocale)
{
    const std::wstring english = L"Failed to initialized installed components.\nContact Ternwick Software technical support.";
    struct Case
    {
        LCID locale;
        std::wstring text;
        const wchar_t* caption;
    };
    const Case cases[] = {
        {1032, english, L"Quandel.exe error"},
        {2052, L"Chinese: " + english, L"Chinese: Quandel.exe error"},
        {1031,
         L"Initialisierung der installierten Komponenten ist fehlgeschlagen.\n"
         L"Wenden Sie sich an den technischen Support von Ternwick Software.",
         L"Quandel.exe-Fehler"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        SeamRecorder seams;
        SetThreadLocale(c.locale);
        Wizard1TestApp& app = TheTestApp();
        EXPECT_FALSE(app.RunInitInstance());
        EXPECT_FALSE(app.wizardShown);
        EXPECT_EQ(nullptr, app.GetService());
        ASSERT_EQ(1, seams.Count(L"box"));
        EXPECT_EQ(c.text, seams.Last(L"box")->text);
        EXPECT_EQ(c.caption, seams.Last(L"box")->caption);
        EXPECT_EQ(UINT(MB_OK), seams.Last(L"box")->flags);
    }
}
