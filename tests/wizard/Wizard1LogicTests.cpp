// The wizard's rules that need no window: the command line, the built-in
// start-up messages, the language library check, the language table, the
// program folder and the fonts.
#include <gtest/gtest.h>
#include <locale.h>
#include <string>
#include <vector>
#include "setup/wizard/QuandelLanguageLibrary.h"
#include "setup/wizard/QuandelLanguageTable.h"
#include "setup/wizard/QuandelStartupMessages.h"
#include "setup/wizard/SetupCommandLineInfo.h"
#include "setup/wizard/SetupFonts.h"
#include "setup/wizard/SetupProgramFolder.h"

namespace {

// Records what reaches the class library's own parser.
class SpyCommandLineInfo : public Setup_CCommandLineInfo
{
public:
    std::vector<std::wstring> passed;

protected:
    void ParseParamFlag(const wchar_t* text) override { passed.push_back(std::wstring(L"/") + text); }
    void ParseParamNotFlag(const wchar_t* text) override { passed.push_back(text); }
};

// Restores the thread locale a test changes.
class ThreadLocaleGuard
{
public:
    ThreadLocaleGuard() : m_saved(GetThreadLocale()) {}
    ~ThreadLocaleGuard() { SetThreadLocale(m_saved); }

private:
    LCID m_saved;
};

} // namespace

TEST(Wizard1CommandLine, SwitchesByRule)
{
    struct Case
    {
        const wchar_t* commandLine;
        LCID locale;            // thread locale afterwards (0: unchanged)
        bool languageGiven;
        bool prompt;
        std::vector<std::wstring> passed;
    };
    const Case cases[] = {
        {L"q.exe /LCID=1031", 1031, true, false, {}},
        {L"q.exe -LCID=1043", 0, false, false, {}},
        {L"q.exe /LCID=31", 0, false, false, {}},
        {L"q.exe /lcid=1031", 0, false, false, {L"/lcid=1031"}},
        {L"q.exe /slp", 0, false, true, {L"/slp"}},
        {L"q.exe /AddRemoveLCID=2052", 2052, true, false, {}},
        {L"q.exe /addremove", 0, false, false, {}},
        {L"q.exe /SingleClick=1 /ARDetails=x", 0, false, false, {L"/ARDetails=x"}},
        {L"q.exe LCID=1031", 0, false, false, {L"LCID=1031"}},
        {L"q.exe /SLP -LCID=1036 other", 1036, true, true, {L"/SLP", L"other"}},
        {L"q.exe", 0, false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.commandLine);
        ThreadLocaleGuard guard;
        SetThreadLocale(1033);
        SpyCommandLineInfo info;
        AfxParseCommandLine(info, c.commandLine);
        EXPECT_EQ(GetThreadLocale(), c.locale != 0 ? c.locale : 1033u);
        EXPECT_EQ(info.IsLanguageGiven(), c.languageGiven);
        EXPECT_EQ(info.IsLanguagePromptRequested(), c.prompt);
        EXPECT_EQ(info.passed, c.passed);
    }
}

TEST(Wizard1CommandLine, SupportedLanguagesAndBaseParser)
{
    for (int language : {1031, 1033, 1034, 1036, 1040, 1041, 1042, 1046, 2052})
        EXPECT_TRUE(Setup_CCommandLineInfo::IsSupportedLanguage(language)) << language;
    for (int language : {0, 1032, 1043, 3082, 0x10407})
        EXPECT_FALSE(Setup_CCommandLineInfo::IsSupportedLanguage(language)) << language;

    // What is passed on reaches the real base parser: a file name is kept.
    Setup_CCommandLineInfo info;
    AfxParseCommandLine(info, L"q.exe /slp \"C:\\some file.txt\"");
    EXPECT_EQ(CString(L"C:\\some file.txt"), info.m_strFileName);
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
}

TEST(Wizard1StartupMessages, ByThreadLocale)
{
    const wchar_t* english = L"Failed to initialized installed components.\nContact Ternwick Software technical support.";
    struct Case
    {
        LCID lcid;
        std::wstring text;
        const wchar_t* caption;
    };
    const Case cases[] = {
        {1032, english, L"Quandel.exe error"},
        {0x10407, english, L"Quandel.exe error"},
        {2052, std::wstring(L"Chinese: ") + english, L"Chinese: Quandel.exe error"},
        {1031,
         L"Initialisierung der installierten Komponenten ist fehlgeschlagen.\n"
         L"Wenden Sie sich an den technischen Support von Ternwick Software.",
         L"Quandel.exe-Fehler"},
        {1036,
         L"L'initialisation des composants install\u00e9s a \u00e9chou\u00e9e.\n"
         L"Contactez l'assistance technique de Ternwick Software.",
         L"Erreur de Quandel.exe"},
        {1046,
         L"Falha ao inicializar componentes instalados.\n"
         L"Entre em contato com o Suporte t\u00e9cnico da Ternwick Software.",
         L"Erro do Quandel.exe"},
    };
    for (const Case& c : cases) {
        CString text, caption;
        GetStartupFailureMessage(c.lcid, text, caption);
        EXPECT_EQ(c.text, text.str()) << c.lcid;
        EXPECT_STREQ(c.caption, caption) << c.lcid;
    }
}

