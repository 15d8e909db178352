// Tooltips of the tree lists: which text a point gets, the check-box
// texts, the text fitting helpers, and the tooltip's own text request
// driven through PreTranslateMessage and TTM_GETTEXTW.
#include "ControlsTestSupport.h"
#include "setup/controls/QuandelTreeNodeSupport.h"

namespace {

TEST(TreeNodeSupportTest, SegmentsAndSeparators)
{
    const CString text(L"alpha beta");
    struct Case
    {
        int index;
        const wchar_t* expected;
    } cases[] = {
        { 3, L"alpha" },
        { 0, L"alpha" },
        { 5, L"" },      // the blank itself
        { 6, L"beta" },
        { 9, L"beta" },
        { 10, L"" },     // the text length
        { 11, L"" },
        { -1, L"" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.expected), CQuandelTreeNodeSupport::ExtractSegment(c.index, text, L" ")) << c.index;
    EXPECT_EQ(CString(L"alpha"), CQuandelTreeNodeSupport::ExtractSegment(2, CString(L"  alpha  "), L"\t"))
        << "white space trimmed";
    EXPECT_TRUE(CQuandelTreeNodeSupport::ExtractSegment(0, CString(), L" ").IsEmpty());

    EXPECT_EQ(4, CQuandelTreeNodeSupport::FindSeparator(0, text, TRUE, L" "));
    EXPECT_EQ(6, CQuandelTreeNodeSupport::FindSeparator(8, text, FALSE, L" "));
    EXPECT_EQ(10, CQuandelTreeNodeSupport::FindSeparator(7, text, TRUE, L" "));
    EXPECT_EQ(-1, CQuandelTreeNodeSupport::FindSeparator(3, text, FALSE, L" "));
    EXPECT_EQ(10, CQuandelTreeNodeSupport::FindSeparator(10, text, FALSE, L" "));
    EXPECT_EQ(0, CQuandelTreeNodeSupport::FindSeparator(0, CString(L" x"), TRUE, L" ")) << "kept within the text";
}

class TreeTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTreeList(host, list));
        int id = -1;
        list.AddItem(L"Group", 0, 0, 0, -1, &group, false);
        list.AddItem(L"Module Alpha", 0, 0, 1, group, &id, true);
        list.AddItem(L"a\tbb\tccc", 0, 0, 2, -1, &id, false);
    }
    CHostWnd host;
    QUANDEL_CTreeListBox list;
    int group = -1;
};

TEST_F(TreeTipTest, TipTextByPosition)
{
    const int start = 16 + 19 + 4; // level 1, no check column
    EXPECT_TRUE(list.GetTipText(CPoint(start - 1, 0), 1).IsEmpty());
    EXPECT_EQ(CString(L"Module Alpha"), list.GetTipText(CPoint(start, 0), 1));
    EXPECT_EQ(CString(L"Module Alpha"), list.GetTipText(CPoint(290, 0), 1)) << "right of the text";
    EXPECT_EQ(CString(L"Group"), list.GetTipText(CPoint(19, 0), 0)) << "a root has no extra room";
    EXPECT_TRUE(list.GetTipText(CPoint(18, 0), 0).IsEmpty());
    EXPECT_TRUE(list.GetTipText(CPoint(50, 0), 7).IsEmpty()) << "outside the list";
    EXPECT_TRUE(list.GetTipText(CPoint(50, 0), -1).IsEmpty());

    // Columns at 11 and 33: none over the first column, strict bounds.
    struct Case
    {
        int x;
        const wchar_t* expected;
    } cases[] = { { 20, L"" }, { 33, L"" }, { 34, L"bb" }, { 200, L"bb" } };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.expected), list.GetTipText(CPoint(c.x, 0), 2)) << c.x;
    EXPECT_EQ(CString(L"a"), list.GetColumnTextAt(CPoint(20, 0), CString(L"a\tbb\tccc")));
    EXPECT_TRUE(list.GetColumnTextAt(CPoint(11, 0), CString(L"a\tbb")).IsEmpty()) << "exactly on a position";

    CWordArray positions;
    positions.Add(11);
    positions.Add(33);
    positions.Add(60);
    list.SetColumns(positions);
    EXPECT_EQ(CString(L"bb"), list.GetTipText(CPoint(40, 0), 2));
    EXPECT_EQ(CString(L"ccc"), list.GetTipText(CPoint(61, 0), 2));
}

