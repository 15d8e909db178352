#pragma once
// The language dialog: choosing a language switches the resource library
// at once and shows the dialog's texts in it; OK makes the choice final for
// the service, the thread locale and the C runtime locale.
#include "framework/Dialog.h"
#include "framework/ComboBox.h"
#include "framework/DDXText.h"

class CMPIBase;

class CQuandelLanguageDlg : public CDialog
{
public:
    CQuandelLanguageDlg(CMPIBase* pSrv, CWnd* pParentWnd = nullptr);
    ~CQuandelLanguageDlg() override;

    // Runs the dialog with its PreTranslateMessage in the dialog loop.
    INT_PTR DoModal() override;
    // Escape and the close command do not end the dialog.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    int GetLanguage() const { return m_nLanguage; }

    // The C runtime locale and multibyte code page of a language (the
    // first table row for a language the table lacks).
    static void ApplyLocale(int language);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void LoadTexts();
    void FillList();
    void OnSelChange();
    // The close box and Alt+F4 send SC_CLOSE without the message loop: ignored too.
    void OnSysCommand(UINT id, LPARAM lParam);
    CComboBox* GetList();

    CString m_strPrompt;   // 1116, string 207
    CString m_strHint;     // 208, string 208
    CMPIBase* m_pSrv;      // not owned
    int m_nLanguage;
    CComboBox m_List;      // 1075

    DECLARE_MESSAGE_MAP()
};
