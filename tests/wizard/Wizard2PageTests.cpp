// The welcome, licence, summary and module pages inside the real wizard
// sheet, over services read from test packages.
#include "Wizard2PageFixture.h"
#include "setup/wizard/SetupModifyPg.h"
#include "setup/wizard/SetupModuleBeginInstallPg.h"
#include "setup/wizard/SetupModuleInstallPg.h"
#include "setup/wizard/SetupModuleRemovePg.h"

using namespace w2pages;

namespace
{
TEST_F(PageTest, WelcomeByFolderKind)
{
    struct Case
    {
        const char* what;
        const wchar_t* program;
        UINT text;
        bool list;
        LRESULT next;
    };
    const Case cases[] = {
        {"distribution folder", L"C:\\dist\\Quandel.exe", IDS_PAGES_WELCOME_DISTRIB, true, IDD_PAGES_LICENSE},
        {"installed copy", L"C:\\Program Files\\ternwick software\\Pelmora\\Module Profiles\\INSTALL\\quandel.EXE",
         IDS_PAGES_WELCOME_INSTALLED, false, IDD_WZ_MAINTENANCE},
    };
    // A group installed without a package file beside the program is not listed.
    w2::InstalledPackage installedOnly(L"w2_twin1", L"Main");
    ASSERT_EQ(0u, installedOnly.result);
    const std::vector<std::wstring> shipped = {L"Page Vendor Alpha", L" 1.01.0", L"Page Vendor Beta", L" 1.01.0"};
    for (const Case& c : cases)
    {
        Open({L"w2_alpha", L"w2_beta"});
        SetProgramPathOverride(c.program);
        w2::RunSheet(*wizard, {[&] {
            EXPECT_EQ(S(c.text), w2::TextOf(Item(IDC_PAGES_MESSAGE))) << c.what;
            EXPECT_EQ(c.list, ::IsWindowVisible(Item(IDC_PAGES_GROUP_LIST)) != FALSE) << c.what;
            EXPECT_EQ(c.list, ::IsWindowVisible(Item(IDC_PAGES_DETAILS_BUTTON)) != FALSE) << c.what;
            if (c.list)
            {
                EXPECT_EQ(shipped, w2::ListRows(Item(IDC_PAGES_GROUP_LIST))) << c.what;
                EXPECT_GT(::SendMessageW(Item(IDC_PAGES_GROUP_LIST), LB_GETHORIZONTALEXTENT, 0, 0), 0);
            }
            EXPECT_EQ(c.next, static_cast<CPropertyPage*>(wizard->GetPage(kWelcome))->OnWizardNext()) << c.what;
            wizard->SetActivePage(kLicence);
        },
                               [&] { wizard->SetActivePage(kWelcome); },
                               [&] {
            // Coming back rebuilds the list instead of adding to it.
            if (c.list)
            {
                EXPECT_EQ(shipped, w2::ListRows(Item(IDC_PAGES_GROUP_LIST)));
            }
        }});
        TearDown();
    }
}

TEST_F(PageTest, LicenceButtonsFollowTheRadios)
{
    Open({L"w2_alpha"});
    ::CreateDirectoryW((dist->root + L"License").c_str(), NULL);
    {
        const char rtf[] = "{\\rtf1\\ansi Test agreement ENU\\par}";
        HANDLE file = ::CreateFileW((dist->root + L"License\\license_ENU.rtf").c_str(), GENERIC_WRITE, 0, NULL,
                                    CREATE_ALWAYS, 0, NULL);
        DWORD written = 0;
        ::WriteFile(file, rtf, sizeof(rtf) - 1, &written, NULL);
        ::CloseHandle(file);
    }
    SetProgramPathOverride((dist->root + L"Quandel.exe").c_str());
    const LCID saved = ::GetThreadLocale();
    ::SetThreadLocale(1033);
    struct Step
    {
        int click;   // 0: none
        bool next;
    };
    const Step steps[] = {{0, false}, {IDC_PAGES_ACCEPT, true}, {IDC_PAGES_DECLINE, false}, {IDC_PAGES_ACCEPT, true}};
    std::vector<std::function<void()>> script = {[&] { wizard->SetActivePage(kLicence); },
                                                 [&] {
        EXPECT_NE(std::wstring::npos, w2::TextOf(Item(IDC_PAGES_AGREEMENT)).find(L"Test agreement ENU"));
        EXPECT_EQ(BST_CHECKED, ::SendMessageW(Item(IDC_PAGES_DECLINE), BM_GETCHECK, 0, 0));
    }};
    for (const Step& s : steps)
        script.push_back([&, s] {
            if (s.click != 0)
                Click(s.click);
            EXPECT_EQ(s.next, NextEnabled()) << s.click;
        });
    // Leaving and coming back keeps the choice and its buttons.
    script.push_back([&] { wizard->SetActivePage(kWelcome); });
    script.push_back([&] { wizard->SetActivePage(kLicence); });
    script.push_back([&] { EXPECT_TRUE(NextEnabled()); });
    w2::RunSheet(*wizard, script);
    ::SetThreadLocale(saved);
}

// The agreement in the thread locale's language; a language without its
// file shows an empty agreement, not another language's.
TEST_F(PageTest, LicenceFileByThreadLocale)
{
    struct Case
    {
        LCID locale;
        const wchar_t* text;   // empty: an empty view
    };
    const Case cases[] = {{1031, L"Test agreement DEU"}, {1036, L""}};
    const LCID saved = ::GetThreadLocale();
    for (const Case& c : cases)
    {
        Open({L"w2_alpha"});
        ::CreateDirectoryW((dist->root + L"License").c_str(), NULL);
        for (const char* language : {"ENU", "DEU"})
        {
            const std::string rtf = std::string("{\\rtf1\\ansi Test agreement ") + language + "\\par}";
            const std::wstring path = dist->root + L"License\\license_" + std::wstring(language, language + 3) + L".rtf";
            HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
            DWORD written = 0;
            ::WriteFile(file, rtf.data(), static_cast<DWORD>(rtf.size()), &written, NULL);
            ::CloseHandle(file);
        }
        SetProgramPathOverride((dist->root + L"Quandel.exe").c_str());
        ::SetThreadLocale(c.locale);
        std::wstring shown = L"(not read)";
        w2::RunSheet(*wizard, {[&] { wizard->SetActivePage(kLicence); },
                               [&] { shown = w2::TextOf(Item(IDC_PAGES_AGREEMENT)); }});
        ::SetThreadLocale(saved);
        if (*c.text)
            EXPECT_NE(std::wstring::npos, shown.find(c.text)) << c.locale << ": " << shown.c_str();
        else
            EXPECT_EQ(L"", shown) << c.locale;
        TearDown();
    }
}

TEST_F(PageTest, SummaryByActionAndKind)
{
    Open({L"w2_alpha", L"w2_beta"});
    const int alpha = GroupIndex(L"Alpha");
    struct Case
    {
        const char* what;
        int action;
        int kind;
        int setupType;
        bool deselect;   // alpha's first module not selected
        UINT next;
        UINT summary;
        int items;       // -1: the empty-removal view
    };
    const Case cases[] = {
        {"install, type 0", WIZARD_ACTION_INSTALL, REMOVAL_KIND_MODULES, 0, false, IDS_PAGES_NEXT_INSTALL, IDS_PAGES_SUMMARY_INSTALL, 8},
        {"install, custom", WIZARD_ACTION_INSTALL, REMOVAL_KIND_MODULES, 2, true, IDS_PAGES_NEXT_INSTALL, IDS_PAGES_SUMMARY_INSTALL, 7},
        {"modify", WIZARD_ACTION_MODIFY, REMOVAL_KIND_MODULES, 2, true, IDS_PAGES_NEXT_MODIFY, IDS_PAGES_SUMMARY_MODIFY, 8},
        {"remove all, nothing installed", WIZARD_ACTION_REMOVE, REMOVAL_KIND_ALL, 0, false, IDS_PAGES_NEXT_REMOVE, IDS_PAGES_SUMMARY_NOTHING, -1},
        {"remove, unknown kind", WIZARD_ACTION_REMOVE, 7, 0, false, IDS_PAGES_NEXT_REMOVE, IDS_PAGES_SUMMARY_NOTHING, -1},
        {"install after an empty removal", WIZARD_ACTION_INSTALL, REMOVAL_KIND_MODULES, 0, false, IDS_PAGES_NEXT_INSTALL, IDS_PAGES_SUMMARY_INSTALL, 8},
    };
    std::vector<std::function<void()>> script;
    for (const Case& c : cases)
    {
        script.push_back([&, c] {
            wizard->SetAction(c.action);
            wizard->SetRemovalKind(c.kind);
            srv->SetSetupType(c.setupType);
            Module(alpha, 0)->SetInstallSelection(c.deselect ? FALSE : TRUE);
            wizard->SetActivePage(kSummary);
        });
        script.push_back([&, c] {
            EXPECT_EQ(S(c.next), NextText()) << c.what;
            HWND tree = Item(IDC_PAGES_SUMMARY_TREE);
            HWND details = Item(IDC_PAGES_SUMMARY_DETAILS);
            if (c.items < 0)
            {
                EXPECT_EQ(S(c.summary), w2::TextOf(Item(IDC_PAGES_SUMMARY_TEXT))) << c.what;
                EXPECT_FALSE(::IsWindowVisible(tree)) << c.what;
                EXPECT_FALSE(::IsWindowVisible(details)) << c.what;
            }
            else
            {
                EXPECT_EQ(S(c.summary), w2::TextOf(Item(IDC_PAGES_SUMMARY_TEXT))) << c.what;
                EXPECT_EQ(c.items, static_cast<int>(::SendMessageW(tree, TVM_GETCOUNT, 0, 0))) << c.what;
                EXPECT_TRUE(::IsWindowVisible(tree) && ::IsWindowEnabled(tree)) << c.what;
                EXPECT_TRUE(::IsWindowVisible(details)) << c.what;
                const std::vector<std::wstring> rows = w2::ListRows(details);
                ASSERT_FALSE(rows.empty()) << c.what;
                EXPECT_EQ(S(IDS_PAGES_LBL_GROUP), rows[0]) << c.what;   // the first group is selected
            }
            wizard->SetActivePage(kWelcome);
        });
        script.push_back([&, c] { EXPECT_EQ(S(IDS_PAGES_NEXT), NextText()) << c.what; });
    }
    w2::RunSheet(*wizard, script);
}

// The summary tree as text: "group: module module", one entry per group.
std::vector<std::wstring> TreeText(HWND tree)
{
    std::vector<std::wstring> groups;
    for (HTREEITEM group = w2::NextTreeItem(tree, TVGN_ROOT); group != NULL;
         group = w2::NextTreeItem(tree, TVGN_NEXT, group))
    {
        std::wstring line = w2::TreeItemText(tree, group) + L":";
        for (HTREEITEM module = w2::NextTreeItem(tree, TVGN_CHILD, group); module != NULL;
             module = w2::NextTreeItem(tree, TVGN_NEXT, module))
            line += L" " + w2::TreeItemText(tree, module);
        groups.push_back(line);
    }
    return groups;
}

// Removals over installed groups: alpha (all modules) ships beside the
// program, beta (one module) does not.
TEST_F(PageTest, SummaryOfRemovalsListsWhatTheRunRemoves)
{
    w2::InstalledPackage alpha(L"w2_alpha", L"Main,ModA,ModB,ModC");
    w2::InstalledPackage beta(L"w2_beta", L"Main,ModA");
    ASSERT_EQ(0u, alpha.result);
    ASSERT_EQ(0u, beta.result);
    Open({L"w2_alpha"});
    struct Case
    {
        int kind;
        std::vector<std::wstring> tree;
    };
    const std::vector<std::wstring> everything = {L"Alpha: AL-1 AL-2 AL-3", L"Beta: BE-1"};
    const Case cases[] = {
        {REMOVAL_KIND_GROUPS, {L"Alpha: AL-1 AL-2 AL-3"}},
        {REMOVAL_KIND_ALL, everything},
        // An unknown kind removes everything, as the installing page runs it.
        {7, everything},
    };
    std::vector<std::function<void()>> script;
    for (const Case& c : cases)
    {
        script.push_back([&, c] {
            wizard->SetAction(WIZARD_ACTION_REMOVE);
            wizard->SetRemovalKind(c.kind);
            wizard->SetActivePage(kSummary);
        });
        script.push_back([&, c] {
            EXPECT_EQ(c.tree, TreeText(Item(IDC_PAGES_SUMMARY_TREE))) << c.kind;
            EXPECT_EQ(S(IDS_PAGES_SUMMARY_REMOVE), w2::TextOf(Item(IDC_PAGES_SUMMARY_TEXT))) << c.kind;
            wizard->SetActivePage(kWelcome);
        });
    }
    w2::RunSheet(*wizard, script);
}

// A removal with nothing to list names the installed core version, or the
// setup program's without a core package.
TEST_F(PageTest, SummaryOfAnEmptyRemovalNamesTheInstalledVersion)
{
    struct Case
    {
        const wchar_t* installed;
        const wchar_t* version;
    };
    const Case cases[] = {{L"w2_core", L"3.00.4"}, {L"w2_setup", L"1.00.2"}};
    for (const Case& c : cases)
    {
        w2::InstalledPackage package(c.installed, L"Main");
        ASSERT_EQ(0u, package.result) << c.installed;
        Open({});
        w2::RunSheet(*wizard, {[&] {
            wizard->SetAction(WIZARD_ACTION_REMOVE);
            wizard->SetRemovalKind(REMOVAL_KIND_ALL);
            wizard->SetActivePage(kSummary);
        },
                               [&] {
            EXPECT_EQ(S(IDS_PAGES_SUMMARY_NOTHING) + c.version, w2::TextOf(Item(IDC_PAGES_SUMMARY_TEXT)))
                << c.installed;
            EXPECT_FALSE(::IsWindowVisible(Item(IDC_PAGES_SUMMARY_TREE))) << c.installed;
        }});
        TearDown();
    }
}

TEST_F(PageTest, ModuleChecksBecomeInstallSelections)
{
    Open({L"w2_twin1", L"w2_twin2"});
    const int first = GroupIndex(L"Twin", 0);
    const int second = GroupIndex(L"Twin", 1);
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);
    auto selections = [&] {
        std::vector<int> s;
        for (int g : {first, second})
            for (int m = 0; m < 3; ++m)
                s.push_back(Module(g, m)->GetInstallSelection());
        return s;
    };
    Module(second, 2)->SetInstallSelection(FALSE);   // starts unchecked
    srv->SetSetupType(MPI_MODE_INSTALL_CUSTOM);
    w2::RunSheet(*wizard, {
        [&] { wizard->SetActivePage(kInstall); },
        [&] {
            // Two group rows, collapsed; rows start as the modules' selections.
            EXPECT_EQ(2, static_cast<int>(::SendMessageW(Item(IDC_PAGES_INSTALL_TREE), LB_GETCOUNT, 0, 0)));
            EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(wizard->m_hWnd, IDC_PAGES_DISKSPACE_BUTTON)));
            // Open the second group and uncheck its first module (same text as in the first group).
            Tree(IDC_PAGES_INSTALL_TREE)->Expand(1);
            ASSERT_EQ(L"TW-1", std::wstring(Tree(IDC_PAGES_INSTALL_TREE)->GetTextAt(2).GetString()));
            ClickCheck(IDC_PAGES_INSTALL_TREE, 2);
        },
        [&] { wizard->PressButton(PSBTN_NEXT); },
        [&] {
            EXPECT_EQ((std::vector<int>{1, 1, 1, 0, 1, 0}), selections());
            wizard->SetActivePage(kInstall);
        },
        [&] { Click(IDC_PAGES_UNCHECK_ALL); },
        [&] { wizard->PressButton(PSBTN_BACK); },
        [&] {
            EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, 0}), selections());
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(wizard->m_hWnd, IDC_PAGES_DISKSPACE_BUTTON)));
            wizard->SetActivePage(kInstall);
        },
        [&] { Click(IDC_PAGES_CHECK_ALL); },
        [&] { wizard->PressButton(PSBTN_NEXT); },
        [&] { EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1, 1}), selections()); },
    });
}