TEST(CheckTreeTipTest, CheckColumnShowsStateTexts)
{
    CHostWnd host;
    QUANDEL_CExCheckBoxTreeListBox list;
    ASSERT_TRUE(CreateTreeList(host, list));
    int g = -1, id = -1;
    list.AddItem(L"Group", 0, 0, 0, -1, &g, false);
    list.AddItem(L"Alpha", 0, 0, 1, g, &id, true);
    list.AddItem(L"Beta", 0, 0, 2, g, &id, true);
    const int x = 3;
    EXPECT_EQ(CString(L"No module of this group is selected."), list.GetTipText(CPoint(x, 0), 0));
    EXPECT_EQ(CString(L"This module is not selected."), list.GetTipText(CPoint(x, 0), 1));
    list.SetCheckByData(1, TRUE);
    EXPECT_EQ(CString(L"This module is selected."), list.GetTipText(CPoint(x, 0), 1));
    EXPECT_EQ(CString(L"Some modules of this group are selected."), list.GetTipText(CPoint(x, 0), 0));
    list.CheckAll();
    EXPECT_EQ(CString(L"All modules of this group are selected."), list.GetTipText(CPoint(x, 0), 0));
    int w = list.GetCheckColumnWidth();
    EXPECT_EQ(CString(L"This module is selected."), list.GetTipText(CPoint(w, 0), 1)) << "the column edge";
    EXPECT_EQ(CString(L"Alpha"), list.GetTipText(CPoint(250, 0), 1)) << "right of the column: the row text";
    EXPECT_TRUE(list.GetTipText(CPoint(x, 0), 9).IsEmpty());
}

// The relay: two mouse messages on one text add the tool, the tooltip asks
// the control for the text, and a new text removes the tool again.
class TipRelayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTreeList(host, list));
        int id = -1;
        list.AddItem(L"First row", 0, 0, 0, -1, &id, false);
        list.AddItem(std::wstring(600, L'x').c_str(), 0, 0, 0, -1, &id, false);
    }
    void Move(int row, int x)
    {
        CPoint p = RowPoint(list, row, x);
        list.ClientToScreen(&p);
        ::SetCursorPos(p.x, p.y);
        MSG msg = {};
        msg.hwnd = list.m_hWnd;
        msg.message = WM_MOUSEMOVE;
        msg.pt = p;
        CPoint client = RowPoint(list, row, x);
        msg.lParam = MAKELPARAM(client.x, client.y);
        list.PreTranslateMessage(&msg);
    }
    CString TipText()
    {
        CString text;
        list.GetToolTip()->GetText(text, &list);
        return text;
    }
    CHostWnd host;
    QUANDEL_CTreeListBox list;
};

TEST_F(TipRelayTest, ToolFollowsTheTextUnderTheMouse)
{
    ASSERT_NE(nullptr, list.GetToolTip()) << "made when the control was created";
    EXPECT_EQ(1, list.GetToolTip()->GetToolCount());

    Move(0, 60);
    EXPECT_EQ(0, list.GetToolTip()->GetToolCount()) << "a new text hides the tip";
    Move(0, 61);
    ASSERT_EQ(1, list.GetToolTip()->GetToolCount()) << "the same text twice shows it";
    EXPECT_EQ(CString(L"First row"), TipText());

    Move(1, 60);
    EXPECT_EQ(0, list.GetToolTip()->GetToolCount());
    Move(1, 62);
    ASSERT_EQ(1, list.GetToolTip()->GetToolCount());
    CString tip = TipText();
    EXPECT_EQ(499, tip.GetLength()) << "cut to 499 characters";
    EXPECT_EQ(CString(std::wstring(499, L'x').c_str()), tip);

    Move(5, 60); // below the last row: the tip goes
    EXPECT_EQ(0, list.GetToolTip()->GetToolCount());
    Move(5, 61);
    EXPECT_EQ(0, list.GetToolTip()->GetToolCount()) << "no tool for no row";
}

TEST(TipCreationTest, SubclassedListGetsItsTooltipOnFirstPreTranslate)
{
    CHostWnd host;
    ASSERT_TRUE(host.CreateHost());
    HWND raw = ::CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOTIFY, 0, 0,
                                 200, 200, host.m_hWnd, reinterpret_cast<HMENU>(kListId), nullptr, nullptr);
    QUANDEL_CTreeListBox list;
    ASSERT_TRUE(list.SubclassWindow(raw));
    EXPECT_EQ(nullptr, list.GetToolTip());
    MSG msg = {};
    msg.hwnd = raw;
    msg.message = WM_KEYDOWN;
    list.PreTranslateMessage(&msg);
    ASSERT_NE(nullptr, list.GetToolTip());
    EXPECT_TRUE(::IsWindow(list.GetToolTip()->m_hWnd));
    EXPECT_EQ(1, list.GetToolTip()->GetToolCount());
}

} // namespace
