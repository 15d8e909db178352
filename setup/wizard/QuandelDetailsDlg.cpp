#include "setup/wizard/QuandelDetailsDlg.h"
#include "setup/wizard/SetupFonts.h"
#include "setup/service/QuandelSrv.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "ids_pages.h"

BEGIN_MESSAGE_MAP(CQuandelDetailsDlg, CDialog)
    ON_NOTIFY(TVN_SELCHANGEDW, IDC_PAGES_INSTALL_TREE, &CQuandelDetailsDlg::OnSelChanged)
END_MESSAGE_MAP()

CQuandelDetailsDlg::CQuandelDetailsDlg(CQuandelSrv* pSrv, CWnd* pParent)
    : CDialog(IDD_PAGES_DETAILS, pParent), m_DetailsList(pSrv, 1), m_pSrv(pSrv)
{
}

CQuandelDetailsDlg::~CQuandelDetailsDlg() = default;

void CQuandelDetailsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGES_DETAILS_LIST, m_DetailsList);
    DDX_Control(pDX, IDC_PAGES_INSTALL_TREE, m_Tree);
    DDX_Control(pDX, IDOK, m_OK);
}

BOOL CQuandelDetailsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CreateSetupFont(this, SETUP_FONT_DIALOG, m_Font))
        m_OK.SetFont(&m_Font);
    FillTree();
    HTREEITEM first = m_Tree.GetFirstVisibleItem();
    if (first != NULL)
        m_Tree.SelectItem(first);
    ShowItemDetails(m_Tree.GetSelectedItem());
    return TRUE;
}

void CQuandelDetailsDlg::FillTree()
{
    m_Tree.DeleteAllItems();
    for (int i = 0; m_pSrv != NULL; ++i)
    {
        CQuandelGroupMsi* group = m_pSrv->GetMsi(i);
        if (group == NULL)
            break;
        if (group->HasPackage() != 1)
            continue;
        HTREEITEM groupItem = m_Tree.InsertItem(TVIF_TEXT | TVIF_STATE | TVIF_PARAM, group->GetGroupName(0), 0, 0, 0,
                                                0, static_cast<LPARAM>(i), TVI_ROOT, TVI_LAST);
        if (groupItem == NULL)
            continue;
        for (unsigned j = 0; j < group->GetModuleCount(); ++j)
        {
            CQuandelModule* module = group->GetModule(static_cast<int>(j));
            if (module == NULL)
                continue;
            m_Tree.InsertItem(TVIF_TEXT | TVIF_STATE | TVIF_PARAM, module->GetCatalogNumber(), 0, 0, 0, 0,
                              static_cast<LPARAM>(j), groupItem, TVI_LAST);
        }
    }
}

void CQuandelDetailsDlg::ShowItemDetails(HTREEITEM item)
{
    if (item == NULL)
        m_DetailsList.ShowNothing();
    else
    {
        // A root item is a group, with or without modules under it.
        HTREEITEM parent = m_Tree.GetParentItem(item);
        if (parent == NULL)
            m_DetailsList.ShowGroup(static_cast<int>(m_Tree.GetItemData(item)), 0);
        else
            m_DetailsList.ShowModule(static_cast<int>(m_Tree.GetItemData(parent)),
                                     static_cast<int>(m_Tree.GetItemData(item)), 0);
    }
    UpdateData(FALSE);
}

void CQuandelDetailsDlg::OnSelChanged(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    ShowItemDetails(m_Tree.GetSelectedItem());
    *pResult = 0;
}
