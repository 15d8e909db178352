#include "setup/controls/TreeNode.h"

IMPLEMENT_DYNAMIC(CTreeNode, CObject)

CTreeNode::CTreeNode()
    : m_bExpanded(FALSE), m_pParent(nullptr), m_nID(-1), m_nImageCollapsed(-1), m_nImageExpanded(-1), m_nLevel(0),
      m_dwItemData(0)
{
}

CTreeNode::CTreeNode(const wchar_t* text, int imageCollapsed, int imageExpanded, DWORD itemData, int id,
                     CTreeNode* parent)
    : m_bExpanded(FALSE), m_pParent(parent), m_nID(id), m_nImageCollapsed(imageCollapsed),
      m_nImageExpanded(imageExpanded), m_nLevel(0), m_dwItemData(itemData), m_strText(text != nullptr ? text : L"")
{
}

CTreeNode::~CTreeNode()
{
    for (int i = 0; i < GetSize(); ++i)
        delete GetAt(i);
    RemoveAll();
}

void CTreeNode::SetItemData(DWORD itemData)
{
    m_dwItemData = itemData;
}

int CTreeNode::GetLevel() const
{
    return m_nLevel;
}

CString CTreeNode::GetText() const
{
    return m_strText;
}

BOOL CTreeNode::IsLastChild() const
{
    if (m_pParent == nullptr)
        return TRUE;
    int count = m_pParent->GetSize();
    return count > 0 && m_pParent->GetAt(count - 1) == this;
}

void CTreeNode::SetExpanded(BOOL expanded)
{
    m_bExpanded = GetSize() > 0 ? expanded : FALSE;
}

int CTreeNode::CountNodes() const
{
    int count = 1;
    for (int i = 0; i < GetSize(); ++i)
        count += GetAt(i)->CountNodes();
    return count;
}

CTreeNode* CTreeNode::FindByID(int id)
{
    if (m_nID == id)
        return this;
    for (int i = 0; i < GetSize(); ++i)
        if (CTreeNode* found = GetAt(i)->FindByID(id))
            return found;
    return nullptr;
}

int CTreeNode::CountVisibleDescendants() const
{
    if (!m_bExpanded)
        return 0;
    int count = 0;
    for (int i = 0; i < GetSize(); ++i)
        count += 1 + GetAt(i)->CountVisibleDescendants();
    return count;
}

int CTreeNode::FindText(const wchar_t* text, BOOL anyNode, int prefixLength, BOOL exact) const
{
    CString whole(text != nullptr ? text : L"");
    CString prefix = whole.Left(prefixLength);
    if (anyNode || GetSize() == 0) {
        if (m_strText.Left(prefixLength).CompareNoCase(prefix) == 0) {
            if (!exact)
                return m_nID;
            int tab = m_strText.Find(L'\t');
            CString firstColumn = tab < 0 ? m_strText : m_strText.Left(tab);
            return firstColumn.CompareNoCase(whole) == 0 ? m_nID : -1;
        }
    }
    for (int i = 0; i < GetSize(); ++i) {
        int found = GetAt(i)->FindText(text, anyNode, prefixLength, exact);
        if (found != -1)
            return found;
    }
    return -1;
}
