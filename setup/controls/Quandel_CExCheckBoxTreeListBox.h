#pragma once
// QUANDEL_CExCheckBoxTreeListBox: the tree list box with a tri-state check
// box in front of every row (nodes are CCheckboxTreeNode). A leaf's box is
// checked or not; a parent's box shows whether all, some or none of its
// descendants are checked. A click on a box or Space toggles; toggling a
// node sets its whole subtree and re-derives its ancestors.
//
// On a multiple-selection list a toggle covers all selected rows when the
// toggled row is one of them, else the toggled row alone; Space with
// nothing selected toggles the caret row.
#include "setup/controls/CheckboxTreeNode.h"
#include "setup/controls/Quandel_TreeListBox.h"

class QUANDEL_CExCheckBoxTreeListBox : public QUANDEL_CTreeListBox
{
    DECLARE_DYNAMIC(QUANDEL_CExCheckBoxTreeListBox)
public:
    QUANDEL_CExCheckBoxTreeListBox();
    ~QUANDEL_CExCheckBoxTreeListBox() override;

    void CheckAll();
    void UncheckAll();
    // Appends the item data of every checked node below the roots, root by root, in pre-order.
    void GetCheckedItemData(CDWordArray& data) const;
    // The check flag of the first node below the roots whose whole text equals text.
    BOOL IsCheckedByText(const wchar_t* text) const;
    void SetCheckByData(DWORD itemData, BOOL checked);
    void SetCheckByText(const wchar_t* text, BOOL checked);
    void SetCheck(CCheckboxTreeNode* node, BOOL checked, BOOL recurse);
    BOOL IsAnyChecked() const;

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    CTreeNode* CreateNode(const wchar_t* text, int imageCollapsed, int imageExpanded, DWORD itemData, int id,
                          CTreeNode* parent) override;
    CString GetTipText(CPoint point, int row) override;
    virtual void ToggleCheck(CCheckboxTreeNode* node);

    // The check image of a node: 0 all, 1 some, 2 checked leaf, 3 unchecked / none.
    static int CheckImageOf(const CCheckboxTreeNode* node);

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    CCheckboxTreeNode* GetCheckNodeAt(int row) const;
    CCheckboxTreeNode* GetCheckRoot(int index) const;
    void SetCheckFound(CCheckboxTreeNode* node, BOOL checked);

    CImageList m_CheckImages;       // bitmap 167

    DECLARE_MESSAGE_MAP()
};