TEST(Wizard1LanguageLibrary, OwnLibrariesHoldTheStartupTextsAndTheFirstPage)
{
    struct Case
    {
        const wchar_t* file;   // beside this program
        bool own;
    };
    const Case cases[] = {
        {L"QuandelENU.dll", true},
        {L"QuandelDEU.dll", true},
        {L"SarnelleENU.dll", false},
        {L"w1_startup_texts_only.dll", false},
        {L"w1_first_page_only.dll", false},
    };
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring folder = std::wstring(path).substr(0, std::wstring(path).rfind(L'\\') + 1);
    for (const Case& c : cases) {
        HMODULE library = LoadLibraryW((folder + c.file).c_str());
        ASSERT_NE(nullptr, library) << c.file;
        EXPECT_EQ(c.own, IsQuandelLanguageLibrary(library)) << c.file;
        FreeLibrary(library);
    }
}

TEST(Wizard1LanguageTable, RowsAndLocale)
{
    EXPECT_EQ(1033, g_QuandelLanguages[0].language);
    EXPECT_EQ(200u, FindQuandelLanguageRow(1033).nameId);
    EXPECT_EQ(209u, FindQuandelLanguageRow(1041).nameId);
    EXPECT_STREQ("chs_china.936", FindQuandelLanguageRow(2052).crtLocale);
    EXPECT_STREQ("enu_usa.1252", FindQuandelLanguageRow(1043).crtLocale);

    ApplyQuandelLocale(1031);
    std::string german = setlocale(LC_ALL, nullptr);
    ApplyQuandelLocale(1043);
    std::string fallback = setlocale(LC_ALL, nullptr);
    ApplyQuandelLocale(1033);
    std::string english = setlocale(LC_ALL, nullptr);
    EXPECT_NE(std::string::npos, german.find("German")) << german;
    EXPECT_NE(std::string::npos, english.find("English")) << english;
    EXPECT_EQ(english, fallback);
    setlocale(LC_ALL, "C");
}

TEST(Wizard1ProgramFolder, InstallFolderAndProgramFolder)
{
    struct Case
    {
        const wchar_t* path;
        BOOL installed;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"C:\\Program Files\\Ternwick Software\\Pelmora\\Module Profiles\\Install\\Quandel.exe", TRUE,
         L"c:\\program files\\ternwick software\\pelmora\\module profiles\\install\\"},
        {L"D:\\TERNWICK SOFTWARE\\PELMORA\\MODULE PROFILES\\INSTALL\\QUANDEL.EXE", TRUE,
         L"d:\\ternwick software\\pelmora\\module profiles\\install\\"},
        {L"C:\\Ternwick Software\\Pelmora\\Module Profiles\\Install\\MyQuandel.exe", FALSE,
         L"c:\\ternwick software\\pelmora\\module profiles\\install\\my"},
        {L"E:\\Dist\\Quandel.exe", FALSE, L"e:\\dist\\"},
        {L"C:\\Ternwick Software\\Pelmora\\Module Profiles\\Install\\setup.exe", FALSE, L""},
        {L"C:\\quandel.exe.old\\Ternwick Software\\Pelmora\\Module Profiles\\Install\\Quandel.exe", FALSE, L"c:\\"},
        {L"Quandel.exe", FALSE, L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.installed, IsInstallFolderPath(c.path)) << c.path;
        EXPECT_STREQ(c.folder, ProgramFolderOfPath(c.path)) << c.path;
    }

    // The test program is no quandel.exe: a relative program folder.
    EXPECT_FALSE(IsRunningFromInstallFolder());
    EXPECT_STREQ(L"", GetProgramFolder());
    SetProgramPathOverride(cases[0].path);
    EXPECT_TRUE(IsRunningFromInstallFolder());
    SetProgramPathOverride(nullptr);
    EXPECT_FALSE(IsRunningFromInstallFolder());
}

TEST(Wizard1Fonts, HeightsByResolution)
{
    struct Case
    {
        int dpi, nine, title;
    };
    for (const Case& c : {Case{96, -11, -13}, Case{120, -14, -16}, Case{144, -17, -20}}) {
        EXPECT_EQ(c.nine, GetSetupFontHeight(SETUP_FONT_BOLD, c.dpi)) << c.dpi;
        EXPECT_EQ(c.nine, GetSetupFontHeight(SETUP_FONT_DIALOG, c.dpi)) << c.dpi;
        EXPECT_EQ(c.title, GetSetupFontHeight(SETUP_FONT_TITLE, c.dpi)) << c.dpi;
    }
    EXPECT_EQ(FW_BOLD, GetSetupFontWeight(SETUP_FONT_BOLD));
    EXPECT_EQ(FW_BOLD, GetSetupFontWeight(SETUP_FONT_TITLE));
    EXPECT_EQ(FW_NORMAL, GetSetupFontWeight(SETUP_FONT_DIALOG));
}
