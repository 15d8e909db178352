#pragma once
// The details dialog of the welcome page: the module groups of the
// distribution folder as a tree and the details of the selected item.
#include "framework/Dialog.h"
#include "framework/Button.h"
#include "framework/TreeCtrl.h"
#include "setup/wizard/QuandelModuleDetailsListBox.h"

class CQuandelSrv;

class CQuandelDetailsDlg : public CDialog
{
public:
    CQuandelDetailsDlg(CQuandelSrv* pSrv, CWnd* pParent = NULL);
    ~CQuandelDetailsDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void FillTree();
    void ShowItemDetails(HTREEITEM item);
    void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);

    CQuandelModuleDetailsListBox m_DetailsList;   // 1106
    CTreeCtrl m_Tree;                             // 1100
    CButton m_OK;                                 // IDOK
    CFont m_Font;
    CQuandelSrv* m_pSrv;                          // not owned

    DECLARE_MESSAGE_MAP()
};
