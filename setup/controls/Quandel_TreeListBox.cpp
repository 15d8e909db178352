// QUANDEL_CTreeListBox: the trees, their rows, expanding and collapsing,
// and the list box messages answered from the nodes. Drawing and tooltips:
// Quandel_TreeListBoxDraw.cpp.
#include "setup/controls/Quandel_TreeListBox.h"
#include "ids_controls.h"
#include <wchar.h>

IMPLEMENT_DYNAMIC(QUANDEL_CTreeListBox, CListBox)

BEGIN_MESSAGE_MAP(QUANDEL_CTreeListBox, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_CREATE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(LB_GETTEXT, &QUANDEL_CTreeListBox::OnGetText)
    ON_MESSAGE(LB_GETTEXTLEN, &QUANDEL_CTreeListBox::OnGetTextLen)
    ON_MESSAGE(LB_FINDSTRING, &QUANDEL_CTreeListBox::OnFindString)
    ON_MESSAGE(LB_SELECTSTRING, &QUANDEL_CTreeListBox::OnSelectString)
    ON_MESSAGE(LB_FINDSTRINGEXACT, &QUANDEL_CTreeListBox::OnFindStringExact)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &QUANDEL_CTreeListBox::OnToolTipNotify)
END_MESSAGE_MAP()

namespace {
const int kGlyphWidth = 16;
const int kTipBufferSize = 502;
} // namespace

QUANDEL_CTreeListBox::QUANDEL_CTreeListBox()
    : m_pImageList(nullptr), m_pTipBuffer(new wchar_t[kTipBufferSize]), m_nTipItem(-1), m_pToolTip(nullptr),
      m_nCheckColumnWidth(0), m_nNextID(1)
{
    wmemset(m_pTipBuffer, L'\0', kTipBufferSize);
    m_GlyphImages.Create(IDB_CTL_TREE_GLYPHS, kGlyphWidth, 1, RGB(0, 0, 255));
    m_ColumnPositions.Add(11);
    m_ColumnPositions.Add(33);
}

QUANDEL_CTreeListBox::~QUANDEL_CTreeListBox()
{
    // While the window lives its rows point at the nodes: let it go first.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    for (int i = 0; i < m_Roots.GetSize(); ++i)
        delete m_Roots.GetAt(i);
    m_Roots.RemoveAll();
    delete m_pToolTip;
    m_pToolTip = nullptr;
    delete[] m_pTipBuffer;
    m_pTipBuffer = nullptr;
}

// --- filling -----------------------------------------------------------------

CTreeNode* QUANDEL_CTreeListBox::CreateNode(const wchar_t* text, int imageCollapsed, int imageExpanded,
                                            DWORD itemData, int id, CTreeNode* parent)
{
    return new CTreeNode(text, imageCollapsed, imageExpanded, itemData, id, parent);
}

int QUANDEL_CTreeListBox::AddItem(const wchar_t* text, int imageCollapsed, int imageExpanded, DWORD itemData,
                                  int parentID, int* outID, bool expandParent)
{
    if (parentID == -1) {
        int id = m_nNextID++;
        CTreeNode* node = CreateNode(text, imageCollapsed, imageExpanded, itemData, id, nullptr);
        m_Roots.Add(node);
        int row = AddString(reinterpret_cast<const wchar_t*>(node));
        if (outID != nullptr)
            *outID = id;
        return row;
    }

    CTreeNode* parent = FindNodeByID(parentID);
    if (parent == nullptr)
        return -1;
    int id = m_nNextID++;
    CTreeNode* node = CreateNode(text, imageCollapsed, imageExpanded, itemData, id, parent);
    int shownBefore = parent->CountVisibleDescendants();
    BOOL wasExpanded = parent->IsExpanded();
    BOOL hadChildren = parent->GetChildCount() > 0;
    parent->Add(node);
    node->SetLevel(parent->GetLevel() + 1);
    if (outID != nullptr)
        *outID = id;

    int parentRow = IndexFromNode(parent);
    if (parentRow == -1) {
        // Not shown: only the flag changes; Expand settles it when the row appears.
        parent->SetExpanded(expandParent);
        return -1;
    }
    if (wasExpanded) {
        // Its children are already shown: the new one joins them, after
        // everything shown below the parent.
        int row = parentRow + shownBefore + 1;
        return InsertString(row, reinterpret_cast<const wchar_t*>(node));
    }
    if (!expandParent)
        return -1;
    if (!hadChildren) {
        parent->SetExpanded(TRUE);
        return InsertString(parentRow + 1, reinterpret_cast<const wchar_t*>(node));
    }
    // A collapsed parent with other children opens completely.
    Expand(parentRow);
    return IndexFromNode(node);
}

