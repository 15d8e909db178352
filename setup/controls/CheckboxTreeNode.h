#pragma once
// CCheckboxTreeNode: a tree node with a check flag. A node that has
// children counts as checked as soon as any descendant is checked; the
// leaves carry the user's choices.
#include "setup/controls/TreeNode.h"

class CCheckboxTreeNode : public CTreeNode
{
    DECLARE_DYNAMIC(CCheckboxTreeNode)
public:
    CCheckboxTreeNode();
    CCheckboxTreeNode(const wchar_t* text, int imageCollapsed, int imageExpanded, DWORD itemData, int id,
                      CTreeNode* parent);
    ~CCheckboxTreeNode() override;

    BOOL IsChecked() const { return m_bChecked != 0; }
    void SetChecked(BOOL checked) { m_bChecked = checked ? 1 : 0; }

    // Scans every descendant: returns whether any is checked and stores
    // whether all are (0 for a leaf) in *allChecked.
    BOOL GetDescendantCheckState(BYTE* allChecked) const;
    void SetCheckRecursive(BOOL checked);
    // Re-derives the flag of every ancestor, parent first.
    void UpdateParents();
    void SetAncestorsChecked(BOOL checked);
    // Item data / texts of every checked descendant in pre-order; never the node itself.
    void CollectCheckedItemData(CDWordArray& data) const;
    void CollectCheckedTexts(CStringArray& texts) const;
    // The first descendant (pre-order) with exactly this text / item data;
    // found is left untouched when there is none.
    BOOL FindByText(const wchar_t* text, CCheckboxTreeNode*& found) const;
    BOOL FindByItemData(DWORD itemData, CCheckboxTreeNode*& found) const;

    // The inverse of the node's own flag for its whole subtree, then its ancestors.
    void Toggle();

    CCheckboxTreeNode* GetCheckChild(int index) const;

protected:
    BYTE m_bChecked;
};
