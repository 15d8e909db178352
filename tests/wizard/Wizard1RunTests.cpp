// The installing page running real installs and removals of small packages
// through the service: log lines, status text and progress bar from the
// worker, Next after completion, the status in the sheet, and cancel.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <stdexcept>
#include "Wizard1TestSupport.h"
#include "engine/MPILoadMSIDll.h"
#include "setup/service/QuandelSrv.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/wizard/SetupInstallingPg.h"
#include "support/ResourceDllManager.h"
#include "ids_pages.h"
#include "ids_service.h"
#include "ids_wizard.h"
#include "ids_service.h"

namespace {

const wchar_t* const kProducts[] = {
    L"{A1D30000-1A01-4000-8000-000000001A01}",   // setup package
    L"{A1D30000-1A02-4000-8000-000000001A02}",   // core package
    L"{A1D30000-1A03-4000-8000-000000001A03}",   // group Alpha
};
const int kNextButton = 12324;
const int kBackButton = 12323;

// Watches the page's controls: what reaches them from the worker thread
// (messages sent by another thread), and a cancel pressed as soon as the
// worker writes its first log line.
struct ControlSpy
{
    WNDPROC logProc = nullptr, statusProc = nullptr, barProc = nullptr;
    int workerLogLines = 0, workerStatusTexts = 0, workerBarMoves = 0;
    int barRangeTop = 0;
    HWND sheet = nullptr;
    bool cancelAtFirstWorkerLine = false;
    bool cancelPressed = false;
};
ControlSpy g_spy;

bool FromWorker()
{
    return (InSendMessageEx(nullptr) & ISMEX_SEND) != 0;
}

LRESULT CALLBACK SpyLog(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT r = CallWindowProcW(g_spy.logProc, wnd, msg, wp, lp);
    if (msg == LB_ADDSTRING && FromWorker()) {
        ++g_spy.workerLogLines;
        if (g_spy.cancelAtFirstWorkerLine && !g_spy.cancelPressed) {
            g_spy.cancelPressed = true;
            ::SendMessageW(g_spy.sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }
    }
    return r;
}

LRESULT CALLBACK SpyStatus(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_SETTEXT && FromWorker() && lp != 0 && *reinterpret_cast<const wchar_t*>(lp) != L'\0')
        ++g_spy.workerStatusTexts;
    return CallWindowProcW(g_spy.statusProc, wnd, msg, wp, lp);
}

LRESULT CALLBACK SpyBar(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == PBM_SETRANGE32 && static_cast<int>(lp) > g_spy.barRangeTop)
        g_spy.barRangeTop = static_cast<int>(lp);
    if ((msg == PBM_DELTAPOS || msg == PBM_SETPOS) && FromWorker())
        ++g_spy.workerBarMoves;
    return CallWindowProcW(g_spy.barProc, wnd, msg, wp, lp);
}

void InstallSpy(CQuandelWizard& w, bool cancelAtFirstWorkerLine)
{
    g_spy = ControlSpy();
    g_spy.sheet = w.GetSafeHwnd();
    g_spy.cancelAtFirstWorkerLine = cancelAtFirstWorkerLine;
    g_spy.logProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(PageItem(w, IDC_WZ_RUN_LOG), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SpyLog)));
    g_spy.statusProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(PageItem(w, IDC_WZ_RUN_STATUS), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SpyStatus)));
    g_spy.barProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(PageItem(w, IDC_WZ_RUN_PROGRESS), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SpyBar)));
}

class Wizard1Run : public testing::Test
{
protected:
    void SetUp() override
    {
        LoadMsiDll();
        ASSERT_NE(nullptr, CResourceDllManager::GetInstance());
        RemoveAll();
    }
    void TearDown() override { RemoveAll(); }
    static void RemoveAll()
    {
        for (const wchar_t* code : kProducts)
            RemoveProduct(code);
    }

