#pragma once
// The fixture of the page tests: one real wizard sheet over a distribution
// folder of test packages, and small helpers that work its controls.
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include "Wizard2Support.h"
#include "framework/PropertyPage.h"
#include "framework/Seams.h"
#include "setup/controls/Quandel_CExCheckBoxTreeListBox.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "setup/service/QuandelSrv.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/wizard/SetupProgramFolder.h"
#include "ids_pages.h"
#include "ids_wizard.h"
#include "ids_startup.h"

namespace w2pages
{
const int kWelcome = 0, kLicence = 1, kRemove = 4, kInstall = 5, kSummary = 8;

inline std::wstring S(UINT id)
{
    CString text;
    text.LoadString(id);
    return text.GetString();
}

// One wizard over a distribution folder of test packages. The sheet owns the
// service (the module installation page deletes it).
class PageTest : public ::testing::Test
{
protected:
    void Open(std::initializer_list<const wchar_t*> fixtures)
    {
        w2::UseLanguageLibrary();
        w2::ScriptMessageBoxes(IDYES);
        dist.reset(new w2::DistFolder(fixtures));
        srv = w2::MakeService(dist->mp);
        wizard.reset(new CQuandelWizard(srv, IDS_QUANDEL_WIZARD_CAPTION));
        wizard->SetWizardMode();
    }
    void TearDown() override
    {
        SetProgramPathOverride(nullptr);
        wizard.reset();
        dist.reset();
        w2::TakeMessageBoxTexts();
    }

    HWND Page() const { return reinterpret_cast<HWND>(wizard->SendMessage(PSM_GETCURRENTPAGEHWND)); }
    HWND Item(int id) const { return ::GetDlgItem(Page(), id); }
    bool NextEnabled() const { return ::IsWindowEnabled(::GetDlgItem(wizard->m_hWnd, ID_WIZNEXT)) != FALSE; }
    std::wstring NextText() const { return w2::TextOf(::GetDlgItem(wizard->m_hWnd, ID_WIZNEXT)); }
    void Click(int id) const { ::SendMessageW(Item(id), BM_CLICK, 0, 0); }

    int GroupIndex(const wchar_t* name, int n = 0) const
    {
        for (int i = 0; srv->GetMsi(i) != NULL; ++i)
            if (srv->GetMsi(i)->GetGroupName(0) == name && n-- == 0)
                return i;
        return -1;
    }
    CQuandelModule* Module(int group, int module) const { return srv->GetMsi(group)->GetModule(module); }

    // The check-box list of the current page and its node of a row.
    QUANDEL_CExCheckBoxTreeListBox* Tree(int id) const
    {
        return static_cast<QUANDEL_CExCheckBoxTreeListBox*>(CWnd::FromHandlePermanent(Item(id)));
    }
    // Clicks the check box of a row, as the user does.
    void ClickCheck(int id, int row) const
    {
        RECT rect = {};
        ::SendMessageW(Item(id), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        const LPARAM point = MAKELPARAM(rect.left + 3, rect.top + 3);
        ::SendMessageW(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, point);
        ::SendMessageW(Item(id), WM_LBUTTONUP, 0, point);
    }
    // The row whose node carries the text under the nth group row of that name.
    int RowOf(int id, const wchar_t* text) const
    {
        const int count = static_cast<int>(::SendMessageW(Item(id), LB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row)
            if (Tree(id)->GetTextAt(row) == text)
                return row;
        return -1;
    }

    std::unique_ptr<w2::DistFolder> dist;
    CQuandelSrv* srv = nullptr;
    std::unique_ptr<CQuandelWizard> wizard;
};

}
