#pragma once
// Dialog data exchange: DoDataExchange moves values between a window's
// controls and its members, in the direction UpdateData asks for.
#include "framework/Wnd.h"

class CDataExchange
{
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

    // The control's window; a missing control fails the exchange.
    HWND PrepareCtrl(int nIDC);
    // Ends the exchange as failed: UpdateData answers FALSE.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;   // TRUE: controls to members
    CWnd* m_pDlgWnd;
    int m_idLastControl = 0;
};

// Thrown by CDataExchange::Fail and caught by UpdateData.
class CUserException
{
};

// Binds a control of the window to an object: the control is subclassed to
// it on the first exchange; later exchanges leave the binding as it is.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control);
