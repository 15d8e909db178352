#pragma once
// The host program's page interfaces, as the plug-in implements and calls
// them. One header for both sides: a host includes it to talk to a page.
//
// Every operation returns an HRESULT and uses the COM calling convention.
// The host defines what its requests mean; the plug-in fixes only the slot
// order and the arguments given here. The argument lists of the site's
// pass-through requests (site slots 3 and 6-9, reached through
// IPVPropPageEnum::SiteRequest0..4) and of part slot 3 are not defined by
// the host documentation we have, so they are fixed here as two 32-bit
// values each (none for part slot 3); a page passes them on unchanged.
#include <windows.h>
#include <unknwn.h>

class CPropertyPage;
class CWnd;

struct IPVPropPage;

// {AD459D3A-3508-4D81-A706-825871EB2C6B}
inline const IID IID_IPVPropPage =
    { 0xAD459D3A, 0x3508, 0x4D81, { 0xA7, 0x06, 0x82, 0x58, 0x71, 0xEB, 0x2C, 0x6B } };
// {E70F69B4-7994-45B5-B04F-416535D7FA5C}
inline const IID IID_IPVPropPageEnum =
    { 0xE70F69B4, 0x7994, 0x45B5, { 0xB0, 0x4F, 0x41, 0x65, 0x35, 0xD7, 0xFA, 0x5C } };
// {B648ADBF-948B-447D-9279-BE5AEBABD628}
inline const IID IID_IPVEventHandler2 =
    { 0xB648ADBF, 0x948B, 0x447D, { 0x92, 0x79, 0xBE, 0x5A, 0xEB, 0xAB, 0xD6, 0x28 } };

// The host's page site, handed to a page with IPVPropPage::SetSite.
struct IPVPropPageSite : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE SiteRequest0(DWORD value1, DWORD value2) = 0;   // slot 3
    virtual HRESULT STDMETHODCALLTYPE SiteNotifyChanged() = 0;                        // slot 4
    virtual HRESULT STDMETHODCALLTYPE SiteActivatePage(IPVPropPage* page) = 0;        // slot 5
    virtual HRESULT STDMETHODCALLTYPE SiteRequest1(DWORD value1, DWORD value2) = 0;   // slot 6
    virtual HRESULT STDMETHODCALLTYPE SiteRequest2(DWORD value1, DWORD value2) = 0;   // slot 7
    virtual HRESULT STDMETHODCALLTYPE SiteRequest3(DWORD value1, DWORD value2) = 0;   // slot 8
    virtual HRESULT STDMETHODCALLTYPE SiteRequest4(DWORD value1, DWORD value2) = 0;   // slot 9
};

// A child part of a composite page.
struct IPVPropPagePart : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE PartRequest0() = 0;                             // slot 3, not called by pages
    virtual HRESULT STDMETHODCALLTYPE PartRequest1(DWORD value) = 0;                  // slot 4
    virtual HRESULT STDMETHODCALLTYPE OnInitDialog() = 0;                             // slot 5
    virtual HRESULT STDMETHODCALLTYPE OnPageActivate() = 0;                           // slot 6
    virtual HRESULT STDMETHODCALLTYPE OnPageDeactivate() = 0;                         // slot 7
    virtual HRESULT STDMETHODCALLTYPE PartRequest2() = 0;                             // slot 8
    virtual HRESULT STDMETHODCALLTYPE PartRequest3() = 0;                             // slot 9
    virtual HRESULT STDMETHODCALLTYPE PartRequest4() = 0;                             // slot 10
    virtual HRESULT STDMETHODCALLTYPE OnPartCommand(DWORD value1, DWORD value2) = 0;  // slot 11
    virtual HRESULT STDMETHODCALLTYPE PartRequest5(DWORD value1, DWORD value2, DWORD value3) = 0; // slot 12
    virtual HRESULT STDMETHODCALLTYPE PartRequest6() = 0;                             // slot 13
};

// Every plug-in page.
struct IPVPropPage : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE GetPropertyPage(CPropertyPage** page) = 0;      // slot 3
    virtual HRESULT STDMETHODCALLTYPE SetSite(IPVPropPageSite* site) = 0;             // slot 4
    virtual HRESULT STDMETHODCALLTYPE PartRequest1(DWORD value) = 0;                  // slot 5
    virtual HRESULT STDMETHODCALLTYPE PartRequest2() = 0;                             // slot 6
    virtual HRESULT STDMETHODCALLTYPE PartRequest3() = 0;                             // slot 7
    virtual HRESULT STDMETHODCALLTYPE PartRequest4() = 0;                             // slot 8
    virtual HRESULT STDMETHODCALLTYPE PartRequest5(DWORD value1, DWORD value2, DWORD value3) = 0; // slot 9
    virtual HRESULT STDMETHODCALLTYPE PartRequest6() = 0;                             // slot 10
    virtual HRESULT STDMETHODCALLTYPE SetLanguage(DWORD language) = 0;                // slot 11
};

// Pages made of child parts.
struct IPVPropPageEnum : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE SiteRequest0(DWORD value1, DWORD value2) = 0;   // slot 3
    virtual HRESULT STDMETHODCALLTYPE OnPartCommand(DWORD value1, DWORD value2, DWORD flags) = 0; // slot 4
    virtual HRESULT STDMETHODCALLTYPE SetInitialFocus(CWnd* control) = 0;             // slot 5
    virtual HRESULT STDMETHODCALLTYPE ActivateAndFocus(CWnd* control) = 0;            // slot 6
    virtual HRESULT STDMETHODCALLTYPE GetPropertyPage(CPropertyPage** page) = 0;      // slot 7
    virtual HRESULT STDMETHODCALLTYPE SiteRequest1(DWORD value1, DWORD value2) = 0;   // slot 8
    virtual HRESULT STDMETHODCALLTYPE SiteRequest2(DWORD value1, DWORD value2) = 0;   // slot 9
    virtual HRESULT STDMETHODCALLTYPE SiteRequest3(DWORD value1, DWORD value2) = 0;   // slot 10
    virtual HRESULT STDMETHODCALLTYPE SiteRequest4(DWORD value1, DWORD value2) = 0;   // slot 11
};

// Host events, passed on to the parts that answer this interface too.
struct IPVEventHandler2 : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE OnHostEvent1(DWORD value) = 0;                  // slot 3
    virtual HRESULT STDMETHODCALLTYPE OnHostEvent2() = 0;                             // slot 4
    virtual HRESULT STDMETHODCALLTYPE OnHostEvent3() = 0;                             // slot 5
    virtual HRESULT STDMETHODCALLTYPE OnHostEvent4() = 0;                             // slot 6
    virtual HRESULT STDMETHODCALLTYPE OnHostEvent5() = 0;                             // slot 7
    virtual HRESULT STDMETHODCALLTYPE OnHostEvent6() = 0;                             // slot 8
    virtual HRESULT STDMETHODCALLTYPE OnHostEvent7() = 0;                             // slot 9
    virtual HRESULT STDMETHODCALLTYPE OnHostEvent8() = 0;                             // slot 10
};
