#include "framework/PropertySheet.h"
#include "framework/PropertyPage.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, HBITMAP hbmWatermark,
                               HPALETTE hpalWatermark, HBITMAP hbmHeader)
{
    if (nIDCaption != 0)
        m_strCaption.LoadString(nIDCaption);
    CommonConstruct(pParentWnd, iSelectPage, hbmWatermark, hpalWatermark, hbmHeader);
}

CPropertySheet::CPropertySheet(const wchar_t* caption, CWnd* pParentWnd, UINT iSelectPage, HBITMAP hbmWatermark,
                               HPALETTE hpalWatermark, HBITMAP hbmHeader)
    : m_strCaption(caption != nullptr ? caption : L"")
{
    CommonConstruct(pParentWnd, iSelectPage, hbmWatermark, hpalWatermark, hbmHeader);
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage, HBITMAP hbmWatermark,
                                     HPALETTE hpalWatermark, HBITMAP hbmHeader)
{
    ZeroMemory(&m_psh, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_DEFAULT;
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
    if (hbmWatermark != nullptr) {
        m_psh.hbmWatermark = hbmWatermark;
        m_psh.dwFlags |= PSH_USEHBMWATERMARK | PSH_WATERMARK;
    }
    if (hpalWatermark != nullptr) {
        m_psh.hplWatermark = hpalWatermark;
        m_psh.dwFlags |= PSH_USEHPLWATERMARK;
    }
    if (hbmHeader != nullptr) {
        m_psh.hbmHeader = hbmHeader;
        m_psh.dwFlags |= PSH_USEHBMHEADER | PSH_HEADER;
    }
}

CPropertySheet::~CPropertySheet()
{
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    if (page != nullptr)
        m_pages.push_back(page);
}

int CPropertySheet::GetPageCount() const
{
    return static_cast<int>(m_pages.size());
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const
{
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<size_t>(i)] == page)
            return i;
    }
    return -1;
}

void CPropertySheet::SetWizardMode()
{
    m_psh.dwFlags |= PSH_WIZARD;
}

BOOL CPropertySheet::IsWizard() const
{
    return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0 ? TRUE : FALSE;
}

void CPropertySheet::SetTitle(const wchar_t* title)
{
    m_strCaption = title != nullptr ? title : L"";
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, PSM_SETTITLEW, 0, reinterpret_cast<LPARAM>(m_strCaption.GetString()));
}

BOOL CPropertySheet::IsRunning() const
{
    return m_hWnd != nullptr && ::IsWindow(m_hWnd) && ::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd != nullptr || m_pages.empty())
        return -1;

    std::vector<HPROPSHEETPAGE> handles;
    for (CPropertyPage* page : m_pages) {
        PROPSHEETPAGEW record = page->m_psp;
        // A wizard shows the title of its current page: pages without a
        // title of their own carry the sheet's caption.
        if (IsWizard() && !(record.dwFlags & PSP_USETITLE) && !m_strCaption.IsEmpty()) {
            record.pszTitle = m_strCaption;
            record.dwFlags |= PSP_USETITLE;
        }
        HPROPSHEETPAGE handle = ::CreatePropertySheetPageW(&record);
        if (handle == nullptr) {
            for (HPROPSHEETPAGE made : handles)
                ::DestroyPropertySheetPage(made);
            return -1;
        }
        handles.push_back(handle);
    }

    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : nullptr;
    PROPSHEETHEADERW header = m_psh;
    header.dwFlags |= PSH_MODELESS;
    header.dwFlags &= ~PSH_PROPSHEETPAGE;
    header.hwndParent = owner;
    header.hInstance = AfxGetResourceHandle();
    header.pszCaption = m_strCaption;
    header.nPages = static_cast<UINT>(handles.size());
    header.phpage = handles.data();
    if (header.nStartPage >= header.nPages)
        header.nStartPage = 0;

    m_nModalResult = IDCANCEL;
    BOOL ownerWasEnabled = FALSE;
    if (owner != nullptr)
        ownerWasEnabled = !::EnableWindow(owner, FALSE);

    AfxHookWindowCreate(this);
    INT_PTR created = ::PropertySheetW(&header);
    AfxUnhookWindowCreate();
    if (created == 0 || created == -1 || m_hWnd == nullptr) {
        if (owner != nullptr && ownerWasEnabled)
            ::EnableWindow(owner, TRUE);
        if (created != 0 && created != -1)
            ::DestroyWindow(reinterpret_cast<HWND>(created));
        return -1;
    }

    MSG msg;
    while (IsRunning()) {
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // Nothing posted. Messages sent from other threads (a button
            // pressed by another program, say) were handled just now and may
            // have ended the sheet without anything being posted: look again
            // before waiting, and wake for sent messages as well.
            if (!IsRunning())
                break;
            ::MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            continue;
        }
        if (msg.message == WM_QUIT) {
            // End the sheet and hand the quit on to the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = IDCANCEL;
            break;
        }
        if (AfxPreTranslateMessage(&msg))
            continue;
        if (m_hWnd != nullptr && ::SendMessageW(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg)))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }

    // The owner is enabled before the sheet goes, so it gets the activation back.
    if (owner != nullptr && ownerWasEnabled)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd != nullptr)
        DestroyWindow();
    return m_nModalResult;
}

BOOL CPropertySheet::SetActivePage(int index)
{
    if (m_hWnd == nullptr) {
        if (index < 0 || index >= GetPageCount())
            return FALSE;
        m_psh.nStartPage = static_cast<UINT>(index);
        return TRUE;
    }
    return static_cast<BOOL>(::SendMessageW(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page)
{
    int index = GetPageIndex(page);
    return index >= 0 ? SetActivePage(index) : FALSE;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd == nullptr)
        return GetPage(static_cast<int>(m_psh.nStartPage));
    HWND page = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    return DYNAMIC_DOWNCAST(CPropertyPage, CWnd::FromHandlePermanent(page));
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return static_cast<int>(m_psh.nStartPage);
    return GetPageIndex(GetActivePage());
}

void CPropertySheet::SetWizardButtons(DWORD flags)
{
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

BOOL CPropertySheet::PressButton(int button)
{
    if (m_hWnd == nullptr)
        return FALSE;
    return static_cast<BOOL>(::SendMessageW(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0));
}

BOOL CPropertySheet::OnInitDialog()
{
    return static_cast<BOOL>(Default());
}

BOOL CPropertySheet::DestroyWindow()
{
    CWinApp* app = AfxGetApp();
    BOOL result = CWnd::DestroyWindow();
    if (app != nullptr && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    return result;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        BOOL result = OnInitDialog();
        return result;
    }
    // Finish and OK end the sheet inside their own handling; whatever else
    // ends it counts as a cancel.
    bool finishing = (message == WM_COMMAND && (LOWORD(wParam) == ID_WIZFINISH || LOWORD(wParam) == IDOK)) ||
                     (message == PSM_PRESSBUTTON && (wParam == PSBTN_FINISH || wParam == PSBTN_OK));
    bool wasRunning = finishing && IsRunning();
    LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    if (wasRunning && m_hWnd != nullptr && !IsRunning())
        m_nModalResult = IsWizard() ? ID_WIZFINISH : IDOK;
    return result;
}
