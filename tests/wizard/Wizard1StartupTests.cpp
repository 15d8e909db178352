// Start-up of the setup program in this process: the application object's
// InitInstance with scripted command lines and thread locales, the language
// dialog, and a distribution folder holding a broken package.
#include <gtest/gtest.h>
#include <locale.h>
#include "Wizard1TestApp.h"
#include "Wizard1TestSupport.h"
#include "engine/MPILoadMSIDll.h"
#include "framework/PropertySheet.h"
#include "setup/service/QuandelSrv.h"
#include "setup/wizard/QuandelLanguageDlg.h"
#include "setup/wizard/QuandelWizard.h"
#include "support/ResourceDllManager.h"
#include "ids_wizard.h"
#include "ids_service.h"
#include "ids_startup.h"

namespace {

// What the wizard saw when it came up; then it is cancelled.
struct WizardView
{
    bool shown = false;
    int serviceLanguage = 0;
    int resourceLanguage = 0;
    std::string crtLocale;
};

std::function<void()> ObserveAndCancel(WizardView& view)
{
    return [&view] {
        auto* wizard = DYNAMIC_DOWNCAST(CQuandelWizard, TheTestApp().m_pMainWnd);
        ASSERT_NE(nullptr, wizard);
        view.shown = true;
        view.serviceLanguage = wizard->GetService()->GetLanguage();
        view.resourceLanguage = CResourceDllManager::GetInstance()->GetLanguage();
        view.crtLocale = setlocale(LC_ALL, nullptr);
        Press(*wizard, PSBTN_CANCEL);
    };
}

class Wizard1Startup : public testing::Test
{
protected:
    void SetUp() override
    {
        Wizard1TestApp& app = TheTestApp();
        app.baseFolder = FixtureFolder(L"empty");
        app.commandLine = L"Quandel.exe";
        app.wizardScript = nullptr;
    }
    SeamRecorder seams;
};

} // namespace

TEST_F(Wizard1Startup, LanguageChoiceBySwitchesAndLocale)
{
    struct Case
    {
        const wchar_t* commandLine;
        LCID threadLocale;
        bool dialog;
        int serviceLanguage;
        const char* crtLanguage;
    };
    const Case cases[] = {
        {L"Quandel.exe", 1031, false, 1031, "German"},
        {L"Quandel.exe /SLP", 1043, false, 1043, "English"},
        {L"Quandel.exe /SLP /LCID=1036", 1033, false, 1036, "French"},
        {L"Quandel.exe -singleclick=1 /AddRemove", 1033, false, 1033, "English"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.commandLine << " " << c.threadLocale);
        SetThreadLocale(c.threadLocale);
        Wizard1TestApp& app = TheTestApp();
        app.commandLine = c.commandLine;
        WizardView view;
        app.wizardScript = ObserveAndCancel(view);
        bool dialogSeen = false, looked = false;
        Later([&] {
            dialogSeen = FindThreadDialogWith(IDC_WZ_LANG_COMBO) != nullptr;
            looked = true;
        }, 5);
        EXPECT_FALSE(app.RunInitInstance());
        PumpUntil([&] { return looked; }, 2000);
        EXPECT_EQ(c.dialog, dialogSeen);
        EXPECT_TRUE(view.shown);
        EXPECT_EQ(c.serviceLanguage, view.serviceLanguage);
        // Without the dialog the user interface stays in the 1033 library.
        EXPECT_EQ(1033, view.resourceLanguage);
        EXPECT_NE(std::string::npos, view.crtLocale.find(c.crtLanguage)) << view.crtLocale;
        // The one question is the wizard's own, when the script cancels it.
        ASSERT_NE(nullptr, seams.Last(L"box"));
        EXPECT_EQ(ResourceString(IDS_SRV_CANCEL_QUESTION), seams.Last(L"box")->text);
        seams.events.clear();
    }
}

