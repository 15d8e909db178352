#include "setup/wizard/SetupModuleRemovePg.h"
#include "framework/PropertySheet.h"
#include "setup/service/QuandelSrv.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "ids_pages.h"
#include "ids_wizard.h"

IMPLEMENT_DYNCREATE(CSetupModuleRemovePg, CSetupPropertyPageEx)

BEGIN_MESSAGE_MAP(CSetupModuleRemovePg, CSetupPropertyPageEx)
    ON_BN_CLICKED(IDC_PAGES_UNCHECK_ALL, &CSetupModuleRemovePg::OnUncheckAll)
    ON_BN_CLICKED(IDC_PAGES_CHECK_ALL, &CSetupModuleRemovePg::OnCheckAll)
    ON_LBN_SELCHANGE(IDC_PAGES_REMOVE_TREE, &CSetupModuleRemovePg::OnTreeSelChange)
END_MESSAGE_MAP()

CSetupModuleRemovePg::CSetupModuleRemovePg()
    : CSetupModuleRemovePg(nullptr)
{
}

CSetupModuleRemovePg::CSetupModuleRemovePg(CQuandelSrv* pSrv, UINT nIDTemplate, UINT nIDCaption,
                                           UINT nIDHeaderTitle, UINT nIDHeaderSubTitle)
    : CSetupPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle),
      m_DetailsList(pSrv, 0),
      m_pSrv(pSrv),
      m_bNotInstalledCopy(IsRunningFromInstallFolder() ? false : true)
{
}

CSetupModuleRemovePg::~CSetupModuleRemovePg() = default;

void CSetupModuleRemovePg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGES_DETAILS_LIST, m_DetailsList);
    DDX_Control(pDX, IDC_PAGES_REMOVE_TREE, m_Tree);
}

BOOL CSetupModuleRemovePg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    if (m_bNotInstalledCopy)
        FillShippedTree();
    else
        FillInstalledTree();
    int group = -1, module = -1;
    if (CModuleCheckRows::RowToObjects(m_Tree, 0, group, module))
    {
        CModuleCheckRows::SelectOnly(m_Tree, 0);
        ShowDetails(group, module);
    }
    else
        m_DetailsList.ShowNothing();
    UpdateButtons();
    return TRUE;
}

void CSetupModuleRemovePg::FillInstalledTree()
{
    FillTree(FALSE);
}

void CSetupModuleRemovePg::FillShippedTree()
{
    FillTree(TRUE);
}

void CSetupModuleRemovePg::FillTree(BOOL shippedOnly)
{
    m_Tree.ResetContent();
    m_Rows.Clear();
    for (int i = 0; m_pSrv != NULL; ++i)
    {
        CQuandelGroupMsi* group = m_pSrv->GetMsi(i);
        if (group == NULL)
            break;
        if (group->IsInstalled() != 1 || (shippedOnly && group->HasPackage() != 1))
            continue;
        const int groupNode = m_Rows.AddGroup(m_Tree, group->GetGroupName(1), i);
        for (unsigned j = 0; j < group->GetModuleCount(); ++j)
        {
            CQuandelModule* module = group->GetModule(static_cast<int>(j));
            if (module != NULL && module->IsInstalled() == 1)
                m_Rows.AddModule(m_Tree, module->GetCatalogNumber(), i, static_cast<int>(j), groupNode,
                                 module->GetRemoveMark());
        }
    }
    UpdateData(FALSE);
}

void CSetupModuleRemovePg::ApplyChecks()
{
    if (m_pSrv == NULL || m_Tree.GetSafeHwnd() == NULL)
        return;
    for (const CModuleCheckRows::ModuleNode& entry : m_Rows.GetModules())
        SetRemoveMarks(entry.group, entry.module, m_Rows.IsChecked(m_Tree, entry));
}

void CSetupModuleRemovePg::SetRemoveMarks(int groupIndex, int moduleIndex, BOOL mark)
{
    CQuandelGroupMsi* group = (m_pSrv != NULL && groupIndex >= 0) ? m_pSrv->GetMsi(groupIndex) : NULL;
    if (group == NULL || group->IsInstalled() != 1)
        return;
    if (moduleIndex < 0)
    {
        for (unsigned j = 0; j < group->GetModuleCount(); ++j)
        {
            CQuandelModule* module = group->GetModule(static_cast<int>(j));
            if (module != NULL && module->IsInstalled() == 1)
                module->SetRemoveMark(mark);
        }
        return;
    }
    CQuandelModule* module = group->GetModule(moduleIndex);
    if (module != NULL && module->IsInstalled() == 1)
        module->SetRemoveMark(mark);
}

BOOL CSetupModuleRemovePg::HasMarkedModules()
{
    for (int i = 0; m_pSrv != NULL; ++i)
    {
        CQuandelGroupMsi* group = m_pSrv->GetMsi(i);
        if (group == NULL)
            break;
        if (group->IsInstalled() == 1 && group->NeedsAction(MPI_MODE_REMOVE_MODULES) == 1)
            return TRUE;
    }
    return FALSE;
}

void CSetupModuleRemovePg::OnChecksChanged()
{
    ApplyChecks();
    UpdateButtons();
}

void CSetupModuleRemovePg::UpdateButtons()
{
    CPropertySheet* sheet = DYNAMIC_DOWNCAST(CPropertySheet, GetParent());
    if (sheet == NULL)
        return;
    if (m_Rows.IsAnyModuleChecked(m_Tree) || HasMarkedModules())
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    else
        sheet->SetWizardButtons(PSWIZB_BACK);
}

void CSetupModuleRemovePg::ShowDetails(int group, int module)
{
    if (module < 0)
        m_DetailsList.ShowGroup(group, 1);
    else
        m_DetailsList.ShowModule(group, module, 1);
    UpdateData(FALSE);
}

void CSetupModuleRemovePg::OnTreeSelChange()
{
    int group = -1, module = -1;
    if (CModuleCheckRows::RowToObjects(m_Tree, m_Tree.GetCaretIndex(), group, module))
        ShowDetails(group, module);
    // A click on a row's check box selects the row as well.
    OnChecksChanged();
}

BOOL CSetupModuleRemovePg::OnSetActive()
{
    UpdateButtons();
    return CSetupPropertyPageEx::OnSetActive();
}

BOOL CSetupModuleRemovePg::OnKillActive()
{
    ApplyChecks();
    return CSetupPropertyPageEx::OnKillActive();
}

BOOL CSetupModuleRemovePg::PreTranslateMessage(MSG* pMsg)
{
    if (IsCheckChangeDone(pMsg, m_Tree))
        OnChecksChanged();
    return CSetupPropertyPageEx::PreTranslateMessage(pMsg);
}

LRESULT CSetupModuleRemovePg::OnWizardBack()
{
    ApplyChecks();
    return (m_pSrv != NULL && m_pSrv->IsNewHostInstalled()) ? IDD_WZ_MAINTENANCE : IDD_WZ_UNINSTALL_TYPE;
}

LRESULT CSetupModuleRemovePg::OnWizardNext()
{
    ApplyChecks();
    return IDD_PAGES_SUMMARY;
}

void CSetupModuleRemovePg::OnUncheckAll()
{
    m_Tree.UncheckAll();
    // Every installed group, listed or not, keeps no mark.
    for (int i = 0; m_pSrv != NULL && m_pSrv->GetMsi(i) != NULL; ++i)
        SetRemoveMarks(i, -1, FALSE);
    OnChecksChanged();
}

void CSetupModuleRemovePg::OnCheckAll()
{
    m_Tree.CheckAll();
    OnChecksChanged();
}
