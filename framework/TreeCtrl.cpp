#include "framework/TreeCtrl.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

CTreeCtrl::~CTreeCtrl() = default;

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_TREEVIEWW, L"", dwStyle, rect, pParentWnd, nID);
}

HTREEITEM CTreeCtrl::InsertItem(UINT mask, const wchar_t* text, int image, int selectedImage, UINT state,
                                UINT stateMask, LPARAM lParam, HTREEITEM parent, HTREEITEM insertAfter)
{
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = insertAfter;
    insert.item.mask = mask;
    insert.item.pszText = const_cast<wchar_t*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.state = state;
    insert.item.stateMask = stateMask;
    insert.item.lParam = lParam;
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

HTREEITEM CTreeCtrl::InsertItem(const wchar_t* text, HTREEITEM parent, HTREEITEM insertAfter)
{
    return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, parent, insertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item)
{
    return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::DeleteAllItems()
{
    return DeleteItem(TVI_ROOT);
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const
{
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::GetRootItem() const { return GetNextItem(NULL, TVGN_ROOT); }
HTREEITEM CTreeCtrl::GetFirstVisibleItem() const { return GetNextItem(NULL, TVGN_FIRSTVISIBLE); }
HTREEITEM CTreeCtrl::GetSelectedItem() const { return GetNextItem(NULL, TVGN_CARET); }
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const
{
    return GetChildItem(item) != NULL ? TRUE : FALSE;
}

UINT CTreeCtrl::GetCount() const
{
    return static_cast<UINT>(SendMessage(TVM_GETCOUNT));
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item)
{
    return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code)
{
    return static_cast<BOOL>(SendMessage(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)));
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMW tvi = {};
    tvi.mask = TVIF_PARAM | TVIF_HANDLE;
    tvi.hItem = item;
    if (item == NULL || !SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)))
        return 0;
    return static_cast<DWORD_PTR>(tvi.lParam);
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEMW tvi = {};
    tvi.mask = TVIF_PARAM | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)));
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    wchar_t buffer[520] = {};
    TVITEMW tvi = {};
    tvi.mask = TVIF_TEXT | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.pszText = buffer;
    tvi.cchTextMax = static_cast<int>(sizeof(buffer) / sizeof(buffer[0]));
    if (item == NULL || !SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)))
        return CString();
    return CString(tvi.pszText);
}
