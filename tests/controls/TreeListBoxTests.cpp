// The tree list box driven with real list-box messages: rows and IDs,
// expanding and collapsing by mouse and keys, and the text and search
// messages answered from the nodes.
#include "ControlsTestSupport.h"
#include <functional>

namespace {

class TreeListTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CreateTreeList(host, list)); }

    int Root(const wchar_t* text, DWORD data = 0)
    {
        int id = -1;
        list.AddItem(text, 0, 0, data, -1, &id, false);
        return id;
    }
    int Child(int parent, const wchar_t* text, bool expand = false, int* row = nullptr)
    {
        int id = -1;
        int r = list.AddItem(text, 0, 0, 0, parent, &id, expand);
        if (row != nullptr)
            *row = r;
        return id;
    }
    void Click(int row, int x, UINT message = WM_LBUTTONDOWN)
    {
        CPoint p = RowPoint(list, row, x);
        list.SendMessage(message, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    void Key(UINT vk) { list.SendMessage(WM_KEYDOWN, vk, 1); }
    void ExpectRowsMatchTrees(const char* step)
    {
        EXPECT_EQ(ExpectedRows(list), ActualRows(list))
            << step << ": rows " << testing::PrintToString(RowTexts(list));
    }

    CHostWnd host;
    QUANDEL_CTreeListBox list;
};

TEST_F(TreeListTest, AddItemPlacesRowsAndHandsOutIds)
{
    int id = -1;
    EXPECT_EQ(0, list.AddItem(L"G1", 0, 0, 10, -1, &id, false));
    EXPECT_EQ(1, id);
    int row = -1;
    EXPECT_EQ(2, Child(1, L"M1", true, &row));
    EXPECT_EQ(1, row);
    EXPECT_EQ(3, Child(1, L"M2", true, &row));
    EXPECT_EQ(2, row) << "directly after the first child";
    EXPECT_EQ(3, list.AddItem(L"G2", 0, 0, 0, -1, &id, false)) << "a new root goes after the expanded root's children";

    // A first child under a shown root at row 4.
    list.AddItem(L"G3", 0, 0, 0, -1, &id, false);
    int g3 = id;
    EXPECT_EQ(5, list.AddItem(L"M3", 0, 0, 0, g3, &id, true));
    EXPECT_EQ(6, list.AddItem(L"M4", 0, 0, 0, g3, &id, true));
    ExpectRowsMatchTrees("filled");

    // Collapsed parent, expand false: the node exists, no row.
    int g2 = list.GetIDAt(3);
    EXPECT_EQ(-1, list.AddItem(L"hidden", 0, 0, 0, g2, &id, false));
    EXPECT_EQ(8, id);
    EXPECT_EQ(7, list.GetCount());
    EXPECT_FALSE(list.FindNodeByID(g2)->IsExpanded());
    ExpectRowsMatchTrees("hidden child");

    // Unknown parent: nothing is created and no ID is used up.
    id = -5;
    EXPECT_EQ(-1, list.AddItem(L"orphan", 0, 0, 0, 99, &id, true));
    EXPECT_EQ(-5, id);
    EXPECT_EQ(8, list.GetNodeCount());
    list.AddItem(L"next", 0, 0, 0, -1, &id, false);
    EXPECT_EQ(9, id);

    EXPECT_EQ(10u, list.GetItemDataAt(0));
    EXPECT_EQ(0u, list.GetItemDataAt(99));
    EXPECT_FALSE(list.IsLeafAt(0));
    EXPECT_TRUE(list.IsLeafAt(1));
    EXPECT_FALSE(list.IsLeafAt(-1));
    EXPECT_EQ(1, list.GetLevelAt(1));
    EXPECT_EQ(4, list.IndexFromID(g3));
    EXPECT_EQ(-1, list.IndexFromID(8)) << "not shown";
}

TEST_F(TreeListTest, ChildUnderRootThatLeftTheListAfterReset)
{
    int g = Root(L"G");
    list.ResetContent();
    int id = -1;
    EXPECT_EQ(-1, list.AddItem(L"M", 0, 0, 0, g, &id, true));
    EXPECT_EQ(2, id) << "the node exists and its ID is handed out";
    EXPECT_EQ(2, list.GetNodeCount());
    EXPECT_EQ(0, list.GetCount());
    Root(L"H");
    EXPECT_EQ(1, list.GetCount());
}

TEST_F(TreeListTest, ChildAddedUnderCollapsedParentWithChildrenOpensItFully)
{
    int g = Root(L"G");
    Child(g, L"a");
    Child(g, L"b");
    int row = -1;
    Child(g, L"c", true, &row);
    EXPECT_EQ(3, row);
    EXPECT_EQ((std::vector<std::wstring>{ L"G", L"a", L"b", L"c" }), RowTexts(list));
    ExpectRowsMatchTrees("opened");

    // Expanded and shown, expand false: the new child joins its shown siblings.
    Child(g, L"d", false, &row);
    EXPECT_EQ(4, row);
    ExpectRowsMatchTrees("joined");
}

TEST_F(TreeListTest, GlyphClickToggles)
{
    int g = Root(L"G");
    int inner = Child(g, L"inner");
    Child(inner, L"leaf");
    Child(g, L"last");
    Root(L"R2");

    struct Case
    {
        int row;
        int x;
        int expectedCount; // rows after the click
    } cases[] = {
        { 0, 0, 4 },   // left edge of the glyph box opens G
        { 0, 16, 2 },  // right edge (included) closes it
        { 0, 17, 2 },  // one pixel further: nothing
        { 0, 8, 4 },
        { 1, 15, 4 },  // level 1 starts at 16
        { 1, 16, 5 },
        { 1, 32, 4 },
        { 1, 33, 4 },
        { 2, 16, 4 },  // a leaf does not change
    };
    for (const Case& c : cases) {
        Click(c.row, c.x);
        EXPECT_EQ(c.expectedCount, list.GetCount()) << "row " << c.row << " x " << c.x;
        ExpectRowsMatchTrees("click");
    }
}

TEST_F(TreeListTest, CollapseRemovesEverythingBelowAndCollapsesIt)
{
    int g = Root(L"G");
    int a = Child(g, L"a");
    Child(a, L"a1");
    Child(a, L"a2");
    Child(g, L"b");
    Child(g, L"c");
    Root(L"after");

    list.Expand(0);
    EXPECT_EQ(5, list.GetCount()) << "three rows below G";
    list.Expand(1);
    EXPECT_EQ(7, list.GetCount());
    list.Collapse(0);
    EXPECT_EQ((std::vector<std::wstring>{ L"G", L"after" }), RowTexts(list));
    EXPECT_FALSE(list.FindNodeByID(a)->IsExpanded());
    list.Expand(0);
    EXPECT_EQ(5, list.GetCount()) << "only one level opens again";
    ExpectRowsMatchTrees("reopened");

    list.Expand(-1);
    list.Collapse(-1);
    list.Expand(99);
    EXPECT_EQ(5, list.GetCount());
}

TEST_F(TreeListTest, DoubleClickTogglesWithoutNotifyingOnNodesWithChildren)
{
    int g = Root(L"G");
    Child(g, L"leaf");

    Click(0, 40, WM_LBUTTONDBLCLK);
    EXPECT_EQ(2, list.GetCount());
    EXPECT_EQ(0, host.dblClkNotifications);

    Click(1, 40, WM_LBUTTONDBLCLK);
    EXPECT_EQ(1, host.dblClkNotifications) << "a leaf gets the list box's own double-click";

    Click(20, 40, WM_LBUTTONDBLCLK);
    EXPECT_EQ(1, host.dblClkNotifications) << "below the last row nothing happens";
    EXPECT_EQ(2, list.GetCount());
}

TEST_F(TreeListTest, ScrollBarStripIsNoTreeClickWhenTheListScrolls)
{
    for (int i = 0; i < 60; ++i)
        Child(Root(L"G"), L"leaf");
    CRect client;
    list.GetClientRect(&client);
    ASSERT_LT(client.Height() / list.GetItemHeight(0), list.GetCount()) << "more rows than fit";
    int strip = client.right - ::GetSystemMetrics(SM_CXVSCROLL);

    Click(0, strip, WM_LBUTTONDBLCLK);
    EXPECT_EQ(60, list.GetCount()) << "in the strip: only the list box's own handling";
    Click(0, strip - 1, WM_LBUTTONDBLCLK);
    EXPECT_EQ(61, list.GetCount());
}

TEST_F(TreeListTest, KeysExpandAndCollapseTheSelectedRow)
{
    int g = Root(L"G");
    Child(g, L"leaf");
    Root(L"R2");

    struct Case
    {
        UINT key;
        int selectRow;
        int expectedCount;
        int expectedSelection;
    } cases[] = {
        { VK_RIGHT, 0, 3, 0 },
        { VK_RIGHT, 1, 3, 1 },    // a leaf: nothing, and the selection stays
        { VK_LEFT, 0, 2, 0 },
        { VK_ADD, 0, 3, 0 },
        { VK_SUBTRACT, 0, 2, 0 },
        { VK_SPACE, 0, 2, 0 },
        { VK_DOWN, 0, 2, 1 },     // other keys: the list box's own handling
    };
    for (const Case& c : cases) {
        list.SetCurSel(c.selectRow);
        Key(c.key);
        EXPECT_EQ(c.expectedCount, list.GetCount()) << "key " << c.key;
        EXPECT_EQ(c.expectedSelection, list.GetCurSel()) << "key " << c.key;
        ExpectRowsMatchTrees("key");
    }
    list.SetCurSel(-1);
    Key(VK_RIGHT);
    EXPECT_EQ(2, list.GetCount()) << "without a selection nothing opens";
}

TEST_F(TreeListTest, TextMessagesAnswerFromNodes)
{
    Root(L"Alpha\tone");
    Root(L"");
    wchar_t buffer[64] = L"junk";
    EXPECT_EQ(9, list.SendMessage(LB_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_STREQ(L"Alpha\tone", buffer);
    EXPECT_EQ(9, list.SendMessage(LB_GETTEXTLEN, 0));
    EXPECT_EQ(LB_ERR, list.SendMessage(LB_GETTEXTLEN, 1)) << "an empty text";
    EXPECT_EQ(LB_ERR, list.SendMessage(LB_GETTEXTLEN, 5));
    EXPECT_EQ(0, list.SendMessage(LB_GETTEXT, 5, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_STREQ(L"", buffer);
    CString text;
    list.GetText(0, text);
    EXPECT_EQ(CString(L"Alpha\tone"), text);
}

TEST_F(TreeListTest, SearchMessages)
{
    int g1 = Root(L"Group one");
    Child(g1, L"Module A");
    int deep = Child(g1, L"Deep");
    Child(deep, L"Buried");
    int g2 = Root(L"Group two");
    Child(g2, L"module\tv2");
    Child(g2, L"Modem");

    auto find = [&](UINT message, const wchar_t* text) {
        return static_cast<int>(list.SendMessage(message, 0, reinterpret_cast<LPARAM>(text)));
    };
    EXPECT_EQ(0, find(LB_FINDSTRING, L"group"));
    EXPECT_EQ(1, find(LB_FINDSTRING, L"GROUP T")) << "any row, ignoring case";
    EXPECT_EQ(-1, find(LB_FINDSTRING, L"nothing"));
    EXPECT_EQ(-1, find(LB_FINDSTRING, L""));

    // Exact: "Module" is not "Module A"; the collapsed rows' hidden nodes are
    // not searched past a rejecting match, but a first column matches.
    EXPECT_EQ(-1, find(LB_FINDSTRINGEXACT, L"Module A B"));
    int row = find(LB_FINDSTRINGEXACT, L"module");
    EXPECT_EQ(CString(L"module\tv2"), list.GetTextAt(row)) << "found one level down, its root opened";
    EXPECT_TRUE(list.FindNodeByID(g2)->IsExpanded());
    ExpectRowsMatchTrees("exact");

    // Select: a module hidden under a collapsed root opens the root and is selected.
    list.Collapse(list.IndexFromID(g2));
    row = find(LB_SELECTSTRING, L"Modem");
    ASSERT_NE(-1, row);
    EXPECT_EQ(CString(L"Modem"), list.GetTextAt(row));
    EXPECT_EQ(row, list.GetCurSel());
    EXPECT_EQ(CString(L"Modem"), list.GetCurSelText());

    // Two levels down stays hidden: one level opens, the answer is -1.
    EXPECT_EQ(-1, find(LB_FINDSTRING, L"Buried"));
    EXPECT_TRUE(list.FindNodeByID(g1)->IsExpanded());
    EXPECT_FALSE(list.FindNodeByID(deep)->IsExpanded());
    ExpectRowsMatchTrees("deep");
    EXPECT_EQ(row + 2, list.GetCurSel()) << "a failed search leaves the selection on Modem (moved by the opened rows)";
}

TEST_F(TreeListTest, RowsStayTrueToTreesThroughMixedOperations)
{
    int g1 = Root(L"G1");
    int a = Child(g1, L"a", true);
    Child(a, L"a1");
    int g2 = Root(L"G2");
    Child(g2, L"b");
    ExpectRowsMatchTrees("start");

    struct Step
    {
        const char* name;
        std::function<void()> run;
    } steps[] = {
        { "expand a", [&] { list.Expand(list.IndexFromID(a)); } },
        { "child under a, expand", [&] { Child(a, L"a2", true); } },
        { "child under hidden b", [&] { Child(list.FindNodeByID(g2)->GetChild(0)->GetID(), L"b1", true); } },
        { "expand g2", [&] { list.Expand(list.IndexFromID(g2)); } },
        { "collapse g1", [&] { list.Collapse(list.IndexFromID(g1)); } },
        { "child under g1, no expand", [&] { Child(g1, L"c", false); } },
        { "expand g1", [&] { list.Expand(list.IndexFromID(g1)); } },
        { "right on b", [&] { list.SetCurSel(list.IndexFromID(list.FindNodeByID(g2)->GetChild(0)->GetID())); Key(VK_RIGHT); } },
        { "subtract on g2", [&] { list.SetCurSel(list.IndexFromID(g2)); Key(VK_SUBTRACT); } },
        { "root", [&] { Root(L"G3"); } },
        { "search b1", [&] { list.SendMessage(LB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(L"b1")); } },
    };
    for (const Step& step : steps) {
        step.run();
        ExpectRowsMatchTrees(step.name);
    }
}

TEST_F(TreeListTest, MultipleSelectionListSelectsOneRowWithCaret)
{
    CHostWnd otherHost;
    QUANDEL_CTreeListBox multi;
    ASSERT_TRUE(CreateTreeList(otherHost, multi, LBS_MULTIPLESEL));
    int id = -1;
    multi.AddItem(L"G", 0, 0, 0, -1, &id, false);
    multi.AddItem(L"Modem", 0, 0, 0, id, &id, false);
    multi.AddItem(L"H", 0, 0, 0, -1, &id, false);

    multi.SetSel(2, TRUE);
    int row = static_cast<int>(multi.SendMessage(LB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(L"Modem")));
    EXPECT_EQ(1, row);
    EXPECT_EQ(1, multi.GetSelCount()) << "that row alone";
    EXPECT_GT(multi.GetSel(1), 0);
    EXPECT_EQ(1, multi.GetCaretIndex());
    EXPECT_EQ(1, multi.GetCurSel());
    EXPECT_EQ(CString(L"Modem"), multi.GetCurSelText());
    multi.SetCurSel(-1);
    EXPECT_EQ(0, multi.GetSelCount());
    EXPECT_EQ(-1, multi.GetCurSel());
    EXPECT_TRUE(multi.GetCurSelText().IsEmpty());
}

} // namespace
