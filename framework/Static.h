#pragma once
// CStatic: a static text, icon or picture control.
#include "framework/Wnd.h"

class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
    ~CStatic() override;

    BOOL Create(const wchar_t* text, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);
    // STM_SETICON; the previous icon.
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
};
