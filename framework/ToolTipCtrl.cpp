#include "framework/ToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES };
    ::InitCommonControlsEx(&icc);
    return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nullptr);
}

void CToolTipCtrl::FillToolInfo(TOOLINFOW& ti, CWnd* pWnd, UINT_PTR nIDTool)
{
    ti = TOOLINFOW();
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = pWnd->m_hWnd;
    if (nIDTool == 0) {
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    } else {
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const wchar_t* text, LPCRECT rectTool, UINT_PTR nIDTool)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return FALSE;
    TOOLINFOW ti;
    FillToolInfo(ti, pWnd, nIDTool);
    if (rectTool != nullptr)
        ti.rect = *rectTool;
    ti.lpszText = const_cast<wchar_t*>(text);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return;
    TOOLINFOW ti;
    FillToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}

void CToolTipCtrl::Activate(BOOL activate)
{
    SendMessage(TTM_ACTIVATE, activate);
}

int CToolTipCtrl::SetMaxTipWidth(int width)
{
    return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width));
}

void CToolTipCtrl::SetDelayTime(DWORD duration, int time)
{
    SendMessage(TTM_SETDELAYTIME, duration, MAKELPARAM(time, 0));
}

void CToolTipCtrl::RelayEvent(MSG* pMsg)
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}

void CToolTipCtrl::GetText(CString& text, CWnd* pWnd, UINT_PTR nIDTool) const
{
    text.Empty();
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return;
    // The control copies at most 80 characters unless told the buffer size
    // (TTM_GETTEXTW has no size argument before version 6): give it plenty.
    const int capacity = 1024;
    TOOLINFOW ti;
    FillToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = text.GetBuffer(capacity);
    ti.lpszText[0] = L'\0';
    SendMessage(TTM_GETTEXTW, capacity, reinterpret_cast<LPARAM>(&ti));
    text.ReleaseBuffer();
}
