// CDialog, CPropertyPage and DDX_Control with real windows: modal runs
// closed by a timer, validation that keeps a dialog open, and a page in a
// modeless property sheet answering the sheet's notifications.
#include "dialog_ids.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include <gtest/gtest.h>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace
{
class CTestDialog : public CDialog
{
public:
    explicit CTestDialog(UINT id = IDD_TEST_DIALOG) : CDialog(id) {}

    BOOL OnInitDialog() override
    {
        BOOL result = CDialog::OnInitDialog();
        boundAtInit = m_edit.GetSafeHwnd() == ::GetDlgItem(m_hWnd, IDC_TEST_EDIT);
        m_edit.SetWindowText(L"from init");
        return result;
    }

    bool failSaving = false;
    bool bindMissing = false;
    bool boundAtInit = false;
    int exchanges = 0;
    CString saved;
    CEdit m_edit;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        ++exchanges;
        DDX_Control(pDX, IDC_TEST_EDIT, m_edit);
        if (bindMissing)
            DDX_Control(pDX, IDC_TEST_MISSING, m_missing);
        if (pDX->m_bSaveAndValidate)
        {
            m_edit.GetWindowText(saved);
            if (failSaving)
                pDX->Fail();
        }
    }

    CEdit m_missing;
};

// Runs steps against the dialog of this thread from a timer, one per tick.
std::vector<std::function<void(HWND)>> g_steps;
void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = ::GetActiveWindow();
    if (dialog == nullptr || g_steps.empty())
        return;
    std::function<void(HWND)> step = g_steps.front();
    g_steps.erase(g_steps.begin());
    step(dialog);
}

INT_PTR RunModal(CDialog& dialog, std::vector<std::function<void(HWND)>> steps)
{
    g_steps = std::move(steps);
    UINT_PTR timer = ::SetTimer(nullptr, 0, 30, RunStep);
    INT_PTR result = dialog.DoModal();
    ::KillTimer(nullptr, timer);
    return result;
}

void Press(HWND dialog, int id)
{
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}
}

TEST(Dialog, ModalRunsEndThroughOkAndCancel)
{
    struct Case { const char* name; bool failSaving; std::vector<int> presses; INT_PTR result; int exchanges; };
    const Case cases[] = {
        { "ok", false, { IDOK }, IDOK, 2 },
        { "cancel", false, { IDCANCEL }, IDCANCEL, 1 },
        { "failed validation keeps it open", true, { IDOK, IDCANCEL }, IDCANCEL, 2 },
    };
    for (const Case& c : cases)
    {
        CTestDialog dialog;
        dialog.failSaving = c.failSaving;
        std::vector<std::function<void(HWND)>> steps;
        for (int id : c.presses)
            steps.push_back([id](HWND hWnd) { Press(hWnd, id); });
        EXPECT_EQ(c.result, RunModal(dialog, steps)) << c.name;
        EXPECT_TRUE(dialog.boundAtInit) << c.name;
        EXPECT_EQ(c.exchanges, dialog.exchanges) << c.name;
        EXPECT_EQ(nullptr, dialog.GetSafeHwnd()) << c.name;
        EXPECT_EQ(nullptr, dialog.m_edit.GetSafeHwnd()) << c.name;
        if (c.result == IDOK || c.failSaving)
        {
            EXPECT_STREQ(L"from init", dialog.saved.GetString()) << c.name;
        }
    }
}

TEST(Dialog, DataExchangeBindsOnceAndFailsForMissingControls)
{
    CTestDialog dialog;
    bool again = false, missing = true, stillBound = false;
    INT_PTR result = RunModal(dialog, {
        [&](HWND hWnd) {
            HWND edit = ::GetDlgItem(hWnd, IDC_TEST_EDIT);
            again = dialog.UpdateData(TRUE) != FALSE;
            stillBound = dialog.m_edit.GetSafeHwnd() == edit && CWnd::FromHandlePermanent(edit) == &dialog.m_edit;
            dialog.bindMissing = true;
            missing = dialog.UpdateData(FALSE) != FALSE;
            Press(hWnd, IDCANCEL);
        } });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_TRUE(again);
    EXPECT_TRUE(stillBound);
    EXPECT_FALSE(missing);
}

TEST(Dialog, MissingTemplateFailsToRun)
{
    CTestDialog noTemplate(0);
    EXPECT_EQ(-1, noTemplate.DoModal());
    CTestDialog unknown(4321);
    EXPECT_EQ(-1, unknown.DoModal());
    EXPECT_EQ(nullptr, unknown.GetSafeHwnd());
}

namespace
{
class CTestPage : public CPropertyPage
{
public:
    CTestPage() : CPropertyPage(IDD_TEST_PAGE) {}