// The summary, module and modify pages can be made by dynamic creation, on
// their own templates; the base page can be made on the default template
// or on a template given by name. Every record is the version-2 one (48
// bytes on x86) without a help button.
TEST(PageClasses, DynamicCreationAndTheBaseConstructors)
{
    w2::UseLanguageLibrary();
    struct Case
    {
        CRuntimeClass* cls;
        UINT templateId;
    };
    const Case cases[] = {
        {RUNTIME_CLASS(CSetupModuleBeginInstallPg), IDD_PAGES_SUMMARY},
        {RUNTIME_CLASS(CSetupModuleInstallPg), IDD_PAGES_MODULE_INSTALL},
        {RUNTIME_CLASS(CSetupModuleRemovePg), IDD_PAGES_MODULE_REMOVE},
        {RUNTIME_CLASS(CSetupModifyPg), IDD_PAGES_MODIFY},
    };
    auto expectRecord = [](const CSetupPropertyPageEx& page, LPCWSTR templ, const char* what) {
        if (IS_INTRESOURCE(templ))
            EXPECT_EQ(templ, page.m_psp.pszTemplate) << what;
        else
            EXPECT_STREQ(templ, page.m_psp.pszTemplate) << what;
        EXPECT_EQ(static_cast<DWORD>(PROPSHEETPAGEW_V2_SIZE), page.m_psp.dwSize) << what;
        EXPECT_EQ(0u, page.m_psp.dwFlags & PSP_HASHELP) << what;
    };
    for (const Case& c : cases)
    {
        std::unique_ptr<CObject> object(c.cls->CreateObject());
        CSetupPropertyPageEx* page = DYNAMIC_DOWNCAST(CSetupPropertyPageEx, object.get());
        ASSERT_NE(nullptr, page) << c.cls->m_lpszClassName;
        EXPECT_EQ(c.templateId, page->GetTemplateId()) << c.cls->m_lpszClassName;
        expectRecord(*page, MAKEINTRESOURCEW(c.templateId), c.cls->m_lpszClassName);
    }
    const CSetupPropertyPageEx byDefault;
    expectRecord(byDefault, MAKEINTRESOURCEW(CSetupPropertyPageEx::DEFAULT_TEMPLATE), "default");
    const CSetupPropertyPageEx byName(L"NAMED_PAGE", 0, IDS_PAGES_INSTALL_SPACE);
    expectRecord(byName, L"NAMED_PAGE", "by name");
    EXPECT_NE(0u, byName.m_psp.dwFlags & PSP_USEHEADERTITLE);
}

