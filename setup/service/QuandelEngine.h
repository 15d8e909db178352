#pragma once
// The setup program's engine: the run's log lines and installer log file,
// the title, version and module summary of each queued package, the
// refusal of a too-old core package, the installer boxes' caption and
// cancel question, and the status text and progress bar driven by the
// installer's messages.
#include "engine/MPIEngineBase.h"

// The progress protocol's state, one set for the process (the engine runs
// one package at a time, and a run may begin before its first master reset).
struct CQuandelProgressState
{
    int nMessageType = 0;   // field 1 of the last parsed progress message
    int nField2 = 0;
    int nField3 = 0;
    int nField4 = 0;
    int nTotal = 0;         // range maximum of the last master reset; 0: none yet
    int nPosition = 0;      // starting position of the last master reset
    BOOL bForward = TRUE;
    BOOL bScriptInProgress = FALSE;
    BOOL bStepping = FALSE;
};

class CQuandelEngine : public CMPIEngineBase
{
public:
    CQuandelEngine();
    ~CQuandelEngine() override;

    int OnRunStart() override;
    int PrepareConfig(CMPIEngineConfig* pConfig) override;
    int OnPackageStart(CMPIEngineConfig* pConfig, int nIndex) override;
    int OnPackageEnd(CMPIEngineConfig* pConfig, int nIndex, int nResult) override;
    int OnPackageSuccess(CMPIEngineConfig* pConfig) override;
    int OnRunEnd(int nStatus) override;
    int OnCoreVersionTooLow(CMPIGroupMsi* pGroup) override;
    void GetMessageCaption(CString& strCaption) override;
    void GetCancelQuestion(CString& strQuestion) override;
    int OnActionStart(LPCWSTR pszText) override;
    int OnActionData() override;
    int OnProgress(LPCWSTR pszText) override;
    int OnTerminate() override;

    // Switches the installer's own user interface off for this process.
    static void SetInternalUINone();
    // Starts (or stops) the installer log "QuandelLog.txt" in the temporary
    // folder, deleting the previous one first.
    static void EnableLog(BOOL bEnable);
    // The path of that log file; empty when the temporary folder is unknown.
    static CString GetLogFilePath();

    // The description part of an action-start text.
    static void GetActionDescription(const CString& strText, CString& strOut);
    // Parses a progress text (fields "1: n 2: n 3: n 4: n ") into the
    // progress state; the text is cut in place while it is read.
    static BOOL ParseProgressMessage(wchar_t* pszText);
    static CQuandelProgressState& GetProgressState();

private:
    // Sends one progress-bar message to the control handed out for the run.
    void SendToBar(UINT uMessage, WPARAM wParam, LPARAM lParam);
    // Logs text unless it is empty; then an empty line when asked to.
    void LogIfAny(const CString& strText, BOOL bEmptyLineAfter);
};
