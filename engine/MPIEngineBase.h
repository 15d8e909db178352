#pragma once
// The abstract install engine. Start turns the package collection into a
// queue of package runs (CMPIEngineConfig) in a fixed order, composes the
// installer properties every command line carries, and starts one worker
// thread that runs the queue through Windows Installer. A concrete engine
// fills the thirteen hooks; the user interface is reached through the
// guarded callback wrappers.
#include <windows.h>
#include <atomic>
#include <vector>
#include "framework/CString.h"
#include "engine/MPIEngineConfig.h"
#include "engine/MPISetupCallbackIfc.h"

class CMPIBase;
class CMPIMsi;
class CMPIGroupMsi;
class CProgressCtrl;

// A cancel request of the user not yet dealt with (0 or 1). Set by Cancel on
// the user-interface thread, tested and cleared on the worker thread.
extern std::atomic<int> g_bCancelRequested;
// Fields 1 and 2 of the last INSTALLMESSAGE_COMMONDATA text read.
extern int g_CommonDataType;
extern int g_CommonDataValue;
// Language of the installer message boxes; 0 means the calling thread's.
extern LANGID g_MessageLanguage;

class CMPIEngineBase
{
public:
    CMPIEngineBase();
    // Waits for a running worker, then deletes every queued config.
    virtual ~CMPIEngineBase();

    // --- hooks, in slot order ------------------------------------------------
    // User-interface thread, after the queue is built and the progress bar
    // obtained; non-zero stops Start, which returns it.
    virtual int OnRunStart() = 0;
    // Once for each new config before it is queued; negative discards it and
    // is returned by the queueing operation.
    virtual int PrepareConfig(CMPIEngineConfig* pConfig) = 0;
    // Worker thread. nIndex: the number of non-group configs run before this one.
    virtual int OnPackageStart(CMPIEngineConfig* pConfig, int nIndex) = 0;
    // Worker thread; nResult with 3010 already turned into 0.
    virtual int OnPackageEnd(CMPIEngineConfig* pConfig, int nIndex, int nResult) = 0;
    virtual int OnPackageSuccess(CMPIEngineConfig* pConfig) = 0;
    // Worker thread, once after the queue, before the callback's OnComplete.
    virtual int OnRunEnd(int nStatus) = 0;
    // User-interface thread, install modes: the group's minimum core version
    // is not met. Non-zero stops queueing and is returned by Start.
    virtual int OnCoreVersionTooLow(CMPIGroupMsi* pGroup) = 0;
    // Installer message handler (worker thread).
    virtual void GetMessageCaption(CString& strCaption) = 0;
    virtual void GetCancelQuestion(CString& strQuestion) = 0;
    virtual int OnActionStart(LPCWSTR pszText) = 0;
    virtual int OnActionData() = 0;
    virtual int OnProgress(LPCWSTR pszText) = 0;
    virtual int OnTerminate() = 0;

    // --- run ----------------------------------------------------------------
    void SetOwner(CMPIBase* pOwner);
    BOOL IsBusy() const;
    void SetBusy(BOOL bBusy);

    // 0: the worker runs and the callback will get OnComplete; 1: nothing to
    // do; negative (E_ACCESSDENIED, E_FAIL, a hook's value): refused. No
    // exception leaves it: running out of memory gives E_OUTOFMEMORY, any
    // other exception (a hook that threw) E_FAIL; no worker runs then.
    int Start(int nMode, CMPISetupCallbackIfc* pCallback);
    // 0 queued, 1 nothing to queue, negative from a hook.
    int QueueMsi(CMPIMsi* pMsi);
    int QueueGroupMsi(CMPIGroupMsi* pGroup);
    // TRUE when the core present after the run is at least the group's minimum.
    BOOL CheckMinCoreVersion(CMPIGroupMsi* pGroup);
    void SetTransformProperty(LANGID language);
    // Requests cancellation of a busy run; always 0.
    int Cancel();

