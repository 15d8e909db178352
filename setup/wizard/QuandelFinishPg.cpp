#include "setup/wizard/QuandelFinishPg.h"
#include "setup/wizard/QuandelMessageBox.h"
#include "setup/wizard/QuandelWizard.h"
#include "framework/Seams.h"
#include "framework/WaitCursor.h"
#include "support/LanguageAbbreviation.h"
#include "framework/Handles.h"
#include "engine/MPIDefs.h"
#include "ids_wizard.h"

CQuandelFinishPg::CQuandelFinishPg()
    : CSetupPropertyPageEx(IDD_WZ_FINISH, 0, 0, 0), m_bNotesDecided(false)
{
    m_psp.dwFlags |= PSP_HIDEHEADER;
}

CQuandelFinishPg::~CQuandelFinishPg()
{
}

void CQuandelFinishPg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WZ_FINISH_TITLE, m_Title);
}

BOOL CQuandelFinishPg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    CreateSetupFont(this, SETUP_FONT_TITLE, m_TitleFont);
    m_Title.SetFont(&m_TitleFont, TRUE);
    return TRUE;
}

BOOL CQuandelFinishPg::OnSetActive()
{
    UpdateControls();
    if (CQuandelWizard* wizard = GetWizard())
        wizard->SetWizardButtons(PSWIZB_FINISH);
    return CSetupPropertyPageEx::OnSetActive();
}

void CQuandelFinishPg::UpdateControls()
{
    CQuandelWizard* wizard = GetWizard();
    if (wizard == nullptr)
        return;
    CWnd* notes = GetDlgItem(IDC_WZ_FINISH_NOTES);
    if (notes == nullptr)
        return;
    int action = wizard->GetAction();
    if (!m_bNotesDecided && action == WIZARD_ACTION_INSTALL) {
        m_bNotesDecided = true;
        const CMPIRunStatusValue status(wizard->GetRunStatus());
        if (status.IsZero())
            notes->ShowWindow(SW_HIDE);
        CheckDlgButton(IDC_WZ_FINISH_NOTES, status.IsZero() ? BST_UNCHECKED : BST_CHECKED);
    }
    if (action == WIZARD_ACTION_MODIFY || action == WIZARD_ACTION_REMOVE) {
        notes->ShowWindow(SW_HIDE);
        CheckDlgButton(IDC_WZ_FINISH_NOTES, BST_UNCHECKED);
    }
}

BOOL CQuandelFinishPg::OnWizardFinish()
{
    CWnd* notes = GetDlgItem(IDC_WZ_FINISH_NOTES);
    if (notes != nullptr && (notes->GetStyle() & WS_VISIBLE) && IsDlgButtonChecked(IDC_WZ_FINISH_NOTES) == BST_CHECKED)
        OpenInstallNotes();
    CQuandelWizard* wizard = GetWizard();
    const CMPIRunStatusValue status(wizard != nullptr ? wizard->GetRunStatus() : MPI_RUN_NONE);
    if (status.IsThreeOrFour()) {
        if (QuandelMessageBox(IDS_WZ_RESTART_QUESTION, MB_YESNO) == IDYES)
            RestartSystem();
    }
    return CSetupPropertyPageEx::OnWizardFinish();
}

CString CQuandelFinishPg::GetInstallNotesPath()
{
    CString name;
    name.Format(L"InstallNotes\\InstallNotes_%s.rtf",
                GetLanguageAbbreviation(static_cast<int>(GetThreadLocale())).GetString());
    return GetProgramFolder() + name;
}

void CQuandelFinishPg::OpenInstallNotes()
{
    CString path = GetInstallNotesPath();
    HWND owner = ::GetParent(m_hWnd);
    AfxShellExecute(owner, L"open", path, nullptr, L".", SW_SHOWNORMAL);
}

void CQuandelFinishPg::RestartSystem()
{
    CWaitCursor wait;
    UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put()))
        return;
    TOKEN_PRIVILEGES privileges;
    ZeroMemory(&privileges, sizeof(privileges));
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        TOKEN_PRIVILEGES previous;
        DWORD length = sizeof(previous);
        AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof(previous), &previous, &length);
    }
    token.reset();
    AfxExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0);
}
