#include "setup/wizard/SetupModifyPg.h"
#include "ids_pages.h"
#include "ids_wizard.h"

IMPLEMENT_DYNCREATE(CSetupModifyPg, CSetupPropertyPageEx)

BEGIN_MESSAGE_MAP(CSetupModifyPg, CSetupPropertyPageEx)
    ON_COMMAND_RANGE(32771, 32771, &CSetupModifyPg::OnUpdateSpaceCommand)
    ON_COMMAND_RANGE(32773, 32775, &CSetupModifyPg::OnUpdateSpaceCommand)
END_MESSAGE_MAP()

CSetupModifyPg::CSetupModifyPg(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle, UINT nIDHeaderSubTitle)
    : CSetupPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle)
{
}

CSetupModifyPg::~CSetupModifyPg() = default;

void CSetupModifyPg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PAGES_SPACE_LEFT, m_strSpaceLeft);
    DDX_Text(pDX, IDC_PAGES_SPACE_NEEDED, m_strSpaceNeeded);
}

BOOL CSetupModifyPg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    return TRUE;
}

LRESULT CSetupModifyPg::OnWizardBack()
{
    return IDD_WZ_MAINTENANCE;
}

LRESULT CSetupModifyPg::OnWizardNext()
{
    return IDD_PAGES_SUMMARY;
}

void CSetupModifyPg::QuerySpace(float& /*needed*/, float& /*available*/)
{
}

void CSetupModifyPg::UpdateSpaceTexts()
{
    float needed = 0.0f;
    float available = 0.0f;
    QuerySpace(needed, available);
    const float difference = available - needed;
    CString figure;
    figure.Format(L"%.1fMB", static_cast<double>(difference < 0.0f ? -difference : difference));
    m_strSpaceLeft.FormatMessage(difference < 0.0f ? IDS_PAGES_MODIFY_MISSING : IDS_PAGES_MODIFY_LEFT,
                                 static_cast<const wchar_t*>(figure));
    figure.Format(L"%.1fMB", static_cast<double>(needed));
    m_strSpaceNeeded.FormatMessage(IDS_PAGES_MODIFY_NEEDED, static_cast<const wchar_t*>(figure));
    if (m_hWnd != NULL)
        UpdateData(FALSE);
}

void CSetupModifyPg::OnUpdateSpaceCommand(UINT /*nID*/)
{
    UpdateSpaceTexts();
}
