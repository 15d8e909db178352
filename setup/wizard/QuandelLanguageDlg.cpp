#include "setup/wizard/QuandelLanguageDlg.h"
#include "setup/wizard/QuandelLanguageTable.h"
#include "engine/MPIBase.h"
#include "framework/DialogPreTranslate.h"
#include "support/OrvoWinApp.h"
#include "ids_wizard.h"

BEGIN_MESSAGE_MAP(CQuandelLanguageDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_WZ_LANG_COMBO, &CQuandelLanguageDlg::OnSelChange)
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

CQuandelLanguageDlg::CQuandelLanguageDlg(CMPIBase* pSrv, CWnd* pParentWnd)
    : CDialog(IDD_WZ_LANGUAGE, pParentWnd), m_pSrv(pSrv), m_nLanguage(1033)
{
}

CQuandelLanguageDlg::~CQuandelLanguageDlg()
{
}

INT_PTR CQuandelLanguageDlg::DoModal()
{
    CDialogPreTranslate preTranslate;
    return CDialog::DoModal();
}

void CQuandelLanguageDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WZ_LANG_PROMPT, m_strPrompt);
    DDX_Text(pDX, IDC_WZ_LANG_HINT, m_strHint);
}

BOOL CQuandelLanguageDlg::PreTranslateMessage(MSG* pMsg)
{
    if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSCOMMAND) &&
        (pMsg->wParam == VK_ESCAPE || pMsg->wParam == SC_CLOSE))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CQuandelLanguageDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == SC_CLOSE)
        return;
    CDialog::OnSysCommand(id, lParam);
}

CComboBox* CQuandelLanguageDlg::GetList()
{
    if (m_List.GetSafeHwnd() == nullptr) {
        HWND combo = ::GetDlgItem(m_hWnd, IDC_WZ_LANG_COMBO);
        if (combo == nullptr || !m_List.SubclassWindow(combo))
            return nullptr;
    }
    return &m_List;
}

BOOL CQuandelLanguageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LoadTexts();
    UpdateData(FALSE);
    return TRUE;
}

void CQuandelLanguageDlg::LoadTexts()
{
    m_strPrompt.LoadString(IDS_WZ_LANG_PROMPT);
    m_strHint.LoadString(IDS_WZ_LANG_HINT);
    FillList();
}

void CQuandelLanguageDlg::FillList()
{
    CComboBox* list = GetList();
    if (list == nullptr)
        return;
    for (const QuandelLanguageRow* row = g_QuandelLanguages; row->language != 0; ++row) {
        CString name;
        name.LoadString(row->nameId);
        int item = list->AddString(name);
        if (item >= 0)
            list->SetItemData(item, static_cast<DWORD_PTR>(row->language));
    }
    int count = list->GetCount();
    int threadLanguage = static_cast<int>(GetThreadLocale());
    int fallback = 0;
    int selected = -1;
    for (int i = 0; i < count; ++i) {
        int language = static_cast<int>(list->GetItemData(i));
        if (language == threadLanguage) {
            selected = i;
            break;
        }
        if (language == 1033)
            fallback = i;
    }
    list->SetCurSel(selected >= 0 ? selected : fallback);
}

void CQuandelLanguageDlg::OnSelChange()
{
    CComboBox* list = GetList();
    if (list == nullptr)
        return;
    int index = list->GetCurSel();
    if (index < 0)
        return;
    m_nLanguage = static_cast<int>(list->GetItemData(index));
    COrvoWinApp* app = COrvoWinApp::GetApp();
    if (app == nullptr || !app->SetLanguage(m_nLanguage))
        return;
    list->ResetContent();
    LoadTexts();
    list->SetCurSel(index);
    UpdateData(FALSE);
}

void CQuandelLanguageDlg::OnOK()
{
    CComboBox* list = GetList();
    int index = list != nullptr ? list->GetCurSel() : -1;
    if (index >= 0)
        m_nLanguage = static_cast<int>(list->GetItemData(index));
    if (COrvoWinApp* app = COrvoWinApp::GetApp())
        app->SetLanguage(m_nLanguage);
    if (m_pSrv != nullptr)
        m_pSrv->SetLanguage(static_cast<LANGID>(m_nLanguage));
    SetThreadLocale(static_cast<LCID>(m_nLanguage));
    ApplyLocale(m_nLanguage);
    CDialog::OnOK();
}

void CQuandelLanguageDlg::ApplyLocale(int language)
{
    ApplyQuandelLocale(language);
}
