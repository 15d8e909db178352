// The installer's external user-interface handler: message boxes for the
// messages that ask the user, the concrete engine's hooks for the rest, and
// the cancel question at progress messages.
#include "engine/MPIEngineBase.h"
#include "framework/Seams.h"
#include <msi.h>

LANGID g_MessageLanguage = 0;

INT CALLBACK CMPIEngineBase::ExternalUiHandler(LPVOID pContext, UINT uMessage, LPCWSTR pszText)
{
    CMPIEngineBase* pEngine = static_cast<CMPIEngineBase*>(pContext);
    if (pEngine == NULL)
        return 0;
    // Nothing may propagate into msi.dll: that would end the process.
    try
    {
        return pEngine->HandleMessage(uMessage, pszText);
    }
    catch (...)
    {
        return 0;
    }
}

int CMPIEngineBase::HandleMessage(UINT uMessage, LPCWSTR pszText)
{
    const UINT uType = uMessage & 0xFF000000;
    const UINT uFlags = uMessage & 0x00FFFFFF;
    // INITIALIZE and TERMINATE come without a text.
    LPCWSTR pszSafe = pszText ? pszText : L"";

    CString strCaption;
    GetMessageCaption(strCaption);

    switch (uType)
    {
    case INSTALLMESSAGE_FATALEXIT:
        return 0;
    case INSTALLMESSAGE_ERROR:
        ::MessageBeep(uFlags & 0xF0);
        return AfxShowMessageBoxEx(NULL, pszSafe, strCaption, uFlags, g_MessageLanguage);
    case INSTALLMESSAGE_WARNING:
        AfxShowMessageBox(NULL, pszSafe, strCaption, uFlags);
        return 1;
    case INSTALLMESSAGE_USER:
        return AfxShowMessageBoxEx(NULL, pszSafe, strCaption, uFlags, g_MessageLanguage);
    case INSTALLMESSAGE_INFO:
        return 1;
    case INSTALLMESSAGE_FILESINUSE:
    case INSTALLMESSAGE_RESOLVESOURCE:
        return 0;
    case INSTALLMESSAGE_OUTOFDISKSPACE:
        AfxShowMessageBox(NULL, pszSafe, strCaption, uFlags);
        return 1;
    case INSTALLMESSAGE_ACTIONSTART:
        OnActionStart(pszSafe);
        return 1;
    case INSTALLMESSAGE_ACTIONDATA:
        OnActionData();
        return 1;
    case INSTALLMESSAGE_PROGRESS:
        OnProgress(pszSafe);
        return AskCancelQuestion(strCaption);
    case INSTALLMESSAGE_COMMONDATA:
        if (ParseCommonData(pszText) && g_CommonDataType == 0)
            g_MessageLanguage = LOWORD(g_CommonDataValue);
        return 1;
    case INSTALLMESSAGE_INITIALIZE:
        return 1;
    case INSTALLMESSAGE_TERMINATE:
        OnTerminate();
        return 1;
    case INSTALLMESSAGE_SHOWDIALOG:
        return 1;
    default:
        return 0;
    }
}

int CMPIEngineBase::AskCancelQuestion(const CString& strCaption)
{
    if (g_bCancelRequested.exchange(0) == 0)
        return 1;
    // The install that follows a removal-first config is never cancelled:
    // the worker stops after it instead.
    const int nCancel = m_bHoldCancel ? 1 : IDCANCEL;
    // Already confirmed in this run (Cancel pressed again): the answer stands.
    if (m_bCancelConfirmed)
        return nCancel;
    CString strQuestion;
    GetCancelQuestion(strQuestion);
    const int nAnswer = AfxShowMessageBoxEx(NULL, strQuestion, strCaption, MB_YESNO, g_MessageLanguage);
    if (nAnswer != IDYES)
        return 1;
    // IDCANCEL makes the installer roll the package back (1602); where it
    // finishes the package anyway, the worker still stops after it.
    m_bCancelConfirmed = true;
    return nCancel;
}
