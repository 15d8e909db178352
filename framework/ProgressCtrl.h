#pragma once
// CProgressCtrl: the progress-bar control. Every operation sends the
// matching PBM_* message to the window, so the engine may drive it from its
// worker thread. Constructed from a handle it only wraps that window.
#include "framework/Wnd.h"
#include <commctrl.h>

class CProgressCtrl : public CWnd
{
public:
    CProgressCtrl() = default;
    explicit CProgressCtrl(HWND hWnd) { m_hWnd = hWnd; }

    void SetRange32(int nLower, int nUpper)
    {
        ::SendMessageW(m_hWnd, PBM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper);
    }
    void GetRange(int& nLower, int& nUpper) const
    {
        PBRANGE range = {0, 0};
        ::SendMessageW(m_hWnd, PBM_GETRANGE, FALSE, (LPARAM)&range);
        nLower = range.iLow;
        nUpper = range.iHigh;
    }
    int SetPos(int nPos) { return (int)::SendMessageW(m_hWnd, PBM_SETPOS, (WPARAM)nPos, 0); }
    int GetPos() const { return (int)::SendMessageW(m_hWnd, PBM_GETPOS, 0, 0); }
    int OffsetPos(int nPos) { return (int)::SendMessageW(m_hWnd, PBM_DELTAPOS, (WPARAM)nPos, 0); }
    int SetStep(int nStep) { return (int)::SendMessageW(m_hWnd, PBM_SETSTEP, (WPARAM)nStep, 0); }
    int StepIt() { return (int)::SendMessageW(m_hWnd, PBM_STEPIT, 0, 0); }
};
