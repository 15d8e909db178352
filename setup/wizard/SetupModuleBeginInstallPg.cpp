#include "setup/wizard/SetupModuleBeginInstallPg.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/wizard/RemovalRunMode.h"
#include "setup/service/QuandelSrv.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "ids_pages.h"
#include "ids_wizard.h"

IMPLEMENT_DYNCREATE(CSetupModuleBeginInstallPg, CSetupPropertyPageEx)

BEGIN_MESSAGE_MAP(CSetupModuleBeginInstallPg, CSetupPropertyPageEx)
    ON_NOTIFY(TVN_SELCHANGEDW, IDC_PAGES_SUMMARY_TREE, &CSetupModuleBeginInstallPg::ShowSelectedDetails)
END_MESSAGE_MAP()

CSetupModuleBeginInstallPg::CSetupModuleBeginInstallPg()
    : CSetupModuleBeginInstallPg(nullptr)
{
}

CSetupModuleBeginInstallPg::CSetupModuleBeginInstallPg(CQuandelSrv* pSrv, UINT nIDTemplate, UINT nIDCaption,
                                                       UINT nIDHeaderTitle, UINT nIDHeaderSubTitle)
    : CSetupPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle),
      m_DetailsList(pSrv, 1),
      m_pSrv(pSrv)
{
}

CSetupModuleBeginInstallPg::~CSetupModuleBeginInstallPg() = default;

void CSetupModuleBeginInstallPg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGES_SUMMARY_DETAILS, m_DetailsList);
    DDX_Control(pDX, IDC_PAGES_SUMMARY_TREE, m_Tree);
    DDX_Text(pDX, IDC_PAGES_SUMMARY_TEXT, m_strSummary);
}

BOOL CSetupModuleBeginInstallPg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    return TRUE;
}

int CSetupModuleBeginInstallPg::GetAction()
{
    CQuandelWizard* wizard = GetWizard();
    return wizard != NULL ? wizard->GetAction() : WIZARD_ACTION_NONE;
}

static void SetNextButtonText(CWnd* page, UINT id)
{
    CWnd* sheet = page->GetParent();
    CWnd* next = sheet != NULL ? sheet->GetDlgItem(ID_WIZNEXT) : NULL;
    if (next == NULL)
        return;
    CString text;
    text.LoadString(id);
    next->SetWindowText(text);
}

BOOL CSetupModuleBeginInstallPg::OnSetActive()
{
    const int action = GetAction();
    UINT nextText = IDS_PAGES_NEXT_INSTALL;
    UINT introText = IDS_PAGES_INTRO_INSTALL;
    UINT summaryText = IDS_PAGES_SUMMARY_INSTALL;
    int detailsMode = 1;
    if (action == WIZARD_ACTION_REMOVE)
    {
        nextText = IDS_PAGES_NEXT_REMOVE;
        introText = IDS_PAGES_INTRO_REMOVE;
        summaryText = IDS_PAGES_SUMMARY_REMOVE;
        detailsMode = 0;
    }
    else if (action == WIZARD_ACTION_MODIFY)
    {
        nextText = IDS_PAGES_NEXT_MODIFY;
        introText = IDS_PAGES_INTRO_MODIFY;
        summaryText = IDS_PAGES_SUMMARY_MODIFY;
    }
    SetNextButtonText(this, nextText);
    CString intro;
    intro.LoadString(introText);
    SetDlgItemText(IDC_PAGES_SUMMARY_INTRO, intro);
    m_strSummary.LoadString(summaryText);
    m_DetailsList.SetMode(detailsMode);

    FillTree();

    if (m_Tree.GetFirstVisibleItem() == NULL && action == WIZARD_ACTION_REMOVE)
    {
        // Nothing to remove: say so, with the installed core version.
        m_Tree.DeleteAllItems();
        m_DetailsList.ResetContent();
        ShowContentControls(FALSE);
        m_strSummary.LoadString(IDS_PAGES_SUMMARY_NOTHING);
        CMPIMsi* versionSource = m_pSrv != NULL ? m_pSrv->GetCoreMsi() : NULL;
        if (versionSource == NULL && m_pSrv != NULL)
            versionSource = m_pSrv->GetSetupMsi();
        if (versionSource != NULL)
            m_strSummary += versionSource->GetProductVersion(1);
    }
    else
    {
        ShowContentControls(TRUE);
        HTREEITEM first = m_Tree.GetRootItem();
        if (first != NULL)
        {
            // Selecting fires the selection handler, which fills the details;
            // an item that is already selected does not, so show it here too.
            m_Tree.SelectItem(first);
            ShowItemDetails(m_Tree.GetSelectedItem());
        }
        else
            m_DetailsList.ShowNothing();
    }
    UpdateData(FALSE);
    return CSetupPropertyPageEx::OnSetActive();
}

