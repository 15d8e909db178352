// QUANDEL_CTreeListBox: painting a row (lines, glyph, icon, TAB columns)
// and the tooltip that shows the text under the mouse.
#include "setup/controls/Quandel_TreeListBox.h"
#include "setup/controls/QuandelTreeNodeSupport.h"
#include <algorithm>
#include <wchar.h>

namespace {

const int kIndent = 16;
const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX; // 0x864
const COLORREF kLineColour = RGB(128, 128, 128);
const int kTipMaxChars = 499;

void Line(CDC* dc, int x1, int y1, int x2, int y2)
{
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

} // namespace

void QUANDEL_CTreeListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    // Rows keep the list box's standard height.
}

BOOL QUANDEL_CTreeListBox::IsItemEnabled(int, CTreeNode*)
{
    return TRUE;
}

void QUANDEL_CTreeListBox::SplitColumns(const CString& text, CStringArray& columns)
{
    columns.RemoveAll();
    int start = 0;
    while (start <= text.GetLength()) {
        int tab = text.Find(L'\t', start);
        int end = tab < 0 ? text.GetLength() : tab;
        if (end > start)
            columns.Add(text.Mid(start, end - start));
        if (tab < 0)
            break;
        start = tab + 1;
    }
}

void QUANDEL_CTreeListBox::DrawItem(LPDRAWITEMSTRUCT dis)
{
    if (dis == nullptr || dis->itemID == static_cast<UINT>(-1))
        return;
    int row = static_cast<int>(dis->itemID);
    CTreeNode* node = GetNodeAt(row);
    if (node == nullptr)
        return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    CRect rc(dis->rcItem);

    // 1. Colours: highlighted only while the control has the focus.
    BOOL selected = (dis->itemState & ODS_SELECTED) != 0;
    BOOL focused = m_hWnd != nullptr && ::GetFocus() == m_hWnd;
    COLORREF background, foreground;
    if (selected && focused) {
        background = ::GetSysColor(COLOR_HIGHLIGHT);
        foreground = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    } else {
        background = ::GetSysColor(COLOR_WINDOW);
        foreground = ::GetSysColor(IsItemEnabled(row, node) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    }

    // 2. The whole row, check column included.
    dc->FillSolidRect(&rc, ::GetSysColor(COLOR_WINDOW));

    // 3.-6. Lines and glyph.
    CPen pen(PS_SOLID, 1, kLineColour);
    CPen* oldPen = dc->SelectObject(&pen);
    const int level = node->GetLevel();
    const int treeLeft = rc.left + m_nCheckColumnWidth;
    const int x = treeLeft + kIndent * level;
    const int mid = rc.top + rc.Height() / 2;
    const int lastRow = GetCount() - 1;
    const BOOL isRoot = node->GetParent() == nullptr;
    const BOOL isLastRoot = isRoot && m_Roots.GetSize() > 0 && m_Roots.GetAt(m_Roots.GetSize() - 1) == node;
    const BOOL continuesBelow = isRoot ? !isLastRoot : !node->IsLastChild();

    Line(dc, x + 7, mid, x + 19, mid);
    if (node->GetChildCount() == 0) {
        if (row != 0)
            Line(dc, x + 7, rc.top, x + 7, mid);
        if (row != lastRow && (isRoot || !node->IsLastChild()))
            Line(dc, x + 7, mid, x + 7, rc.bottom);
    } else {
        if (row != 0)
            Line(dc, x + 7, rc.top, x + 7, rc.top + 4);
        if (continuesBelow)
            Line(dc, x + 7, rc.bottom, x + 7, rc.bottom - 4);
        m_GlyphImages.Draw(dc, node->IsExpanded() ? 1 : 0, CPoint(x, mid - 7), ILD_TRANSPARENT);
    }
    // Lines of the ancestors that have further siblings below.
    CTreeNode* ancestor = node->GetParent();
    for (int depth = level - 1; depth >= 0 && ancestor != nullptr; --depth, ancestor = ancestor->GetParent()) {
        BOOL last = depth == 0 ? (m_Roots.GetSize() > 0 && m_Roots.GetAt(m_Roots.GetSize() - 1) == ancestor)
                               : ancestor->IsLastChild();
        if (!last)
            Line(dc, treeLeft + kIndent * depth + 7, rc.top, treeLeft + kIndent * depth + 7, rc.bottom);
    }
    dc->SelectObject(oldPen);

    // 7. Icon.
    int textLeft = x + 19;
    int image = node->IsExpanded() ? node->GetImageExpanded() : node->GetImageCollapsed();
    if (image >= 0 && m_pImageList != nullptr && m_pImageList->GetSafeHandle() != nullptr) {
        m_pImageList->Draw(dc, image, CPoint(textLeft, rc.top), ILD_TRANSPARENT);
        IMAGEINFO info = {};
        if (m_pImageList->GetImageInfo(image, &info))
            textLeft += (info.rcImage.right - info.rcImage.left) + 4;
    }

    // 8.-10. Text.
    CRect rcText(textLeft, rc.top, rc.right, rc.bottom);
    dc->FillSolidRect(&rcText, background);
    COLORREF oldText = dc->SetTextColor(foreground);
    COLORREF oldBack = dc->SetBkColor(background);
    int oldMode = dc->SetBkMode(OPAQUE);
    CString text = node->GetText();
    if (text.Find(L'\t') < 0)
        dc->DrawText(text, &rcText, kTextFormat);
    else
        DrawColumns(dc, text, rcText, background, kTextFormat);
    dc->SetBkMode(oldMode);
    dc->SetBkColor(oldBack);
    dc->SetTextColor(oldText);

    // 11. Focus rectangle of an unselected row.
    if ((dis->itemState & ODS_FOCUS) != 0 && !selected)
        dc->DrawFocusRect(&rc);
}

void QUANDEL_CTreeListBox::DrawColumns(CDC* dc, const CString& text, const CRect& rcText, COLORREF background,
                                       UINT format)
{
    CStringArray columns;
    SplitColumns(text, columns);
    const int positions = m_ColumnPositions.GetSize();
    // Column i starts at position i (column 0 at the text start); no column
    // starts left of the text start, where the tree is drawn.
    auto startOf = [&](int i) {
        if (i == 0 || i >= positions)
            return static_cast<int>(rcText.left);
        return std::max(static_cast<int>(rcText.left), static_cast<int>(m_ColumnPositions[i]));
    };
    // Texts with more columns than positions: the extra ones share the last column.
    const int shown = positions > 0 ? std::min(columns.GetSize(), positions) : std::min(columns.GetSize(), 1);
    for (int i = 0; i < shown; ++i) {
        CString column = columns[i];
        if (i == shown - 1)
            for (int extra = shown; extra < columns.GetSize(); ++extra)
                column += CString(L" ") + columns[extra];
        int start = startOf(i);
        int next = (i + 1 < positions) ? startOf(i + 1) : static_cast<int>(rcText.right);
        CRect fill(start, rcText.top, std::max(next, start), rcText.bottom);
        dc->FillSolidRect(&fill, background);
        CRect rcColumn(start, rcText.top, rcText.right, rcText.bottom);
        dc->DrawText(column, &rcColumn, format);
        if (i + 1 < positions && start + dc->GetTextExtent(column).cx > next) {
            const CString ellipsis(L" ... ");
            int width = dc->GetTextExtent(ellipsis).cx;
            CRect rcEllipsis(std::max(start, next - width), rcText.top, next, rcText.bottom);
            if (rcEllipsis.right > rcEllipsis.left)
                dc->DrawText(ellipsis, &rcEllipsis, format | DT_RIGHT);
        }
    }
    if (shown < positions) {
        CRect rest(startOf(shown), rcText.top, rcText.right, rcText.bottom);
        if (rest.right > rest.left)
            dc->FillSolidRect(&rest, background);
    }
}

// --- tips ------------------------------------------------------------------------

CString QUANDEL_CTreeListBox::GetColumnTextAt(CPoint point, const CString& text)
{
    const int positions = m_ColumnPositions.GetSize();
    if (positions == 0)
        return CString();
    CStringArray columns;
    SplitColumns(text, columns);
    for (int n = 0; n < columns.GetSize(); ++n) {
        int i = std::min(n, positions - 1);
        if (i + 1 < positions && m_ColumnPositions[i] < point.x && point.x < m_ColumnPositions[i + 1])
            return columns[n];
        if (i == positions - 1 && point.x > m_ColumnPositions[positions - 1])
            return columns[n];
    }
    return CString();
}

CString QUANDEL_CTreeListBox::GetTipText(CPoint point, int row)
{
    CTreeNode* node = GetNodeAt(row);
    if (node == nullptr)
        return CString();
    CString text = node->GetText();
    if (text.Find(L'\t') >= 0) {
        if (m_ColumnPositions.GetSize() >= 2 && point.x > m_ColumnPositions[1])
            return GetColumnTextAt(point, text);
        return CString();
    }
    const int level = node->GetLevel();
    int room = point.x - kIndent * level - 19 - m_nCheckColumnWidth;
    if (level > 0)
        room -= 4;
    if (room < 0)
        return CString();
    int n = CQuandelTreeNodeSupport::GetFitLength(this, room, text);
    if (n >= 0)
        return CQuandelTreeNodeSupport::ExtractSegment(n, text, L"\t");
    return text;
}

void QUANDEL_CTreeListBox::RaiseToolTip()
{
    if (m_pToolTip != nullptr && m_pToolTip->m_hWnd != nullptr)
        m_pToolTip->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void QUANDEL_CTreeListBox::AddToolTipTool()
{
    m_pToolTip->AddTool(this, LPSTR_TEXTCALLBACKW);
}

void QUANDEL_CTreeListBox::CreateToolTip()
{
    if (m_pToolTip == nullptr)
        m_pToolTip = new CToolTipCtrl;
    if (m_pToolTip->m_hWnd != nullptr && ::IsWindow(m_pToolTip->m_hWnd))
        return;
    if (m_hWnd == nullptr || !m_pToolTip->Create(this, TTS_ALWAYSTIP))
        return;
    RaiseToolTip();
    m_pToolTip->SetMaxTipWidth(0x7FFF);
    m_pToolTip->SetDelayTime(TTDT_AUTOPOP, 0x7FFF);
    m_pToolTip->SetDelayTime(TTDT_INITIAL, 200);
    m_pToolTip->SetDelayTime(TTDT_RESHOW, 200);
    AddToolTipTool();
    RaiseToolTip();
}

BOOL QUANDEL_CTreeListBox::PreTranslateMessage(MSG* pMsg)
{
    if (m_pToolTip != nullptr && m_pToolTip->m_hWnd != nullptr && ::IsWindow(m_pToolTip->m_hWnd)) {
        const UINT message = pMsg->message;
        BOOL mouse = message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
                     message == WM_RBUTTONUP || message == WM_MBUTTONUP;
        BOOL buttonDown = ((::GetKeyState(VK_LBUTTON) | ::GetKeyState(VK_RBUTTON) | ::GetKeyState(VK_MBUTTON)) &
                           0x8000) != 0;
        if (mouse && !buttonDown) {
            CPoint point(pMsg->pt);
            ScreenToClient(&point);
            m_nTipItem = ItemFromPoint(point);
            CString tip = m_nTipItem == -1 ? CString() : GetTipText(point, m_nTipItem);
            if (tip.Compare(m_strLastTip) != 0) {
                m_pToolTip->RelayEvent(pMsg);
                m_pToolTip->Activate(FALSE);
                m_pToolTip->DelTool(this);
            } else if (m_nTipItem != -1) {
                if (m_pToolTip->GetToolCount() == 0) {
                    AddToolTipTool();
                    m_pToolTip->Activate(TRUE);
                    RaiseToolTip();
                }
                m_pToolTip->RelayEvent(pMsg);
            }
            m_strLastTip = tip;
        } else {
            m_pToolTip->RelayEvent(pMsg);
        }
    }
    CreateToolTip();
    return CListBox::PreTranslateMessage(pMsg);
}

BOOL QUANDEL_CTreeListBox::OnToolTipNeedText(NMHDR* pNMHDR, LRESULT* pResult)
{
    if (m_pToolTip == nullptr || pNMHDR == nullptr || pNMHDR->hwndFrom != m_pToolTip->m_hWnd || m_nTipItem == -1) {
        *pResult = 0;
        return FALSE;
    }
    POINT cursor = { 0, 0 };
    ::GetCursorPos(&cursor);
    CPoint point(cursor);
    ScreenToClient(&point);
    CString tip = GetTipText(point, m_nTipItem);
    int length = std::min(tip.GetLength(), kTipMaxChars);
    wmemcpy(m_pTipBuffer, tip.GetString(), static_cast<size_t>(length));
    m_pTipBuffer[length] = L'\0';
    m_pTipBuffer[500] = L'\0';
    auto info = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    info->lpszText = m_pTipBuffer;
    *pResult = 1;
    RaiseToolTip();
    return TRUE;
}
