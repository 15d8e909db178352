#pragma once
// CToolTipCtrl: the tooltip control.
//
// A tool for a whole window (AddTool with tool id 0) is registered with that
// window both as the tool (TTF_IDISHWND) and as the receiver of the text
// requests (TOOLINFO.hwnd), so a control that shows its own tips answers
// TTN_NEEDTEXTW itself, in its own message map.
#include "framework/Wnd.h"

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;

    // A tooltip window owned by the parent; WS_POPUP is added to the style.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // text LPSTR_TEXTCALLBACKW asks the tool window for the text when needed.
    BOOL AddTool(CWnd* pWnd, const wchar_t* text = LPSTR_TEXTCALLBACKW, LPCRECT rectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    int GetToolCount() const;
    void Activate(BOOL activate);
    int SetMaxTipWidth(int width);
    void SetDelayTime(DWORD duration, int time);
    void RelayEvent(MSG* pMsg);
    // The tool's current text (asks the tool window when it is a callback).
    void GetText(CString& text, CWnd* pWnd, UINT_PTR nIDTool = 0) const;

private:
    static void FillToolInfo(TOOLINFOW& ti, CWnd* pWnd, UINT_PTR nIDTool);
};
