#include "setup/controls/Quandel_CExCheckBoxTreeListBox.h"
#include "framework/Diag.h"
#include "ids_controls.h"

IMPLEMENT_DYNAMIC(QUANDEL_CExCheckBoxTreeListBox, QUANDEL_CTreeListBox)

BEGIN_MESSAGE_MAP(QUANDEL_CExCheckBoxTreeListBox, QUANDEL_CTreeListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_CHAR()
END_MESSAGE_MAP()

namespace {
// Read once when the program starts, before any window exists.
const int g_checkColumnWidth = ::GetSystemMetrics(SM_CXHTHUMB);
} // namespace

QUANDEL_CExCheckBoxTreeListBox::QUANDEL_CExCheckBoxTreeListBox()
{
    m_CheckImages.Create(IDB_CTL_CHECK_IMAGES, 16, 1, RGB(255, 255, 255));
    m_nCheckColumnWidth = g_checkColumnWidth;
}

QUANDEL_CExCheckBoxTreeListBox::~QUANDEL_CExCheckBoxTreeListBox() = default;

CTreeNode* QUANDEL_CExCheckBoxTreeListBox::CreateNode(const wchar_t* text, int imageCollapsed, int imageExpanded,
                                                      DWORD itemData, int id, CTreeNode* parent)
{
    return new CCheckboxTreeNode(text, imageCollapsed, imageExpanded, itemData, id, parent);
}

CCheckboxTreeNode* QUANDEL_CExCheckBoxTreeListBox::GetCheckNodeAt(int row) const
{
    CTreeNode* node = GetNodeAt(row);
    ASSERT(node == nullptr || node->IsKindOf(RUNTIME_CLASS(CCheckboxTreeNode)));
    return static_cast<CCheckboxTreeNode*>(node);
}

CCheckboxTreeNode* QUANDEL_CExCheckBoxTreeListBox::GetCheckRoot(int index) const
{
    CTreeNode* root = m_Roots.GetAt(index);
    ASSERT(root->IsKindOf(RUNTIME_CLASS(CCheckboxTreeNode)));
    return static_cast<CCheckboxTreeNode*>(root);
}

int QUANDEL_CExCheckBoxTreeListBox::CheckImageOf(const CCheckboxTreeNode* node)
{
    if (node->GetChildCount() == 0)
        return node->IsChecked() ? 2 : 3;
    BYTE all = 0;
    BOOL any = node->GetDescendantCheckState(&all);
    return all ? 0 : (any ? 1 : 3);
}

// --- the pages' operations ------------------------------------------------------

void QUANDEL_CExCheckBoxTreeListBox::CheckAll()
{
    for (int i = 0; i < m_Roots.GetSize(); ++i)
        GetCheckRoot(i)->SetCheckRecursive(TRUE);
    if (m_hWnd != nullptr)
        Invalidate();
}

void QUANDEL_CExCheckBoxTreeListBox::UncheckAll()
{
    for (int i = 0; i < m_Roots.GetSize(); ++i)
        GetCheckRoot(i)->SetCheckRecursive(FALSE);
    if (m_hWnd != nullptr)
        Invalidate();
}

void QUANDEL_CExCheckBoxTreeListBox::GetCheckedItemData(CDWordArray& data) const
{
    for (int i = 0; i < m_Roots.GetSize(); ++i)
        GetCheckRoot(i)->CollectCheckedItemData(data);
}

BOOL QUANDEL_CExCheckBoxTreeListBox::IsCheckedByText(const wchar_t* text) const
{
    for (int i = 0; i < m_Roots.GetSize(); ++i) {
        CCheckboxTreeNode* found = nullptr;
        if (GetCheckRoot(i)->FindByText(text, found) && found != nullptr)
            return found->IsChecked();
    }
    return FALSE;
}

void QUANDEL_CExCheckBoxTreeListBox::SetCheckFound(CCheckboxTreeNode* node, BOOL checked)
{
    if (checked)
        node->SetChecked(TRUE);
    else
        node->SetCheckRecursive(FALSE);
    // Keep the ancestors' flags true to their descendants.
    node->UpdateParents();
    if (m_hWnd != nullptr)
        Invalidate();
}

void QUANDEL_CExCheckBoxTreeListBox::SetCheckByData(DWORD itemData, BOOL checked)
{
    for (int i = 0; i < m_Roots.GetSize(); ++i) {
        CCheckboxTreeNode* found = nullptr;
        if (GetCheckRoot(i)->FindByItemData(itemData, found) && found != nullptr) {
            SetCheckFound(found, checked);
            return;
        }
    }
}

void QUANDEL_CExCheckBoxTreeListBox::SetCheckByText(const wchar_t* text, BOOL checked)
{
    for (int i = 0; i < m_Roots.GetSize(); ++i) {
        CCheckboxTreeNode* found = nullptr;
        if (GetCheckRoot(i)->FindByText(text, found) && found != nullptr) {
            SetCheckFound(found, checked);
            return;
        }
    }
}

void QUANDEL_CExCheckBoxTreeListBox::SetCheck(CCheckboxTreeNode* node, BOOL checked, BOOL recurse)
{
    if (node == nullptr)
        return;
    if (node->GetChildCount() > 0 && (node->IsExpanded() || recurse))
        node->SetCheckRecursive(checked);
    else
        node->SetChecked(checked);
    node->UpdateParents();
    if (m_hWnd != nullptr)
        Invalidate();
}

BOOL QUANDEL_CExCheckBoxTreeListBox::IsAnyChecked() const
{
    for (int i = 0; i < m_Roots.GetSize(); ++i)
        if (GetCheckRoot(i)->GetDescendantCheckState(nullptr))
            return TRUE;
    return FALSE;
}

// --- toggling -------------------------------------------------------------------

void QUANDEL_CExCheckBoxTreeListBox::ToggleCheck(CCheckboxTreeNode* node)
{
    if (node == nullptr)
        return;
    if ((GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0) {
        CArray<int, int> rows;
        GetSelectedRows(rows);
        int nodeRow = IndexFromNode(node);
        bool amongSelected = false;
        for (int i = 0; i < rows.GetSize(); ++i)
            amongSelected = amongSelected || rows.GetAt(i) == nodeRow;
        if (amongSelected) {
            // One after the other: a later row sees the flags an earlier one left.
            for (int i = 0; i < rows.GetSize(); ++i)
                if (CCheckboxTreeNode* selected = GetCheckNodeAt(rows.GetAt(i)))
                    selected->Toggle();
            return;
        }
    }
    node->Toggle();
}

void QUANDEL_CExCheckBoxTreeListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!IsInScrollBarStrip(point) && point.x < m_nCheckColumnWidth) {
        if (CCheckboxTreeNode* node = GetCheckNodeAt(ItemFromPoint(point))) {
            ToggleCheck(node);
            Invalidate();
        }
    }
    QUANDEL_CTreeListBox::OnLButtonDown(nFlags, point);
}

void QUANDEL_CExCheckBoxTreeListBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != L' ')
        return; // no type-ahead: letters change nothing
    CArray<int, int> rows;
    GetSelectedRows(rows);
    if (rows.GetSize() == 0 && (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0 && GetCount() > 0) {
        int caret = GetCaretIndex();
        if (caret >= 0)
            rows.Add(caret);
    }
    for (int i = 0; i < rows.GetSize(); ++i) {
        if (CCheckboxTreeNode* node = GetCheckNodeAt(rows.GetAt(i))) {
            ToggleCheck(node);
            Invalidate();
            return;
        }
        QUANDEL_CTreeListBox::OnChar(nChar, nRepCnt, nFlags);
    }
}

// --- drawing and tips -------------------------------------------------------------

void QUANDEL_CExCheckBoxTreeListBox::DrawItem(LPDRAWITEMSTRUCT dis)
{
    QUANDEL_CTreeListBox::DrawItem(dis);
    if (dis == nullptr || dis->itemID == static_cast<UINT>(-1))
        return;
    CCheckboxTreeNode* node = GetCheckNodeAt(static_cast<int>(dis->itemID));
    if (node == nullptr)
        return;
    m_CheckImages.Draw(CDC::FromHandle(dis->hDC), CheckImageOf(node), CPoint(dis->rcItem.left, dis->rcItem.top),
                       ILD_TRANSPARENT);
}

CString QUANDEL_CExCheckBoxTreeListBox::GetTipText(CPoint point, int row)
{
    CCheckboxTreeNode* node = GetCheckNodeAt(row);
    if (row < 0 || node == nullptr)
        return CString();
    if (point.x > m_nCheckColumnWidth)
        return QUANDEL_CTreeListBox::GetTipText(point, row);
    static const UINT kTips[] = { IDS_CTL_TIP_GROUP_ALL, IDS_CTL_TIP_GROUP_SOME, IDS_CTL_TIP_LEAF_CHECKED, 0 };
    int image = CheckImageOf(node);
    UINT id = image < 3 ? kTips[image] : (node->GetChildCount() == 0 ? IDS_CTL_TIP_LEAF_UNCHECKED : IDS_CTL_TIP_GROUP_NONE);
    CString tip;
    tip.LoadString(id);
    return tip;
}
