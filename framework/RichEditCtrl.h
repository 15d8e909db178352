#pragma once
// CRichEditCtrl: the rich-edit control ("RichEdit20W"); its class is
// registered by AfxInitRichEdit (framework/ControlInit.h).
#include "framework/Wnd.h"
#include <richedit.h>

class CRichEditCtrl : public CWnd
{
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;
    ~CRichEditCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // EM_STREAMIN with SF_RTF or SF_TEXT: the number of characters read in.
    long StreamIn(int format, EDITSTREAM& stream);
    int GetTextLength() const;
    CString GetText() const;
    void SetReadOnly(BOOL readOnly = TRUE);
};
