#pragma once
// The engine's view of the user interface of a run: log lines, status text,
// the progress bar, the end of the run and the end of cancelling. The
// installing page implements it; the engine calls it only through its own
// guarded wrappers (CMPIEngineBase::AddMessage etc.).
#include <windows.h>

class CProgressCtrl;

class CMPISetupCallbackIfc
{
public:
    // Append one line to the run's log; an empty text is an empty line.
    virtual void AddMessage(LPCWSTR pszText) = 0;
    // Show the text as the current status; an empty text clears it.
    virtual void SetStatusText(LPCWSTR pszText) = 0;
    // The progress bar the engine drives during the run; valid until OnComplete.
    virtual CProgressCtrl* GetProgressCtrl() = 0;
    // The run ended with this MPIRunStatus; called once per started run. Must
    // return at once and hand the completion to the user-interface thread.
    virtual void OnComplete(int nStatus) = 0;
    // The run can no longer be cancelled (start of removal runs).
    virtual void DisableCancel() = 0;

protected:
    // Never deleted through this interface.
    ~CMPISetupCallbackIfc() = default;
};