BOOL QUANDEL_CTreeListBox::DeleteAll()
{
    if (m_hWnd != nullptr)
        ResetContent();
    for (int i = 0; i < m_Roots.GetSize(); ++i)
        delete m_Roots.GetAt(i);
    m_Roots.RemoveAll();
    return TRUE;
}

void QUANDEL_CTreeListBox::SetColumns(const CWordArray& positions)
{
    m_ColumnPositions.Copy(positions);
    if (m_hWnd != nullptr) {
        Invalidate();
        UpdateWindow();
    }
}

// --- reading -----------------------------------------------------------------

CTreeNode* QUANDEL_CTreeListBox::GetNodeAt(int row) const
{
    if (m_hWnd == nullptr || row < 0 || row >= GetCount())
        return nullptr;
    DWORD_PTR data = GetItemData(row);
    if (data == static_cast<DWORD_PTR>(LB_ERR))
        return nullptr;
    return reinterpret_cast<CTreeNode*>(data);
}

DWORD QUANDEL_CTreeListBox::GetItemDataAt(int row) const
{
    CTreeNode* node = GetNodeAt(row);
    return node != nullptr ? node->GetItemData() : 0;
}

BOOL QUANDEL_CTreeListBox::IsLeafAt(int row) const
{
    CTreeNode* node = GetNodeAt(row);
    return node != nullptr && node->GetChildCount() == 0;
}

CString QUANDEL_CTreeListBox::GetCurSelText() const
{
    CTreeNode* node = GetNodeAt(GetCurSel());
    return node != nullptr ? node->GetText() : CString();
}

CString QUANDEL_CTreeListBox::GetTextAt(int row) const
{
    CTreeNode* node = GetNodeAt(row);
    return node != nullptr ? node->GetText() : CString();
}

DWORD QUANDEL_CTreeListBox::GetCurSelItemData() const
{
    return GetItemDataAt(GetCurSel());
}

int QUANDEL_CTreeListBox::GetLevelAt(int row) const
{
    CTreeNode* node = GetNodeAt(row);
    return node != nullptr ? node->GetLevel() : 0;
}

BOOL QUANDEL_CTreeListBox::IsCurSelLeaf() const
{
    return IsLeafAt(GetCurSel());
}

int QUANDEL_CTreeListBox::GetNodeCount() const
{
    int count = 0;
    for (int i = 0; i < m_Roots.GetSize(); ++i)
        count += m_Roots.GetAt(i)->CountNodes();
    return count;
}

int QUANDEL_CTreeListBox::GetIDAt(int row) const
{
    CTreeNode* node = GetNodeAt(row);
    return node != nullptr ? node->GetID() : -1;
}

// --- selection -----------------------------------------------------------------

