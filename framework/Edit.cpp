#include "framework/Edit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::~CEdit()
{
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int start, int end, BOOL noScroll)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    if (!noScroll)
        SendMessage(EM_SCROLLCARET, 0, 0);
}

void CEdit::GetSel(int& start, int& end) const
{
    DWORD first = 0, last = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

void CEdit::ReplaceSel(const wchar_t* text, BOOL canUndo)
{
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(canUndo), reinterpret_cast<LPARAM>(text));
}

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(readOnly), 0));
}

void CEdit::LimitText(int maxChars)
{
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}
