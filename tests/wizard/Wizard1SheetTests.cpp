// The real wizard sheet, driven by its buttons: navigation by action, setup
// type and removal kind, the choice pages, the cancel question and the
// finish page with its install notes and restart question.
#include <gtest/gtest.h>
#include "Wizard1TestApp.h"
#include "Wizard1TestSupport.h"
#include "engine/MPILoadMSIDll.h"
#include "setup/service/QuandelSrv.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/wizard/SetupProgramFolder.h"
#include "support/ResourceDllManager.h"
#include "ids_pages.h"
#include "ids_wizard.h"
#include "ids_service.h"
#include "ids_startup.h"

namespace {

const wchar_t kInstalledCopy[] = L"C:\\Program Files\\Ternwick Software\\Pelmora\\Module Profiles\\Install\\Quandel.exe";
const wchar_t kHost13[] = L"{A1D30000-1AF1-4000-8000-000000001AF1}";

class Wizard1Sheet : public testing::Test
{
protected:
    void SetUp() override
    {
        LoadMsiDll();
        ASSERT_NE(nullptr, CResourceDllManager::GetInstance());
        SetProgramPathOverride(nullptr);
    }
    void TearDown() override { SetProgramPathOverride(nullptr); }

    // A wizard on a service without packages; the wizard deletes the service.
    std::unique_ptr<CQuandelWizard> MakeWizard()
    {
        auto wizard = std::make_unique<CQuandelWizard>(new CQuandelSrv, 102u);
        wizard->SetWizardMode();
        return wizard;
    }