BOOL QUANDEL_CTreeListBox::IsMultipleSelection() const
{
    return (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

int QUANDEL_CTreeListBox::GetCurSel() const
{
    if (m_hWnd == nullptr)
        return -1;
    if (!IsMultipleSelection())
        return CListBox::GetCurSel();
    int caret = GetCaretIndex();
    if (caret >= 0 && GetSel(caret) > 0)
        return caret;
    CArray<int, int> rows;
    GetSelectedRows(rows);
    return rows.GetSize() > 0 ? rows.GetAt(0) : -1;
}

int QUANDEL_CTreeListBox::SetCurSel(int row)
{
    SelectRow(row);
    return row >= 0 && row < GetCount() ? row : -1;
}

void QUANDEL_CTreeListBox::GetSelectedRows(CArray<int, int>& rows) const
{
    rows.RemoveAll();
    if (!IsMultipleSelection()) {
        int row = CListBox::GetCurSel();
        if (row >= 0)
            rows.Add(row);
        return;
    }
    int count = GetSelCount();
    if (count <= 0)
        return;
    rows.SetSize(count);
    int got = GetSelItems(count, rows.GetData());
    rows.SetSize(got > 0 ? got : 0);
}

void QUANDEL_CTreeListBox::SelectRow(int row)
{
    if (m_hWnd == nullptr)
        return;
    if (!IsMultipleSelection()) {
        CListBox::SetCurSel(row);
        return;
    }
    SetSel(-1, FALSE);
    if (row >= 0 && row < GetCount()) {
        SetSel(row, TRUE);
        SetCaretIndex(row);
    }
}

// --- lookup --------------------------------------------------------------------

CTreeNode* QUANDEL_CTreeListBox::FindNodeByID(int id) const
{
    if (id == -1)
        return nullptr;
    for (int i = 0; i < m_Roots.GetSize(); ++i)
        if (CTreeNode* found = m_Roots.GetAt(i)->FindByID(id))
            return found;
    return nullptr;
}

int QUANDEL_CTreeListBox::IndexFromNode(const CTreeNode* node) const
{
    if (node == nullptr || m_hWnd == nullptr)
        return -1;
    int count = GetCount();
    for (int row = 0; row < count; ++row)
        if (GetNodeAt(row) == node)
            return row;
    return -1;
}

int QUANDEL_CTreeListBox::IndexFromID(int id) const
{
    return IndexFromNode(FindNodeByID(id));
}

int QUANDEL_CTreeListBox::ItemFromPoint(CPoint point) const
{
    int count = GetCount();
    if (count <= 0)
        return -1;
    int height = GetItemHeight(0);
    if (height <= 0)
        return -1;
    int row = GetTopIndex() + point.y / height;
    return row >= 0 && row <= count - 1 ? row : -1;
}

// --- expanding and collapsing ---------------------------------------------------

void QUANDEL_CTreeListBox::Expand(int row)
{
    CTreeNode* node = GetNodeAt(row);
    if (node == nullptr || node->IsExpanded() || node->GetChildCount() == 0)
        return;
    SetRedraw(FALSE);
    for (int i = 0; i < node->GetChildCount(); ++i) {
        CTreeNode* child = node->GetChild(i);
        child->SetExpanded(FALSE); // shown without its own children
        InsertString(row + 1 + i, reinterpret_cast<const wchar_t*>(child));
    }
    node->SetExpanded(TRUE);
    SetRedraw(TRUE);
    Invalidate();
    UpdateWindow();
}

void QUANDEL_CTreeListBox::Collapse(int row)
{
    CTreeNode* node = GetNodeAt(row);
    if (node == nullptr || !node->IsExpanded() || node->GetChildCount() == 0)
        return;
    SetRedraw(FALSE);
    for (int k = node->CountVisibleDescendants(); k >= 1; --k) {
        if (CTreeNode* shown = GetNodeAt(row + k))
            shown->SetExpanded(FALSE);
        DeleteString(static_cast<UINT>(row + k));
    }
    node->SetExpanded(FALSE);
    SetRedraw(TRUE);
    Invalidate();
    UpdateWindow();
}

void QUANDEL_CTreeListBox::ToggleExpanded(int row)
{
    CTreeNode* node = GetNodeAt(row);
    if (node == nullptr)
        return;
    if (node->IsExpanded())
        Collapse(row);
    else
        Expand(row);
}

// --- search ----------------------------------------------------------------------

int QUANDEL_CTreeListBox::OnFindItem(const CString&, const CString&, int, int, BOOL)
{
    return -1;
}

int QUANDEL_CTreeListBox::FindTextItem(const wchar_t* text, int prefixLength, BOOL anyNode, BOOL exact, BOOL select)
{
    CString whole(text != nullptr ? text : L"");
    CString prefix = whole.Left(prefixLength);
    if (prefix.IsEmpty())
        return -1;
    int count = GetCount();
    for (int row = 0; row < count; ++row) {
        CTreeNode* node = GetNodeAt(row);
        if (node == nullptr)
            continue;
        BOOL isLeaf = node->GetChildCount() == 0;
        if ((anyNode || isLeaf) && OnFindItem(prefix, whole, prefixLength, row, isLeaf) != -1)
            continue;
        int id = node->FindText(whole, anyNode, prefixLength, exact);
        if (id == -1)
            continue;
        int found = IndexFromID(id);
        if (found == -1) {
            Expand(row);
            found = IndexFromID(id);
        }
        if (select)
            SelectRow(found);
        return found;
    }
    return -1;
}

// --- mouse and keys ---------------------------------------------------------------

BOOL QUANDEL_CTreeListBox::IsInScrollBarStrip(CPoint point) const
{
    int count = GetCount();
    int height = count > 0 ? GetItemHeight(0) : 0;
    if (height <= 0)
        return FALSE;
    CRect client;
    GetClientRect(&client);
    return client.Height() / height < count && point.x >= client.right - ::GetSystemMetrics(SM_CXVSCROLL);
}

void QUANDEL_CTreeListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!IsInScrollBarStrip(point)) {
        int row = ItemFromPoint(point);
        if (CTreeNode* node = GetNodeAt(row)) {
            int left = m_nCheckColumnWidth + kGlyphWidth * node->GetLevel();
            if (left <= point.x && point.x <= left + kGlyphWidth)
                ToggleExpanded(row);
        }
    }
    CListBox::OnLButtonDown(nFlags, point);
}

