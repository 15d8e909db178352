// The engine's run queue: which packages a run processes, in which order and
// with which command-line parts, and the start of the worker.
#include "engine/MPIEngineBase.h"
#include "engine/MPIBase.h"
#include "engine/MPIDefs.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPIMsi.h"
#include "engine/MPIOwnedList.h"
#include "support/LanguageAbbreviation.h"
#include <new>
#include <process.h>

std::atomic<int> g_bCancelRequested(0);

CMPIEngineBase::CMPIEngineBase()
    : m_Mode(0), m_pCallback(NULL), m_pOwner(NULL), m_bBusy(FALSE), m_pProgressCtrl(NULL),
      m_nNonGroupCount(0), m_bRebootRequired(FALSE), m_hWorker(NULL),
      m_bCancelConfirmed(false), m_bHoldCancel(false)
{
}

CMPIEngineBase::~CMPIEngineBase()
{
    WaitForWorker();
    ClearQueue();
}

void CMPIEngineBase::SetOwner(CMPIBase* pOwner)
{
    m_pOwner = pOwner;
}

BOOL CMPIEngineBase::IsBusy() const
{
    return m_bBusy;
}

void CMPIEngineBase::SetBusy(BOOL bBusy)
{
    m_bBusy = bBusy;
}

void CMPIEngineBase::ClearQueue()
{
    for (CMPIEngineConfig* pConfig : m_Configs)
        delete pConfig;
    m_Configs.clear();
}

