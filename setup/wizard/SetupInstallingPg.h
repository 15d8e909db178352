#pragma once
// The progress page: starts the chosen install or removal run through the
// service when it becomes active, shows the engine's log lines, status text
// and progress bar while the run goes on (the engine calls the embedded
// callback object from its worker thread), and offers Next when the run
// has completed.
#include "setup/wizard/SetupPropertyPageEx.h"
#include "ids_wizard.h"
#include "framework/ListBox.h"
#include "framework/ProgressCtrl.h"
#include "engine/MPISetupCallbackIfc.h"
#include <atomic>

class CQuandelSrv;

class CSetupInstallingPg : public CSetupPropertyPageEx
{
    DECLARE_DYNCREATE(CSetupInstallingPg)
public:
    // Private messages of the page.
    enum
    {
        WM_SETUP_INSTALL = WM_USER + 1,
        WM_SETUP_REMOVE = WM_USER + 3,
        WM_SETUP_COMPLETE = WM_USER + 4
    };

    // The engine's view of the page. Every operation works from any thread:
    // it reaches the page's controls by window messages only.
    class CMPISetupCallbackIfcImp : public CMPISetupCallbackIfc
    {
    public:
        explicit CMPISetupCallbackIfcImp(CSetupInstallingPg* page) : m_pPage(page) {}
        void AddMessage(LPCWSTR pszText) override;
        void SetStatusText(LPCWSTR pszText) override;
        CProgressCtrl* GetProgressCtrl() override;
        void OnComplete(int nStatus) override;
        void DisableCancel() override;

    private:
        CSetupInstallingPg* m_pPage;
    };

    CSetupInstallingPg();
    CSetupInstallingPg(CQuandelSrv* pSrv, UINT nIDTemplate = IDD_WZ_INSTALLING, UINT nIDCaption = 0,
                       UINT nIDHeaderTitle = IDS_WZ_INSTALLING_TITLE,
                       UINT nIDHeaderSubTitle = IDS_WZ_INSTALLING_SUBTITLE);
    ~CSetupInstallingPg() override;

    BOOL OnSetActive() override;
    // Asks the engine to cancel while Cancel is enabled; never closes the wizard.
    BOOL OnQueryCancel() override;
    LRESULT OnWizardNext() override;

    CMPISetupCallbackIfc* GetCallback() { return &m_CallbackImp; }
    int GetRunStatus() const { return m_nRunStatus; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    LRESULT OnStartInstall(WPARAM, LPARAM);
    LRESULT OnStartRemove(WPARAM, LPARAM);
    LRESULT OnRunComplete(WPARAM, LPARAM);
    // A start result other than 0: one log line, then the page completes.
    void ReportStartFailure(int result);
    void CompleteRun();
    void AddLogLine(const wchar_t* text);
    HWND GetSheetCancelButton() const;

    CListBox m_LogList;            // 1048
    CProgressCtrl m_ProgressCtrl;  // 1041, driven by the engine alone
    CString m_strTitle;            // 1058
    CString m_strStatus;           // 1040; the worker sets the control itself
    std::atomic<int> m_nRunStatus; // written by the worker before it posts completion
    CQuandelSrv* m_pSrv;           // not owned
    CMPISetupCallbackIfcImp m_CallbackImp;
    bool m_bStarted;               // one run per wizard
    bool m_bDone;                  // the run has completed

    DECLARE_MESSAGE_MAP()
};
