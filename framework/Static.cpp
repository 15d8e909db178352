#include "framework/Static.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

CStatic::~CStatic()
{
}

BOOL CStatic::Create(const wchar_t* text, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"STATIC", text, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON icon)
{
    return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
}

HICON CStatic::GetIcon() const
{
    return reinterpret_cast<HICON>(SendMessage(STM_GETICON, 0, 0));
}
