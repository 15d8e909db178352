#include "setup/wizard/QuandelWelcomePg.h"
#include "setup/wizard/QuandelDetailsDlg.h"
#include "setup/wizard/ListBoxExtent.h"
#include "setup/service/QuandelSrv.h"
#include "setup/service/QuandelGroupMsi.h"
#include "framework/PropertySheet.h"
#include "ids_pages.h"
#include "ids_wizard.h"

BEGIN_MESSAGE_MAP(CQuandelWelcomePg, CSetupPropertyPageEx)
    ON_BN_CLICKED(IDC_PAGES_DETAILS_BUTTON, &CQuandelWelcomePg::OnDetails)
END_MESSAGE_MAP()

CQuandelWelcomePg::CQuandelWelcomePg(CQuandelSrv* pSrv)
    : CSetupPropertyPageEx(IDD_PAGES_WELCOME), m_pSrv(pSrv)
{
    m_psp.dwFlags |= PSP_HIDEHEADER;
}

CQuandelWelcomePg::~CQuandelWelcomePg() = default;

void CQuandelWelcomePg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGES_GROUP_LIST, m_GroupList);
    DDX_Control(pDX, IDC_PAGES_TITLE, m_Title);
    DDX_Text(pDX, IDC_PAGES_MESSAGE, m_strMessage);
}

BOOL CQuandelWelcomePg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    if (CreateSetupFont(this, SETUP_FONT_TITLE, m_TitleFont))
        m_Title.SetFont(&m_TitleFont);
    return TRUE;
}

BOOL CQuandelWelcomePg::OnSetActive()
{
    CPropertySheet* sheet = DYNAMIC_DOWNCAST(CPropertySheet, GetParent());
    if (sheet != NULL)
        sheet->SetWizardButtons(PSWIZB_NEXT);

    CWnd* details = GetDlgItem(IDC_PAGES_DETAILS_BUTTON);
    if (IsRunningFromInstallFolder())
    {
        m_strMessage.LoadString(IDS_PAGES_WELCOME_INSTALLED);
        m_GroupList.ShowWindow(SW_HIDE);
        if (details != NULL)
        {
            details->EnableWindow(FALSE);
            details->ShowWindow(SW_HIDE);
        }
    }
    else
    {
        if (details != NULL)
        {
            details->EnableWindow(TRUE);
            details->ShowWindow(SW_SHOW);
        }
        m_strMessage.LoadString(IDS_PAGES_WELCOME_DISTRIB);
        FillGroupList();
        m_GroupList.ShowWindow(SW_SHOW);
    }
    BOOL result = CSetupPropertyPageEx::OnSetActive();
    // The base refreshes the controls only from the second activation on;
    // the text must show on the first one as well.
    UpdateData(FALSE);
    return result;
}

void CQuandelWelcomePg::FillGroupList()
{
    m_GroupList.ResetContent();
    for (int i = 0; m_pSrv != NULL; ++i)
    {
        CQuandelGroupMsi* group = m_pSrv->GetMsi(i);
        if (group == NULL)
            break;
        if (group->HasPackage() != 1)
            continue;
        m_GroupList.AddString(group->GetVendorPlusGroupName(0));
        m_GroupList.AddString(CString(L" ") + group->GetProductVersion(0));
    }
    m_GroupList.SetCurSel(-1);
    UpdateListBoxExtent(m_GroupList, 0);
}

LRESULT CQuandelWelcomePg::OnWizardNext()
{
    return IsRunningFromInstallFolder() ? IDD_WZ_MAINTENANCE : IDD_PAGES_LICENSE;
}

void CQuandelWelcomePg::OnDetails()
{
    CQuandelDetailsDlg dialog(m_pSrv, NULL);
    dialog.DoModal();
}
