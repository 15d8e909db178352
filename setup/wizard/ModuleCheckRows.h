#pragma once
// The tie between a check-box tree list of groups and modules and the
// package model: every row's node carries its group index and module index
// (-1 for a group row), and the page remembers each module node, so checks
// are read from the modules' own nodes, never by matching texts.
#include <vector>
#include "framework/CString.h"

class QUANDEL_CExCheckBoxTreeListBox;
class CCheckboxTreeNode;

class CModuleCheckRows
{
public:
    static DWORD MakeData(int group, int module);
    static int DataGroup(DWORD data);
    static int DataModule(DWORD data);   // -1 for a group row

    struct ModuleNode
    {
        int group;
        int module;
        int nodeId;
    };

    void Clear() { m_Modules.clear(); }
    // Adds a group row; its node id (for its module rows).
    int AddGroup(QUANDEL_CExCheckBoxTreeListBox& tree, const CString& text, int group);
    // Adds a module row under its group's node, checked as given.
    void AddModule(QUANDEL_CExCheckBoxTreeListBox& tree, const CString& text, int group, int module, int groupNodeId,
                   BOOL checked);

    const std::vector<ModuleNode>& GetModules() const { return m_Modules; }
    BOOL IsChecked(QUANDEL_CExCheckBoxTreeListBox& tree, const ModuleNode& entry) const;
    BOOL IsAnyModuleChecked(QUANDEL_CExCheckBoxTreeListBox& tree) const;
    // (group, module) of a row from the row's own node; FALSE for no row.
    static BOOL RowToObjects(QUANDEL_CExCheckBoxTreeListBox& tree, int row, int& group, int& module);
    // Selects one row of a multiple-selection list (and only that one).
    static void SelectOnly(QUANDEL_CExCheckBoxTreeListBox& tree, int row);

private:
    std::vector<ModuleNode> m_Modules;
};