void CMPIEngineBase::WaitForWorker()
{
    if (m_hWorker == NULL)
        return;
    // The worker sends window messages to the user-interface thread until it
    // reports completion; keep handling them so the wait cannot deadlock.
    for (;;)
    {
        DWORD wait = ::MsgWaitForMultipleObjects(1, &m_hWorker, FALSE, INFINITE, QS_SENDMESSAGE);
        if (wait != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        ::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    ::CloseHandle(m_hWorker);
    m_hWorker = NULL;
}

int CMPIEngineBase::Start(int nMode, CMPISetupCallbackIfc* pCallback)
{
    // The caller is a window procedure: an exception from here would leave
    // the installing page without a result and without a way on.
    try
    {
        return StartRun(nMode, pCallback);
    }
    catch (const std::bad_alloc&)
    {
        return E_OUTOFMEMORY;
    }
    catch (...)
    {
        return E_FAIL;
    }
}

int CMPIEngineBase::StartRun(int nMode, CMPISetupCallbackIfc* pCallback)
{
    if (m_bBusy)
        return E_ACCESSDENIED;

    // A finished worker may still be on its way out; then forget the
    // earlier run entirely.
    WaitForWorker();
    ClearQueue();
    m_nNonGroupCount = 0;
    m_bRebootRequired = FALSE;
    g_bCancelRequested = 0;
    m_bCancelConfirmed = false;

    m_Mode = nMode;
    m_pCallback = pCallback;
    if (pCallback == NULL)
        return E_FAIL;

    const LANGID language = m_pOwner ? m_pOwner->GetLanguage() : 1033;
    m_strLanguageProp.Format(L"MODULE_PROFILE_SETUP_LANGUAGE=\"%u\"", static_cast<unsigned>(language));
    m_strUiModeProp.Format(L"QUANDEL_UI_MODE=%d", 5);
    SetTransformProperty(language);

    const BOOL bInstall = IsInstallMode(nMode);
    int r = QueuePackages(bInstall);
    if (r < 0)
        return r;
    if (m_Configs.empty())
        return 1;

    m_pProgressCtrl = GetProgressCtrl();
    if (m_pProgressCtrl == NULL)
        return E_FAIL;

    r = OnRunStart();
    if (r == 0 && !bInstall)
        r = DisableCancel();
    if (r != 0)
        return r;

    // Busy from here on, so a cancel pressed at once is not lost and no
    // second run slips in before the worker is under way.
    m_bBusy = TRUE;
    uintptr_t hThread = _beginthreadex(NULL, 0, &CMPIEngineBase::EngineWorker, this, 0, NULL);
    if (hThread == 0)
    {
        m_bBusy = FALSE;
        return E_FAIL;
    }
    m_hWorker = reinterpret_cast<HANDLE>(hThread);
    return 0;
}

int CMPIEngineBase::QueuePackages(BOOL bInstall)
{
    if (m_pOwner == NULL)
        return 0;
    const unsigned nGroups = m_pOwner->GetMsiCount();
    int r;
    if (bInstall)
    {
        if ((r = QueueMsi(m_pOwner->GetSetupMsi())) < 0)
            return r;
        if ((r = QueueMsi(m_pOwner->GetCoreMsi())) < 0)
            return r;
        for (unsigned i = 0; i < nGroups; ++i)
            if ((r = QueueGroupMsi(m_pOwner->GetMsi(i))) < 0)
                return r;
    }
    else
    {
        for (unsigned i = 0; i < nGroups; ++i)
            if ((r = QueueGroupMsi(m_pOwner->GetMsi(i))) < 0)
                return r;
        if ((r = QueueMsi(m_pOwner->GetCoreMsi())) < 0)
            return r;
        if ((r = QueueMsi(m_pOwner->GetSetupMsi())) < 0)
            return r;
    }
    return 0;
}

int CMPIEngineBase::AppendConfig(CMPIEngineConfig* pConfig)
{
    const BOOL bGroup = pConfig->IsGroup();
    int r;
    try
    {
        r = PrepareConfig(pConfig);
    }
    catch (...)
    {
        delete pConfig;
        throw;
    }
    if (r < 0)
    {
        delete pConfig;
        return r;
    }
    MPIAppendOwned(m_Configs, pConfig);
    if (!bGroup)
        ++m_nNonGroupCount;
    return 0;
}

int CMPIEngineBase::QueueRemoveFirst(CMPIMsi* pMsi, BOOL bGroup)
{
    CMPIEngineConfig* pFirst = new CMPIEngineConfig;
    pFirst->SetKind(MPI_CONFIG_CONFIGURE)->SetRemove(L"REMOVE=ALL")->SetMsi(pMsi)->SetGroup(bGroup);
    return AppendConfig(pFirst);
}

int CMPIEngineBase::QueueMsi(CMPIMsi* pMsi)
{
    if (pMsi == NULL)
        return 1;
    if (!pMsi->NeedsAction(m_Mode))
        return 1;

    const BOOL bInstall = IsInstallMode(m_Mode);
    // Nothing installed means nothing to remove (the command would name an
    // empty product code).
    if (!bInstall && pMsi->IsInstalled() != 1)
        return 1;

    int r;
    if (bInstall && pMsi->NeedsRemoveFirst())
    {
        if ((r = QueueRemoveFirst(pMsi, FALSE)) < 0)
            return r;
    }

    CMPIEngineConfig* pConfig = new CMPIEngineConfig;
    pConfig->SetKind(bInstall ? MPI_CONFIG_INSTALL : MPI_CONFIG_CONFIGURE)->SetMsi(pMsi)->SetGroup(FALSE);
    if (bInstall)
        pConfig->SetAddLocal(L"ADDLOCAL=ALL");
    else
        pConfig->SetRemove(L"REMOVE=ALL");
    if ((r = AppendConfig(pConfig)) < 0)
        return r;
    return 0;
}

int CMPIEngineBase::QueueGroupMsi(CMPIGroupMsi* pGroup)
{
    if (pGroup == NULL)
        return 1;
    if (!pGroup->NeedsAction(m_Mode))
        return 1;

    const BOOL bInstall = IsInstallMode(m_Mode);
    if (!bInstall && pGroup->IsInstalled() != 1)
        return 1;
    // Without a package file there is nothing to install from (the command
    // would name an empty path).
    if (bInstall && pGroup->HasPackage() != 1)
        return 1;

    CString strFeatures;
    pGroup->GetFeatureList(strFeatures, m_Mode);
    if (strFeatures.IsEmpty())
        return 1;

    int r;
    if (bInstall)
    {
        if (!CheckMinCoreVersion(pGroup))
        {
            if ((r = OnCoreVersionTooLow(pGroup)) != 0)
                return r;
        }
        if (pGroup->NeedsRemoveFirst())
        {
            if ((r = QueueRemoveFirst(pGroup, TRUE)) < 0)
                return r;
        }
    }

    CMPIEngineConfig* pConfig = new CMPIEngineConfig;
    pConfig->SetMsi(pGroup)->SetGroup(TRUE);
    if (bInstall)
        pConfig->SetKind(MPI_CONFIG_INSTALL)->SetAddLocal(L"ADDLOCAL=" + strFeatures);
    else
        pConfig->SetKind(MPI_CONFIG_CONFIGURE)->SetRemove(L"REMOVE=" + strFeatures);
    if ((r = AppendConfig(pConfig)) < 0)
        return r;
    return 0;
}

BOOL CMPIEngineBase::CheckMinCoreVersion(CMPIGroupMsi* pGroup)
{
    if (pGroup == NULL || m_pOwner == NULL)
        return FALSE;
    CMPIMsi* pCore = m_pOwner->GetCoreMsi();
    if (pCore == NULL)
        return FALSE;
    // The version present after the run: the file's when it will be installed.
    const int source = pCore->IsNewer() ? 0 : 1;
    const int minMajor = pGroup->GetMinCoreMajor();
    const int minMinor = pGroup->GetMinCoreMinor();
    const int coreMajor = pCore->GetVersionMajor(source);
    const int coreMinor = pCore->GetVersionMinor(source);
    if (minMajor < coreMajor)
        return TRUE;
    return (minMajor == coreMajor && minMinor <= coreMinor) ? TRUE : FALSE;
}

void CMPIEngineBase::SetTransformProperty(LANGID language)
{
    m_strTransformProp.Empty();
    if (language == 1033)
        return;
    // A language Windows has no abbreviation for has no transform either.
    CString strAbbreviation = GetLanguageAbbreviation(language);
    if (strAbbreviation.IsEmpty())
        return;
    m_strTransformProp.Format(L"TRANSFORMS=:ORVOErr_Act_Tables%s.mst", strAbbreviation.GetString());
}

int CMPIEngineBase::Cancel()
{
    if (m_bBusy)
        g_bCancelRequested = 1;
    return 0;
}
