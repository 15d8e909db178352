#include "setup/wizard/SetupModuleInstallPg.h"
#include "setup/wizard/QuandelDiskSpaceDlg.h"
#include "framework/PropertySheet.h"
#include "setup/service/QuandelSrv.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "ids_pages.h"
#include <math.h>
#include "ids_wizard.h"

IMPLEMENT_DYNCREATE(CSetupModuleInstallPg, CSetupPropertyPageEx)

BEGIN_MESSAGE_MAP(CSetupModuleInstallPg, CSetupPropertyPageEx)
    ON_BN_CLICKED(IDC_PAGES_UNCHECK_ALL, &CSetupModuleInstallPg::OnUncheckAll)
    ON_BN_CLICKED(IDC_PAGES_CHECK_ALL, &CSetupModuleInstallPg::OnCheckAll)
    ON_BN_CLICKED(IDC_PAGES_DISKSPACE_BUTTON, &CSetupModuleInstallPg::OnDiskSpace)
    ON_LBN_SELCHANGE(IDC_PAGES_INSTALL_TREE, &CSetupModuleInstallPg::OnTreeSelChange)
END_MESSAGE_MAP()

CSetupModuleInstallPg::CSetupModuleInstallPg()
    : CSetupModuleInstallPg(nullptr)
{
}

CSetupModuleInstallPg::CSetupModuleInstallPg(CQuandelSrv* pSrv, UINT nIDTemplate, UINT nIDCaption,
                                             UINT nIDHeaderTitle, UINT nIDHeaderSubTitle)
    : CSetupPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle),
      m_DetailsList(pSrv, 1),
      m_pSrv(pSrv)
{
}

CSetupModuleInstallPg::~CSetupModuleInstallPg()
{
    // The page owns the service object; the sheet deletes its pages after
    // the last run.
    delete m_pSrv;
    m_pSrv = NULL;
}

void CSetupModuleInstallPg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGES_DETAILS_LIST, m_DetailsList);
    DDX_Control(pDX, IDC_PAGES_INSTALL_TREE, m_Tree);
    DDX_Text(pDX, IDC_PAGES_SPACE, m_strSpace);
}

BOOL CSetupModuleInstallPg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    CreateDiskSpaceButton();
    FillTree();
    if (m_Tree.GetCount() > 0)
    {
        CModuleCheckRows::SelectOnly(m_Tree, 0);
        ShowSelectedDetails();
    }
    else
        m_DetailsList.ShowNothing();
    UpdateButtons();
    return TRUE;
}

void CSetupModuleInstallPg::CreateDiskSpaceButton()
{
    CWnd* sheet = GetParent();
    CWnd* back = sheet != NULL ? sheet->GetDlgItem(ID_WIZBACK) : NULL;
    CWnd* cancel = sheet != NULL ? sheet->GetDlgItem(IDCANCEL) : NULL;
    if (back == NULL || cancel == NULL || m_DiskSpaceButton.GetSafeHwnd() != NULL)
        return;
    RECT backRect = {}, cancelRect = {};
    back->GetWindowRect(&backRect);
    cancel->GetWindowRect(&cancelRect);
    const int width = backRect.right - backRect.left;
    // The space between Next (right of Back, as wide as Back) and Cancel.
    const int gap = cancelRect.left - (backRect.right + width);
    RECT rect = backRect;
    rect.right = backRect.left - gap;
    rect.left = rect.right - width;
    sheet->ScreenToClient(&rect);
    CString text;
    text.LoadString(IDS_PAGES_DISKSPACE_BUTTON);
    if (m_DiskSpaceButton.Create(text, WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, rect, sheet,
                                 IDC_PAGES_DISKSPACE_BUTTON))
        m_DiskSpaceButton.SetFont(GetFont());
}

void CSetupModuleInstallPg::FillTree()
{
    m_Tree.ResetContent();
    m_Rows.Clear();
    for (int i = 0; m_pSrv != NULL; ++i)
    {
        CQuandelGroupMsi* group = m_pSrv->GetMsi(i);
        if (group == NULL)
            break;
        const int groupNode = m_Rows.AddGroup(m_Tree, group->GetGroupName(0), i);
        for (unsigned j = 0; j < group->GetModuleCount(); ++j)
        {
            CQuandelModule* module = group->GetModule(static_cast<int>(j));
            if (module != NULL)
                m_Rows.AddModule(m_Tree, module->GetCatalogNumber(), i, static_cast<int>(j), groupNode,
                                 module->GetInstallSelection());
        }
    }
}

