// Painting of tree rows on a memory DC, probed pixel by pixel: connector
// lines, glyphs, check images, colours and TAB columns.
#include "ControlsTestSupport.h"

namespace {

const COLORREF kLine = RGB(128, 128, 128);
const COLORREF kUnpainted = RGB(255, 0, 255);

// One row painted by the control's DrawItem into a 32-bit bitmap.
class RowCanvas
{
public:
    RowCanvas(QUANDEL_CTreeListBox& list, int row, UINT state = 0)
    {
        CRect client;
        list.GetClientRect(&client);
        width = client.Width();
        height = list.GetItemHeight(0);
        int canvasHeight = height < 16 ? 16 : height;
        dc.CreateCompatibleDC(nullptr);
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -canvasHeight;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap.Attach(::CreateDIBSection(dc.m_hDC, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        oldBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, canvasHeight, kUnpainted);
        if (CFont* font = list.GetFont())
            dc.SelectObject(font);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_LISTBOX;
        dis.CtlID = kListId;
        dis.itemID = static_cast<UINT>(row);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = state;
        dis.hwndItem = list.m_hWnd;
        dis.hDC = dc.m_hDC;
        dis.rcItem = CRect(0, 0, width, height);
        dis.itemData = list.GetItemData(row);
        list.DrawItem(&dis);
    }
    ~RowCanvas() { dc.SelectObject(oldBitmap); }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    int Mid() const { return height / 2; }
    bool SameFrom(int left, const RowCanvas& other) const
    {
        for (int y = 0; y < height; ++y)
            for (int x = left; x < width; ++x)
                if (At(x, y) != other.At(x, y))
                    return false;
        return true;
    }

    CDC dc;
    CBitmap bitmap;
    CBitmap* oldBitmap = nullptr;
    int width = 0;
    int height = 0;
};

class TreeDrawTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTreeList(host, list));
        window = ::GetSysColor(COLOR_WINDOW);
    }
    int Add(const wchar_t* text, int parent = -1, bool expand = false)
    {
        int id = -1;
        list.AddItem(text, 0, 0, 0, parent, &id, expand);
        return id;
    }
    CHostWnd host;
    QUANDEL_CTreeListBox list;
    COLORREF window = 0;
};

TEST_F(TreeDrawTest, ConnectorLinesAndGlyphs)
{
    int g1 = Add(L"G1");
    Add(L"M1", g1, true);
    Add(L"M2", g1, true);
    int g2 = Add(L"G2");
    Add(L"hidden", g2);
    Add(L"L3");
    ASSERT_EQ(5, list.GetCount());

    struct Probe
    {
        int row;
        int x;
        int y;          // -1 top, -2 bottom row, -3 middle, -4 two above the middle
        bool line;      // the line colour, or else not
        const char* what;
    } probes[] = {
        { 0, 7, -1, false, "first row: no upper stub" },
        { 0, 7, -2, true, "a root with a root below: lower stub" },
        { 0, 7, -4, false, "expanded: minus glyph, no vertical bar" },
        { 1, 23, -1, true, "leaf: line from the top" },
        { 1, 23, -2, true, "not the last child: line to the bottom" },
        { 1, 30, -3, true, "horizontal connector" },
        { 1, 7, -1, true, "ancestor G1 is not the last root" },
        { 2, 23, -1, true, "last child: line from the top" },
        { 2, 23, -2, false, "last child: no line below the middle" },
        { 2, 7, -2, true, "ancestor line" },
        { 3, 7, -1, true, "collapsed node: upper stub" },
        { 3, 7, -2, true, "collapsed node that is not the last root: lower stub" },
        { 4, 7, -1, true, "last root leaf: line from the top" },
        { 4, 7, -2, false, "last row: nothing below" },
        { 4, 1, -3, false, "left of the connector" },
    };
    for (const Probe& p : probes) {
        RowCanvas canvas(list, p.row);
        int y = p.y == -1 ? 0 : p.y == -2 ? canvas.height - 1 : p.y == -3 ? canvas.Mid() : canvas.Mid() - 2;
        COLORREF c = canvas.At(p.x, y);
        if (p.line)
            EXPECT_EQ(kLine, c) << p.what;
        else
            EXPECT_NE(kLine, c) << p.what;
        EXPECT_NE(kUnpainted, canvas.At(p.x, y)) << p.what;
    }

    RowCanvas collapsed(list, 3);
    EXPECT_EQ(RGB(0, 0, 0), collapsed.At(7, collapsed.Mid() - 2)) << "plus glyph (image 0)";
    EXPECT_EQ(window, collapsed.At(1, collapsed.Mid())) << "the glyph's blue is transparent";
    RowCanvas expanded(list, 0);
    EXPECT_EQ(RGB(0, 0, 0), expanded.At(9, expanded.Mid())) << "minus glyph (image 1)";
}