TEST_F(Wizard1Startup, LanguageDialogCancelEndsWithoutWizard)
{
    SetThreadLocale(1033);
    Wizard1TestApp& app = TheTestApp();
    app.commandLine = L"Quandel.exe /SLP";
    WizardView view;
    app.wizardScript = ObserveAndCancel(view);
    bool stayedOpen = false;
    Later([&] {
        HWND dialog = FindThreadDialogWith(IDC_WZ_LANG_COMBO);
        ASSERT_NE(nullptr, dialog);
        // Escape, through the dialog's own loop, does not close it.
        ::PostMessageW(::GetDlgItem(dialog, IDC_WZ_LANG_COMBO), WM_KEYDOWN, VK_ESCAPE, 0);
        ::SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        Later([&, dialog] {
            stayedOpen = ::IsWindow(dialog) != FALSE;
            ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
    });
    EXPECT_FALSE(app.RunInitInstance());
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(app.wizardShown);
    EXPECT_FALSE(view.shown);
}

// Choosing a language in the dialog: with a library the dialog switches to
// it; without one (Spanish) the selection moves and the texts stay. OK
// applies the choice to the service, the thread locale and the C runtime.
TEST_F(Wizard1Startup, LanguageDialogSwitchesLibraryAndAppliesLocale)
{
    struct Case
    {
        int language;
        const wchar_t* prompt;      // the dialog's text after the choice
        const wchar_t* name;        // the chosen row's name after the choice
        int resourceLanguage;       // the library the wizard then uses
        const char* crtLanguage;
    };
    const Case cases[] = {
        {1031, L"Wählen Sie die Sprache, in der das Setup Sie durch die Installation führt:", L"Deutsch", 1031,
         "German"},
        {1034, L"Select the language in which Setup guides you through the installation:", L"Spanish", 1033,
         "Spanish"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        SetThreadLocale(1036);
        Wizard1TestApp& app = TheTestApp();
        app.commandLine = L"Quandel.exe /SLP";
        WizardView view;
        app.wizardScript = ObserveAndCancel(view);
        std::wstring promptAfterSwitch, nameAfterSwitch;
        int chosenRow = -1, selectedAfterSwitch = -2;
        Later([&] {
            HWND dialog = FindThreadDialogWith(IDC_WZ_LANG_COMBO);
            ASSERT_NE(nullptr, dialog);
            HWND combo = ::GetDlgItem(dialog, IDC_WZ_LANG_COMBO);
            int sel = static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
            EXPECT_EQ(1036, static_cast<int>(::SendMessageW(combo, CB_GETITEMDATA, sel, 0)));
            int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
            EXPECT_EQ(9, count);
            for (int i = 0; i < count; ++i)
                if (::SendMessageW(combo, CB_GETITEMDATA, i, 0) == c.language)
                    chosenRow = i;
            ASSERT_GE(chosenRow, 0);
            ::SendMessageW(combo, CB_SETCURSEL, chosenRow, 0);
            ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_WZ_LANG_COMBO, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(combo));
            wchar_t text[512] = L"";
            ::GetDlgItemTextW(dialog, IDC_WZ_LANG_PROMPT, text, 512);
            promptAfterSwitch = text;
            selectedAfterSwitch = static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
            ::SendMessageW(combo, CB_GETLBTEXT, chosenRow, reinterpret_cast<LPARAM>(text));
            nameAfterSwitch = text;
            ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
        EXPECT_FALSE(app.RunInitInstance());
        EXPECT_EQ(chosenRow, selectedAfterSwitch);
        EXPECT_EQ(c.prompt, promptAfterSwitch);
        EXPECT_EQ(c.name, nameAfterSwitch);
        ASSERT_TRUE(view.shown);
        EXPECT_EQ(c.language, view.serviceLanguage);
        EXPECT_EQ(c.resourceLanguage, view.resourceLanguage);
        EXPECT_EQ(static_cast<LCID>(c.language), GetThreadLocale());
        EXPECT_NE(std::string::npos, view.crtLocale.find(c.crtLanguage)) << view.crtLocale;
        // The next case starts from the default library again.
        COrvoWinApp::GetApp()->SetLanguage(1033);
        seams.events.clear();
    }
}

// The dialog opens on the thread locale's row, or on the first row (1033)
// for a language it does not list.
TEST_F(Wizard1Startup, LanguageDialogOpensOnTheThreadLocalesRow)
{
    struct Case
    {
        LCID threadLocale;
        int selectedLanguage;
    };
    const Case cases[] = {{1036, 1036}, {1043, 1033}};
    ASSERT_NE(nullptr, CResourceDllManager::GetInstance());   // the dialog's template
    for (const Case& c : cases) {
        SetThreadLocale(c.threadLocale);
        CQuandelLanguageDlg dialog(nullptr, nullptr);
        int selectedRow = -2, selectedLanguage = 0;
        Later([&] {
            HWND window = FindThreadDialogWith(IDC_WZ_LANG_COMBO);
            ASSERT_NE(nullptr, window);
            HWND combo = ::GetDlgItem(window, IDC_WZ_LANG_COMBO);
            selectedRow = static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
            selectedLanguage = static_cast<int>(::SendMessageW(combo, CB_GETITEMDATA, selectedRow, 0));
            ::SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_EQ(c.selectedLanguage, selectedLanguage) << c.threadLocale;
        if (c.selectedLanguage == 1033) {
            EXPECT_EQ(0, selectedRow) << c.threadLocale;
        }
    }
}

// Refusals before the wizard: one message box with caption 4136, and no wizard.
TEST_F(Wizard1Startup, RefusalsShowTheirMessageAndNoWizard)
{
    struct Case
    {
        const char* what;
        const wchar_t* folder;
        bool installerUsable;
        UINT text;
        int servicesMade;
    };
    const Case cases[] = {
        {"broken package", L"MP_broken", true, IDS_STARTUP_DISCOVERY_FAILED, 1},
        // Bound, but without an entry point the program calls.
        {"installer not usable", L"empty", false, IDS_WZ_INSTALLER_MISSING, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Wizard1TestApp& app = TheTestApp();
        app.baseFolder = FixtureFolder(c.folder);
        app.servicesMade = 0;
        seams.events.clear();
        ASSERT_EQ(1, LoadMsiDll());
        const MPIMsiDllTable saved = g_MsiDll;
        if (!c.installerUsable)
            g_MsiDll.pMsiEnumFeaturesW = nullptr;
        const BOOL result = app.RunInitInstance();
        g_MsiDll = saved;
        EXPECT_FALSE(result);
        EXPECT_FALSE(app.wizardShown);
        EXPECT_EQ(c.servicesMade, app.servicesMade);
        EXPECT_EQ(nullptr, app.GetService());
        ASSERT_EQ(1, seams.Count(L"box"));
        const SeamEvent* box = seams.Last(L"box");
        EXPECT_FALSE(box->text.empty());
        EXPECT_EQ(ResourceString(c.text), box->text);
        EXPECT_EQ(ResourceString(IDS_STARTUP_DISCOVERY_CAPTION), box->caption);
        EXPECT_EQ(UINT(MB_OK), box->flags);
        EXPECT_EQ(nullptr, box->owner);
    }
}
