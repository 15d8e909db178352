#include "setup/wizard/SetupInstallingPg.h"
#include "setup/wizard/ListBoxExtent.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/wizard/RemovalRunMode.h"
#include "setup/service/QuandelSrv.h"
#include "ids_wizard.h"

IMPLEMENT_DYNCREATE(CSetupInstallingPg, CSetupPropertyPageEx)

BEGIN_MESSAGE_MAP(CSetupInstallingPg, CSetupPropertyPageEx)
    ON_MESSAGE(CSetupInstallingPg::WM_SETUP_INSTALL, &CSetupInstallingPg::OnStartInstall)
    ON_MESSAGE(CSetupInstallingPg::WM_SETUP_REMOVE, &CSetupInstallingPg::OnStartRemove)
    ON_MESSAGE(CSetupInstallingPg::WM_SETUP_COMPLETE, &CSetupInstallingPg::OnRunComplete)
END_MESSAGE_MAP()

namespace {

// The log list uses tab stops without setting any: one every 32 dialog units.
const int kLogTabStopDlu = 32;

} // namespace

CSetupInstallingPg::CSetupInstallingPg()
    : CSetupInstallingPg(nullptr, IDD_WZ_INSTALLING, 0, 0, 0)
{
}

CSetupInstallingPg::CSetupInstallingPg(CQuandelSrv* pSrv, UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle,
                                       UINT nIDHeaderSubTitle)
    : CSetupPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle), m_nRunStatus(0),
      m_pSrv(pSrv), m_CallbackImp(this), m_bStarted(false), m_bDone(false)
{
}

CSetupInstallingPg::~CSetupInstallingPg()
{
}

void CSetupInstallingPg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WZ_RUN_LOG, m_LogList);
    DDX_Control(pDX, IDC_WZ_RUN_PROGRESS, m_ProgressCtrl);
    DDX_Text(pDX, IDC_WZ_RUN_TITLE, m_strTitle);
    DDX_Text(pDX, IDC_WZ_RUN_STATUS, m_strStatus);
}

BOOL CSetupInstallingPg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    return TRUE;
}

HWND CSetupInstallingPg::GetSheetCancelButton() const
{
    HWND sheet = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    return sheet != nullptr ? ::GetDlgItem(sheet, IDCANCEL) : nullptr;
}

BOOL CSetupInstallingPg::OnSetActive()
{
    CQuandelWizard* wizard = GetWizard();
    if (wizard != nullptr)
        wizard->SetWizardButtons(0);
    if (!m_bStarted) {
        if (HWND cancel = GetSheetCancelButton())
            ::EnableWindow(cancel, TRUE);
        m_bStarted = true;
        int action = wizard != nullptr ? wizard->GetAction() : WIZARD_ACTION_NONE;
        if (action == WIZARD_ACTION_INSTALL) {
            PostMessage(WM_SETUP_INSTALL, 0, 0);
        } else if (action == WIZARD_ACTION_REMOVE) {
            PostMessage(WM_SETUP_REMOVE, 0, 0);
        } else {
            // Nothing to run for this action (modify): complete at once, so
            // the user has Next.
            m_nRunStatus = MPI_RUN_NONE;
            PostMessage(WM_SETUP_COMPLETE, 0, 0);
        }
    } else if (m_bDone) {
        // Shown again after its run: only the way on remains.
        PostMessage(WM_SETUP_COMPLETE, 0, 0);
    }
    return CSetupPropertyPageEx::OnSetActive();
}

LRESULT CSetupInstallingPg::OnStartInstall(WPARAM, LPARAM)
{
    m_strTitle.LoadString(IDS_WZ_RUN_TITLE_INSTALL);
    UpdateData(FALSE);
    int result = m_pSrv != nullptr ? m_pSrv->Install(&m_CallbackImp) : E_FAIL;
    if (result != 0)
        ReportStartFailure(result);
    return 0;
}