void QUANDEL_CTreeListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IsInScrollBarStrip(point)) {
        CListBox::OnLButtonDblClk(nFlags, point);
        return;
    }
    int row = ItemFromPoint(point);
    if (row == -1)
        return;
    CTreeNode* node = GetNodeAt(row);
    if (node != nullptr && node->GetChildCount() > 0 &&
        point.x >= m_nCheckColumnWidth + kGlyphWidth * node->GetLevel()) {
        ToggleExpanded(row);
        return;
    }
    CListBox::OnLButtonDblClk(nFlags, point);
}

void QUANDEL_CTreeListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE)
        return;
    int row = GetCurSel();
    if (row != -1 && GetCount() > 0) {
        switch (nChar) {
        case VK_RIGHT:
            Expand(row);
            return;
        case VK_LEFT:
            Collapse(row);
            return;
        case VK_ADD:
            Expand(row);
            break;
        case VK_SUBTRACT:
            Collapse(row);
            break;
        default:
            break;
        }
    }
    CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void QUANDEL_CTreeListBox::OnSetFocus(CWnd* pOldWnd)
{
    Invalidate();
    CListBox::OnSetFocus(pOldWnd);
}

void QUANDEL_CTreeListBox::OnKillFocus(CWnd* pNewWnd)
{
    Invalidate();
    CListBox::OnKillFocus(pNewWnd);
}

int QUANDEL_CTreeListBox::OnCreate(LPCREATESTRUCTW cs)
{
    if (CListBox::OnCreate(cs) == -1)
        return -1;
    CreateToolTip();
    return 0;
}

// --- list box messages ---------------------------------------------------------------

LRESULT QUANDEL_CTreeListBox::OnGetText(WPARAM wParam, LPARAM lParam)
{
    auto buffer = reinterpret_cast<wchar_t*>(lParam);
    CString text = GetTextAt(static_cast<int>(wParam));
    if (buffer != nullptr)
        wmemcpy(buffer, text.GetString(), static_cast<size_t>(text.GetLength()) + 1);
    return text.GetLength();
}

LRESULT QUANDEL_CTreeListBox::OnGetTextLen(WPARAM wParam, LPARAM)
{
    CString text = GetTextAt(static_cast<int>(wParam));
    return text.IsEmpty() ? LB_ERR : text.GetLength();
}

LRESULT QUANDEL_CTreeListBox::OnFindString(WPARAM, LPARAM lParam)
{
    auto text = reinterpret_cast<const wchar_t*>(lParam);
    if (text == nullptr)
        return Default();
    return FindTextItem(text, static_cast<int>(wcslen(text)), TRUE, FALSE, FALSE);
}

LRESULT QUANDEL_CTreeListBox::OnSelectString(WPARAM, LPARAM lParam)
{
    auto text = reinterpret_cast<const wchar_t*>(lParam);
    if (text == nullptr)
        return Default();
    return FindTextItem(text, static_cast<int>(wcslen(text)), TRUE, FALSE, TRUE);
}

LRESULT QUANDEL_CTreeListBox::OnFindStringExact(WPARAM, LPARAM lParam)
{
    auto text = reinterpret_cast<const wchar_t*>(lParam);
    if (text == nullptr)
        return Default();
    return FindTextItem(text, static_cast<int>(wcslen(text)), TRUE, TRUE, FALSE);
}

BOOL QUANDEL_CTreeListBox::OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    return OnToolTipNeedText(pNMHDR, pResult);
}
