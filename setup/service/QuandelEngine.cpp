// The engine's construction, the installer's own interface and log file,
// the captions and questions of its boxes, and the core-version refusal.
#include "setup/service/QuandelEngine.h"
#include "engine/MPIBase.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPILoadMSIDll.h"
#include "framework/Seams.h"
#include "resources/quandel/ids_service.h"
#include "resources/quandel/ids_startup.h"

namespace
{
const wchar_t kLogFileName[] = L"QuandelLog.txt";
const DWORD kTempPathChars = 260;
// Every INSTALLLOGMODE bit from FATALEXIT to INITIALIZE except FILESINUSE.
const DWORD kLogMode = 0x1FDF;
const DWORD kLogAppend = 1;  // INSTALLLOGATTRIBUTES_APPEND
}

CQuandelEngine::CQuandelEngine()
{
}

CQuandelEngine::~CQuandelEngine()
{
    // The worker calls this object's hooks until the run has ended.
    WaitForWorker();
}

void CQuandelEngine::SetInternalUINone()
{
    if (g_MsiDll.pMsiSetInternalUI)
        g_MsiDll.pMsiSetInternalUI(INSTALLUILEVEL_NONE, NULL);
}

CString CQuandelEngine::GetLogFilePath()
{
    wchar_t buffer[kTempPathChars] = {};
    const DWORD n = ::GetTempPathW(kTempPathChars, buffer);
    // 0: failed; more than the buffer: the size it would need, nothing written.
    if (n == 0 || n >= kTempPathChars)
        return CString();
    CString path(buffer);
    return path + kLogFileName;
}

void CQuandelEngine::EnableLog(BOOL bEnable)
{
    const CString path = GetLogFilePath();
    if (path.IsEmpty())
        return;
    ::DeleteFileW(path);
    if (g_MsiDll.pMsiEnableLogW)
        g_MsiDll.pMsiEnableLogW(kLogMode, bEnable ? path.GetString() : NULL, kLogAppend);
}

void CQuandelEngine::GetMessageCaption(CString& strCaption)
{
    strCaption.LoadString(IDS_QUANDEL_WIZARD_CAPTION);
}

void CQuandelEngine::GetCancelQuestion(CString& strQuestion)
{
    strQuestion.LoadString(IDS_SRV_CANCEL_QUESTION);
}

int CQuandelEngine::OnCoreVersionTooLow(CMPIGroupMsi* pGroup)
{
    CString strText;
    CMPIMsi* pCore = m_pOwner ? m_pOwner->GetCoreMsi() : NULL;
    if (pCore != NULL && pGroup != NULL)
    {
        // The core version present after the run.
        const int source = pCore->IsNewer() ? 0 : 1;
        strText.FormatMessage(IDS_SRV_CORE_TOO_OLD, pGroup->GetVendorPlusGroupName(0).GetString(),
                              pGroup->GetMinCoreVersion().GetString(),
                              pCore->GetProductVersion(source).GetString());
    }
    else
    {
        strText.LoadString(IDS_SRV_CORE_MISSING);
    }
    CString strCaption;
    GetMessageCaption(strCaption);
    AfxShowMessageBox(NULL, strText, strCaption, MB_OK);

    CString strLog;
    strLog.LoadString(IDS_SRV_CORE_TOO_OLD_LOG);
    AddMessage(strLog);
    OnComplete(MPI_RUN_NONE);
    return E_ABORT;
}
