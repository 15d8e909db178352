// The worker thread of a run: executes the queued package runs one after
// another through Windows Installer and reports the run's status.
#include "engine/MPIEngineBase.h"
#include "engine/MPIBase.h"
#include "engine/MPIDefs.h"
#include "engine/MPILoadMSIDll.h"
#include "engine/MPIMsi.h"

namespace
{
const wchar_t kFixedEnding[] = L"QUANDEL_INVOKED_THIS=True REBOOT=ReallySuppress";
// Every message type from FATALEXIT to SHOWDIALOG except FILESINUSE.
const DWORD kMessageFilter = 0x7FDF;
}

unsigned __stdcall CMPIEngineBase::EngineWorker(void* pParam)
{
    CMPIEngineBase* pEngine = static_cast<CMPIEngineBase*>(pParam);
    if (pEngine->m_pOwner)
        ::SetThreadLocale(MAKELCID(pEngine->m_pOwner->GetLanguage(), SORT_DEFAULT));
    pEngine->SetBusy(TRUE);

    pEngine->SetExternalUI();
    const int nRun = pEngine->RunQueue();
    pEngine->ResetExternalUI();

    const int nStatus = pEngine->ComputeStatus(nRun);
    try
    {
        pEngine->OnRunEnd(nStatus);
    }
    catch (...)
    {
    }
    pEngine->OnComplete(nStatus);
    // No window message after the completion report: whoever waits for this
    // thread once completion arrived cannot deadlock.
    pEngine->SetBusy(FALSE);
    return 0;
}

int CMPIEngineBase::RunQueue()
{
    int nRun = 0;
    int nIndex = 0;
    for (size_t i = 0; i < m_Configs.size(); ++i)
    {
        CMPIEngineConfig* pConfig = m_Configs[i];
        // Only reached when the removal before it succeeded.
        m_bHoldCancel = i > 0 && IsRemoveFirstPair(i - 1);
        int r;
        try
        {
            r = RunPackage(pConfig, nIndex);
        }
        catch (...)
        {
            break;  // a hook failed: the run cannot go on sensibly
        }
        if (r != 0)
            break;
        ++nRun;
        if (!pConfig->IsGroup())
            ++nIndex;
        // The product is gone: its replacement is installed whatever the
        // cancel state; a request or a Yes takes effect after it.
        if (IsRemoveFirstPair(i))
            continue;
        // A request still pending after a package that succeeded, or a Yes
        // the installer did not act on: no further package starts.
        if (g_bCancelRequested == 1 || m_bCancelConfirmed)
            break;
    }
    m_bHoldCancel = false;
    return nRun;
}

BOOL CMPIEngineBase::IsRemoveFirstPair(size_t nIndex) const
{
    if (!IsInstallMode(m_Mode) || nIndex + 1 >= m_Configs.size())
        return FALSE;
    const CMPIEngineConfig* pFirst = m_Configs[nIndex];
    const CMPIEngineConfig* pInstall = m_Configs[nIndex + 1];
    return (pFirst->GetKind() == MPI_CONFIG_CONFIGURE && pInstall->GetKind() == MPI_CONFIG_INSTALL &&
            pFirst->GetMsi() == pInstall->GetMsi())
               ? TRUE : FALSE;
}

int CMPIEngineBase::ComputeStatus(int nRun) const
{
    if (nRun == static_cast<int>(m_Configs.size()))
        return m_bRebootRequired ? MPI_RUN_COMPLETE_REBOOT : MPI_RUN_COMPLETE;
    if (nRun > 0)
        return m_bRebootRequired ? MPI_RUN_PARTIAL_REBOOT : MPI_RUN_PARTIAL;
    return MPI_RUN_NONE;
}

int CMPIEngineBase::RunPackage(CMPIEngineConfig* pConfig, int nIndex)
{
    OnPackageStart(pConfig, nIndex);

    CMPIMsi* pMsi = pConfig->GetMsi();
    CString strCommand;
    UINT r;
    if (pMsi == NULL)
    {
        r = ERROR_INVALID_PARAMETER;
    }
    else if (pConfig->GetKind() == MPI_CONFIG_INSTALL)
    {
        strCommand.Format(L"%s %s %s %s %s %s", m_strLanguageProp.GetString(),
                          pConfig->GetAddLocal().GetString(), pConfig->GetRemove().GetString(),
                          m_strTransformProp.GetString(), m_strUiModeProp.GetString(), kFixedEnding);
        const CString strPath = pMsi->GetPackagePath();
        r = g_MsiDll.pMsiInstallProductW ? g_MsiDll.pMsiInstallProductW(strPath, strCommand)
                                         : ERROR_CALL_NOT_IMPLEMENTED;
    }
    else
    {
        // Reconfiguring the installed product: no ADDLOCAL part, no transform.
        strCommand.Format(L"%s %s %s %s", m_strLanguageProp.GetString(), pConfig->GetRemove().GetString(),
                          m_strUiModeProp.GetString(), kFixedEnding);
        const CString strProduct = pMsi->GetProductCode(1);
        r = g_MsiDll.pMsiConfigureProductExW
                ? g_MsiDll.pMsiConfigureProductExW(strProduct, INSTALLLEVEL_DEFAULT, INSTALLSTATE_DEFAULT,
                                                   strCommand)
                : ERROR_CALL_NOT_IMPLEMENTED;
    }

    int nResult = static_cast<int>(r);
    if (nResult == ERROR_SUCCESS_REBOOT_REQUIRED)
    {
        m_bRebootRequired = TRUE;
        nResult = 0;
    }
    OnPackageEnd(pConfig, nIndex, nResult);
    if (nResult == 0)
        OnPackageSuccess(pConfig);
    return nResult;
}

void CMPIEngineBase::SetExternalUI()
{
    if (g_MsiDll.pMsiSetExternalUIW)
        g_MsiDll.pMsiSetExternalUIW(&CMPIEngineBase::ExternalUiHandler, kMessageFilter, this);
}

void CMPIEngineBase::ResetExternalUI()
{
    if (g_MsiDll.pMsiSetExternalUIW)
        g_MsiDll.pMsiSetExternalUIW(NULL, 0, NULL);
}
