#pragma once
// The first wizard page: a greeting and, from a distribution folder, the
// module groups that ship beside the program with a details button.
#include "setup/wizard/SetupPropertyPageEx.h"
#include "framework/ListBox.h"
#include "framework/Static.h"

class CQuandelSrv;

class CQuandelWelcomePg : public CSetupPropertyPageEx
{
public:
    explicit CQuandelWelcomePg(CQuandelSrv* pSrv);
    ~CQuandelWelcomePg() override;

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void FillGroupList();
    void OnDetails();

    CListBox m_GroupList;     // 1095
    CStatic m_Title;          // 1001
    CString m_strMessage;     // 1003
    CFont m_TitleFont;
    CQuandelSrv* m_pSrv;      // not owned

    DECLARE_MESSAGE_MAP()
};
