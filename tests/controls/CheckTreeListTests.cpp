// The check-box tree list: toggling by click and Space in both selection
// styles, the tri-state images, and reading the choices back.
#include "ControlsTestSupport.h"

namespace {

class CheckTreeListTest : public ::testing::TestWithParam<DWORD>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTreeList(host, list, GetParam()));
        int id = -1;
        list.AddItem(L"Group 1", 0, 0, 1000, -1, &g1, false);
        list.AddItem(L"Alpha", 0, 0, 1, g1, &id, false);
        list.AddItem(L"Beta", 0, 0, 2, g1, &id, false);
        list.AddItem(L"Gamma", 0, 0, 3, g1, &id, false);
        list.AddItem(L"Group 2", 0, 0, 2000, -1, &g2, false);
        list.AddItem(L"Delta", 0, 0, 4, g2, &id, false);
        list.Expand(0);                          // Group 1, Alpha, Beta, Gamma, Group 2
        list.Expand(list.IndexFromID(g2));       // ..., Delta
    }
    CCheckboxTreeNode* NodeAt(int row) { return static_cast<CCheckboxTreeNode*>(list.GetNodeAt(row)); }
    void ClickBox(int row, int x = 2)
    {
        CPoint p = RowPoint(list, row, x);
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    void Char(wchar_t ch) { list.SendMessage(WM_CHAR, ch, 1); }
    std::vector<DWORD> Checked()
    {
        CDWordArray data;
        list.GetCheckedItemData(data);
        return std::vector<DWORD>(data.GetData(), data.GetData() + data.GetSize());
    }

    CHostWnd host;
    QUANDEL_CExCheckBoxTreeListBox list;
    int g1 = -1;
    int g2 = -1;
};

TEST_P(CheckTreeListTest, CheckColumnWidthIsTheThumbWidth)
{
    EXPECT_EQ(::GetSystemMetrics(SM_CXHTHUMB), list.GetCheckColumnWidth());
}

TEST_P(CheckTreeListTest, ImagesFollowTheDescendants)
{
    EXPECT_EQ(3, QUANDEL_CExCheckBoxTreeListBox::CheckImageOf(NodeAt(0))) << "none checked";
    EXPECT_EQ(3, QUANDEL_CExCheckBoxTreeListBox::CheckImageOf(NodeAt(1)));
    ClickBox(1);
    EXPECT_EQ(2, QUANDEL_CExCheckBoxTreeListBox::CheckImageOf(NodeAt(1)));
    EXPECT_EQ(1, QUANDEL_CExCheckBoxTreeListBox::CheckImageOf(NodeAt(0))) << "some";
    list.SetCurSel(-1);
    ClickBox(2);
    list.SetCurSel(-1);
    ClickBox(3);
    EXPECT_EQ(0, QUANDEL_CExCheckBoxTreeListBox::CheckImageOf(NodeAt(0))) << "all";
}

TEST_P(CheckTreeListTest, ClickOnGroupBoxUnchecksThenChecksItsModules)
{
    ClickBox(2); // Beta: the group is in the "some" state
    list.SetCurSel(-1);
    ClickBox(0);
    EXPECT_EQ(std::vector<DWORD>{}, Checked());
    list.SetCurSel(-1);
    ClickBox(0);
    EXPECT_EQ((std::vector<DWORD>{ 1, 2, 3 }), Checked()) << "the root's own item data is never included";
}

TEST_P(CheckTreeListTest, ClickAtTheColumnEdgeOpensTheGlyphInstead)
{
    int edge = list.GetCheckColumnWidth();
    ClickBox(0, edge);
    EXPECT_FALSE(NodeAt(0)->IsChecked());
    EXPECT_EQ(3, list.GetCount()) << "the root collapsed: that x is its glyph zone";
    ClickBox(0, edge - 1);
    EXPECT_TRUE(NodeAt(0)->IsChecked());
    EXPECT_EQ(3, list.GetCount());
}

TEST_P(CheckTreeListTest, SpaceTogglesSelectionAndLettersDoNothing)
{
    list.SetCurSel(2); // Beta
    Char(L' ');
    EXPECT_TRUE(NodeAt(2)->IsChecked());
    EXPECT_EQ(1, QUANDEL_CExCheckBoxTreeListBox::CheckImageOf(NodeAt(0))) << "its group follows";
    int selection = list.GetCurSel();
    Char(L'a');
    Char(L'G');
    EXPECT_EQ((std::vector<DWORD>{ 2 }), Checked());
    EXPECT_EQ(selection, list.GetCurSel()) << "no type-ahead";
    // The key itself never reaches the list box.
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(selection, list.GetCurSel());
}

