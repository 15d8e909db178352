#pragma once
// A page made of child parts: the host's requests and events are passed to
// every part in list order and the parts' answers are combined by fixed
// rules. The list holds plain pointers (no references are taken).
#include "vendorpage/PVPropPage.h"
#include <list>

class CPVPropPageEnum : public CPVPropPage, public IPVPropPageEnum, public IPVEventHandler2
{
    DECLARE_DYNAMIC(CPVPropPageEnum)
public:
    explicit CPVPropPageEnum(UINT nIDTemplate);
    ~CPVPropPageEnum() override = 0;

    // IUnknown, shared by all three interfaces.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IPVPropPage (slot 3 also serves IPVPropPageEnum slot 7)
    HRESULT STDMETHODCALLTYPE GetPropertyPage(CPropertyPage** page) override;
    HRESULT STDMETHODCALLTYPE PartRequest1(DWORD value) override;
    HRESULT STDMETHODCALLTYPE PartRequest2() override;
    HRESULT STDMETHODCALLTYPE PartRequest3() override;
    HRESULT STDMETHODCALLTYPE PartRequest4() override;
    HRESULT STDMETHODCALLTYPE PartRequest5(DWORD value1, DWORD value2, DWORD value3) override;
    HRESULT STDMETHODCALLTYPE PartRequest6() override;

    // IPVPropPageEnum
    HRESULT STDMETHODCALLTYPE SiteRequest0(DWORD value1, DWORD value2) override;
    HRESULT STDMETHODCALLTYPE OnPartCommand(DWORD value1, DWORD value2, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE SetInitialFocus(CWnd* control) override;
    HRESULT STDMETHODCALLTYPE ActivateAndFocus(CWnd* control) override;
    HRESULT STDMETHODCALLTYPE SiteRequest1(DWORD value1, DWORD value2) override;
    HRESULT STDMETHODCALLTYPE SiteRequest2(DWORD value1, DWORD value2) override;
    HRESULT STDMETHODCALLTYPE SiteRequest3(DWORD value1, DWORD value2) override;
    HRESULT STDMETHODCALLTYPE SiteRequest4(DWORD value1, DWORD value2) override;

    // IPVEventHandler2
    HRESULT STDMETHODCALLTYPE OnHostEvent1(DWORD value) override;
    HRESULT STDMETHODCALLTYPE OnHostEvent2() override;
    HRESULT STDMETHODCALLTYPE OnHostEvent3() override;
    HRESULT STDMETHODCALLTYPE OnHostEvent4() override;
    HRESULT STDMETHODCALLTYPE OnHostEvent5() override;
    HRESULT STDMETHODCALLTYPE OnHostEvent6() override;
    HRESULT STDMETHODCALLTYPE OnHostEvent7() override;
    HRESULT STDMETHODCALLTYPE OnHostEvent8() override;

    HRESULT OnPageActivate() override;
    HRESULT OnPageDeactivate() override;
    BOOL OnInitDialog() override;

    // The interface-specific codes 0x80040200..0x8004021F end a walk at once.
    static BOOL IsStopCode(HRESULT hr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    std::list<IPVPropPagePart*> m_parts;

    DECLARE_MESSAGE_MAP()

private:
    template <class Call> HRESULT CallAllLastNegative(Call call);
    template <class Call> HRESULT CallUntilStopCode(Call call);
    template <class Call> HRESULT ForEachEventHandler(Call call);
};
