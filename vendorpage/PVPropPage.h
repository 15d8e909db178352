#pragma once
// The base of every plug-in page: a property page that is also a COM object
// serving the host's IPVPropPage. It keeps the page's one reference count,
// the host's site, the control that gets the focus on each activation, and
// switches the language the page's template is loaded in.
#include "framework/PropertyPage.h"
#include "vendorpage/PVPropPageInterfaces.h"

// Posted to the page after activation: wParam is the window to focus.
const UINT WM_PVPAGE_SETFOCUS = WM_APP;

class CPVPropPage : public CPropertyPage, public IPVPropPage
{
    DECLARE_DYNAMIC(CPVPropPage)
public:
    explicit CPVPropPage(UINT nIDTemplate);
    ~CPVPropPage() override = 0;

    // IUnknown: one count for the whole object; the page deletes itself
    // when it returns to 0 and holds a module lock while it is above.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IPVPropPage
    HRESULT STDMETHODCALLTYPE GetPropertyPage(CPropertyPage** page) override;
    HRESULT STDMETHODCALLTYPE SetSite(IPVPropPageSite* site) override;
    HRESULT STDMETHODCALLTYPE SetLanguage(DWORD language) override;

    // Asked on each activation and deactivation; a negative result refuses
    // the change of page.
    virtual HRESULT OnPageActivate() = 0;
    virtual HRESULT OnPageDeactivate() = 0;
    // WM_PVPAGE_SETFOCUS: focuses the window in wParam if it still exists.
    virtual LRESULT OnSetInitialFocus(WPARAM wParam, LPARAM lParam);

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    IPVPropPageSite* GetSite() const { return m_pSite; }

    LONG m_cRef = 0;
    // Kept as a handle: the control's object may be a temporary wrapper.
    HWND m_hInitialFocus = nullptr;
    // The host's site; no reference is taken on it.
    IPVPropPageSite* m_pSite = nullptr;

    DECLARE_MESSAGE_MAP()
};