TEST_P(CheckTreeListTest, ReadingChoicesBack)
{
    list.CheckAll();
    EXPECT_EQ((std::vector<DWORD>{ 1, 2, 3, 4 }), Checked()) << "group 1's modules, then group 2's";
    EXPECT_TRUE(list.IsCheckedByText(L"Delta"));
    EXPECT_FALSE(list.IsCheckedByText(L"Group 1")) << "roots are not searched, even when checked";
    EXPECT_FALSE(list.IsCheckedByText(L"delta")) << "case-sensitive";
    EXPECT_TRUE(list.IsAnyChecked());
    list.UncheckAll();
    EXPECT_EQ(std::vector<DWORD>{}, Checked());
    EXPECT_FALSE(list.IsCheckedByText(L"Delta"));
    EXPECT_FALSE(list.IsAnyChecked());

    list.SetCheckByText(L"Gamma", TRUE);
    EXPECT_TRUE(list.IsCheckedByText(L"Gamma"));
    EXPECT_EQ((std::vector<DWORD>{ 3 }), Checked());
    EXPECT_TRUE(NodeAt(0)->IsChecked()) << "the group's flag follows its module";
    list.SetCheckByData(3, FALSE);
    EXPECT_EQ(std::vector<DWORD>{}, Checked());
    EXPECT_FALSE(NodeAt(0)->IsChecked());
    list.SetCheckByData(77, TRUE);
    EXPECT_EQ(std::vector<DWORD>{}, Checked());
}

std::string StyleName(const ::testing::TestParamInfo<DWORD>& info)
{
    return info.param == LBS_MULTIPLESEL ? "MultipleSelection"
                                         : info.param == LBS_EXTENDEDSEL ? "ExtendedSelection" : "SingleSelection";
}

INSTANTIATE_TEST_SUITE_P(Styles, CheckTreeListTest,
                         ::testing::Values(DWORD(0), DWORD(LBS_MULTIPLESEL), DWORD(LBS_EXTENDEDSEL)), StyleName);

// Toggling on a multiple-selection list: the selected rows together, or the
// clicked row alone when it is not among them.
class MultiCheckTreeListTest : public ::testing::TestWithParam<DWORD>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTreeList(host, list, GetParam()));
        int g = -1;
        int id = -1;
        list.AddItem(L"Group", 0, 0, 0, -1, &g, false);
        for (DWORD data = 1; data <= 4; ++data)
            list.AddItem(L"Module", 0, 0, data, g, &id, true);
    }
    void ClickBox(int row)
    {
        CPoint p = RowPoint(list, row, 2);
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    std::vector<DWORD> Checked()
    {
        CDWordArray data;
        list.GetCheckedItemData(data);
        std::vector<DWORD> result;
        for (int i = 0; i < data.GetSize(); ++i)
            if (data[i] != 0)
                result.push_back(data[i]);
        return result;
    }
    void SelectOnly(std::initializer_list<int> rows)
    {
        list.SetSel(-1, FALSE);
        for (int row : rows)
            list.SetSel(row, TRUE);
    }

    CHostWnd host;
    QUANDEL_CExCheckBoxTreeListBox list;
};

TEST_P(MultiCheckTreeListTest, ClickTogglesSelectedRowsOrTheClickedRowAlone)
{
    SelectOnly({ 1, 3 });
    ClickBox(3);
    EXPECT_EQ((std::vector<DWORD>{ 1, 3 }), Checked()) << "the clicked row is selected: all selected rows";

    SelectOnly({ 1, 3 });
    ClickBox(4);
    EXPECT_EQ((std::vector<DWORD>{ 1, 3, 4 }), Checked()) << "not selected: the clicked row alone";
}

TEST_P(MultiCheckTreeListTest, SpaceTogglesSelectedRowsOrTheCaretRow)
{
    SelectOnly({ 2, 4 });
    list.SendMessage(WM_CHAR, L' ', 1);
    EXPECT_EQ((std::vector<DWORD>{ 2, 4 }), Checked());

    SelectOnly({});
    list.SetCaretIndex(1);
    list.SendMessage(WM_CHAR, L' ', 1);
    EXPECT_EQ((std::vector<DWORD>{ 1, 2, 4 }), Checked());
}

INSTANTIATE_TEST_SUITE_P(Styles, MultiCheckTreeListTest,
                         ::testing::Values(DWORD(LBS_MULTIPLESEL), DWORD(LBS_EXTENDEDSEL)), StyleName);

} // namespace
