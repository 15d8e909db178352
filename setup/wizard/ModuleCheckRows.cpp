#include "setup/wizard/ModuleCheckRows.h"
#include "setup/controls/Quandel_CExCheckBoxTreeListBox.h"

DWORD CModuleCheckRows::MakeData(int group, int module)
{
    return (static_cast<DWORD>(group & 0xFFFF) << 16) | static_cast<DWORD>((module + 1) & 0xFFFF);
}

int CModuleCheckRows::DataGroup(DWORD data)
{
    return static_cast<int>(data >> 16);
}

int CModuleCheckRows::DataModule(DWORD data)
{
    return static_cast<int>(data & 0xFFFF) - 1;
}

int CModuleCheckRows::AddGroup(QUANDEL_CExCheckBoxTreeListBox& tree, const CString& text, int group)
{
    int id = -1;
    tree.AddItem(text, 0, 0, MakeData(group, -1), -1, &id, false);
    return id;
}

void CModuleCheckRows::AddModule(QUANDEL_CExCheckBoxTreeListBox& tree, const CString& text, int group, int module,
                                 int groupNodeId, BOOL checked)
{
    int id = -1;
    tree.AddItem(text, 0, 0, MakeData(group, module), groupNodeId, &id, false);
    CCheckboxTreeNode* node = static_cast<CCheckboxTreeNode*>(tree.FindNodeByID(id));
    if (node == NULL)
        return;
    m_Modules.push_back(ModuleNode{group, module, id});
    node->SetChecked(checked ? TRUE : FALSE);
    node->UpdateParents();
}

BOOL CModuleCheckRows::IsChecked(QUANDEL_CExCheckBoxTreeListBox& tree, const ModuleNode& entry) const
{
    CCheckboxTreeNode* node = static_cast<CCheckboxTreeNode*>(tree.FindNodeByID(entry.nodeId));
    return (node != NULL && node->IsChecked()) ? TRUE : FALSE;
}

BOOL CModuleCheckRows::IsAnyModuleChecked(QUANDEL_CExCheckBoxTreeListBox& tree) const
{
    for (const ModuleNode& entry : m_Modules)
        if (IsChecked(tree, entry))
            return TRUE;
    return FALSE;
}

BOOL CModuleCheckRows::RowToObjects(QUANDEL_CExCheckBoxTreeListBox& tree, int row, int& group, int& module)
{
    group = -1;
    module = -1;
    if (row < 0 || row >= tree.GetCount())
        return FALSE;
    const DWORD data = tree.GetItemDataAt(row);
    group = DataGroup(data);
    module = DataModule(data);
    return TRUE;
}

void CModuleCheckRows::SelectOnly(QUANDEL_CExCheckBoxTreeListBox& tree, int row)
{
    if ((tree.GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0)
    {
        tree.SetSel(-1, FALSE);
        tree.SetSel(row, TRUE);
        tree.SetCaretIndex(row);
    }
    else
        tree.SetCurSel(row);
}