    SeamRecorder seams;
};

bool Checked(CQuandelWizard& w, int id)
{
    return ::SendMessageW(PageItem(w, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Enabled(CQuandelWizard& w, int id)
{
    return ::IsWindowEnabled(PageItem(w, id)) != FALSE;
}

void Click(CQuandelWizard& w, int id)
{
    HWND control = PageItem(w, id);
    ASSERT_NE(nullptr, control) << id;
    ::EnableWindow(control, TRUE);
    ::SendMessageW(control, BM_CLICK, 0, 0);
    Pump();
}

// One step of a road through the wizard and what follows from it.
struct Step
{
    enum Kind { NEXT, BACK, CLICK } kind;
    int control;        // CLICK: the control
    int page;           // the template shown afterwards
    int action;         // the sheet's action afterwards (-1: not checked)
    int removalKind;    // the sheet's removal kind afterwards (-1: not checked)
};

void Walk(CQuandelWizard& w, const std::vector<Step>& road)
{
    int n = 0;
    for (const Step& s : road) {
        SCOPED_TRACE(testing::Message() << "step " << n++);
        if (s.kind == Step::NEXT)
            Press(w, PSBTN_NEXT);
        else if (s.kind == Step::BACK)
            Press(w, PSBTN_BACK);
        else
            Click(w, s.control);
        EXPECT_EQ(s.page, ActiveTemplate(w));
        if (s.action >= 0) {
            EXPECT_EQ(s.action, w.GetAction());
        }
        if (s.removalKind >= 0) {
            EXPECT_EQ(s.removalKind, w.GetRemovalKind());
        }
    }
}

} // namespace

TEST_F(Wizard1Sheet, RoadsFromDistributionFolder)
{
    auto w = MakeWizard();
    CQuandelSrv* srv = w->GetService();
    RunSheet(*w, [&] {
        EXPECT_EQ(IDD_PAGES_WELCOME, ActiveTemplate(*w));
        EXPECT_EQ(WIZARD_ACTION_NONE, w->GetAction());
        Walk(*w, {{Step::NEXT, 0, IDD_PAGES_LICENSE, WIZARD_ACTION_NONE, -1},
                  {Step::CLICK, IDC_PAGES_ACCEPT, IDD_PAGES_LICENSE, WIZARD_ACTION_NONE, -1},
                  {Step::NEXT, 0, IDD_WZ_MAINTENANCE, WIZARD_ACTION_NONE, -1}});
        // From a distribution folder adding is offered and chosen.
        EXPECT_TRUE(Checked(*w, IDC_WZ_MAINT_ADD));
        EXPECT_TRUE(Enabled(*w, IDC_WZ_MAINT_ADD));
        Walk(*w, {// install: setup types 0 and 2
                  {Step::NEXT, 0, IDD_WZ_SETUP_TYPE, WIZARD_ACTION_INSTALL, -1},
                  {Step::BACK, 0, IDD_WZ_MAINTENANCE, WIZARD_ACTION_INSTALL, -1},
                  {Step::NEXT, 0, IDD_WZ_SETUP_TYPE, WIZARD_ACTION_INSTALL, -1}});
        EXPECT_TRUE(Checked(*w, IDC_WZ_TYPE_NEWER));
        Walk(*w, {{Step::NEXT, 0, IDD_PAGES_SUMMARY, WIZARD_ACTION_INSTALL, -1}});
        EXPECT_EQ(MPI_MODE_INSTALL_NEWER, srv->GetSetupType());
        Walk(*w, {{Step::BACK, 0, IDD_WZ_SETUP_TYPE, WIZARD_ACTION_INSTALL, -1},
                  {Step::CLICK, IDC_WZ_TYPE_MODULES, IDD_WZ_SETUP_TYPE, WIZARD_ACTION_INSTALL, -1},
                  {Step::NEXT, 0, IDD_PAGES_SUMMARY, WIZARD_ACTION_INSTALL, -1}});
        EXPECT_EQ(MPI_MODE_INSTALL_MODULES, srv->GetSetupType());
        Walk(*w, {{Step::BACK, 0, IDD_WZ_SETUP_TYPE, WIZARD_ACTION_INSTALL, -1},
                  {Step::CLICK, IDC_WZ_TYPE_CUSTOM, IDD_WZ_SETUP_TYPE, WIZARD_ACTION_INSTALL, -1},
                  {Step::NEXT, 0, IDD_PAGES_MODULE_INSTALL, WIZARD_ACTION_INSTALL, -1}});
        EXPECT_EQ(MPI_MODE_INSTALL_CUSTOM, srv->GetSetupType());
        Walk(*w, {{Step::BACK, 0, IDD_WZ_SETUP_TYPE, WIZARD_ACTION_INSTALL, -1}});
        EXPECT_TRUE(Checked(*w, IDC_WZ_TYPE_CUSTOM));
        Walk(*w, {{Step::NEXT, 0, IDD_PAGES_MODULE_INSTALL, WIZARD_ACTION_INSTALL, -1},
                  {Step::NEXT, 0, IDD_PAGES_SUMMARY, WIZARD_ACTION_INSTALL, -1},
                  {Step::BACK, 0, IDD_PAGES_MODULE_INSTALL, WIZARD_ACTION_INSTALL, -1},
                  {Step::BACK, 0, IDD_WZ_SETUP_TYPE, WIZARD_ACTION_INSTALL, -1},
                  {Step::BACK, 0, IDD_WZ_MAINTENANCE, WIZARD_ACTION_INSTALL, -1},
                  // modify: summary, modify page and back
                  {Step::CLICK, IDC_WZ_MAINT_MODIFY, IDD_WZ_MAINTENANCE, WIZARD_ACTION_INSTALL, -1},
                  {Step::NEXT, 0, IDD_PAGES_SUMMARY, WIZARD_ACTION_MODIFY, -1},
                  {Step::BACK, 0, IDD_PAGES_MODIFY, WIZARD_ACTION_MODIFY, -1},
                  {Step::NEXT, 0, IDD_PAGES_SUMMARY, WIZARD_ACTION_MODIFY, -1},
                  {Step::BACK, 0, IDD_PAGES_MODIFY, WIZARD_ACTION_MODIFY, -1},
                  {Step::BACK, 0, IDD_WZ_MAINTENANCE, WIZARD_ACTION_MODIFY, -1},
                  // remove without a newer host: the uninstall-type page
                  {Step::CLICK, IDC_WZ_MAINT_REMOVE, IDD_WZ_MAINTENANCE, WIZARD_ACTION_MODIFY, -1},
                  {Step::NEXT, 0, IDD_WZ_UNINSTALL_TYPE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_GROUPS}});
        EXPECT_TRUE(Checked(*w, IDC_WZ_UNINST_GROUPS));
        EXPECT_TRUE(Enabled(*w, IDC_WZ_UNINST_GROUPS));
        EXPECT_TRUE(Enabled(*w, IDC_WZ_UNINST_GROUPS_TEXT));
        Walk(*w, {{Step::NEXT, 0, IDD_PAGES_SUMMARY, WIZARD_ACTION_REMOVE, REMOVAL_KIND_GROUPS},
                  {Step::BACK, 0, IDD_WZ_UNINSTALL_TYPE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_GROUPS},
                  {Step::CLICK, IDC_WZ_UNINST_ALL, IDD_WZ_UNINSTALL_TYPE, WIZARD_ACTION_REMOVE, -1},
                  {Step::NEXT, 0, IDD_PAGES_SUMMARY, WIZARD_ACTION_REMOVE, REMOVAL_KIND_ALL},
                  {Step::BACK, 0, IDD_WZ_UNINSTALL_TYPE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_ALL}});
        EXPECT_TRUE(Checked(*w, IDC_WZ_UNINST_ALL));
        Walk(*w, {{Step::CLICK, IDC_WZ_UNINST_MODULES, IDD_WZ_UNINSTALL_TYPE, WIZARD_ACTION_REMOVE, -1},
                  {Step::NEXT, 0, IDD_PAGES_MODULE_REMOVE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_MODULES},
                  {Step::BACK, 0, IDD_WZ_UNINSTALL_TYPE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_MODULES}});
        EXPECT_TRUE(Checked(*w, IDC_WZ_UNINST_MODULES));
        Walk(*w, {{Step::NEXT, 0, IDD_PAGES_MODULE_REMOVE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_MODULES},
                  {Step::NEXT, 0, IDD_PAGES_SUMMARY, WIZARD_ACTION_REMOVE, REMOVAL_KIND_MODULES},
                  {Step::BACK, 0, IDD_PAGES_MODULE_REMOVE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_MODULES},
                  {Step::BACK, 0, IDD_WZ_UNINSTALL_TYPE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_MODULES},
                  {Step::BACK, 0, IDD_WZ_MAINTENANCE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_MODULES},
                  // Back from the maintenance page skips the licence page.
                  {Step::BACK, 0, IDD_PAGES_WELCOME, WIZARD_ACTION_REMOVE, REMOVAL_KIND_MODULES}});
        Press(*w, PSBTN_CANCEL);
    });
}

TEST_F(Wizard1Sheet, RoadsFromInstalledCopy)
{
    SetProgramPathOverride(kInstalledCopy);
    auto w = MakeWizard();
    RunSheet(*w, [&] {
        Walk(*w, {{Step::NEXT, 0, IDD_WZ_MAINTENANCE, WIZARD_ACTION_NONE, -1}});
        EXPECT_TRUE(Checked(*w, IDC_WZ_MAINT_REMOVE));
        EXPECT_FALSE(Checked(*w, IDC_WZ_MAINT_ADD));
        EXPECT_FALSE(Enabled(*w, IDC_WZ_MAINT_ADD));
        Walk(*w, {{Step::NEXT, 0, IDD_WZ_UNINSTALL_TYPE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_ALL}});
        EXPECT_TRUE(Checked(*w, IDC_WZ_UNINST_ALL));
        EXPECT_FALSE(Enabled(*w, IDC_WZ_UNINST_GROUPS));
        EXPECT_FALSE(Enabled(*w, IDC_WZ_UNINST_GROUPS_TEXT));
        Walk(*w, {{Step::BACK, 0, IDD_WZ_MAINTENANCE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_ALL},
                  {Step::BACK, 0, IDD_PAGES_WELCOME, WIZARD_ACTION_REMOVE, REMOVAL_KIND_ALL}});
        Press(*w, PSBTN_CANCEL);
    });
}

TEST_F(Wizard1Sheet, MaintenanceRightDoubleClickLeavesRemoveAlone)
{
    auto w = MakeWizard();
    RunSheet(*w, [&] {
        w->SetActivePage(2);
        Pump();
        ASSERT_EQ(IDD_WZ_MAINTENANCE, ActiveTemplate(*w));
        Click(*w, IDC_WZ_MAINT_MODIFY);
        HWND page = ::GetParent(PageItem(*w, IDC_WZ_MAINT_ADD));
        ::SendMessageW(page, WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(20, 20));
        EXPECT_FALSE(Enabled(*w, IDC_WZ_MAINT_ADD));
        EXPECT_FALSE(Enabled(*w, IDC_WZ_MAINT_ADD_TEXT));
        EXPECT_FALSE(Checked(*w, IDC_WZ_MAINT_ADD));
        EXPECT_FALSE(Checked(*w, IDC_WZ_MAINT_MODIFY));
        EXPECT_TRUE(Checked(*w, IDC_WZ_MAINT_REMOVE));
        Walk(*w, {{Step::NEXT, 0, IDD_WZ_UNINSTALL_TYPE, WIZARD_ACTION_REMOVE, -1}});
        Press(*w, PSBTN_CANCEL);
    });
}

// The choices of the maintenance and type pages are set in the bold 9-point
// font, the welcome and finish titles in the bold 10-point font.
TEST_F(Wizard1Sheet, ChoicesAndTitlesInTheirFonts)
{
    struct Case
    {
        int page;
        std::vector<int> controls;
        bool title;
    };
    const Case cases[] = {
        {0, {IDC_PAGES_TITLE}, true},
        {2, {IDC_WZ_MAINT_ADD, IDC_WZ_MAINT_REMOVE, IDC_WZ_MAINT_MODIFY}, false},
        {6, {IDC_WZ_TYPE_NEWER, IDC_WZ_TYPE_CUSTOM, IDC_WZ_TYPE_MODULES}, false},
        {7, {IDC_WZ_UNINST_ALL, IDC_WZ_UNINST_GROUPS, IDC_WZ_UNINST_MODULES}, false},
        {10, {IDC_WZ_FINISH_TITLE}, true},
    };
    auto w = MakeWizard();
    RunSheet(*w, [&] {
        for (const Case& c : cases) {
            w->SetActivePage(c.page);
            Pump();
            HWND page = reinterpret_cast<HWND>(w->SendMessage(PSM_GETCURRENTPAGEHWND));
            HDC dc = ::GetDC(page);
            const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
            ::ReleaseDC(page, dc);
            // Heights by resolution: 9 point (1 - dpi * 9 / 72) and 10 point (-(dpi * 10 / 72)).
            int height = 0;
            if (dpi == 96)
                height = c.title ? -13 : -11;
            else if (dpi == 120)
                height = c.title ? -16 : -14;
            ASSERT_NE(0, height) << "no expected height at " << dpi << " dots per inch";
            for (int id : c.controls) {
                HFONT font = reinterpret_cast<HFONT>(::SendMessageW(PageItem(*w, id), WM_GETFONT, 0, 0));
                LOGFONTW logFont = {};
                ASSERT_NE(0, ::GetObjectW(font, sizeof(logFont), &logFont)) << c.page << "/" << id;
                EXPECT_EQ(FW_BOLD, logFont.lfWeight) << c.page << "/" << id;
                EXPECT_EQ(height, logFont.lfHeight) << c.page << "/" << id;
            }
        }
        Press(*w, PSBTN_CANCEL);
    });
}

TEST_F(Wizard1Sheet, CancelAsksAndNoKeepsThePage)
{
    auto w = MakeWizard();
    HWND sheetWindow = nullptr;
    INT_PTR result = RunSheet(*w, [&] {
        sheetWindow = w->GetSafeHwnd();
        wchar_t title[256] = L"";
        ::GetWindowTextW(sheetWindow, title, 256);
        EXPECT_EQ(ResourceString(IDS_QUANDEL_WIZARD_CAPTION), title);
        // The wizard icon of the language library, big and small.
        HICON icon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_WZ_QUANDEL));
        EXPECT_NE(nullptr, icon);
        EXPECT_EQ(icon, reinterpret_cast<HICON>(::SendMessageW(sheetWindow, WM_GETICON, ICON_BIG, 0)));
        EXPECT_EQ(icon, reinterpret_cast<HICON>(::SendMessageW(sheetWindow, WM_GETICON, ICON_SMALL, 0)));
        Press(*w, PSBTN_NEXT);
        ASSERT_EQ(IDD_PAGES_LICENSE, ActiveTemplate(*w));
        seams.boxAnswer = IDNO;
        Press(*w, PSBTN_CANCEL);
        EXPECT_EQ(IDD_PAGES_LICENSE, ActiveTemplate(*w));
        ASSERT_EQ(1, seams.Count(L"box"));
        const SeamEvent* box = seams.Last(L"box");
        EXPECT_EQ(ResourceString(IDS_SRV_CANCEL_QUESTION), box->text);
        EXPECT_EQ(ResourceString(IDS_QUANDEL_WIZARD_CAPTION), box->caption);
        EXPECT_EQ(UINT(MB_YESNO), box->flags);
        // Owned by the wizard: the user cannot press its buttons meanwhile.
        EXPECT_EQ(sheetWindow, box->owner);
        seams.boxAnswer = IDYES;
        Press(*w, PSBTN_CANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(2, seams.Count(L"box"));
    EXPECT_EQ(nullptr, w->GetSafeHwnd());
    EXPECT_EQ(0, w->GetPageCount());
}

TEST_F(Wizard1Sheet, FinishPageNotesAndRestart)
{
    struct Case
    {
        int action, status;
        bool notesShown, notesChecked;
        bool uncheck;        // the user clears the box before Finish
        int answer;          // to the restart question
        bool asked, restarted, notesOpened;
        bool revisit = false;   // the user leaves the page and comes back before Finish
    };
    const Case cases[] = {
        {WIZARD_ACTION_INSTALL, MPI_RUN_NONE, false, false, false, IDYES, false, false, false},
        {WIZARD_ACTION_INSTALL, MPI_RUN_PARTIAL, true, true, false, IDYES, false, false, true},
        {WIZARD_ACTION_INSTALL, MPI_RUN_COMPLETE, true, true, true, IDYES, false, false, false},
        // The box is decided once: coming back keeps the user's choice.
        {WIZARD_ACTION_INSTALL, MPI_RUN_COMPLETE, true, true, true, IDYES, false, false, false, true},
        {WIZARD_ACTION_INSTALL, MPI_RUN_PARTIAL_REBOOT, true, true, false, IDNO, true, false, true},
        {WIZARD_ACTION_INSTALL, MPI_RUN_COMPLETE_REBOOT, true, true, false, IDYES, true, true, true},
        {WIZARD_ACTION_MODIFY, MPI_RUN_NONE, false, false, false, IDYES, false, false, false},
        {WIZARD_ACTION_REMOVE, MPI_RUN_COMPLETE, false, false, false, IDYES, false, false, false},
        {WIZARD_ACTION_REMOVE, MPI_RUN_PARTIAL_REBOOT, false, false, false, IDYES, true, true, false},
        {WIZARD_ACTION_REMOVE, MPI_RUN_COMPLETE_REBOOT, false, false, false, IDNO, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "action " << c.action << " status " << c.status);
        SeamRecorder rec;
        rec.boxAnswer = c.answer;
        auto w = MakeWizard();
        INT_PTR result = RunSheet(*w, [&] {
            w->SetAction(c.action);
            w->SetRunStatus(c.status);
            w->SetActivePage(10);
            Pump();
            ASSERT_EQ(IDD_WZ_FINISH, ActiveTemplate(*w));
            EXPECT_EQ(c.notesShown, (::GetWindowLongW(PageItem(*w, IDC_WZ_FINISH_NOTES), GWL_STYLE) & WS_VISIBLE) != 0);
            EXPECT_EQ(c.notesChecked, Checked(*w, IDC_WZ_FINISH_NOTES));
            EXPECT_TRUE(SheetButtonEnabled(*w, ID_WIZFINISH));
            if (c.uncheck)
                Click(*w, IDC_WZ_FINISH_NOTES);
            if (c.revisit) {
                w->SetActivePage(0);
                Pump();
                w->SetActivePage(10);
                Pump();
                EXPECT_TRUE((::GetWindowLongW(PageItem(*w, IDC_WZ_FINISH_NOTES), GWL_STYLE) & WS_VISIBLE) != 0);
                EXPECT_FALSE(Checked(*w, IDC_WZ_FINISH_NOTES));
            }
            Press(*w, PSBTN_FINISH);
        });
        EXPECT_EQ(ID_WIZFINISH, result);
        EXPECT_EQ(c.asked ? 1 : 0, rec.Count(L"box"));
        EXPECT_EQ(c.restarted ? 1 : 0, rec.Count(L"restart"));
        EXPECT_EQ(c.notesOpened ? 1 : 0, rec.Count(L"shell"));
        if (c.asked) {
            EXPECT_EQ(ResourceString(IDS_WZ_RESTART_QUESTION), rec.Last(L"box")->text);
            EXPECT_EQ(UINT(MB_YESNO), rec.Last(L"box")->flags);
        }
        if (c.restarted) {
            EXPECT_EQ(UINT(EWX_REBOOT | EWX_FORCE), rec.Last(L"restart")->flags);
        }
        if (c.notesOpened) {
            EXPECT_EQ(L"open", rec.Last(L"shell")->caption);
            EXPECT_EQ(L"InstallNotes\\InstallNotes_ENU.rtf", rec.Last(L"shell")->text);
            // The notes open before the restart question.
            if (c.asked) {
                EXPECT_EQ(L"shell", rec.events.front().kind);
            }
        }
    }
}

TEST_F(Wizard1Sheet, InstallNotesBesideTheProgram)
{
    SetProgramPathOverride(L"E:\\Dist\\Quandel.exe");
    auto w = MakeWizard();
    RunSheet(*w, [&] {
        w->SetAction(WIZARD_ACTION_INSTALL);
        w->SetRunStatus(MPI_RUN_COMPLETE);
        w->SetActivePage(10);
        Pump();
        Press(*w, PSBTN_FINISH);
    });
    ASSERT_EQ(1, seams.Count(L"shell"));
    EXPECT_EQ(L"e:\\dist\\InstallNotes\\InstallNotes_ENU.rtf", seams.Last(L"shell")->text);
}

// A host of version 13 is installed: removal goes to the module removal page.
class Wizard1NewerHost : public Wizard1Sheet
{
protected:
    void SetUp() override
    {
        Wizard1Sheet::SetUp();
        ASSERT_EQ(0u, InstallPackage(FixtureFolder(L"packages") + L"w1_host13.msi"));
    }
    void TearDown() override
    {
        RemoveProduct(kHost13);
        Wizard1Sheet::TearDown();
    }
};

TEST_F(Wizard1NewerHost, RemoveGoesToModuleRemoval)
{
    auto w = MakeWizard();
    RunSheet(*w, [&] {
        w->SetRemovalKind(REMOVAL_KIND_ALL);
        Walk(*w, {{Step::NEXT, 0, IDD_PAGES_LICENSE, WIZARD_ACTION_NONE, -1},
                  {Step::CLICK, IDC_PAGES_ACCEPT, IDD_PAGES_LICENSE, WIZARD_ACTION_NONE, -1},
                  {Step::NEXT, 0, IDD_WZ_MAINTENANCE, WIZARD_ACTION_NONE, -1},
                  {Step::CLICK, IDC_WZ_MAINT_REMOVE, IDD_WZ_MAINTENANCE, WIZARD_ACTION_NONE, -1},
                  {Step::NEXT, 0, IDD_PAGES_MODULE_REMOVE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_MODULES},
                  {Step::BACK, 0, IDD_WZ_MAINTENANCE, WIZARD_ACTION_REMOVE, REMOVAL_KIND_MODULES}});
        // The uninstall-type page learnt of the host when it was made.
        w->SetActivePage(7);
        Pump();
        ASSERT_EQ(IDD_WZ_UNINSTALL_TYPE, ActiveTemplate(*w));
        EXPECT_TRUE(Checked(*w, IDC_WZ_UNINST_MODULES));
        EXPECT_FALSE(Enabled(*w, IDC_WZ_UNINST_GROUPS));
        Press(*w, PSBTN_CANCEL);
    });
}

TEST_F(Wizard1Sheet, OwnerIsDisabledWhileTheWizardRuns)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                               nullptr));
    auto w = std::make_unique<CQuandelWizard>(new CQuandelSrv, 102u, &owner);
    w->SetWizardMode();
    bool disabledMeanwhile = false;
    HWND sheetOwner = nullptr;
    RunSheet(*w, [&] {
        disabledMeanwhile = !::IsWindowEnabled(owner.GetSafeHwnd());
        sheetOwner = ::GetWindow(w->GetSafeHwnd(), GW_OWNER);
        Press(*w, PSBTN_CANCEL);
    });
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_EQ(owner.GetSafeHwnd(), sheetOwner);
    EXPECT_TRUE(::IsWindowEnabled(owner.GetSafeHwnd()));
    owner.DestroyWindow();
}
