#include "vendorpage/PVPropPageEnum.h"
#include "framework/ModuleState.h"

IMPLEMENT_DYNAMIC(CPVPropPageEnum, CPVPropPage)

BEGIN_MESSAGE_MAP(CPVPropPageEnum, CPVPropPage)
END_MESSAGE_MAP()

CPVPropPageEnum::CPVPropPageEnum(UINT nIDTemplate)
    : CPVPropPage(nIDTemplate)
{
}

CPVPropPageEnum::~CPVPropPageEnum()
{
}

// --- combining rules -----------------------------------------------------

// Every part is called; the last negative result wins, else S_OK.
template <class Call>
HRESULT CPVPropPageEnum::CallAllLastNegative(Call call)
{
    HRESULT result = S_OK;
    for (IPVPropPagePart* part : m_parts)
    {
        HRESULT hr = call(part);
        if (FAILED(hr))
            result = hr;
    }
    return result;
}

// As CallAllLastNegative, but a stop code ends the walk and is returned.
template <class Call>
HRESULT CPVPropPageEnum::CallUntilStopCode(Call call)
{
    HRESULT result = S_OK;
    for (IPVPropPagePart* part : m_parts)
    {
        HRESULT hr = call(part);
        if (FAILED(hr))
        {
            if (IsStopCode(hr))
                return hr;
            result = hr;
        }
    }
    return result;
}

// Parts that answer IPVEventHandler2 get the event; others are skipped.
template <class Call>
HRESULT CPVPropPageEnum::ForEachEventHandler(Call call)
{
    HRESULT result = S_OK;
    for (IPVPropPagePart* part : m_parts)
    {
        IPVEventHandler2* handler = nullptr;
        if (FAILED(part->QueryInterface(IID_IPVEventHandler2, reinterpret_cast<void**>(&handler))) ||
            handler == nullptr)
            continue;
        HRESULT hr = call(handler);
        handler->Release();
        if (FAILED(hr))
            result = hr;
    }
    return result;
}

BOOL CPVPropPageEnum::IsStopCode(HRESULT hr)
{
    DWORD code = static_cast<DWORD>(hr);
    return code >= 0x80040200u && code <= 0x8004021Fu;
}

