// The real Quandel.exe, started from copy folders and driven through its
// windows: refusing to start without a language library of its own,
// refusing a broken distribution folder or one too deep for the installer,
// and a wizard that the user cancels.
#include <gtest/gtest.h>
#include <windows.h>
#include <prsht.h>
#include <string>
#include <vector>
#include "Wizard1TestSupport.h"
#include "framework/AppCore.h"
#include "framework/Handles.h"
#include "ids_startup.h"

namespace {

// How long the program may take to show a window or to end on a loaded
// machine; only a failing test waits that long.
const DWORD kWaitMs = 60000;

std::wstring BinFolder()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

// The long-path form, which has no MAX_PATH limit on Windows either.
std::wstring Extended(const std::wstring& path)
{
    return L"\\\\?\\" + path;
}

// A fresh folder holding a copy of the program and the files asked for;
// with a program path length, the program lies that deep below it.
class CopyFolder
{
public:
    explicit CopyFolder(const std::vector<std::pair<std::wstring, std::wstring>>& files, size_t programPathLength = 0)
    {
        wchar_t temp[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        m_top = std::wstring(temp) + L"w1prog_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                std::to_wstring(++counter);
        CreateDirectoryW(m_top.c_str(), nullptr);
        m_root = m_top + L"\\";
        // Folders of up to 100 characters until the program's path has its length.
        const size_t program = wcslen(L"\\Quandel.exe");
        while (m_root.size() - 1 + program < programPathLength) {
            const size_t need = programPathLength - program - (m_root.size() - 1);
            const size_t name = need > 101 ? 90 : need - 1;
            m_root += std::wstring(name, L'd');
            Make(m_root);
            m_root += L"\\";
        }
        Copy(BinFolder() + L"Quandel.exe", L"Quandel.exe");
        for (const auto& f : files)
            Copy(f.first, f.second);
    }
    ~CopyFolder()
    {
        for (auto it = m_made.rbegin(); it != m_made.rend(); ++it) {
            if (!DeleteFileW(Extended(*it).c_str()))
                RemoveDirectoryW(Extended(*it).c_str());
        }
        RemoveDirectoryW(m_top.c_str());
    }
    std::wstring Program() const { return m_root + L"Quandel.exe"; }

private:
    void Make(const std::wstring& dir)
    {
        if (CreateDirectoryW(Extended(dir).c_str(), nullptr))
            m_made.push_back(dir);
    }
    void Copy(const std::wstring& from, const std::wstring& relative)
    {
        // Make the folders on the way.
        for (size_t at = relative.find(L'\\'); at != std::wstring::npos; at = relative.find(L'\\', at + 1))
            Make(m_root + relative.substr(0, at));
        std::wstring to = m_root + relative;
        ASSERT_TRUE(CopyFileW(from.c_str(), Extended(to).c_str(), FALSE)) << relative;
        m_made.push_back(to);
    }
    std::wstring m_top;
    std::wstring m_root;
    std::vector<std::wstring> m_made;
};

struct FoundWindow
{
    DWORD pid;
    HWND wnd;
    bool wantSheet;
};

BOOL CALLBACK FindDialog(HWND wnd, LPARAM param)
{
    auto* f = reinterpret_cast<FoundWindow*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    wchar_t cls[64] = L"";
    GetClassNameW(wnd, cls, 64);
    if (pid != f->pid || wcscmp(cls, L"#32770") != 0 || !IsWindowVisible(wnd))
        return TRUE;
    bool sheet = SendMessageW(wnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
    if (sheet != f->wantSheet)
        return TRUE;
    f->wnd = wnd;
    return FALSE;
}

HWND WaitForDialog(DWORD pid, bool sheet, DWORD timeoutMs)
{
    FoundWindow f{pid, nullptr, sheet};
    PumpUntil([&] {
        f.wnd = nullptr;
        EnumWindows(&FindDialog, reinterpret_cast<LPARAM>(&f));
        return f.wnd != nullptr;
    }, timeoutMs);
    return f.wnd;
}

BOOL CALLBACK CollectText(HWND wnd, LPARAM param)
{
    wchar_t text[1024] = L"";
    GetWindowTextW(wnd, text, 1024);
    *reinterpret_cast<std::wstring*>(param) += text;
    *reinterpret_cast<std::wstring*>(param) += L"|";
    return TRUE;
}

std::wstring DialogTexts(HWND dialog)
{
    std::wstring all;
    EnumChildWindows(dialog, &CollectText, reinterpret_cast<LPARAM>(&all));
    return all;
}

std::wstring Caption(HWND wnd)
{
    wchar_t text[256] = L"";
    GetWindowTextW(wnd, text, 256);
    return text;
}

// Starts the program; the process handle and id.
PROCESS_INFORMATION Start(const std::wstring& program)
{
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::wstring commandLine = L"\"" + program + L"\"";
    EXPECT_TRUE(CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                               &pi));
    CloseHandle(pi.hThread);
    return pi;
}

// The started program, ended when the test leaves while it still runs (a
// failed check), so no program stays open behind the test.
class RunningProgram
{
public:
    explicit RunningProgram(HANDLE process) : m_process(process) {}
    ~RunningProgram()
    {
        if (m_process.get() != nullptr && WaitForSingleObject(m_process.get(), 0) != WAIT_OBJECT_0) {
            TerminateProcess(m_process.get(), 99);
            WaitForSingleObject(m_process.get(), kWaitMs);
        }
    }
    HANDLE get() const { return m_process.get(); }

private:
    UniqueHandle m_process;
};

// Waits for the process to end; its exit code, or -1 when it did not end.
int WaitEnd(HANDLE process, DWORD timeoutMs)
{
    PumpUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, timeoutMs);
    DWORD code = 0;
    if (WaitForSingleObject(process, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process, 99);
        WaitForSingleObject(process, kWaitMs);
        return -1;
    }
    GetExitCodeProcess(process, &code);
    return static_cast<int>(code);
}

// The texts the program shows come from its English library.
class Wizard1Program : public testing::Test
{
protected:
    void SetUp() override
    {
        m_library = LoadLibraryW((BinFolder() + L"QuandelENU.dll").c_str());
        ASSERT_NE(nullptr, m_library);
        AfxSetResourceHandle(m_library);
    }
    void TearDown() override
    {
        AfxSetResourceHandle(nullptr);
        FreeLibrary(m_library);
    }
    HMODULE m_library = nullptr;
};

} // namespace