    // A wizard on the test distribution folder (or none), the installing
    // page active with the given action; returns when the run completed.
    struct Outcome
    {
        int runStatus = -1;
        std::vector<std::wstring> log;
        int selected = -1;
        std::wstring status;
        int workerLogLines = 0, workerStatusTexts = 0, workerBarMoves = 0, barRangeTop = 0;
        bool nextEnabled = false, backEnabled = true, cancelEnabled = true;
        bool cancelPressed = false;
        int afterNext = 0;
        // The finish page, reached by Next: its notes box and the status it reads.
        bool notesVisible = false, notesChecked = false;
        int finishRunStatus = -1;
    };
    // beforeRun, when given, works the pages before the installing page.
    Outcome Run(int action, int setupType, int removalKind, bool withPackages, bool pressCancel = false,
                bool engineBusy = false, const std::function<void(CQuandelWizard&)>& beforeRun = nullptr)
    {
        Outcome out;
        CQuandelSrv* srv = makeService ? makeService() : new CQuandelSrv;
        if (withPackages)
            srv->SetBaseFolder(FixtureFolder(L"MP"));
        else
            srv->SetBaseFolder(FixtureFolder(L"empty"));
        EXPECT_EQ(0u, srv->Initialize(1033));
        srv->SetSetupType(setupType);
        // A busy engine refuses to start (E_ACCESSDENIED).
        srv->GetEngine()->SetBusy(engineBusy ? TRUE : FALSE);
        CQuandelWizard w(srv, 102u);
        w.SetWizardMode();
        RunSheet(w, [&] {
            w.SetAction(action);
            w.SetRemovalKind(removalKind);
            if (beforeRun)
                beforeRun(w);
            // The run starts from a posted message: the spy is in place before.
            w.SetActivePage(9);
            InstallSpy(w, pressCancel);
            HWND log = PageItem(w, IDC_WZ_RUN_LOG);
            ASSERT_NE(nullptr, log);
            EXPECT_TRUE(PumpUntil([&] { return SheetButtonEnabled(w, kNextButton); }, 120000));
            int count = static_cast<int>(::SendMessageW(log, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                wchar_t line[1024] = L"";
                if (::SendMessageW(log, LB_GETTEXTLEN, i, 0) < 1024)
                    ::SendMessageW(log, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
                out.log.push_back(line);
            }
            out.selected = static_cast<int>(::SendMessageW(log, LB_GETCURSEL, 0, 0));
            wchar_t status[512] = L"";
            ::GetWindowTextW(PageItem(w, IDC_WZ_RUN_STATUS), status, 512);
            out.status = status;
            out.workerLogLines = g_spy.workerLogLines;
            out.workerStatusTexts = g_spy.workerStatusTexts;
            out.workerBarMoves = g_spy.workerBarMoves;
            out.barRangeTop = g_spy.barRangeTop;
            out.cancelPressed = g_spy.cancelPressed;
            EXPECT_EQ(IDD_WZ_INSTALLING, ActiveTemplate(w)) << "cancel must not close the wizard";
            out.runStatus = w.GetRunStatus();
            out.nextEnabled = SheetButtonEnabled(w, kNextButton);
            out.backEnabled = SheetButtonEnabled(w, kBackButton);
            out.cancelEnabled = SheetButtonEnabled(w, IDCANCEL);
            // A cancel press after completion does nothing.
            Press(w, PSBTN_CANCEL);
            EXPECT_EQ(IDD_WZ_INSTALLING, ActiveTemplate(w));
            Press(w, PSBTN_NEXT);
            out.afterNext = ActiveTemplate(w);
            if (out.afterNext == IDD_WZ_FINISH) {
                HWND notes = PageItem(w, IDC_WZ_FINISH_NOTES);
                out.notesVisible = notes != nullptr && ::IsWindowVisible(notes);
                out.notesChecked = notes != nullptr && ::SendMessageW(notes, BM_GETCHECK, 0, 0) == BST_CHECKED;
                out.finishRunStatus = w.GetRunStatus();
            }
            Press(w, PSBTN_FINISH);
        });
        return out;
    }

    static std::wstring StartFailedLine(int result)
    {
        CString line;
        line.FormatMessage(IDS_WZ_RUN_START_FAILED, result);
        return line.str();
    }

    SeamRecorder seams;
    // Makes the service of the next Run (the real one when empty).
    std::function<CQuandelSrv*()> makeService;
};

// An engine whose run-start hook throws.
class CThrowingEngine : public CQuandelEngine
{
public:
    int OnRunStart() override { throw std::runtime_error("hook"); }
};

// The service with that engine in place of its own.
class CThrowingEngineSrv : public CQuandelSrv
{
public:
    CThrowingEngineSrv()
    {
        m_Throwing.SetOwner(this);
        m_pEngine = &m_Throwing;
    }

private:
    CThrowingEngine m_Throwing;
};

} // namespace

TEST_F(Wizard1Run, InstallThenRemoveEverything)
{
    Outcome install = Run(WIZARD_ACTION_INSTALL, MPI_MODE_INSTALL_MODULES, 0, true);
    EXPECT_EQ(MPI_RUN_COMPLETE, install.runStatus);
    ASSERT_FALSE(install.log.empty());
    EXPECT_EQ(static_cast<int>(install.log.size()) - 1, install.selected);
    // Log lines, status texts and the bar reached the page from the worker.
    EXPECT_GT(install.workerLogLines, 0);
    EXPECT_GT(install.workerStatusTexts, 0);
    EXPECT_GT(install.workerBarMoves, 0);
    EXPECT_GT(install.barRangeTop, 100);
    EXPECT_TRUE(install.nextEnabled);
    EXPECT_FALSE(install.backEnabled);
    EXPECT_FALSE(install.cancelEnabled);
    EXPECT_EQ(IDD_WZ_FINISH, install.afterNext);
    for (const wchar_t* code : kProducts)
        EXPECT_TRUE(IsProductInstalled(code)) << code;
    // The install notes were offered and opened at Finish.
    EXPECT_EQ(1, seams.Count(L"shell"));

    // A removal cannot be cancelled: Cancel is disabled before the worker
    // starts, and a press while it runs asks nothing.
    Outcome removal = Run(WIZARD_ACTION_REMOVE, 0, REMOVAL_KIND_ALL, true, true);
    EXPECT_TRUE(removal.cancelPressed);
    EXPECT_EQ(0, seams.Count(L"box"));
    EXPECT_EQ(MPI_RUN_COMPLETE, removal.runStatus);
    EXPECT_FALSE(removal.log.empty());
    EXPECT_TRUE(removal.nextEnabled);
    EXPECT_FALSE(removal.cancelEnabled);
    for (const wchar_t* code : kProducts)
        EXPECT_FALSE(IsProductInstalled(code)) << code;
    EXPECT_EQ(1, seams.Count(L"shell"));
}

// A group installed without its package file beside the program is listed
// on the module page; Check All reaches its rows, but the run installs only
// what the package files can install, and completes.
TEST_F(Wizard1Run, CheckAllOverAnInstalledOnlyGroupInstallsWhatShips)
{
    const wchar_t* const bravo = L"{A1D30000-1A04-4000-8000-000000001A04}";
    struct Cleanup
    {
        const wchar_t* code;
        ~Cleanup() { RemoveProduct(code); }
    } cleanup{bravo};
    ASSERT_EQ(0u, InstallPackage(FixtureFolder(L"packages") + L"w1_groupB.msi"));
    Outcome install = Run(WIZARD_ACTION_INSTALL, MPI_MODE_INSTALL_CUSTOM, 0, true, false, false,
                          [](CQuandelWizard& w) {
                              w.SetActivePage(5);
                              Pump();
                              ::SendMessageW(PageItem(w, IDC_PAGES_CHECK_ALL), BM_CLICK, 0, 0);
                              Press(w, PSBTN_NEXT);
                              EXPECT_EQ(IDD_PAGES_SUMMARY, ActiveTemplate(w));
                          });
    EXPECT_EQ(MPI_RUN_COMPLETE, install.runStatus);
    ASSERT_FALSE(install.log.empty());
    for (const std::wstring& line : install.log)
        EXPECT_EQ(std::wstring::npos, line.find(L"failed")) << line;
    for (const wchar_t* code : kProducts)
        EXPECT_TRUE(IsProductInstalled(code)) << code;
    EXPECT_TRUE(IsProductInstalled(bravo));
}

TEST_F(Wizard1Run, CancelDuringInstallAsksAndKeepsTheWizard)
{
    // Cancel while the worker runs: the engine asks at its next progress
    // message; No lets the run go on. The wizard never closes.
    seams.boxAnswer = IDNO;
    Outcome install = Run(WIZARD_ACTION_INSTALL, MPI_MODE_INSTALL_MODULES, 0, true, true);
    EXPECT_TRUE(install.cancelPressed);
    int questions = 0;
    for (const SeamEvent& e : seams.events)
        questions += e.kind == L"box" && e.text == ResourceString(IDS_SRV_CANCEL_QUESTION) ? 1 : 0;
    EXPECT_EQ(1, questions);
    EXPECT_EQ(MPI_RUN_COMPLETE, install.runStatus);
    EXPECT_TRUE(install.nextEnabled);
    EXPECT_FALSE(install.cancelEnabled);
    EXPECT_EQ(IDD_WZ_FINISH, install.afterNext);
    for (const wchar_t* code : kProducts)
        EXPECT_TRUE(IsProductInstalled(code)) << code;
}

TEST_F(Wizard1Run, CancelAnsweredYesCompletesThePageWithAPartialRun)
{
    // Yes to the engine's question: the package being installed ends (the
    // installer may finish it) and no other follows. The page completes, Next
    // leads to the finish page, which shows a partial run: its notes offered
    // and opened, no restart question.
    seams.boxAnswer = IDYES;
    Outcome install = Run(WIZARD_ACTION_INSTALL, MPI_MODE_INSTALL_MODULES, 0, true, true);
    EXPECT_TRUE(install.cancelPressed);
    std::vector<std::wstring> boxes;
    for (const SeamEvent& e : seams.events)
        if (e.kind == L"box")
            boxes.push_back(e.text);
    EXPECT_EQ(std::vector<std::wstring>{ResourceString(IDS_SRV_CANCEL_QUESTION)}, boxes);
    EXPECT_EQ(MPI_RUN_PARTIAL, install.runStatus);
    EXPECT_TRUE(install.nextEnabled);
    EXPECT_FALSE(install.cancelEnabled);
    EXPECT_EQ(IDD_WZ_FINISH, install.afterNext);
    EXPECT_EQ(MPI_RUN_PARTIAL, install.finishRunStatus);
    EXPECT_TRUE(install.notesVisible);
    EXPECT_TRUE(install.notesChecked);
    EXPECT_EQ(1, seams.Count(L"shell"));
    EXPECT_EQ(0, seams.Count(L"restart"));
    // The setup package came first; core and group never started.
    EXPECT_TRUE(IsProductInstalled(kProducts[0]));
    EXPECT_FALSE(IsProductInstalled(kProducts[1]));
    EXPECT_FALSE(IsProductInstalled(kProducts[2]));
}

TEST_F(Wizard1Run, NothingToDoAndModifyComplete)
{
    struct Case
    {
        int action, removalKind;
        bool busy;
        std::wstring lastLine;
    };
    const Case cases[] = {
        {WIZARD_ACTION_INSTALL, 0, false, ResourceString(IDS_WZ_RUN_NOTHING_TO_DO)},
        {WIZARD_ACTION_REMOVE, REMOVAL_KIND_ALL, false, ResourceString(IDS_WZ_RUN_NOTHING_TO_DO)},
        {WIZARD_ACTION_REMOVE, 7, false, ResourceString(IDS_WZ_RUN_NOTHING_TO_DO)},
        {WIZARD_ACTION_INSTALL, 0, true, StartFailedLine(E_ACCESSDENIED)},
        {WIZARD_ACTION_REMOVE, REMOVAL_KIND_GROUPS, true, StartFailedLine(E_ACCESSDENIED)},
        {WIZARD_ACTION_MODIFY, 0, false, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "action " << c.action << (c.busy ? " busy" : ""));
        Outcome out = Run(c.action, MPI_MODE_INSTALL_NEWER, c.removalKind, false, false, c.busy);
        EXPECT_EQ(MPI_RUN_NONE, out.runStatus);
        EXPECT_TRUE(out.nextEnabled);
        EXPECT_FALSE(out.cancelEnabled);
        EXPECT_EQ(IDD_WZ_FINISH, out.afterNext);
        if (c.lastLine.empty()) {
            EXPECT_TRUE(out.log.empty());
        } else {
            ASSERT_FALSE(out.log.empty());
            EXPECT_EQ(c.lastLine, out.log.back());
            EXPECT_EQ(std::wstring::npos, out.log.back().find(L"%1"));
            EXPECT_EQ(static_cast<int>(out.log.size()) - 1, out.selected);
        }
    }
}

TEST_F(Wizard1Run, AStartThatThrowsIsReportedAndCompletes)
{
    // The start handler gets a result, not an exception: the page reports
    // the failure and offers Next, and nothing was installed.
    makeService = [] { return new CThrowingEngineSrv; };
    Outcome out = Run(WIZARD_ACTION_INSTALL, MPI_MODE_INSTALL_MODULES, 0, true);
    EXPECT_EQ(MPI_RUN_NONE, out.runStatus);
    ASSERT_FALSE(out.log.empty());
    EXPECT_EQ(StartFailedLine(E_FAIL), out.log.back());
    EXPECT_TRUE(out.nextEnabled);
    EXPECT_FALSE(out.cancelEnabled);
    EXPECT_EQ(IDD_WZ_FINISH, out.afterNext);
    for (const wchar_t* code : kProducts)
        EXPECT_FALSE(IsProductInstalled(code)) << code;
}

namespace {

// The width of a line as the log list draws it: its own font, tabs
// expanded to the list's default stops (every 8 average characters).
int DrawnWidth(HWND list, const wchar_t* text)
{
    HDC dc = ::GetDC(list);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
    RECT rect = {0, 0, 0, 0};
    ::DrawTextW(dc, text, -1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
    ::SelectObject(dc, old);
    ::ReleaseDC(list, dc);
    return rect.right - rect.left;
}

} // namespace

TEST_F(Wizard1Run, LongLogLinesCanBeScrolledTo)
{
    // Each line is wider than the ones before, but the last.
    const wchar_t* const lines[] = {
        L"Module profile setup started.",
        L"Die Installation von Ternwick Modulgruppe mit langem Namen 1.02.0 ist fehlgeschlagen.",
        L"\tA-101:\tA summary line: its tabs expand to the list's stops, and its description runs on",
        L"A short line after them.",
    };
    CQuandelSrv* srv = new CQuandelSrv;
    srv->SetBaseFolder(FixtureFolder(L"empty"));
    ASSERT_EQ(0u, srv->Initialize(1033));
    CQuandelWizard w(srv, 102u);
    w.SetWizardMode();
    RunSheet(w, [&] {
        // Modify runs nothing: the page completes at once and stays quiet.
        w.SetAction(WIZARD_ACTION_MODIFY);
        w.SetActivePage(9);
        EXPECT_TRUE(PumpUntil([&] { return SheetButtonEnabled(w, kNextButton); }, 120000));
        auto* page = dynamic_cast<CSetupInstallingPg*>(w.GetActivePage());
        HWND log = PageItem(w, IDC_WZ_RUN_LOG);
        ASSERT_NE(nullptr, page);
        ASSERT_NE(nullptr, log);
        RECT client = {};
        ::GetClientRect(log, &client);
        int widest = 0;
        for (const wchar_t* line : lines) {
            SCOPED_TRACE(line);
            page->GetCallback()->AddMessage(line);
            widest = std::max(widest, DrawnWidth(log, line));
            // Wide enough for the widest line so far, with room for the
            // item margins only; it never shrinks.
            int extent = static_cast<int>(::SendMessageW(log, LB_GETHORIZONTALEXTENT, 0, 0));
            EXPECT_GE(extent, widest);
            EXPECT_LE(extent, widest + 10);
        }
        EXPECT_EQ(DrawnWidth(log, lines[2]), widest) << "the tabbed line must be the widest";
        EXPECT_GT(DrawnWidth(log, lines[1]), client.right) << "the long lines must be wider than the list";
        Press(w, PSBTN_NEXT);
        Press(w, PSBTN_FINISH);
    });
}
