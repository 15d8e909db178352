#pragma once
// CEdit: an edit control.
#include "framework/Wnd.h"

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    ~CEdit() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(const wchar_t* text, BOOL canUndo = FALSE);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    void LimitText(int maxChars = 0);
};
