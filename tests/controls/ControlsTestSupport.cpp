#include "ControlsTestSupport.h"

namespace {
auto* const g_resourceEnvironment = ::testing::AddGlobalTestEnvironment(new ResourceLibraryEnvironment);
} // namespace

void ResourceLibraryEnvironment::SetUp()
{
    wchar_t path[MAX_PATH] = L"";
    DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dll(path, n);
    dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"QuandelENU.dll";
    m_module = ::LoadLibraryW(dll.c_str());
    ASSERT_NE(nullptr, m_module) << "QuandelENU.dll beside the test";
    AfxSetResourceHandle(m_module);
}

void ResourceLibraryEnvironment::TearDown()
{
    AfxSetResourceHandle(nullptr);
    if (m_module != nullptr)
        ::FreeLibrary(m_module);
}

BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
    ON_LBN_DBLCLK(kListId, &CHostWnd::OnListDblClk)
END_MESSAGE_MAP()

BOOL CHostWnd::CreateHost()
{
    return CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP, 100, 100, 400, 500, nullptr, nullptr);
}

BOOL CreateTreeList(CHostWnd& host, QUANDEL_CTreeListBox& list, DWORD extraStyle, int height)
{
    if (host.m_hWnd == nullptr && !host.CreateHost())
        return FALSE;
    return list.Create(WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOTIFY | extraStyle,
                       CRect(0, 0, 300, height), &host, kListId);
}

namespace {

void Visit(CTreeNode* node, std::vector<CTreeNode*>& rows)
{
    rows.push_back(node);
    if (node->IsExpanded())
        for (int i = 0; i < node->GetChildCount(); ++i)
            Visit(node->GetChild(i), rows);
}

} // namespace

std::vector<CTreeNode*> ExpectedRows(QUANDEL_CTreeListBox& list)
{
    std::vector<CTreeNode*> rows;
    // The roots in order: every root is in the list, found by its ID.
    const int total = list.GetNodeCount();
    for (int id = 1, found = 0; found < total && id < 100000; ++id) {
        CTreeNode* node = list.FindNodeByID(id);
        if (node == nullptr)
            continue;
        ++found;
        if (node->GetParent() == nullptr)
            Visit(node, rows);
    }
    return rows;
}

std::vector<CTreeNode*> ActualRows(QUANDEL_CTreeListBox& list)
{
    std::vector<CTreeNode*> rows;
    for (int row = 0; row < list.GetCount(); ++row)
        rows.push_back(list.GetNodeAt(row));
    return rows;
}

std::vector<std::wstring> RowTexts(QUANDEL_CTreeListBox& list)
{
    std::vector<std::wstring> texts;
    for (int row = 0; row < list.GetCount(); ++row)
        texts.push_back(list.GetTextAt(row).GetString());
    return texts;
}

CPoint RowPoint(QUANDEL_CTreeListBox& list, int row, int x)
{
    int height = list.GetItemHeight(0);
    return CPoint(x, (row - list.GetTopIndex()) * height + height / 2);
}
