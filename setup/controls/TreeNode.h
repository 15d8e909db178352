#pragma once
// CTreeNode: one entry of a tree list box's tree. Its array elements are
// its children in display order, owned by the node; the node also knows its
// parent, depth, ID within the list box, icon indices, expanded state, the
// caller's item data and its text (TAB-separated columns).
#include "framework/Collections.h"
#include "framework/CString.h"

class CTreeNode : public CArray<CTreeNode*, CTreeNode*>
{
    DECLARE_DYNAMIC(CTreeNode)
public:
    CTreeNode();
    CTreeNode(const wchar_t* text, int imageCollapsed, int imageExpanded, DWORD itemData, int id, CTreeNode* parent);
    ~CTreeNode() override;
    CTreeNode(const CTreeNode&) = delete;
    CTreeNode& operator=(const CTreeNode&) = delete;

    virtual void SetItemData(DWORD itemData);
    virtual int GetLevel() const;
    virtual CString GetText() const;
    // TRUE for a root, else TRUE when the node is its parent's last child.
    virtual BOOL IsLastChild() const;

    int GetChildCount() const { return GetSize(); }
    CTreeNode* GetChild(int index) const { return GetAt(index); }
    CTreeNode* GetParent() const { return m_pParent; }
    DWORD GetItemData() const { return m_dwItemData; }
    BOOL IsExpanded() const { return m_bExpanded; }
    int GetID() const { return m_nID; }
    int GetImageCollapsed() const { return m_nImageCollapsed; }
    int GetImageExpanded() const { return m_nImageExpanded; }

    // A node without children is never expanded.
    void SetExpanded(BOOL expanded);
    void SetLevel(int level) { m_nLevel = level; }

    // The node itself plus all its descendants.
    int CountNodes() const;
    // Depth first, the node before its children; NULL when absent.
    CTreeNode* FindByID(int id);
    // Rows the descendants occupy while shown: 0 when collapsed.
    int CountVisibleDescendants() const;
    // The ID of the first node of the subtree whose text matches, or -1.
    // Only leaves are compared unless anyNode is set; the first prefixLength
    // characters are compared ignoring case; with exact set, a prefix match
    // must also have text as its whole first column, else the search ends.
    int FindText(const wchar_t* text, BOOL anyNode, int prefixLength, BOOL exact) const;

protected:
    BOOL m_bExpanded;
    CTreeNode* m_pParent;
    int m_nID;
    int m_nImageCollapsed;
    int m_nImageExpanded;
    int m_nLevel;
    DWORD m_dwItemData;
    CString m_strText;
};
