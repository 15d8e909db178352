#pragma once
// CListCtrl: the list-view common control ("SysListView32").
#include "framework/Wnd.h"

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;
    ~CListCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // LVSIL_SMALL or LVSIL_NORMAL; the previous list.
    HIMAGELIST SetImageList(HIMAGELIST images, int which);
    DWORD SetExtendedStyle(DWORD exStyle);
    DWORD GetExtendedStyle() const;

    int InsertColumn(int column, const wchar_t* heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    int InsertItem(int item, const wchar_t* text, int image);
    BOOL SetItemText(int item, int subItem, const wchar_t* text);
    CString GetItemText(int item, int subItem) const;
    // The image index of an item; -1 when there is no such item.
    int GetItemImage(int item) const;
    int GetItemCount() const;
    BOOL DeleteAllItems();
};
