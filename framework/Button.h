#pragma once
// CButton: push buttons, check boxes and radio buttons.
#include "framework/Wnd.h"

class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;

    // A child button; the style gets WS_CHILD.
    BOOL Create(const wchar_t* caption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    void SetState(BOOL highlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    HICON SetIcon(HICON icon);
    // Clicks the button as the user would (BM_CLICK).
    void Click();
};
