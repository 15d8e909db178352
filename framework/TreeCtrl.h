#pragma once
// CTreeCtrl: the tree-view common control ("SysTreeView32").
#include "framework/Wnd.h"

class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl() = default;
    ~CTreeCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Inserts an item with the given mask, text, state and data under
    // parent (TVI_ROOT for a root), after insertAfter (TVI_LAST: at the end).
    HTREEITEM InsertItem(UINT mask, const wchar_t* text, int image, int selectedImage, UINT state, UINT stateMask,
                         LPARAM lParam, HTREEITEM parent, HTREEITEM insertAfter);
    HTREEITEM InsertItem(const wchar_t* text, HTREEITEM parent = TVI_ROOT, HTREEITEM insertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();

    HTREEITEM GetRootItem() const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    BOOL ItemHasChildren(HTREEITEM item) const;
    UINT GetCount() const;

    BOOL SelectItem(HTREEITEM item);
    BOOL Expand(HTREEITEM item, UINT code);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    CString GetItemText(HTREEITEM item) const;
};
