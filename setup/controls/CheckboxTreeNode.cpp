#include "setup/controls/CheckboxTreeNode.h"
#include "framework/Diag.h"

IMPLEMENT_DYNAMIC(CCheckboxTreeNode, CTreeNode)

CCheckboxTreeNode::CCheckboxTreeNode() : m_bChecked(0)
{
}

CCheckboxTreeNode::CCheckboxTreeNode(const wchar_t* text, int imageCollapsed, int imageExpanded, DWORD itemData,
                                     int id, CTreeNode* parent)
    : CTreeNode(text, imageCollapsed, imageExpanded, itemData, id, parent), m_bChecked(0)
{
}

CCheckboxTreeNode::~CCheckboxTreeNode() = default;

CCheckboxTreeNode* CCheckboxTreeNode::GetCheckChild(int index) const
{
    CTreeNode* child = GetAt(index);
    ASSERT(child->IsKindOf(RUNTIME_CLASS(CCheckboxTreeNode)));
    return static_cast<CCheckboxTreeNode*>(child);
}

namespace {

void ScanDescendants(const CCheckboxTreeNode& node, BYTE& all, BOOL& any)
{
    for (int i = 0; i < node.GetChildCount(); ++i) {
        const CCheckboxTreeNode* child = node.GetCheckChild(i);
        if (child->IsChecked())
            any = TRUE;
        else
            all = 0;
        ScanDescendants(*child, all, any);
    }
}

} // namespace

BOOL CCheckboxTreeNode::GetDescendantCheckState(BYTE* allChecked) const
{
    BYTE all = GetChildCount() > 0 ? 1 : 0;
    BOOL any = FALSE;
    ScanDescendants(*this, all, any);
    if (allChecked != nullptr)
        *allChecked = all;
    return any;
}

void CCheckboxTreeNode::SetCheckRecursive(BOOL checked)
{
    SetChecked(checked);
    for (int i = 0; i < GetChildCount(); ++i)
        GetCheckChild(i)->SetCheckRecursive(checked);
}

void CCheckboxTreeNode::UpdateParents()
{
    for (CTreeNode* p = GetParent(); p != nullptr; p = p->GetParent()) {
        ASSERT(p->IsKindOf(RUNTIME_CLASS(CCheckboxTreeNode)));
        auto parent = static_cast<CCheckboxTreeNode*>(p);
        BYTE all = 0;
        BOOL any = parent->GetDescendantCheckState(&all);
        parent->SetChecked(all || any);
    }
}

void CCheckboxTreeNode::SetAncestorsChecked(BOOL checked)
{
    for (CTreeNode* p = GetParent(); p != nullptr; p = p->GetParent()) {
        ASSERT(p->IsKindOf(RUNTIME_CLASS(CCheckboxTreeNode)));
        static_cast<CCheckboxTreeNode*>(p)->SetChecked(checked);
    }
}

void CCheckboxTreeNode::CollectCheckedItemData(CDWordArray& data) const
{
    for (int i = 0; i < GetChildCount(); ++i) {
        const CCheckboxTreeNode* child = GetCheckChild(i);
        if (child->IsChecked())
            data.Add(child->GetItemData());
        child->CollectCheckedItemData(data);
    }
}

void CCheckboxTreeNode::CollectCheckedTexts(CStringArray& texts) const
{
    for (int i = 0; i < GetChildCount(); ++i) {
        const CCheckboxTreeNode* child = GetCheckChild(i);
        if (child->IsChecked())
            texts.Add(child->m_strText);
        child->CollectCheckedTexts(texts);
    }
}

BOOL CCheckboxTreeNode::FindByText(const wchar_t* text, CCheckboxTreeNode*& found) const
{
    CString wanted(text != nullptr ? text : L"");
    for (int i = 0; i < GetChildCount(); ++i) {
        CCheckboxTreeNode* child = GetCheckChild(i);
        if (child->m_strText.Compare(wanted) == 0) {
            found = child;
            return TRUE;
        }
        if (child->FindByText(text, found))
            return TRUE;
    }
    return FALSE;
}

BOOL CCheckboxTreeNode::FindByItemData(DWORD itemData, CCheckboxTreeNode*& found) const
{
    for (int i = 0; i < GetChildCount(); ++i) {
        CCheckboxTreeNode* child = GetCheckChild(i);
        if (child->GetItemData() == itemData) {
            found = child;
            return TRUE;
        }
        if (child->FindByItemData(itemData, found))
            return TRUE;
    }
    return FALSE;
}

void CCheckboxTreeNode::Toggle()
{
    SetCheckRecursive(!IsChecked());
    UpdateParents();
}
