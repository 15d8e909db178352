#pragma once
// CListBox: the list-box control. An owner-drawn list box's item messages
// (WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM), which the
// platform sends to the parent, are reflected to the control's object and
// answered by the virtual operations below.
#include "framework/Wnd.h"

class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
    int GetSelItems(int maxItems, int* items) const;
    int GetCaretIndex() const;
    int SetCaretIndex(int index, BOOL scroll = TRUE);
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int GetItemHeight(int index) const;
    int SetItemHeight(int index, UINT height);
    int GetItemRect(int index, LPRECT rect) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    void* GetItemDataPtr(int index) const;
    int SetItemDataPtr(int index, void* data);

    int AddString(const wchar_t* text);
    int InsertString(int index, const wchar_t* text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetText(int index, wchar_t* buffer) const;
    void GetText(int index, CString& text) const;
    int GetTextLen(int index) const;
    int FindString(int startAfter, const wchar_t* text) const;
    int FindStringExact(int startAfter, const wchar_t* text) const;
    int SelectString(int startAfter, const wchar_t* text);
    void SetTabStops();                          // every 2 dialog-unit characters (the default)
    BOOL SetTabStops(const int& eachStop);       // one distance, in dialog units
    BOOL SetTabStops(int count, const int* stops);
    void SetHorizontalExtent(int extent);
    int GetHorizontalExtent() const;
    // The row under a client point; outside is TRUE when the point is in no row.
    UINT ItemFromPoint(CPoint point, BOOL& outside) const;

    // Owner-draw operations, called through reflection.
    virtual void DrawItem(LPDRAWITEMSTRUCT dis);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT mis);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT cis);
    virtual void DeleteItem(LPDELETEITEMSTRUCT dis);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
