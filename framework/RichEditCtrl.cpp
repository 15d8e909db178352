#include "framework/RichEditCtrl.h"
#include <vector>

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

CRichEditCtrl::~CRichEditCtrl() = default;

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"RichEdit20W", L"", dwStyle, rect, pParentWnd, nID);
}

long CRichEditCtrl::StreamIn(int format, EDITSTREAM& stream)
{
    return static_cast<long>(SendMessage(EM_STREAMIN, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream)));
}

int CRichEditCtrl::GetTextLength() const
{
    return GetWindowTextLength();
}

CString CRichEditCtrl::GetText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

void CRichEditCtrl::SetReadOnly(BOOL readOnly)
{
    SendMessage(EM_SETREADONLY, readOnly);
}