void CSetupModuleBeginInstallPg::ShowContentControls(BOOL show)
{
    const int cmd = show ? SW_SHOW : SW_HIDE;
    m_Tree.EnableWindow(show);
    m_Tree.ShowWindow(cmd);
    m_DetailsList.EnableWindow(show);
    m_DetailsList.ShowWindow(cmd);
    CWnd* label = GetDlgItem(IDC_PAGES_DETAILS_BUTTON);
    if (label != NULL)
        label->ShowWindow(cmd);
}

BOOL CSetupModuleBeginInstallPg::OnKillActive()
{
    SetNextButtonText(this, IDS_PAGES_NEXT);
    return CSetupPropertyPageEx::OnKillActive();
}

void CSetupModuleBeginInstallPg::FillTree()
{
    m_Tree.DeleteAllItems();
    if (m_pSrv == NULL)
        return;
    const int action = GetAction();
    MPISetupMode mode;
    int source;
    if (action == WIZARD_ACTION_REMOVE)
    {
        CQuandelWizard* wizard = GetWizard();
        mode = GetRemovalRunMode(wizard != NULL ? wizard->GetRemovalKind() : REMOVAL_KIND_ALL);
        source = 1;
    }
    else if (action == WIZARD_ACTION_INSTALL)
    {
        // What the install run will do in the chosen setup type.
        mode = m_pSrv->GetRunMode();
        source = 0;
    }
    else if (action == WIZARD_ACTION_MODIFY)
    {
        mode = MPI_MODE_INSTALL_NEWER;
        source = 0;
    }
    else
        return;

    for (int i = 0;; ++i)
    {
        CQuandelGroupMsi* group = m_pSrv->GetMsi(i);
        if (group == NULL)
            break;
        if (group->NeedsAction(mode) != 1)
            continue;
        const CString& name = group->GetGroupName(source);
        if (name.IsEmpty())
            continue;
        HTREEITEM groupItem = m_Tree.InsertItem(TVIF_TEXT | TVIF_STATE | TVIF_PARAM, name, 0, 0, 0, 0,
                                                static_cast<LPARAM>(i), TVI_ROOT, TVI_LAST);
        if (groupItem == NULL)
            continue;
        for (unsigned j = 0; j < group->GetModuleCount(); ++j)
        {
            CQuandelModule* module = group->GetModule(static_cast<int>(j));
            if (module == NULL || module->NeedsAction(mode) != 1)
                continue;
            m_Tree.InsertItem(TVIF_TEXT | TVIF_STATE | TVIF_PARAM, module->GetCatalogNumber(), 0, 0, 0, 0,
                              static_cast<LPARAM>(j), groupItem, TVI_LAST);
        }
    }
}

void CSetupModuleBeginInstallPg::ShowItemDetails(HTREEITEM item)
{
    const int action = GetAction();
    if (action == WIZARD_ACTION_NONE)
        return;
    const int source = action == WIZARD_ACTION_REMOVE ? 1 : 0;
    if (item == NULL)
        m_DetailsList.ShowNothing();
    else
    {
        HTREEITEM parent = m_Tree.GetParentItem(item);
        if (parent == NULL)
            m_DetailsList.ShowGroup(static_cast<int>(m_Tree.GetItemData(item)), source);
        else
            m_DetailsList.ShowModule(static_cast<int>(m_Tree.GetItemData(parent)),
                                     static_cast<int>(m_Tree.GetItemData(item)), source);
    }
    UpdateData(FALSE);
}

void CSetupModuleBeginInstallPg::ShowSelectedDetails(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    ShowItemDetails(m_Tree.GetSelectedItem());
    *pResult = 0;
}

LRESULT CSetupModuleBeginInstallPg::OnWizardBack()
{
    CQuandelWizard* wizard = GetWizard();
    switch (GetAction())
    {
    case WIZARD_ACTION_INSTALL:
        return (m_pSrv != NULL && m_pSrv->IsCustomSetup()) ? IDD_PAGES_MODULE_INSTALL : IDD_WZ_SETUP_TYPE;
    case WIZARD_ACTION_MODIFY:
        return IDD_PAGES_MODIFY;
    case WIZARD_ACTION_REMOVE:
        return (wizard != NULL && wizard->GetRemovalKind() != REMOVAL_KIND_MODULES) ? IDD_WZ_UNINSTALL_TYPE : IDD_PAGES_MODULE_REMOVE;
    default:
        return 0;
    }
}

LRESULT CSetupModuleBeginInstallPg::OnWizardNext()
{
    return 0;
}
