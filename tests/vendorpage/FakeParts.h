#pragma once
// Scripted stand-ins for the host's side of a composite page: child parts
// that answer with a fixed result and log what was called, and a page site
// that records its calls.
#include "vendorpage/PVPropPageEnum.h"
#include "resources/sarnelle/ids_vendorpage.h"
#include <map>
#include <string>
#include <vector>

struct CallLog
{
    std::vector<std::string> calls;
    void Add(const std::string& call) { calls.push_back(call); }
};

class FakePart : public IPVPropPagePart, public IPVEventHandler2
{
public:
    FakePart(const std::string& name, HRESULT result, CallLog& log, bool handlesEvents = true)
        : m_name(name), m_result(result), m_log(log), m_handlesEvents(handlesEvents) {}
    virtual ~FakePart() = default;

    LONG refs() const { return m_cRef; }
    // Answers one operation (by name, e.g. "OnPageDeactivate") differently.
    void SetResult(const std::string& operation, HRESULT result) { m_byOperation[operation] = result; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IPVEventHandler2 && m_handlesEvents)
        {
            *ppv = static_cast<IPVEventHandler2*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++m_cRef); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--m_cRef); }

    HRESULT STDMETHODCALLTYPE PartRequest0() override { return Log("PartRequest0"); }
    HRESULT STDMETHODCALLTYPE PartRequest1(DWORD v) override { return Log("PartRequest1(" + std::to_string(v) + ")"); }
    HRESULT STDMETHODCALLTYPE OnInitDialog() override { return Log("OnInitDialog"); }
    HRESULT STDMETHODCALLTYPE OnPageActivate() override { return Log("OnPageActivate"); }
    HRESULT STDMETHODCALLTYPE OnPageDeactivate() override { return Log("OnPageDeactivate"); }
    HRESULT STDMETHODCALLTYPE PartRequest2() override { return Log("PartRequest2"); }
    HRESULT STDMETHODCALLTYPE PartRequest3() override { return Log("PartRequest3"); }
    HRESULT STDMETHODCALLTYPE PartRequest4() override { return Log("PartRequest4"); }
    HRESULT STDMETHODCALLTYPE OnPartCommand(DWORD a, DWORD b) override
    {
        return Log("OnPartCommand(" + std::to_string(a) + "," + std::to_string(b) + ")");
    }
    HRESULT STDMETHODCALLTYPE PartRequest5(DWORD a, DWORD b, DWORD c) override
    {
        return Log("PartRequest5(" + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + ")");
    }
    HRESULT STDMETHODCALLTYPE PartRequest6() override { return Log("PartRequest6"); }

    HRESULT STDMETHODCALLTYPE OnHostEvent1(DWORD v) override { return Log("OnHostEvent1(" + std::to_string(v) + ")"); }
    HRESULT STDMETHODCALLTYPE OnHostEvent2() override { return Log("OnHostEvent2"); }
    HRESULT STDMETHODCALLTYPE OnHostEvent3() override { return Log("OnHostEvent3"); }
    HRESULT STDMETHODCALLTYPE OnHostEvent4() override { return Log("OnHostEvent4"); }
    HRESULT STDMETHODCALLTYPE OnHostEvent5() override { return Log("OnHostEvent5"); }
    HRESULT STDMETHODCALLTYPE OnHostEvent6() override { return Log("OnHostEvent6"); }
    HRESULT STDMETHODCALLTYPE OnHostEvent7() override { return Log("OnHostEvent7"); }
    HRESULT STDMETHODCALLTYPE OnHostEvent8() override { return Log("OnHostEvent8"); }

private:
    HRESULT Log(const std::string& call)
    {
        m_log.Add(m_name + "." + call);
        auto it = m_byOperation.find(call.substr(0, call.find('(')));
        return it != m_byOperation.end() ? it->second : m_result;
    }

    std::string m_name;
    HRESULT m_result;
    CallLog& m_log;
    bool m_handlesEvents;
    std::map<std::string, HRESULT> m_byOperation;
    LONG m_cRef = 1;
};

class FakeSite : public IPVPropPageSite
{
public:
    explicit FakeSite(CallLog& log, HRESULT result = S_OK) : m_log(log), m_result(result) {}
    virtual ~FakeSite() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override
    {
        m_log.Add("site.QueryInterface");
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { m_log.Add("site.AddRef"); return 2; }
    ULONG STDMETHODCALLTYPE Release() override { m_log.Add("site.Release"); return 1; }

    HRESULT STDMETHODCALLTYPE SiteRequest0(DWORD a, DWORD b) override { return Log("SiteRequest0", a, b); }
    HRESULT STDMETHODCALLTYPE SiteNotifyChanged() override { m_log.Add("site.SiteNotifyChanged"); return m_result; }
    HRESULT STDMETHODCALLTYPE SiteActivatePage(IPVPropPage* page) override
    {
        m_activated = page;
        m_log.Add("site.SiteActivatePage");
        return m_result;
    }
    HRESULT STDMETHODCALLTYPE SiteRequest1(DWORD a, DWORD b) override { return Log("SiteRequest1", a, b); }
    HRESULT STDMETHODCALLTYPE SiteRequest2(DWORD a, DWORD b) override { return Log("SiteRequest2", a, b); }
    HRESULT STDMETHODCALLTYPE SiteRequest3(DWORD a, DWORD b) override { return Log("SiteRequest3", a, b); }
    HRESULT STDMETHODCALLTYPE SiteRequest4(DWORD a, DWORD b) override { return Log("SiteRequest4", a, b); }

    IPVPropPage* m_activated = nullptr;

private:
    HRESULT Log(const char* name, DWORD a, DWORD b)
    {
        m_log.Add(std::string("site.") + name + "(" + std::to_string(a) + "," + std::to_string(b) + ")");
        return m_result;
    }

    CallLog& m_log;
    HRESULT m_result;
};

// A composite page whose parts the test supplies.
class TestPageEnum : public CPVPropPageEnum
{
public:
    explicit TestPageEnum(UINT nIDTemplate = IDD_PVPAGE_VENDOR) : CPVPropPageEnum(nIDTemplate) {}
    ~TestPageEnum() override = default;
    void AddPart(IPVPropPagePart* part) { m_parts.push_back(part); }
    IPVPropPageSite* Site() const { return GetSite(); }
};
