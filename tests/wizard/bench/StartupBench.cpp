// Start-up benchmark: the setup program's start-up (the application's
// InitInstance, as Quandel.exe runs it) up to its first page, shown with
// every group listed, against discovery alone (the service's Initialize)
// over the same distribution folder, in one run. It prints both figures
// and fails when the wizard adds half a second or more to discovery.
// Usage: startup_bench <folder of generated group packages>
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>
#include "BenchSupport.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/Seams.h"
#include "engine/MPILoadMSIDll.h"
#include "setup/service/QuandelSrv.h"
#include "setup/wizard/Quandel.h"
#include "ids_pages.h"

namespace {

const int kRounds = 5;
const double kLimitMs = 500.0;
const UINT kWelcomeTemplate = IDD_PAGES_WELCOME;
const int kGroupList = IDC_PAGES_GROUP_LIST;

// The real application with the benchmark's folder and a wizard that is
// closed as soon as its first page has been shown.
class BenchApp : public CQuandelApp
{
public:
    std::wstring baseFolder;
    double wizardAt = 0;      // the clock when the wizard was about to be made
    double firstPageAt = 0;   // the clock when the first page was up
    int listedRows = -1;      // rows of the welcome page's group list then

protected:
    CQuandelSrv* CreateService() override
    {
        CQuandelSrv* srv = CQuandelApp::CreateService();
        srv->SetBaseFolder(baseFolder.c_str());
        return srv;
    }
    CString GetStartCommandLine() override { return L"Quandel.exe"; }
    void RunWizard() override
    {
        // A timer message comes after the sheet's creation and its first
        // paint, so it marks the moment the user sees the page.
        ::SetTimer(nullptr, 0, 0, &BenchApp::OnTimer);
        wizardAt = bench::Now();
        CQuandelApp::RunWizard();
    }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
};

BenchApp g_app;

void CALLBACK BenchApp::OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    CPropertySheet* sheet = DYNAMIC_DOWNCAST(CPropertySheet, g_app.m_pMainWnd);
    if (sheet == nullptr || sheet->GetSafeHwnd() == nullptr || !::IsWindowVisible(sheet->GetSafeHwnd()))
        return;
    CPropertyPage* page = sheet->GetActivePage();
    if (page == nullptr || page->GetTemplateId() != kWelcomeTemplate)
        return;
    g_app.firstPageAt = bench::Now();
    ::KillTimer(nullptr, id);
    HWND pageWindow = reinterpret_cast<HWND>(::SendMessageW(sheet->GetSafeHwnd(), PSM_GETCURRENTPAGEHWND, 0, 0));
    g_app.listedRows = static_cast<int>(::SendDlgItemMessageW(pageWindow, kGroupList, LB_GETCOUNT, 0, 0));
    sheet->PressButton(PSBTN_CANCEL);
}

// Every message box answers Yes: the cancel question of the closing wizard
// is the only one of a good round; the last text tells what went wrong.
std::wstring g_lastBox;
int AnswerYes(HWND, const wchar_t* text, const wchar_t*, UINT, bool, WORD)
{
    g_lastBox = text != nullptr ? text : L"";
    return IDYES;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
    {
        fwprintf(stderr, L"usage: startup_bench <folder of group packages>\n");
        return 2;
    }
    const std::vector<std::wstring> files = bench::PackageFiles(argv[1]);
    if (files.empty())
    {
        fwprintf(stderr, L"startup_bench: no packages in %ls\n", argv[1]);
        return 2;
    }
    // Start-up binds msi.dll itself; discovery alone needs it bound first.
    if (LoadMsiDll() != 1 || !AreMsiEntryPointsBound())
        return 3;
    g_app.baseFolder = bench::LayOut(files, L"startup_bench");
    AfxSetMessageBoxHandler(&AnswerYes);

    // Interleaved rounds, the best time of each kept: other load on the
    // machine only ever adds time. The first round also warms the caches.
    double discovery = 1e30, startup = 1e30, wizard = 1e30;
    for (int round = 0; round < kRounds; ++round)
    {
        {
            CQuandelSrv srv;
            srv.SetBaseFolder(g_app.baseFolder.c_str());
            const double t0 = bench::Now();
            const UINT result = srv.Initialize(1033);
            const double t1 = bench::Now();
            if (result != 0)
            {
                fwprintf(stderr, L"startup_bench: discovery failed with %u\n", result);
                return 1;
            }
            if (t1 - t0 < discovery)
                discovery = t1 - t0;
        }
        g_app.firstPageAt = 0;
        g_app.listedRows = -1;
        const double t0 = bench::Now();
        g_app.InitInstance();
        if (g_app.firstPageAt == 0 || g_app.listedRows != static_cast<int>(2 * files.size()))
        {
            fwprintf(stderr, L"startup_bench: the first page did not show the %u groups (rows %d; last box: %ls)\n",
                     static_cast<unsigned>(files.size()), g_app.listedRows, g_lastBox.c_str());
            return 1;
        }
        if (g_app.firstPageAt - g_app.wizardAt < wizard)
            wizard = g_app.firstPageAt - g_app.wizardAt;
        if (g_app.firstPageAt - t0 < startup)
            startup = g_app.firstPageAt - t0;
    }

    const double added = startup - discovery;
    wprintf(L"groups %u, best of %d rounds\n", static_cast<unsigned>(files.size()), kRounds);
    wprintf(L"discovery alone          %9.1f ms\n", discovery);
    wprintf(L"start-up to first page   %9.1f ms\n", startup);
    wprintf(L"added by the wizard      %9.1f ms   (limit %.0f ms)\n", added, kLimitMs);
    wprintf(L"sheet to first page      %9.1f ms   (inside start-up)\n", wizard);
    return added < kLimitMs ? 0 : 1;
}