TEST_F(TreeDrawTest, SingleRootLeafGetsOnlyItsConnector)
{
    Add(L"only");
    RowCanvas canvas(list, 0);
    EXPECT_EQ(window, canvas.At(7, 0));
    EXPECT_EQ(window, canvas.At(7, canvas.height - 1));
    EXPECT_EQ(kLine, canvas.At(12, canvas.Mid()));
}

TEST_F(TreeDrawTest, SelectionIsHighlightedOnlyWithFocus)
{
    Add(L"row");
    host.ShowWindow(SW_SHOWNA);
    ::SetFocus(host.m_hWnd);
    RowCanvas unfocused(list, 0, ODS_SELECTED);
    EXPECT_EQ(window, unfocused.At(unfocused.width - 2, 1));

    ::ValidateRect(list.m_hWnd, nullptr);
    list.SetFocus();
    ASSERT_EQ(list.m_hWnd, ::GetFocus());
    RECT update;
    EXPECT_TRUE(::GetUpdateRect(list.m_hWnd, &update, FALSE)) << "gaining focus repaints";
    RowCanvas focused(list, 0, ODS_SELECTED);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), focused.At(focused.width - 2, 1));
    EXPECT_EQ(window, focused.At(2, 1)) << "the tree part keeps the window colour";
}

TEST_F(TreeDrawTest, ColumnsClipWithEllipsis)
{
    CWordArray positions;
    positions.Add(11);
    positions.Add(80);
    positions.Add(200);
    list.SetColumns(positions);
    Add(L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW\tB"); // the first column runs far past 80 and 200
    Add(L"a\tC");
    Add(L"a\t\tC");

    RowCanvas canvas(list, 0);
    // The ellipsis ends exactly at the next position: compare with " ... " drawn alone.
    CSize ellipsis = canvas.dc.GetTextExtent(CString(L" ... "));
    CDC refDc;
    refDc.CreateCompatibleDC(&canvas.dc);
    CBitmap refBitmap;
    refBitmap.CreateCompatibleBitmap(&canvas.dc, ellipsis.cx, canvas.height);
    CBitmap* oldRef = refDc.SelectObject(&refBitmap);
    if (CFont* font = list.GetFont())
        refDc.SelectObject(font);
    refDc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    refDc.SetBkColor(window);
    refDc.SetBkMode(OPAQUE);
    CRect refRect(0, 0, ellipsis.cx, canvas.height);
    refDc.FillSolidRect(&refRect, window);
    refDc.DrawText(CString(L" ... "), &refRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    bool same = true;
    for (int y = 0; y < canvas.height && same; ++y)
        for (int x = 0; x < ellipsis.cx && same; ++x)
            same = canvas.At(80 - ellipsis.cx + x, y) == refDc.GetPixel(x, y);
    EXPECT_TRUE(same) << "\" ... \" over the end of the first column";
    refDc.SelectObject(oldRef);

    // Past the second column's text and after the last position: background only.
    int bEnd = 80 + canvas.dc.GetTextExtent(CString(L"B")).cx + 1;
    bool clear = true;
    for (int x = bEnd; x < canvas.width && clear; ++x)
        for (int y = 0; y < canvas.height && clear; ++y)
            clear = canvas.At(x, y) == window;
    EXPECT_TRUE(clear) << "the first column's overflow is covered";

    // The texts (right of the tree lines) of "a\tC" and "a\t\tC" look the same.
    EXPECT_TRUE(RowCanvas(list, 1).SameFrom(19, RowCanvas(list, 2))) << "two TABs in a row count as one";
}

TEST_F(TreeDrawTest, CheckImagesShowTheState)
{
    CHostWnd checkHost;
    QUANDEL_CExCheckBoxTreeListBox checks;
    ASSERT_TRUE(CreateTreeList(checkHost, checks));
    int group = -1, id = -1;
    checks.AddItem(L"Group", 0, 0, 0, -1, &group, false);
    checks.AddItem(L"a", 0, 0, 1, group, &id, true);
    checks.AddItem(L"b", 0, 0, 2, group, &id, true);
    auto tick = [&](int row) { return RowCanvas(checks, row).At(6, 9); };

    const COLORREF navy = RGB(0, 0, 128), grey = RGB(128, 128, 128), black = RGB(0, 0, 0);
    EXPECT_EQ(window, tick(0)) << "none: image 3";
    EXPECT_EQ(window, tick(1)) << "unchecked leaf: image 3";
    checks.SetCheckByData(1, TRUE);
    EXPECT_EQ(grey, tick(0)) << "some: image 1";
    EXPECT_EQ(black, tick(1)) << "checked leaf: image 2";
    checks.CheckAll();
    EXPECT_EQ(navy, tick(0)) << "all: image 0";
    EXPECT_EQ(RGB(0, 0, 0), RowCanvas(checks, 0).At(1, 1)) << "the box frame";
}

} // namespace
