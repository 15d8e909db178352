#include "framework/ListCtrl.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

CListCtrl::~CListCtrl() = default;

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_LISTVIEWW, L"", dwStyle, rect, pParentWnd, nID);
}

HIMAGELIST CListCtrl::SetImageList(HIMAGELIST images, int which)
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(images)));
}

DWORD CListCtrl::SetExtendedStyle(DWORD exStyle)
{
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle));
}

DWORD CListCtrl::GetExtendedStyle() const
{
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

int CListCtrl::InsertColumn(int column, const wchar_t* heading, int format, int width, int subItem)
{
    LVCOLUMNW col = {};
    col.mask = LVCF_FMT | LVCF_TEXT;
    col.fmt = format;
    col.pszText = const_cast<wchar_t*>(heading);
    if (width != -1)
    {
        col.mask |= LVCF_WIDTH;
        col.cx = width;
    }
    if (subItem != -1)
    {
        col.mask |= LVCF_SUBITEM;
        col.iSubItem = subItem;
    }
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&col)));
}

int CListCtrl::InsertItem(int item, const wchar_t* text, int image)
{
    LVITEMW lvi = {};
    lvi.mask = LVIF_TEXT | LVIF_IMAGE;
    lvi.iItem = item;
    lvi.pszText = const_cast<wchar_t*>(text);
    lvi.iImage = image;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi)));
}

BOOL CListCtrl::SetItemText(int item, int subItem, const wchar_t* text)
{
    LVITEMW lvi = {};
    lvi.iSubItem = subItem;
    lvi.pszText = const_cast<wchar_t*>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lvi)));
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    wchar_t buffer[260] = {};
    LVITEMW lvi = {};
    lvi.iSubItem = subItem;
    lvi.pszText = buffer;
    lvi.cchTextMax = static_cast<int>(sizeof(buffer) / sizeof(buffer[0]));
    SendMessage(LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lvi));
    return CString(buffer);
}

int CListCtrl::GetItemImage(int item) const
{
    LVITEMW lvi = {};
    lvi.mask = LVIF_IMAGE;
    lvi.iItem = item;
    if (!SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lvi)))
        return -1;
    return lvi.iImage;
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

BOOL CListCtrl::DeleteAllItems()
{
    return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS));
}