LRESULT CSetupInstallingPg::OnStartRemove(WPARAM, LPARAM)
{
    m_strTitle.LoadString(IDS_WZ_RUN_TITLE_REMOVE);
    UpdateData(FALSE);
    CQuandelWizard* wizard = GetWizard();
    MPISetupMode mode = GetRemovalRunMode(wizard != nullptr ? wizard->GetRemovalKind() : REMOVAL_KIND_ALL);
    int result = m_pSrv != nullptr ? m_pSrv->Remove(&m_CallbackImp, mode) : E_FAIL;
    if (result != 0)
        ReportStartFailure(result);
    return 0;
}

void CSetupInstallingPg::ReportStartFailure(int result)
{
    CString line;
    if (result == 1)
        line.LoadString(IDS_WZ_RUN_NOTHING_TO_DO);
    else
        line.FormatMessage(IDS_WZ_RUN_START_FAILED, result);
    AddLogLine(line);
    CompleteRun();
}

LRESULT CSetupInstallingPg::OnRunComplete(WPARAM, LPARAM)
{
    CompleteRun();
    return 0;
}

void CSetupInstallingPg::CompleteRun()
{
    m_bDone = true;
    CQuandelWizard* wizard = GetWizard();
    if (wizard != nullptr) {
        wizard->SetRunStatus(m_nRunStatus);
        wizard->SetWizardButtons(PSWIZB_NEXT);
    }
    if (HWND cancel = GetSheetCancelButton())
        ::EnableWindow(cancel, FALSE);
}

BOOL CSetupInstallingPg::OnQueryCancel()
{
    HWND cancel = GetSheetCancelButton();
    if (cancel != nullptr && ::IsWindowEnabled(cancel) && m_pSrv != nullptr)
        m_pSrv->Cancel();
    return FALSE;
}

LRESULT CSetupInstallingPg::OnWizardNext()
{
    return IDD_WZ_FINISH;
}

void CSetupInstallingPg::AddLogLine(const wchar_t* text)
{
    if (m_LogList.GetSafeHwnd() == nullptr)
        return;
    const wchar_t* line = text != nullptr ? text : L"";
    m_LogList.AddString(line);
    // Long lines (module summaries, translated failures) can be scrolled to.
    WidenListBoxExtent(m_LogList, line, kLogTabStopDlu);
    int count = m_LogList.GetCount();
    if (count > 0)
        m_LogList.SetCurSel(count - 1);
}

void CSetupInstallingPg::CMPISetupCallbackIfcImp::AddMessage(LPCWSTR pszText)
{
    m_pPage->AddLogLine(pszText);
}

void CSetupInstallingPg::CMPISetupCallbackIfcImp::SetStatusText(LPCWSTR pszText)
{
    // Straight to the control: the worker writes no member the page's data
    // exchange reads on the user-interface thread.
    HWND page = m_pPage->m_hWnd;
    HWND status = page != nullptr ? ::GetDlgItem(page, IDC_WZ_RUN_STATUS) : nullptr;
    if (status != nullptr)
        ::SendMessageW(status, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pszText != nullptr ? pszText : L""));
}

CProgressCtrl* CSetupInstallingPg::CMPISetupCallbackIfcImp::GetProgressCtrl()
{
    return &m_pPage->m_ProgressCtrl;
}

void CSetupInstallingPg::CMPISetupCallbackIfcImp::OnComplete(int nStatus)
{
    m_pPage->m_nRunStatus = nStatus;
    if (m_pPage->m_hWnd != nullptr)
        ::PostMessageW(m_pPage->m_hWnd, WM_SETUP_COMPLETE, 0, 0);
}

void CSetupInstallingPg::CMPISetupCallbackIfcImp::DisableCancel()
{
    if (HWND cancel = m_pPage->GetSheetCancelButton())
        ::EnableWindow(cancel, FALSE);
}