void CSetupModuleInstallPg::ApplySelections()
{
    if (m_pSrv == NULL || m_Tree.GetSafeHwnd() == NULL)
        return;
    for (const CModuleCheckRows::ModuleNode& entry : m_Rows.GetModules())
    {
        CQuandelGroupMsi* group = m_pSrv->GetMsi(entry.group);
        CQuandelModule* module = group != NULL ? group->GetModule(entry.module) : NULL;
        if (module != NULL)
            module->SetInstallSelection(m_Rows.IsChecked(m_Tree, entry));
    }
}

double CSetupModuleInstallPg::GetRequiredMB()
{
    if (m_pSrv == NULL)
        return 0.0;
    const LONGLONG bytes = m_pSrv->GetAddedDiskSpace();
    return bytes > 0 ? static_cast<double>(bytes) / 1048576.0 : 0.0;
}

void CSetupModuleInstallPg::UpdateSpaceText()
{
    CString figure;
    figure.Format(L"%.1fMB", GetRequiredMB());
    m_strSpace.FormatMessage(IDS_PAGES_INSTALL_SPACE, static_cast<const wchar_t*>(figure));
    if (m_hWnd != NULL)
        UpdateData(FALSE);
}

void CSetupModuleInstallPg::UpdateButtons()
{
    UpdateSpaceText();
    CPropertySheet* sheet = DYNAMIC_DOWNCAST(CPropertySheet, GetParent());
    if (sheet != NULL)
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
}

void CSetupModuleInstallPg::ShowSelectedDetails()
{
    int group = -1, module = -1;
    if (!CModuleCheckRows::RowToObjects(m_Tree, m_Tree.GetCaretIndex(), group, module))
        m_DetailsList.ShowNothing();
    else if (module < 0)
        m_DetailsList.ShowGroup(group, 0);
    else
        m_DetailsList.ShowModule(group, module, 0);
    UpdateData(FALSE);
}

void CSetupModuleInstallPg::OnChecksChanged()
{
    ApplySelections();
    UpdateButtons();
}

void CSetupModuleInstallPg::OnTreeSelChange()
{
    ShowSelectedDetails();
    // A click on a row's check box selects the row as well.
    OnChecksChanged();
}

BOOL CSetupModuleInstallPg::OnSetActive()
{
    if (m_DiskSpaceButton.GetSafeHwnd() != NULL)
        m_DiskSpaceButton.ShowWindow(SW_SHOW);
    UpdateButtons();
    return CSetupPropertyPageEx::OnSetActive();
}

BOOL CSetupModuleInstallPg::OnKillActive()
{
    if (m_DiskSpaceButton.GetSafeHwnd() != NULL)
        m_DiskSpaceButton.ShowWindow(SW_HIDE);
    ApplySelections();
    return CSetupPropertyPageEx::OnKillActive();
}

BOOL CSetupModuleInstallPg::PreTranslateMessage(MSG* pMsg)
{
    if (IsCheckChangeDone(pMsg, m_Tree))
        OnChecksChanged();
    return CSetupPropertyPageEx::PreTranslateMessage(pMsg);
}

LRESULT CSetupModuleInstallPg::OnWizardBack()
{
    ApplySelections();
    return IDD_WZ_SETUP_TYPE;
}

LRESULT CSetupModuleInstallPg::OnWizardNext()
{
    ApplySelections();
    return IDD_PAGES_SUMMARY;
}

void CSetupModuleInstallPg::OnUncheckAll()
{
    m_Tree.UncheckAll();
    OnChecksChanged();
}

void CSetupModuleInstallPg::OnCheckAll()
{
    m_Tree.CheckAll();
    OnChecksChanged();
}

void CSetupModuleInstallPg::OnDiskSpace()
{
    ApplySelections();
    CQuandelDiskSpaceDlg dialog(static_cast<int>(ceil(GetRequiredMB())),
                                CQuandelDiskSpaceDlg::GetSystemDriveLetter(), NULL);
    dialog.DoModal();
}
