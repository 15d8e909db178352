#include "setup/wizard/QuandelLicensePg.h"
#include "framework/ControlInit.h"
#include "framework/PropertySheet.h"
#include "support/LanguageAbbreviation.h"
#include "ids_pages.h"

BEGIN_MESSAGE_MAP(CQuandelLicensePg, CSetupPropertyPageEx)
    ON_BN_CLICKED(IDC_PAGES_ACCEPT, &CQuandelLicensePg::OnAccept)
    ON_BN_CLICKED(IDC_PAGES_DECLINE, &CQuandelLicensePg::OnDecline)
END_MESSAGE_MAP()

namespace
{
struct StreamState
{
    HANDLE file;
    long total;
};

// Reads the next piece of the file for the control. A read error ends the
// stream with nothing delivered, so no stale buffer content reaches it.
DWORD CALLBACK ReadLicenseChunk(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got)
{
    StreamState* state = reinterpret_cast<StreamState*>(cookie);
    DWORD read = 0;
    if (wanted < 0 || !::ReadFile(state->file, buffer, static_cast<DWORD>(wanted), &read, NULL))
    {
        *got = 0;
        return 0;
    }
    *got = static_cast<LONG>(read);
    state->total += static_cast<long>(read);
    return 0;
}
}

CQuandelLicensePg::CQuandelLicensePg(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle, UINT nIDHeaderSubTitle)
    : CSetupPropertyPageEx(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle)
{
    // The agreement view's window class must exist before the page is made.
    AfxInitRichEdit();
}

CQuandelLicensePg::~CQuandelLicensePg() = default;

void CQuandelLicensePg::DoDataExchange(CDataExchange* pDX)
{
    CSetupPropertyPageEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGES_AGREEMENT, m_Agreement);
}

CString CQuandelLicensePg::GetLicensePath()
{
    CString relative;
    relative.Format(L"License\\license_%s.rtf",
                    static_cast<const wchar_t*>(GetLanguageAbbreviation(static_cast<int>(::GetThreadLocale()))));
    return GetProgramFolder() + relative;
}

long CQuandelLicensePg::StreamFileInto(CRichEditCtrl& view, const wchar_t* path)
{
    HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    StreamState state = {file, 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&state);
    stream.pfnCallback = &ReadLicenseChunk;
    view.StreamIn(SF_RTF, stream);
    ::CloseHandle(file);
    return state.total;
}

BOOL CQuandelLicensePg::OnInitDialog()
{
    CSetupPropertyPageEx::OnInitDialog();
    StreamFileInto(m_Agreement, GetLicensePath());
    CheckDlgButton(IDC_PAGES_DECLINE, BST_CHECKED);
    UpdateButtons();
    return TRUE;
}

BOOL CQuandelLicensePg::OnSetActive()
{
    UpdateButtons();
    return CSetupPropertyPageEx::OnSetActive();
}

LRESULT CQuandelLicensePg::OnWizardBack()
{
    return IDD_PAGES_WELCOME;
}

void CQuandelLicensePg::UpdateButtons()
{
    CPropertySheet* sheet = DYNAMIC_DOWNCAST(CPropertySheet, GetParent());
    if (sheet == NULL)
        return;
    if (IsDlgButtonChecked(IDC_PAGES_DECLINE) != 0)
        sheet->SetWizardButtons(PSWIZB_BACK);
    else
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
}

void CQuandelLicensePg::OnAccept()
{
    UpdateButtons();
}

void CQuandelLicensePg::OnDecline()
{
    UpdateButtons();
}
