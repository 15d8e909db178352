// Status text and progress bar from the installer's messages: a master
// reset sets the range and direction, action info sets the step of the
// action-data messages, and progress reports move the bar.
#include "setup/service/QuandelEngine.h"
#include "framework/ProgressCtrl.h"
#include <commctrl.h>
#include <string>

namespace
{
CQuandelProgressState g_ProgressState;

enum
{
    PROGRESS_MASTER_RESET = 0,
    PROGRESS_ACTION_INFO = 1,
    PROGRESS_REPORT = 2
};

inline bool IsDecimalDigit(wchar_t ch)
{
    return ch >= L'0' && ch <= L'9';
}
}

CQuandelProgressState& CQuandelEngine::GetProgressState()
{
    return g_ProgressState;
}

void CQuandelEngine::SendToBar(UINT uMessage, WPARAM wParam, LPARAM lParam)
{
    if (m_pProgressCtrl == NULL || m_pProgressCtrl->GetSafeHwnd() == NULL)
        return;
    ::SendMessageW(m_pProgressCtrl->GetSafeHwnd(), uMessage, wParam, lParam);
}

void CQuandelEngine::GetActionDescription(const CString& strText, CString& strOut)
{
    const int dot = strText.Find(L'.');
    if (dot == 0)
        strOut.Empty();
    else if (dot < 0)
        strOut = strText;
    else
        strOut = strText.Mid(dot + 1);
    strOut.TrimLeft();
}

BOOL CQuandelEngine::ParseProgressMessage(wchar_t* pszText)
{
    if (pszText == NULL || *pszText == L'\0')
        return FALSE;
    CQuandelProgressState& state = g_ProgressState;
    wchar_t* p = pszText;
    while (*p != L'\0')
    {
        const wchar_t field = *p;
        // Over the field digit, the colon and the blank; a text that ends
        // in between is malformed.
        for (int i = 0; i < 3; ++i)
        {
            if (*p == L'\0')
                return FALSE;
            ++p;
        }
        BOOL bEnd = FALSE;
        switch (field)
        {
        case L'1':
            if (!IsDecimalDigit(*p))
                return FALSE;
            state.nMessageType = *p - L'0';
            ++p;
            // The type must be followed by its blank.
            if (*p == L'\0')
                return FALSE;
            ++p;
            break;
        case L'2':
            state.nField2 = ReadMessageField(&p, &bEnd);
            if (bEnd || state.nMessageType == 2 || state.nMessageType == 3)
                return TRUE;
            ++p;
            break;
        case L'3':
            state.nField3 = ReadMessageField(&p, &bEnd);
            if (bEnd || state.nMessageType == 1)
                return TRUE;
            ++p;
            break;
        case L'4':
            state.nField4 = ReadMessageField(&p, &bEnd);
            return TRUE;
        default:
            return FALSE;
        }
    }
    return TRUE;
}

int CQuandelEngine::OnActionStart(LPCWSTR pszText)
{
    if (g_ProgressState.nTotal == 0)
        return 0;
    CString strDescription;
    GetActionDescription(CString(pszText ? pszText : L""), strDescription);
    SetStatusText(strDescription);
    return 0;
}

int CQuandelEngine::OnActionData()
{
    if (g_ProgressState.nTotal != 0 && g_ProgressState.bStepping)
        SendToBar(PBM_STEPIT, 0, 0);
    return 0;
}

int CQuandelEngine::OnProgress(LPCWSTR pszText)
{
    if (pszText == NULL)
        return 0;
    // The parser cuts the text it reads: never the installer's own buffer.
    std::wstring copy(pszText);
    if (!ParseProgressMessage(&copy[0]))
        return 0;

    CQuandelProgressState& state = g_ProgressState;
    switch (state.nMessageType)
    {
    case PROGRESS_MASTER_RESET:
        state.nTotal = state.nField2;
        state.bForward = state.nField3 == 0 ? TRUE : FALSE;
        state.nPosition = state.bForward ? 0 : state.nTotal;
        SendToBar(PBM_SETRANGE32, 0, static_cast<LPARAM>(state.nTotal));
        // After the script phase the bar starts full.
        SendToBar(PBM_SETPOS, static_cast<WPARAM>(state.bScriptInProgress ? state.nTotal : state.nPosition), 0);
        state.bScriptInProgress = state.nField4 == 1 ? TRUE : FALSE;
        break;
    case PROGRESS_ACTION_INFO:
        if (state.nField3 != 0)
        {
            SendToBar(PBM_SETSTEP, static_cast<WPARAM>(state.bForward ? state.nField2 : -state.nField2), 0);
            state.bStepping = TRUE;
        }
        else
        {
            state.bStepping = FALSE;
        }
        break;
    case PROGRESS_REPORT:
        if (state.nTotal != 0)
            SendToBar(PBM_DELTAPOS, static_cast<WPARAM>(state.bForward ? state.nField2 : -state.nField2), 0);
        break;
    default:
        break;
    }
    return 0;
}

int CQuandelEngine::OnTerminate()
{
    SetStatusText(L"");
    SendToBar(PBM_SETPOS, 0, 0);
    return 0;
}
