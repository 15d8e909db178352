#pragma once
// A static text that looks and acts as a hyperlink: underlined, in link or
// visited colour, and a click opens its text with the shell. An address
// that cannot be opened is shown in a small error dialog.
#include "framework/Static.h"

class CPVGeneralHyperLinkCtrl : public CStatic
{
public:
    // The error dialog's template and its icon and address control ids.
    CPVGeneralHyperLinkCtrl(UINT nIDErrorDialog, UINT nIDErrorIcon, UINT nIDErrorAddress);
    ~CPVGeneralHyperLinkCtrl() override;

    void SetVisited(BOOL visited = TRUE);
    BOOL GetVisited() const { return m_bVisited; }
    void SetColors(COLORREF link, COLORREF visited);
    void SetUnderline(BOOL underline = TRUE);

    // The shell's result for opening the address; 32 (failure) without a
    // call for an empty address.
    int Open(const wchar_t* address);
    void ShowError(const wchar_t* address);

    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

protected:
    void PreSubclassWindow() override;
    void OnClicked();

    COLORREF m_crLink = RGB(0x00, 0x00, 0xEE);
    COLORREF m_crVisited = RGB(0x55, 0x1A, 0x8B);
    BOOL m_bVisited = FALSE;
    BOOL m_bUnderline = TRUE;
    CFont m_font;
    CBrush m_brush;
    UINT m_nIDErrorDialog;
    UINT m_nIDErrorIcon;
    UINT m_nIDErrorAddress;

    DECLARE_MESSAGE_MAP()
};
