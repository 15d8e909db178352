// The module removal page over installed test groups: remove marks follow
// each row's own node, also when two groups share their name and numbers;
// run from the installed copy it lists every installed group.
#include "Wizard2PageFixture.h"

using namespace w2pages;

namespace
{
TEST_F(PageTest, RemoveMarksFollowTheRowsOwnNodes)
{
    w2::InstalledPackage twin1(L"w2_twin1", L"Main,ModA,ModB,ModC");
    w2::InstalledPackage twin2(L"w2_twin2", L"Main,ModA,ModB");
    ASSERT_EQ(0u, twin1.result);
    ASSERT_EQ(0u, twin2.result);
    Open({L"w2_twin1", L"w2_twin2"});
    const int first = GroupIndex(L"Twin", 0);
    const int second = GroupIndex(L"Twin", 1);
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);
    // Which twin is which depends on the folder order; the second has no ModC.
    const int full = Module(first, 2)->IsInstalled() ? first : second;
    const int partial = full == first ? second : first;
    auto marks = [&] {
        std::vector<int> m;
        for (int g : {full, partial})
            for (int i = 0; i < 3; ++i)
                m.push_back(Module(g, i)->GetRemoveMark());
        return m;
    };
    const int partialRow = full == first ? 1 : 0;
    wizard->SetAction(WIZARD_ACTION_REMOVE);
    wizard->SetRemovalKind(REMOVAL_KIND_MODULES);
    w2::RunSheet(*wizard, {
        [&] { wizard->SetActivePage(kRemove); },
        [&] {
            EXPECT_EQ(2, static_cast<int>(::SendMessageW(Item(IDC_PAGES_REMOVE_TREE), LB_GETCOUNT, 0, 0)));
            EXPECT_FALSE(NextEnabled());   // nothing to remove yet
            Tree(IDC_PAGES_REMOVE_TREE)->Expand(partialRow);
            ASSERT_EQ(L"TW-1", std::wstring(Tree(IDC_PAGES_REMOVE_TREE)->GetTextAt(partialRow + 1).GetString()));
            ClickCheck(IDC_PAGES_REMOVE_TREE, partialRow + 1);
        },
        [&] {
            EXPECT_TRUE(NextEnabled());
            wizard->PressButton(PSBTN_NEXT);
        },
        [&] {
            EXPECT_EQ((std::vector<int>{0, 0, 0, 1, 0, 0}), marks());
            // The summary lists exactly the marked module under its own group.
            EXPECT_EQ(2, static_cast<int>(::SendMessageW(Item(IDC_PAGES_SUMMARY_TREE), TVM_GETCOUNT, 0, 0)));
            wizard->SetActivePage(kRemove);
        },
        [&] { Click(IDC_PAGES_UNCHECK_ALL); },
        [&] {
            EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, 0}), marks());
            EXPECT_FALSE(NextEnabled());
            Click(IDC_PAGES_CHECK_ALL);
        },
        [&] { wizard->PressButton(PSBTN_NEXT); },
        [&] { EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1, 0}), marks()); },
    });
}

// From the installed copy every installed group is listed, also one whose
// package does not ship and one without installed modules.
TEST_F(PageTest, InstalledCopyListsEveryInstalledGroup)
{
    w2::InstalledPackage alpha(L"w2_alpha", L"Main,ModA,ModB");
    w2::InstalledPackage beta(L"w2_beta", L"Main");
    ASSERT_EQ(0u, alpha.result);
    ASSERT_EQ(0u, beta.result);
    SetProgramPathOverride(L"C:\\Program Files\\Ternwick Software\\Pelmora\\Module Profiles\\Install\\Quandel.exe");
    Open({});
    wizard->SetAction(WIZARD_ACTION_REMOVE);
    wizard->SetRemovalKind(REMOVAL_KIND_MODULES);
    w2::RunSheet(*wizard, {
        [&] { wizard->SetActivePage(kRemove); },
        [&] {
            QUANDEL_CExCheckBoxTreeListBox* tree = Tree(IDC_PAGES_REMOVE_TREE);
            const int alphaRow = RowOf(IDC_PAGES_REMOVE_TREE, L"Alpha");
            ASSERT_GE(alphaRow, 0);
            tree->Expand(alphaRow);
            const int betaRow = RowOf(IDC_PAGES_REMOVE_TREE, L"Beta");
            ASSERT_GE(betaRow, 0);
            tree->Expand(betaRow);
            std::vector<std::wstring> rows;
            for (int row = 0; row < static_cast<int>(::SendMessageW(Item(IDC_PAGES_REMOVE_TREE), LB_GETCOUNT, 0, 0)); ++row)
                rows.push_back(tree->GetTextAt(row).GetString());
            const std::vector<std::wstring> alphaFirst = {L"Alpha", L"AL-1", L"AL-2", L"Beta"};
            const std::vector<std::wstring> betaFirst = {L"Beta", L"Alpha", L"AL-1", L"AL-2"};
            // The groups come in the order the installer enumerates them.
            EXPECT_TRUE(rows == alphaFirst || rows == betaFirst);
            // Selecting the group without modules marks nothing and shows its details.
            const int row = RowOf(IDC_PAGES_REMOVE_TREE, L"Beta");
            ::SendMessageW(Item(IDC_PAGES_REMOVE_TREE), LB_SETSEL, FALSE, -1);
            ::SendMessageW(Item(IDC_PAGES_REMOVE_TREE), LB_SETSEL, TRUE, row);
            ::SendMessageW(Item(IDC_PAGES_REMOVE_TREE), LB_SETCARETINDEX, row, 0);
            ::SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(IDC_PAGES_REMOVE_TREE, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(Item(IDC_PAGES_REMOVE_TREE)));
        },
        [&] {
            const std::vector<std::wstring> details = w2::ListRows(Item(IDC_PAGES_DETAILS_LIST));
            ASSERT_GE(details.size(), 2u);
            EXPECT_EQ(L"\tPage Vendor Beta", details[1]);
            EXPECT_FALSE(NextEnabled());
            for (int i = 0; srv->GetMsi(i) != NULL; ++i)
                for (unsigned m = 0; m < srv->GetMsi(i)->GetModuleCount(); ++m)
                    EXPECT_FALSE(Module(i, static_cast<int>(m))->GetRemoveMark());
        },
    });
}
}