// The dialog is looked for whether shown yet or not: its loop shows it only
// once no message is waiting, and on a loaded machine the next step's timer
// message is already waiting then.
BOOL CALLBACK FindDiskSpaceDialog(HWND wnd, LPARAM found)
{
    if (::GetDlgItem(wnd, IDC_PAGES_DRIVE_LIST) == NULL)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

// The space line and the disk-space dialog: the space the chosen run adds.
class SpaceTest : public PageTest
{
protected:
    // The page's space line for a figure.
    static std::wstring SpaceLine(const wchar_t* figure)
    {
        CString line;
        line.FormatMessage(IDS_PAGES_INSTALL_SPACE, figure);
        return line.GetString();
    }
    std::wstring Space() const { return w2::TextOf(Item(IDC_PAGES_SPACE)); }
    // Clicks a row's check box through the sheet's message loop, as the
    // user's mouse does (the page follows the button's release).
    void PostClickCheck(int row) const
    {
        RECT rect = {};
        ::SendMessageW(Item(IDC_PAGES_INSTALL_TREE), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        const LPARAM point = MAKELPARAM(rect.left + 3, rect.top + 3);
        ::PostMessageW(Item(IDC_PAGES_INSTALL_TREE), WM_LBUTTONDOWN, MK_LBUTTON, point);
        ::PostMessageW(Item(IDC_PAGES_INSTALL_TREE), WM_LBUTTONUP, 0, point);
    }
    // Opens the disk-space dialog; the next step runs inside its loop.
    void PostDiskSpace() const
    {
        ::PostMessageW(::GetDlgItem(wizard->m_hWnd, IDC_PAGES_DISKSPACE_BUTTON), BM_CLICK, 0, 0);
    }
    // The required-space text of the open disk-space dialog; closes it.
    static std::wstring TakeDiskSpaceText()
    {
        HWND dialog = NULL;
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindDiskSpaceDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog == NULL)
            return L"(no dialog)";
        const std::wstring text = w2::TextOf(::GetDlgItem(dialog, IDC_PAGES_SPACE));
        ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        return text;
    }
    // The module page of a custom install over a folder with one package.
    void RunModulePage(const wchar_t* fixture, std::vector<std::function<void()>> steps)
    {
        Open({fixture});
        srv->SetSetupType(MPI_MODE_INSTALL_CUSTOM);
        steps.insert(steps.begin(), [&] { wizard->SetActivePage(kInstall); });
        w2::RunSheet(*wizard, steps);
    }
    static std::wstring DiskText(int mb)
    {
        CString text;
        text.FormatMessage(IDS_PAGES_DISK_REQUIRED, mb);
        return text.GetString();
    }
};

// An installed group of the package's version, extended: only the modules
// not installed yet count (SZ-2 1 MiB, SZ-3 300 KiB), whatever the checks
// of the installed SZ-1 (2 MiB) say.
TEST_F(SpaceTest, ExtendingAnInstalledGroupCountsTheModulesStillToInstall)
{
    w2::InstalledPackage sized(L"w2_sized", L"Main,ModA");
    ASSERT_EQ(0u, sized.result);
    RunModulePage(L"w2_sized", {
        [&] {
            EXPECT_EQ(SpaceLine(L"1.3MB"), Space());
            Tree(IDC_PAGES_INSTALL_TREE)->Expand(0);
            ASSERT_EQ(L"SZ-1", std::wstring(Tree(IDC_PAGES_INSTALL_TREE)->GetTextAt(1).GetString()));
            PostClickCheck(1);   // the installed module off ...
        },
        [&] {
            EXPECT_EQ(SpaceLine(L"1.3MB"), Space());
            PostClickCheck(1);   // ... and on again: it adds nothing
        },
        [&] {
            EXPECT_EQ(SpaceLine(L"1.3MB"), Space());
            PostClickCheck(2);   // SZ-2 off: SZ-3 is left
        },
        [&] {
            EXPECT_EQ(SpaceLine(L"0.3MB"), Space());
            PostDiskSpace();
        },
        [&] { EXPECT_EQ(DiskText(1), TakeDiskSpaceText()); },
        [&] { Click(IDC_PAGES_UNCHECK_ALL); },
        [&] {
            EXPECT_EQ(SpaceLine(L"0.0MB"), Space());
            Click(IDC_PAGES_CHECK_ALL);
        },
        [&] { EXPECT_EQ(SpaceLine(L"1.3MB"), Space()); },
    });
}

// Files of 1.5e9 bytes: a component (SZ-1: two files), a feature (SZ-2: two
// components) and the package (7.5e9 bytes) go beyond 32 bits on the way to
// the space line and the dialog.
TEST_F(SpaceTest, FiguresBeyondFourGiBReachThePageThroughTheSums)
{
    RunModulePage(L"w2_huge", {
        [&] {
            EXPECT_EQ(SpaceLine(L"7152.6MB"), Space());
            PostDiskSpace();
        },
        [&] { EXPECT_EQ(DiskText(7153), TakeDiskSpaceText()); },
        [&] {
            Tree(IDC_PAGES_INSTALL_TREE)->Expand(0);
            PostClickCheck(3);   // SZ-3 off: 6e9 bytes
        },
        [&] { EXPECT_EQ(SpaceLine(L"5722.0MB"), Space()); },
    });
}
}
