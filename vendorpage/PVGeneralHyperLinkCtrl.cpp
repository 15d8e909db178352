#include "vendorpage/PVGeneralHyperLinkCtrl.h"
#include "framework/Seams.h"
#include "vendorpage/PVGeneralHyperLinkErrDlg.h"

BEGIN_MESSAGE_MAP(CPVGeneralHyperLinkCtrl, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, &CPVGeneralHyperLinkCtrl::OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CPVGeneralHyperLinkCtrl::CPVGeneralHyperLinkCtrl(UINT nIDErrorDialog, UINT nIDErrorIcon, UINT nIDErrorAddress)
    : m_nIDErrorDialog(nIDErrorDialog), m_nIDErrorIcon(nIDErrorIcon), m_nIDErrorAddress(nIDErrorAddress)
{
}

CPVGeneralHyperLinkCtrl::~CPVGeneralHyperLinkCtrl()
{
    m_font.DeleteObject();
    m_brush.DeleteObject();
}

namespace
{
// The LOGFONT of the control's font; the default GUI font when it has none.
LOGFONTW CurrentLogFont(const CWnd& control)
{
    LOGFONTW logFont = {};
    HFONT font = reinterpret_cast<HFONT>(control.SendMessage(WM_GETFONT, 0, 0));
    if (font == nullptr || ::GetObjectW(font, sizeof logFont, &logFont) == 0)
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
    return logFont;
}
}

void CPVGeneralHyperLinkCtrl::PreSubclassWindow()
{
    // Clicks are reported only with SS_NOTIFY.
    ModifyStyle(0, SS_NOTIFY);
    LOGFONTW logFont = CurrentLogFont(*this);
    logFont.lfUnderline = static_cast<BYTE>(m_bUnderline ? TRUE : FALSE);
    m_font.DeleteObject();
    if (m_font.CreateFontIndirect(&logFont))
        SetFont(&m_font, TRUE);
    m_brush.DeleteObject();
    m_brush.CreateSysColorBrush(COLOR_BTNFACE);
    CStatic::PreSubclassWindow();
}

HBRUSH CPVGeneralHyperLinkCtrl::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(m_bVisited ? m_crVisited : m_crLink);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(m_brush.GetSafeHandle());
}

void CPVGeneralHyperLinkCtrl::SetVisited(BOOL visited)
{
    m_bVisited = visited;
    if (GetSafeHwnd() != nullptr)
        Invalidate(TRUE);
}

void CPVGeneralHyperLinkCtrl::SetColors(COLORREF link, COLORREF visited)
{
    m_crLink = link;
    m_crVisited = visited;
    if (GetSafeHwnd() != nullptr)
        Invalidate(TRUE);
}

void CPVGeneralHyperLinkCtrl::SetUnderline(BOOL underline)
{
    m_bUnderline = underline;
    if (GetSafeHwnd() == nullptr)
        return;
    LOGFONTW logFont = CurrentLogFont(*this);
    logFont.lfUnderline = static_cast<BYTE>(underline ? TRUE : FALSE);
    // Detach the old font from the control before deleting it.
    CFont font;
    if (!font.CreateFontIndirect(&logFont))
        return;
    SetFont(&font, TRUE);
    m_font.DeleteObject();
    m_font.Attach(font.Detach());
    Invalidate(TRUE);
}

int CPVGeneralHyperLinkCtrl::Open(const wchar_t* address)
{
    if (address == nullptr || *address == L'\0')
        return 32;
    HINSTANCE result = AfxShellExecute(nullptr, L"open", address, nullptr, nullptr, SW_SHOW);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

void CPVGeneralHyperLinkCtrl::ShowError(const wchar_t* address)
{
    ::MessageBeep(MB_ICONEXCLAMATION);
    // Owned by the top-level window (the host's sheet), which stays
    // disabled while the dialog is up.
    CWnd* owner = GetSafeHwnd() != nullptr ? GetTopLevelParent() : nullptr;
    CPVGeneralHyperLinkErrDlg dialog(m_nIDErrorDialog, m_nIDErrorIcon, m_nIDErrorAddress, owner);
    if (SUCCEEDED(dialog.SetAddress(address)))
        dialog.DoModal();
}

void CPVGeneralHyperLinkCtrl::OnClicked()
{
    CString address;
    GetWindowText(address);
    if (address.IsEmpty())
        return;
    if (Open(address) > 32)
    {
        SetVisited(TRUE);
        return;
    }
    ShowError(address);
    SetVisited(FALSE);
}