    // Waits until a started worker has ended (no-op when none runs), handling
    // messages sent to this thread meanwhile. A concrete engine calls it in
    // its own destructor: the worker calls its hooks until the run ends.
    void WaitForWorker();

    // --- guarded callback calls: 0 (or the control) normally, also without a
    // callback; E_FAIL (NULL) when the callback threw ---------------------------
    int AddMessage(LPCWSTR pszText);
    int SetStatusText(LPCWSTR pszText);
    CProgressCtrl* GetProgressCtrl();
    int OnComplete(int nStatus);
    int DisableCancel();

    // --- worker and installer messages --------------------------------------
    static unsigned __stdcall EngineWorker(void* pEngine);
    int RunPackage(CMPIEngineConfig* pConfig, int nIndex);
    void SetExternalUI();
    void ResetExternalUI();
    static INT CALLBACK ExternalUiHandler(LPVOID pContext, UINT uMessage, LPCWSTR pszText);

    // Reads an INSTALLMESSAGE_COMMONDATA text into g_CommonDataType and
    // g_CommonDataValue. FALSE for NULL or empty text, a type-1 record or a
    // malformed text. Works on a private copy.
    static BOOL ParseCommonData(LPCWSTR pszText);
    // Reads the number at *ppCursor up to the next blank or the end, cuts the
    // text there (writes a terminator) and leaves the cursor on the cut; the
    // value is _wtoi of the field. Callers move one character on before the
    // next field, but only when *pbEnd (optional) is FALSE: TRUE means the
    // field ended at the end of the text and nothing follows the cut.
    static int ReadMessageField(wchar_t** ppCursor, BOOL* pbEnd = NULL);

    // --- fields the concrete engine reads ----------------------------------
    int m_Mode;                              // MPISetupMode of the current run
    CMPISetupCallbackIfc* m_pCallback;       // not owned
    CMPIBase* m_pOwner;                      // not owned
    std::atomic<BOOL> m_bBusy;              // written by the worker, read by Start and Cancel
    CProgressCtrl* m_pProgressCtrl;          // not owned
    std::vector<CMPIEngineConfig*> m_Configs;  // owned, in execution order
    CString m_strLanguageProp;
    CString m_strTransformProp;              // empty for 1033
    CString m_strUiModeProp;
    int m_nNonGroupCount;
    BOOL m_bRebootRequired;

private:
    // Start's work; may throw (out of memory, a hook), Start turns that into
    // a result.
    int StartRun(int nMode, CMPISetupCallbackIfc* pCallback);
    // Prepares and queues a config (deleting it when refused); counts the
    // non-group ones in m_nNonGroupCount.
    int AppendConfig(CMPIEngineConfig* pConfig);
    // Queues the "REMOVE=ALL" run of the installed product that must go
    // before the package file can be installed.
    int QueueRemoveFirst(CMPIMsi* pMsi, BOOL bGroup);
    int QueuePackages(BOOL bInstall);
    void ClearQueue();
    int RunQueue();
    // The config at nIndex removes the installed product so that the next
    // config can install the package file: the two are one step for a
    // cancel.
    BOOL IsRemoveFirstPair(size_t nIndex) const;
    int ComputeStatus(int nRun) const;
    int HandleMessage(UINT uMessage, LPCWSTR pszText);
    int AskCancelQuestion(const CString& strCaption);

    HANDLE m_hWorker;                        // thread handle of the last run
    // The user answered Yes to the cancel question during this run. The
    // installer may finish the package all the same (it ignores the answer
    // in phases it cannot cancel, and Wine always does); no further package
    // starts then.
    std::atomic<bool> m_bCancelConfirmed;
    // The running config is the install after a removal-first config that
    // succeeded: cancelling it would leave the product missing. A request
    // is asked as usual, but a Yes takes effect only after the install.
    std::atomic<bool> m_bHoldCancel;

    CMPIEngineBase(const CMPIEngineBase&) = delete;
    CMPIEngineBase& operator=(const CMPIEngineBase&) = delete;
};