    BOOL OnInitDialog() override
    {
        log.push_back("init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override
    {
        log.push_back("setactive");
        return allowActivate && CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        log.push_back("killactive");
        return allowLeave && CPropertyPage::OnKillActive();
    }

    std::vector<std::string> log;
    bool allowActivate = true;
    bool allowLeave = true;
    CEdit m_edit;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        log.push_back(pDX->m_bSaveAndValidate ? "save" : "load");
        DDX_Control(pDX, IDC_TEST_PAGE_EDIT, m_edit);
    }
};

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

int CurrentIndex(HWND sheet)
{
    HWND page = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    return static_cast<int>(::SendMessageW(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
}
}

TEST(PropertyPage, SheetNotificationsReachThePage)
{
    CTestPage first, second;
    EXPECT_EQ(static_cast<DWORD>(PROPSHEETPAGEW_V2_SIZE), first.GetPSP().dwSize);
    EXPECT_EQ(reinterpret_cast<LPARAM>(&first), first.GetPSP().lParam);
    EXPECT_EQ(::GetModuleHandleW(nullptr), first.GetPSP().hInstance);

    HPROPSHEETPAGE pages[2] = { ::CreatePropertySheetPageW(&first.GetPSP()),
                                ::CreatePropertySheetPageW(&second.GetPSP()) };
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS;
    header.pszCaption = L"Sheet";
    header.nPages = 2;
    header.phpage = pages;
    HWND sheet = reinterpret_cast<HWND>(::PropertySheetW(&header));
    ASSERT_NE(nullptr, sheet);
    Pump();

    // WM_INITDIALOG binds the page and loads its controls, then it activates.
    const std::vector<std::string> started = { "init", "load", "setactive" };
    EXPECT_EQ(started, first.log);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(first.GetSafeHwnd(), IDC_TEST_PAGE_EDIT)), &first.m_edit);

    first.allowLeave = false;
    ::SendMessageW(sheet, PSM_SETCURSEL, 1, 0);
    Pump();
    EXPECT_EQ(0, CurrentIndex(sheet));
    first.allowLeave = true;
    first.log.clear();
    ::SendMessageW(sheet, PSM_SETCURSEL, 1, 0);
    Pump();
    EXPECT_EQ(1, CurrentIndex(sheet));
    const std::vector<std::string> left = { "killactive", "save" };
    EXPECT_EQ(left, first.log);

    // Coming back refreshes the controls.
    first.log.clear();
    ::SendMessageW(sheet, PSM_SETCURSEL, 0, 0);
    Pump();
    EXPECT_EQ(0, CurrentIndex(sheet));
    const std::vector<std::string> back = { "setactive", "load" };
    EXPECT_EQ(back, first.log);

    ::DestroyWindow(sheet);
    Pump();
    EXPECT_EQ(nullptr, first.GetSafeHwnd());
    EXPECT_EQ(nullptr, second.GetSafeHwnd());
}

namespace
{
// A wizard page without a caret (no timer wakes its loop) that records the
// sheet's window once it is shown.
class CQuietPage : public CPropertyPage
{
public:
    CQuietPage() : CPropertyPage(IDD_TEST_QUIET_PAGE) {}
    BOOL OnSetActive() override
    {
        CPropertySheet* sheet = static_cast<CPropertySheet*>(GetParent());
        sheet->SetWizardButtons(PSWIZB_FINISH);
        shown = sheet->GetSafeHwnd();
        return CPropertyPage::OnSetActive();
    }
    std::atomic<HWND> shown{nullptr};
};
}

// A button pressed by another thread arrives as a sent message, which the
// modal loop handles while it waits: the sheet must still end at once, not
// when the next posted message happens to come.
TEST(ModalSheet, ButtonsSentFromAnotherThreadEndTheLoop)
{
    struct Case { int button; INT_PTR result; };
    for (const Case& c : {Case{PSBTN_FINISH, ID_WIZFINISH}, Case{PSBTN_CANCEL, IDCANCEL}})
    {
        CQuietPage page;
        CPropertySheet sheet(L"Sheet");
        sheet.AddPage(&page);
        sheet.SetWizardMode();
        HANDLE returned = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        bool stuck = false;
        std::thread presser([&] {
            while (page.shown == nullptr)
                ::Sleep(10);
            ::Sleep(300);   // the sheet's thread has gone idle in its loop
            ::SendMessageW(page.shown, PSM_PRESSBUTTON, c.button, 0);
            // A loop that waits for a posted message never ends by itself,
            // so a long deadline only delays a failing test, while a loaded
            // machine may well take seconds to return from DoModal.
            if (::WaitForSingleObject(returned, 30000) != WAIT_OBJECT_0)
            {
                // Wake the loop, so a failing test ends.
                stuck = true;
                ::PostMessageW(page.shown, WM_NULL, 0, 0);
            }
        });
        const INT_PTR result = sheet.DoModal();
        ::SetEvent(returned);
        presser.join();
        ::CloseHandle(returned);
        EXPECT_FALSE(stuck) << c.button;
        EXPECT_EQ(c.result, result) << c.button;
    }
}
