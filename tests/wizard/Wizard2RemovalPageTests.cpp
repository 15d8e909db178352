// The module removal page over installed test groups: remove marks follow
// each row's own node, also when two groups share their name and numbers.
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
}
