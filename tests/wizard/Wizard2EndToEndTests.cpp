// The whole road through the real Quandel.exe of the demo distribution,
// driven from outside through its windows: install with a custom choice,
// the installed copy removing chosen modules, then everything.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <msi.h>
#include <functional>
#include <string>
#include <vector>
#include "Wizard2Support.h"
#include "engine/MPILoadMSIDll.h"
#include "ids_pages.h"
#include "ids_wizard.h"

namespace
{
const int kBack = 12323, kNext = 12324;

std::wstring DemoFolder()
{
    return w2::BinFolder() + L"..\\demo\\dist\\";
}

// The demo packages are 32-bit: on 64-bit Windows they install under
// %ProgramFiles(x86)%, which only 64-bit Windows defines.
std::wstring InstalledFolder()
{
    wchar_t programs[MAX_PATH] = L"";
    DWORD n = ::ExpandEnvironmentStringsW(L"%ProgramFiles(x86)%", programs, MAX_PATH);
    if (n == 0 || n > MAX_PATH || programs[0] == L'%')
        ::ExpandEnvironmentStringsW(L"%ProgramFiles%", programs, MAX_PATH);
    return std::wstring(programs) + L"\\Ternwick Software\\Pelmora\\Module Profiles\\Install\\";
}

// The product codes of every demo package.
std::vector<std::wstring> DemoProducts()
{
    std::vector<std::wstring> codes;
    for (const wchar_t* package : {L"MP\\Install\\Quandel.msi", L"MP\\Core\\Dunmoor.msi", L"MP\\Drives\\AskelDrives.msi",
                                   L"MP\\RemoteIO\\BrenwoodIO.msi", L"MP\\Sensors\\CorvanSensors.msi"})
        codes.push_back(w2::ProductCodeOf(DemoFolder() + package));
    return codes;
}

// How long the program may take to show a page or to end on a loaded
// machine; only a failing test waits that long.
const DWORD kWaitMs = 60000;

bool WaitFor(const std::function<bool()>& done, DWORD ms = kWaitMs)
{
    for (DWORD waited = 0; waited < ms; waited += 100)
    {
        if (done())
            return true;
        ::Sleep(100);
    }
    return done();
}

// One run of the program, driven through its sheet window.
class Program
{
public:
    Program(const std::wstring& folder)
    {
        std::wstring program = folder + L"Quandel.exe";
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        started = ::CreateProcessW(program.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si,
                                   &pi) != FALSE;
        if (started)
            WaitFor([&] { return (sheet = FindSheet()) != NULL && Page() != NULL; });
    }
    ~Program()
    {
        if (started)
        {
            if (::WaitForSingleObject(pi.hProcess, 15000) != WAIT_OBJECT_0)
                ::TerminateProcess(pi.hProcess, 1);
            ::CloseHandle(pi.hThread);
            ::CloseHandle(pi.hProcess);
        }
    }

    HWND FindSheet() const
    {
        struct Search
        {
            DWORD pid;
            HWND found;
        } search = {pi.dwProcessId, NULL};
        struct Callback
        {
            static BOOL CALLBACK Each(HWND wnd, LPARAM lParam)
            {
                Search* s = reinterpret_cast<Search*>(lParam);
                DWORD pid = 0;
                ::GetWindowThreadProcessId(wnd, &pid);
                if (pid == s->pid && ::IsWindowVisible(wnd) && ::GetDlgItem(wnd, kNext) != NULL)
                {
                    s->found = wnd;
                    return FALSE;
                }
                return TRUE;
            }
        };
        ::EnumWindows(&Callback::Each, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    HWND Page() const { return sheet ? reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) : NULL; }
    HWND Item(int id) const { return ::GetDlgItem(Page(), id); }
    // Waits for the page that holds this control.
    bool At(int id) const { return WaitFor([&] { return Item(id) != NULL; }); }
    bool NextEnabled() const { return ::IsWindowEnabled(::GetDlgItem(sheet, kNext)) != FALSE; }
    void Next() const { ::SendMessageW(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0); }
    void Finish() const { ::SendMessageW(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0); }
    void Click(int id) const { ::SendMessageW(Item(id), BM_CLICK, 0, 0); }
    void Key(int id, WPARAM key) const { ::SendMessageW(Item(id), WM_KEYDOWN, key, 1); }
    void ClickCheck(int id, int row) const
    {
        RECT rect = {};
        ::SendMessageW(Item(id), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        const LPARAM point = MAKELPARAM(rect.left + 3, rect.top + 3);
        ::SendMessageW(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, point);
        ::SendMessageW(Item(id), WM_LBUTTONUP, 0, point);
    }
    int Rows(int id) const { return static_cast<int>(::SendMessageW(Item(id), LB_GETCOUNT, 0, 0)); }
    // Runs the started install or removal to its end and goes to the finish
    // page; the install notes stay closed, then Finish ends the program.
    void RunToEndAndFinish() const
    {
        ASSERT_TRUE(At(IDC_WZ_RUN_LOG));
        ASSERT_TRUE(WaitFor([&] { return NextEnabled(); }, 120000)) << "the run did not end";
        Next();
        ASSERT_TRUE(At(IDC_WZ_FINISH_TITLE));
        HWND notes = Item(IDC_WZ_FINISH_NOTES);
        if (notes != NULL && ::SendMessageW(notes, BM_GETCHECK, 0, 0) == BST_CHECKED)
            ::SendMessageW(notes, BM_CLICK, 0, 0);
        Finish();
        EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, kWaitMs)) << "the program did not end";
    }

