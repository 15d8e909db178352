#include "vendorpage/PVPropPage.h"
#include "framework/ModuleState.h"
#include "support/OrvoWinApp.h"
#include "vendorpage/PVModuleLock.h"

IMPLEMENT_DYNAMIC(CPVPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPVPropPage, CPropertyPage)
    ON_MESSAGE(WM_PVPAGE_SETFOCUS, &CPVPropPage::OnSetInitialFocus)
END_MESSAGE_MAP()

CPVPropPage::CPVPropPage(UINT nIDTemplate)
    : CPropertyPage(nIDTemplate, 0, PROPSHEETPAGEW_V2_SIZE)
{
}

CPVPropPage::~CPVPropPage()
{
}

HRESULT STDMETHODCALLTYPE CPVPropPage::QueryInterface(REFIID riid, void** ppv)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (ppv == nullptr)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IPVPropPage)
    {
        *ppv = static_cast<IPVPropPage*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CPVPropPage::AddRef()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return AddLockedRef(m_cRef);
}

ULONG STDMETHODCALLTYPE CPVPropPage::Release()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return ReleaseLockedRef(this, m_cRef);
}

HRESULT STDMETHODCALLTYPE CPVPropPage::GetPropertyPage(CPropertyPage** page)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (page == nullptr)
        return E_POINTER;
    *page = this;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CPVPropPage::SetSite(IPVPropPageSite* site)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (site == nullptr)
        return E_FAIL;
    m_pSite = site;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CPVPropPage::SetLanguage(DWORD language)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    COrvoWinApp* app = COrvoWinApp::GetApp();
    if (app == nullptr)
        return E_UNEXPECTED;
    int wanted = static_cast<int>(language);
    if (app->GetLanguage() != wanted)
    {
        if (!app->IsLanguageAvailable(wanted) || !app->SetLanguage(wanted))
            return E_FAIL;
    }
    // The sheet loads the page's template from this library.
    m_psp.hInstance = AfxGetResourceHandle();
    return S_OK;
}

LRESULT CPVPropPage::OnSetInitialFocus(WPARAM wParam, LPARAM)
{
    HWND target = reinterpret_cast<HWND>(wParam);
    if (target != nullptr && ::IsWindow(target))
        ::SetFocus(target);
    return 0;
}

BOOL CPVPropPage::OnSetActive()
{
    BOOL result = CPropertyPage::OnSetActive();
    if (!result)
        return FALSE;
    if (FAILED(OnPageActivate()))
        return FALSE;
    // After the sheet has finished activating the page.
    if (m_hInitialFocus != nullptr)
        PostMessage(WM_PVPAGE_SETFOCUS, reinterpret_cast<WPARAM>(m_hInitialFocus), 0);
    return result;
}

BOOL CPVPropPage::OnKillActive()
{
    if (FAILED(OnPageDeactivate()))
        return FALSE;
    return CPropertyPage::OnKillActive();
}

void CPVPropPage::DoDataExchange(CDataExchange*)
{
}
