#pragma once
// Shared pieces of the tree list tests: the language library as the current
// resource library, a hidden host window with a list box in it, and a
// check that the rows are exactly the shown nodes.
#include "setup/controls/Quandel_CExCheckBoxTreeListBox.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Loads QuandelENU.dll from the test's folder for the whole run.
class ResourceLibraryEnvironment : public ::testing::Environment
{
public:
    void SetUp() override;
    void TearDown() override;

private:
    HMODULE m_module = nullptr;
};

// A hidden top-level window that owns the list under test.
class CHostWnd : public CWnd
{
public:
    BOOL CreateHost();
    int dblClkNotifications = 0;

protected:
    void OnListDblClk() { ++dblClkNotifications; }
    DECLARE_MESSAGE_MAP()
};

const UINT kListId = 1200;

// Creates the list as an owner-drawn, string-less child of the host.
BOOL CreateTreeList(CHostWnd& host, QUANDEL_CTreeListBox& list, DWORD extraStyle = 0, int height = 400);

// The nodes the rows should show: every root, and the children of every
// shown node marked expanded, in pre-order.
std::vector<CTreeNode*> ExpectedRows(QUANDEL_CTreeListBox& list);
std::vector<CTreeNode*> ActualRows(QUANDEL_CTreeListBox& list);
// Texts of the rows, for readable failures.
std::vector<std::wstring> RowTexts(QUANDEL_CTreeListBox& list);

// Client point in the middle (vertically) of a row at x.
CPoint RowPoint(QUANDEL_CTreeListBox& list, int row, int x);