    bool started = false;
    PROCESS_INFORMATION pi = {};
    HWND sheet = NULL;
};

class EndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        codes = DemoProducts();
        for (const std::wstring& code : codes)
            ASSERT_FALSE(code.empty());
        Clean();
    }
    void TearDown() override { Clean(); }
    void Clean()
    {
        // Groups first, the setup package last, as a removal run does.
        for (auto code = codes.rbegin(); code != codes.rend(); ++code)
            w2::RemoveProduct(*code);
    }
    bool IsInstalled(int package) const
    {
        LoadMsiDll();
        return g_MsiDll.pMsiQueryProductStateW(codes[package].c_str()) == INSTALLSTATE_DEFAULT;
    }
    int Feature(int package, const wchar_t* feature) const { return w2::FeatureState(codes[package], feature); }

    std::vector<std::wstring> codes;   // setup, core, drives, remote I/O, sensors
};

TEST_F(EndToEnd, InstallCustomThenRemoveChosenThenEverything)
{
    {
        Program setup(DemoFolder());
        ASSERT_TRUE(setup.started && setup.sheet != NULL) << "Quandel.exe did not show its wizard";
        ASSERT_TRUE(setup.At(IDC_PAGES_GROUP_LIST));
        EXPECT_EQ(6, setup.Rows(IDC_PAGES_GROUP_LIST));   // three groups, each with its version line
        setup.Next();
        ASSERT_TRUE(setup.At(IDC_PAGES_AGREEMENT));
        EXPECT_FALSE(setup.NextEnabled());
        setup.Click(IDC_PAGES_ACCEPT);
        EXPECT_TRUE(setup.NextEnabled());
        setup.Next();
        ASSERT_TRUE(setup.At(IDC_WZ_MAINT_ADD));
        setup.Click(IDC_WZ_MAINT_ADD);
        setup.Next();
        ASSERT_TRUE(setup.At(IDC_WZ_TYPE_NEWER));
        setup.Click(IDC_WZ_TYPE_CUSTOM);
        setup.Next();
        ASSERT_TRUE(setup.At(IDC_PAGES_INSTALL_TREE));
        EXPECT_EQ(3, setup.Rows(IDC_PAGES_INSTALL_TREE));
        setup.Click(IDC_PAGES_UNCHECK_ALL);
        setup.Click(IDC_PAGES_CHECK_ALL);
        // Open the first group (the drives) and leave its first module out.
        setup.Key(IDC_PAGES_INSTALL_TREE, VK_RIGHT);
        ASSERT_EQ(7, setup.Rows(IDC_PAGES_INSTALL_TREE));
        setup.ClickCheck(IDC_PAGES_INSTALL_TREE, 1);
        setup.Next();
        ASSERT_TRUE(setup.At(IDC_PAGES_SUMMARY_TREE));
        // Three groups, eleven modules less the one left out.
        EXPECT_EQ(13, static_cast<int>(::SendMessageW(setup.Item(IDC_PAGES_SUMMARY_TREE), TVM_GETCOUNT, 0, 0)));
        setup.Next();
        setup.RunToEndAndFinish();
    }
    for (int package = 0; package < 5; ++package)
        EXPECT_TRUE(IsInstalled(package)) << package;
    EXPECT_EQ(INSTALLSTATE_ABSENT, Feature(2, L"AXD100"));
    for (const wchar_t* feature : {L"AXD220", L"AXD500", L"AXGEN"})
        EXPECT_EQ(INSTALLSTATE_LOCAL, Feature(2, feature)) << feature;
    EXPECT_EQ(INSTALLSTATE_LOCAL, Feature(3, L"BWAI8"));
    EXPECT_EQ(INSTALLSTATE_LOCAL, Feature(4, L"CVLS2"));

    {
        // The installed copy: no licence page, maintenance straight away.
        Program maintenance(InstalledFolder());
        ASSERT_TRUE(maintenance.started && maintenance.sheet != NULL) << "the installed copy did not start";
        ASSERT_TRUE(maintenance.At(IDC_PAGES_MESSAGE));
        EXPECT_FALSE(::IsWindowVisible(maintenance.Item(IDC_PAGES_GROUP_LIST)));
        maintenance.Next();
        ASSERT_TRUE(maintenance.At(IDC_WZ_MAINT_REMOVE));
        maintenance.Click(IDC_WZ_MAINT_REMOVE);
        maintenance.Next();
        ASSERT_TRUE(maintenance.At(IDC_WZ_UNINST_MODULES));
        maintenance.Click(IDC_WZ_UNINST_MODULES);
        maintenance.Next();
        ASSERT_TRUE(maintenance.At(IDC_PAGES_REMOVE_TREE));
        EXPECT_EQ(3, maintenance.Rows(IDC_PAGES_REMOVE_TREE));
        EXPECT_FALSE(maintenance.NextEnabled());
        maintenance.Key(IDC_PAGES_REMOVE_TREE, VK_RIGHT);
        ASSERT_EQ(6, maintenance.Rows(IDC_PAGES_REMOVE_TREE));   // the three installed drives
        maintenance.ClickCheck(IDC_PAGES_REMOVE_TREE, 1);       // AX-D220-8A
        EXPECT_TRUE(maintenance.NextEnabled());
        maintenance.Next();
        ASSERT_TRUE(maintenance.At(IDC_PAGES_SUMMARY_TREE));
        EXPECT_EQ(2, static_cast<int>(::SendMessageW(maintenance.Item(IDC_PAGES_SUMMARY_TREE), TVM_GETCOUNT, 0, 0)));
        maintenance.Next();
        maintenance.RunToEndAndFinish();
    }
    EXPECT_TRUE(IsInstalled(2));
    EXPECT_EQ(INSTALLSTATE_ABSENT, Feature(2, L"AXD220"));
    EXPECT_EQ(INSTALLSTATE_LOCAL, Feature(2, L"AXD500"));
    EXPECT_EQ(INSTALLSTATE_LOCAL, Feature(3, L"BWDI16"));

    {
        Program removal(InstalledFolder());
        ASSERT_TRUE(removal.started && removal.sheet != NULL);
        ASSERT_TRUE(removal.At(IDC_PAGES_MESSAGE));
        removal.Next();
        ASSERT_TRUE(removal.At(IDC_WZ_MAINT_REMOVE));
        removal.Click(IDC_WZ_MAINT_REMOVE);
        removal.Next();
        ASSERT_TRUE(removal.At(IDC_WZ_UNINST_ALL));
        removal.Click(IDC_WZ_UNINST_ALL);
        removal.Next();
        ASSERT_TRUE(removal.At(IDC_PAGES_SUMMARY_TREE));
        // Every installed group with its installed modules: 3 + 2 + 4 + 3.
        EXPECT_EQ(12, static_cast<int>(::SendMessageW(removal.Item(IDC_PAGES_SUMMARY_TREE), TVM_GETCOUNT, 0, 0)));
        removal.Next();
        removal.RunToEndAndFinish();
    }
    for (int package = 0; package < 5; ++package)
        EXPECT_FALSE(IsInstalled(package)) << "left installed: package " << package;
}
}