// --- IUnknown --------------------------------------------------------------

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::QueryInterface(REFIID riid, void** ppv)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    HRESULT hr = CPVPropPage::QueryInterface(riid, ppv);
    if (SUCCEEDED(hr) || ppv == nullptr)
        return hr;
    if (riid == IID_IPVPropPageEnum)
    {
        IPVPropPageEnum* pageEnum = this;
        *ppv = pageEnum;
        pageEnum->AddRef();
        return S_OK;
    }
    if (riid == IID_IPVEventHandler2)
    {
        IPVEventHandler2* handler = this;
        *ppv = handler;
        handler->AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CPVPropPageEnum::AddRef()
{
    return CPVPropPage::AddRef();
}

ULONG STDMETHODCALLTYPE CPVPropPageEnum::Release()
{
    return CPVPropPage::Release();
}

// --- IPVPropPage -----------------------------------------------------------

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::GetPropertyPage(CPropertyPage** page)
{
    return CPVPropPage::GetPropertyPage(page);
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::PartRequest1(DWORD value)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return CallAllLastNegative([value](IPVPropPagePart* part) { return part->PartRequest1(value); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::PartRequest2()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return CallUntilStopCode([](IPVPropPagePart* part) { return part->PartRequest2(); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::PartRequest3()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return CallAllLastNegative([](IPVPropPagePart* part) { return part->PartRequest3(); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::PartRequest4()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return CallAllLastNegative([](IPVPropPagePart* part) { return part->PartRequest4(); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::PartRequest5(DWORD value1, DWORD value2, DWORD value3)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    // The first part that succeeds answers; else the last part's failure.
    HRESULT result = E_FAIL;
    for (IPVPropPagePart* part : m_parts)
    {
        result = part->PartRequest5(value1, value2, value3);
        if (SUCCEEDED(result))
            return result;
    }
    return result;
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::PartRequest6()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    // Every part is called; the last success answers, else E_FAIL.
    HRESULT result = E_FAIL;
    for (IPVPropPagePart* part : m_parts)
    {
        HRESULT hr = part->PartRequest6();
        if (SUCCEEDED(hr))
            result = hr;
    }
    return result;
}

// --- IPVPropPageEnum ---------------------------------------------------------

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::SiteRequest0(DWORD value1, DWORD value2)
{
    return m_pSite != nullptr ? m_pSite->SiteRequest0(value1, value2) : E_FAIL;
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::OnPartCommand(DWORD value1, DWORD value2, DWORD flags)
{
    if (LOWORD(flags) != 0 && m_pSite != nullptr)
        m_pSite->SiteNotifyChanged();
    return CallAllLastNegative([value1, value2](IPVPropPagePart* part) {
        return part->OnPartCommand(value1, value2);
    });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::SetInitialFocus(CWnd* control)
{
    m_hInitialFocus = control != nullptr ? control->GetSafeHwnd() : nullptr;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::ActivateAndFocus(CWnd* control)
{
    if (control == nullptr)
        return E_INVALIDARG;
    if (m_pSite == nullptr)
        return E_FAIL;
    HRESULT hr = m_pSite->SiteActivatePage(static_cast<IPVPropPage*>(this));
    if (FAILED(hr))
        return hr;
    control->SetFocus();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::SiteRequest1(DWORD value1, DWORD value2)
{
    return m_pSite != nullptr ? m_pSite->SiteRequest1(value1, value2) : E_FAIL;
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::SiteRequest2(DWORD value1, DWORD value2)
{
    return m_pSite != nullptr ? m_pSite->SiteRequest2(value1, value2) : E_FAIL;
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::SiteRequest3(DWORD value1, DWORD value2)
{
    return m_pSite != nullptr ? m_pSite->SiteRequest3(value1, value2) : E_FAIL;
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::SiteRequest4(DWORD value1, DWORD value2)
{
    return m_pSite != nullptr ? m_pSite->SiteRequest4(value1, value2) : E_FAIL;
}

// --- IPVEventHandler2 ---------------------------------------------------------

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::OnHostEvent1(DWORD value)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return ForEachEventHandler([value](IPVEventHandler2* handler) { return handler->OnHostEvent1(value); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::OnHostEvent2()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return ForEachEventHandler([](IPVEventHandler2* handler) { return handler->OnHostEvent2(); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::OnHostEvent3()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return ForEachEventHandler([](IPVEventHandler2* handler) { return handler->OnHostEvent3(); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::OnHostEvent4()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return ForEachEventHandler([](IPVEventHandler2* handler) { return handler->OnHostEvent4(); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::OnHostEvent5()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return ForEachEventHandler([](IPVEventHandler2* handler) { return handler->OnHostEvent5(); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::OnHostEvent6()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return ForEachEventHandler([](IPVEventHandler2* handler) { return handler->OnHostEvent6(); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::OnHostEvent7()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return ForEachEventHandler([](IPVEventHandler2* handler) { return handler->OnHostEvent7(); });
}

HRESULT STDMETHODCALLTYPE CPVPropPageEnum::OnHostEvent8()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return S_OK;
}

// --- page life -----------------------------------------------------------------

HRESULT CPVPropPageEnum::OnPageActivate()
{
    return CallAllLastNegative([](IPVPropPagePart* part) { return part->OnPageActivate(); });
}

HRESULT CPVPropPageEnum::OnPageDeactivate()
{
    return CallUntilStopCode([](IPVPropPagePart* part) { return part->OnPageDeactivate(); });
}

BOOL CPVPropPageEnum::OnInitDialog()
{
    BOOL result = CPVPropPage::OnInitDialog();
    for (IPVPropPagePart* part : m_parts)
        part->OnInitDialog();
    return result;
}

void CPVPropPageEnum::DoDataExchange(CDataExchange* pDX)
{
    CPVPropPage::DoDataExchange(pDX);
}