// Start-up refusals: a message box, and the program ends once it is closed.
TEST_F(Wizard1Program, RefusesWithoutLanguageLibraryOrWithABrokenFolder)
{
    using Files = std::vector<std::pair<std::wstring, std::wstring>>;
    struct Case
    {
        const char* what;
        Files files;
        size_t programPathLength;   // 0: any
        std::wstring caption;
        std::wstring text;   // the start of the box's text
    };
    const std::wstring builtInCaption = L"Quandel.exe error";
    const std::wstring builtInText = L"Failed to initialized installed components.";
    const Case cases[] = {
        // The child runs in the default thread locale of this prefix, which
        // the start-up table does not list: the English row.
        {"no language library", {}, 0, builtInCaption, builtInText},
        {"another program's library as the language library",
         {{BinFolder() + L"SarnelleENU.dll", L"QuandelENU.dll"}}, 0, builtInCaption, builtInText},
        {"broken package",
         {{BinFolder() + L"QuandelENU.dll", L"QuandelENU.dll"},
          {(FixtureFolder(L"MP_broken") + L"Broken\\broken.msi").str(), L"MP\\Broken\\broken.msi"}},
         0, ResourceString(IDS_STARTUP_DISCOVERY_CAPTION), ResourceString(IDS_STARTUP_DISCOVERY_FAILED).substr(0, 30)},
        // Its own package's path, 270 characters, is longer than the installer takes.
        {"a distribution folder too deep for the installer",
         {{BinFolder() + L"QuandelENU.dll", L"QuandelENU.dll"},
          {(FixtureFolder(L"MP") + L"Install\\Quandel.msi").str(), L"MP\\Install\\Quandel.msi"}},
         MAX_PATH - 1, ResourceString(IDS_STARTUP_DISCOVERY_CAPTION),
         ResourceString(IDS_STARTUP_DISCOVERY_FAILED).substr(0, 30)},
    };
    for (const Case& c : cases)
    {
        CopyFolder folder(c.files, c.programPathLength);
        if (c.programPathLength != 0) {
            ASSERT_EQ(c.programPathLength, folder.Program().size());
        }
        PROCESS_INFORMATION pi = Start(folder.Program());
        RunningProgram process(pi.hProcess);
        HWND box = WaitForDialog(pi.dwProcessId, false, kWaitMs);
        ASSERT_NE(nullptr, box) << c.what;
        EXPECT_EQ(c.caption, Caption(box)) << c.what;
        EXPECT_NE(std::wstring::npos, DialogTexts(box).find(c.text)) << c.what << ": " << DialogTexts(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(0, WaitEnd(process.get(), kWaitMs)) << c.what;
    }
}

TEST_F(Wizard1Program, WizardRunsAndCancelEndsTheProgram)
{
    CopyFolder folder({{BinFolder() + L"QuandelENU.dll", L"QuandelENU.dll"},
                       {(FixtureFolder(L"MP") + L"Install\\Quandel.msi").str(), L"MP\\Install\\Quandel.msi"}});
    PROCESS_INFORMATION pi = Start(folder.Program());
    RunningProgram process(pi.hProcess);
    HWND sheet = WaitForDialog(pi.dwProcessId, true, kWaitMs);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(ResourceString(IDS_QUANDEL_WIZARD_CAPTION), Caption(sheet));
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    // The cancel question, owned by the wizard.
    HWND question = WaitForDialog(pi.dwProcessId, false, kWaitMs);
    ASSERT_NE(nullptr, question);
    EXPECT_EQ(sheet, GetWindow(question, GW_OWNER));
    EXPECT_EQ(ResourceString(IDS_QUANDEL_WIZARD_CAPTION), Caption(question));
    PostMessageW(question, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(0, WaitEnd(process.get(), kWaitMs));
}
