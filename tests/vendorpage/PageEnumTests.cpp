// How a composite page forwards the host's requests and events to its
// parts and combines their answers, with scripted parts and site; no
// window is needed.
#include "FakeParts.h"
#include "vendorpage/PVModuleLock.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace
{
const HRESULT kStopLow = static_cast<HRESULT>(0x80040200);
const HRESULT kStopHigh = static_cast<HRESULT>(0x8004021F);
const HRESULT kBelowStop = static_cast<HRESULT>(0x800401FF);
const HRESULT kAboveStop = static_cast<HRESULT>(0x80040220);

using PageCall = std::function<HRESULT(TestPageEnum&)>;

struct CombineCase
{
    const char* name;
    PageCall call;
    std::vector<HRESULT> partResults;
    HRESULT expected;
    std::vector<std::string> expectedCalls;
    std::vector<bool> handlesEvents = {};   // empty: every part answers IPVEventHandler2
};

// Owns a page with one reference (as a host holds it) and its parts.
class PageWithParts
{
public:
    explicit PageWithParts(const std::vector<HRESULT>& results, const std::vector<bool>& handlesEvents = {})
        : m_page(new TestPageEnum)
    {
        static_cast<IPVPropPage*>(m_page)->AddRef();
        for (size_t i = 0; i < results.size(); ++i)
        {
            bool handles = handlesEvents.empty() || handlesEvents[i];
            m_parts.emplace_back(new FakePart("p" + std::to_string(i + 1), results[i], log, handles));
            m_page->AddPart(m_parts.back().get());
        }
    }
    ~PageWithParts() { static_cast<IPVPropPage*>(m_page)->Release(); }
    TestPageEnum& page() { return *m_page; }

    CallLog log;
    std::vector<std::unique_ptr<FakePart>> m_parts;

private:
    TestPageEnum* m_page;
};

std::string Describe(const std::vector<std::string>& calls)
{
    std::string text;
    for (const std::string& call : calls)
        text += call + " ";
    return text;
}
}

TEST(PageEnum, CombinesThePartsAnswersByTheRuleOfEachRequest)
{
    const CombineCase cases[] = {
        // Last negative result, else S_OK; every part is called.
        { "PartRequest1 none", [](TestPageEnum& p) { return p.PartRequest1(7); }, {}, S_OK, {} },
        { "PartRequest1 last negative", [](TestPageEnum& p) { return p.PartRequest1(7); },
          { E_FAIL, S_OK, E_ABORT, 1 }, E_ABORT,
          { "p1.PartRequest1(7)", "p2.PartRequest1(7)", "p3.PartRequest1(7)", "p4.PartRequest1(7)" } },
        { "PartRequest3 last negative", [](TestPageEnum& p) { return p.PartRequest3(); },
          { E_ABORT, E_FAIL, S_OK }, E_FAIL, { "p1.PartRequest3", "p2.PartRequest3", "p3.PartRequest3" } },
        { "PartRequest4 successes", [](TestPageEnum& p) { return p.PartRequest4(); },
          { 1, S_OK }, S_OK, { "p1.PartRequest4", "p2.PartRequest4" } },
        { "OnPageActivate stop code does not stop", [](TestPageEnum& p) { return p.OnPageActivate(); },
          { kStopLow, S_OK }, kStopLow, { "p1.OnPageActivate", "p2.OnPageActivate" } },
        { "OnPageActivate none", [](TestPageEnum& p) { return p.OnPageActivate(); }, {}, S_OK, {} },

        // A stop code ends the walk; other failures are remembered.
        { "PartRequest2 none", [](TestPageEnum& p) { return p.PartRequest2(); }, {}, S_OK, {} },
        { "PartRequest2 low stop code", [](TestPageEnum& p) { return p.PartRequest2(); },
          { kStopLow, S_OK }, kStopLow, { "p1.PartRequest2" } },
        { "PartRequest2 high stop code after failure", [](TestPageEnum& p) { return p.PartRequest2(); },
          { E_FAIL, kStopHigh, S_OK }, kStopHigh, { "p1.PartRequest2", "p2.PartRequest2" } },
        { "PartRequest2 codes beside the stop range", [](TestPageEnum& p) { return p.PartRequest2(); },
          { kAboveStop, kBelowStop, S_OK }, kBelowStop,
          { "p1.PartRequest2", "p2.PartRequest2", "p3.PartRequest2" } },
        { "PartRequest2 failure then success", [](TestPageEnum& p) { return p.PartRequest2(); },
          { E_FAIL, S_OK }, E_FAIL, { "p1.PartRequest2", "p2.PartRequest2" } },
        { "OnPageDeactivate stop code", [](TestPageEnum& p) { return p.OnPageDeactivate(); },
          { E_FAIL, static_cast<HRESULT>(0x80040205), S_OK }, static_cast<HRESULT>(0x80040205),
          { "p1.OnPageDeactivate", "p2.OnPageDeactivate" } },
        { "OnPageDeactivate none", [](TestPageEnum& p) { return p.OnPageDeactivate(); }, {}, S_OK, {} },

        // The first success answers; else the last part's failure.
        { "PartRequest5 none", [](TestPageEnum& p) { return p.PartRequest5(1, 2, 3); }, {}, E_FAIL, {} },
        { "PartRequest5 first success", [](TestPageEnum& p) { return p.PartRequest5(1, 2, 3); },
          { E_FAIL, 1, E_FAIL }, 1, { "p1.PartRequest5(1,2,3)", "p2.PartRequest5(1,2,3)" } },
        { "PartRequest5 all fail", [](TestPageEnum& p) { return p.PartRequest5(1, 2, 3); },
          { E_FAIL, E_ABORT }, E_ABORT, { "p1.PartRequest5(1,2,3)", "p2.PartRequest5(1,2,3)" } },

        // The last success answers; else E_FAIL; every part is called.
        { "PartRequest6 none", [](TestPageEnum& p) { return p.PartRequest6(); }, {}, E_FAIL, {} },
        { "PartRequest6 last success", [](TestPageEnum& p) { return p.PartRequest6(); },
          { E_FAIL, 1, E_FAIL }, 1, { "p1.PartRequest6", "p2.PartRequest6", "p3.PartRequest6" } },
        { "PartRequest6 later success wins", [](TestPageEnum& p) { return p.PartRequest6(); },
          { S_OK, 2 }, 2, { "p1.PartRequest6", "p2.PartRequest6" } },
        { "PartRequest6 all fail", [](TestPageEnum& p) { return p.PartRequest6(); },
          { E_FAIL, E_ABORT }, E_FAIL, { "p1.PartRequest6", "p2.PartRequest6" } },

        // Part commands: the two values, last negative.
        { "OnPartCommand", [](TestPageEnum& p) { return p.OnPartCommand(4, 5, 0x10000); },
          { E_FAIL, S_OK }, E_FAIL, { "p1.OnPartCommand(4,5)", "p2.OnPartCommand(4,5)" } },

        // Host events reach the parts that answer IPVEventHandler2.
        { "OnHostEvent1 skips parts without events", [](TestPageEnum& p) { return p.OnHostEvent1(9); },
          { E_FAIL, E_ABORT, S_OK }, E_FAIL, { "p1.OnHostEvent1(9)", "p3.OnHostEvent1(9)" },
          { true, false, true } },
        { "OnHostEvent2", [](TestPageEnum& p) { return p.OnHostEvent2(); }, { S_OK, E_FAIL }, E_FAIL,
          { "p1.OnHostEvent2", "p2.OnHostEvent2" } },
        { "OnHostEvent3", [](TestPageEnum& p) { return p.OnHostEvent3(); }, { 1 }, S_OK, { "p1.OnHostEvent3" } },
        { "OnHostEvent4", [](TestPageEnum& p) { return p.OnHostEvent4(); }, { E_FAIL }, E_FAIL, { "p1.OnHostEvent4" } },
        { "OnHostEvent5", [](TestPageEnum& p) { return p.OnHostEvent5(); }, { E_FAIL }, E_FAIL, { "p1.OnHostEvent5" } },
        { "OnHostEvent6", [](TestPageEnum& p) { return p.OnHostEvent6(); }, { E_FAIL }, E_FAIL, { "p1.OnHostEvent6" } },
        { "OnHostEvent7", [](TestPageEnum& p) { return p.OnHostEvent7(); }, { E_FAIL }, E_FAIL, { "p1.OnHostEvent7" } },
        { "OnHostEvent7 none", [](TestPageEnum& p) { return p.OnHostEvent7(); }, {}, S_OK, {} },
        { "OnHostEvent8 forwards nothing", [](TestPageEnum& p) { return p.OnHostEvent8(); }, { E_FAIL }, S_OK, {} },
    };
    for (const CombineCase& c : cases)
    {
        PageWithParts fixture(c.partResults, c.handlesEvents);
        EXPECT_EQ(c.expected, c.call(fixture.page())) << c.name;
        EXPECT_EQ(c.expectedCalls, fixture.log.calls) << c.name << ": " << Describe(fixture.log.calls);
        // Event interfaces obtained from the parts are given back.
        for (const auto& part : fixture.m_parts)
            EXPECT_EQ(1, part->refs()) << c.name;
    }
}

TEST(PageEnum, StopCodeRangeIsInclusive)
{
    struct Case { HRESULT hr; BOOL stop; };
    const Case cases[] = { { kBelowStop, FALSE }, { kStopLow, TRUE }, { static_cast<HRESULT>(0x80040210), TRUE },
                           { kStopHigh, TRUE }, { kAboveStop, FALSE }, { S_OK, FALSE },
                           { static_cast<HRESULT>(0x00040200), FALSE } };
    for (const Case& c : cases)
        EXPECT_EQ(c.stop, CPVPropPageEnum::IsStopCode(c.hr)) << std::hex << c.hr;
}

TEST(PageEnum, PartCommandFlagsNotifyTheSite)
{
    struct Case { DWORD flags; int parts; std::vector<std::string> calls; };
    const std::vector<Case> cases = {
        { 0x10000, 0, {} },
        { 1, 0, { "site.SiteNotifyChanged" } },
        { 0xFFFF, 1, { "site.SiteNotifyChanged", "p1.OnPartCommand(2,3)" } },
        { 0, 1, { "p1.OnPartCommand(2,3)" } },
    };
    for (const Case& c : cases)
    {
        PageWithParts fixture(std::vector<HRESULT>(c.parts, S_OK));
        FakeSite site(fixture.log, E_FAIL);   // its result is ignored
        ASSERT_EQ(S_OK, fixture.page().SetSite(&site));
        EXPECT_EQ(S_OK, fixture.page().OnPartCommand(2, 3, c.flags)) << c.flags;
        EXPECT_EQ(c.calls, fixture.log.calls) << c.flags << ": " << Describe(fixture.log.calls);
    }
}

TEST(PageEnum, SiteRequestsPassThroughUnchanged)
{
    PageWithParts fixture({});
    TestPageEnum& page = fixture.page();
    // No site yet: nothing to call.
    EXPECT_EQ(E_FAIL, page.SiteRequest0(1, 2));
    EXPECT_EQ(E_FAIL, page.SiteRequest4(1, 2));
    EXPECT_EQ(S_OK, page.OnPartCommand(1, 2, 1));

    const HRESULT siteResult = static_cast<HRESULT>(0x80040777);
    FakeSite site(fixture.log, siteResult);
    EXPECT_EQ(E_FAIL, page.SetSite(nullptr));
    EXPECT_EQ(nullptr, page.Site());
    ASSERT_EQ(S_OK, page.SetSite(&site));
    EXPECT_EQ(E_FAIL, page.SetSite(nullptr));
    EXPECT_EQ(&site, page.Site());   // a NULL site keeps the earlier one

    EXPECT_EQ(siteResult, page.SiteRequest0(10, 11));
    EXPECT_EQ(siteResult, page.SiteRequest1(12, 13));
    EXPECT_EQ(siteResult, page.SiteRequest2(14, 15));
    EXPECT_EQ(siteResult, page.SiteRequest3(16, 17));
    EXPECT_EQ(siteResult, page.SiteRequest4(18, 19));
    const std::vector<std::string> expected = { "site.SiteRequest0(10,11)", "site.SiteRequest1(12,13)",
                                                "site.SiteRequest2(14,15)", "site.SiteRequest3(16,17)",
                                                "site.SiteRequest4(18,19)" };
    // The page never takes or gives back references on the site.
    EXPECT_EQ(expected, fixture.log.calls) << Describe(fixture.log.calls);
}

TEST(PageEnum, ActivateAndFocusNeedsAWindowAndASite)
{
    PageWithParts fixture({});
    TestPageEnum& page = fixture.page();
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0), L"focus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                nullptr, nullptr));
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr));
    other.SetFocus();

    EXPECT_EQ(E_FAIL, page.ActivateAndFocus(&window));   // no site
    FakeSite refusing(fixture.log, E_ACCESSDENIED);
    ASSERT_EQ(S_OK, page.SetSite(&refusing));
    EXPECT_EQ(E_INVALIDARG, page.ActivateAndFocus(nullptr));
    EXPECT_TRUE(fixture.log.calls.empty());
    EXPECT_EQ(E_ACCESSDENIED, page.ActivateAndFocus(&window));
    EXPECT_EQ(other.GetSafeHwnd(), ::GetFocus());

    FakeSite site(fixture.log, 1);
    ASSERT_EQ(S_OK, page.SetSite(&site));
    EXPECT_EQ(S_OK, page.ActivateAndFocus(&window));
    EXPECT_EQ(static_cast<IPVPropPage*>(&page), site.m_activated);
    EXPECT_EQ(window.GetSafeHwnd(), ::GetFocus());
}

TEST(PageEnum, OneCountForAllInterfacesAndTheModuleLock)
{
    EXPECT_EQ(S_OK, CanUnloadModule());
    TestPageEnum* page = new TestPageEnum;
    IPVPropPage* asPage = page;
    EXPECT_EQ(1u, asPage->AddRef());
    EXPECT_EQ(S_FALSE, CanUnloadModule());

    IPVPropPageEnum* asEnum = nullptr;
    ASSERT_EQ(S_OK, asPage->QueryInterface(IID_IPVPropPageEnum, reinterpret_cast<void**>(&asEnum)));
    EXPECT_EQ(static_cast<IPVPropPageEnum*>(page), asEnum);
    IPVEventHandler2* asEvents = nullptr;
    ASSERT_EQ(S_OK, asEnum->QueryInterface(IID_IPVEventHandler2, reinterpret_cast<void**>(&asEvents)));
    IUnknown* unknown = nullptr;
    ASSERT_EQ(S_OK, asEvents->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    EXPECT_EQ(static_cast<IUnknown*>(asPage), unknown);
    EXPECT_EQ(5u, asEvents->AddRef());

    CPropertyPage* sheetPage = nullptr;
    EXPECT_EQ(S_OK, asEnum->GetPropertyPage(&sheetPage));
    EXPECT_EQ(static_cast<CPropertyPage*>(page), sheetPage);
    EXPECT_EQ(PROPSHEETPAGEW_V2_SIZE, sheetPage->GetPSP().dwSize);
    EXPECT_EQ(reinterpret_cast<LPARAM>(sheetPage), sheetPage->GetPSP().lParam);

    // No application object in this program: no language to switch to.
    EXPECT_EQ(E_UNEXPECTED, asPage->SetLanguage(1033));

    EXPECT_EQ(4u, asEvents->Release());
    EXPECT_EQ(3u, asEvents->Release());
    EXPECT_EQ(2u, unknown->Release());
    EXPECT_EQ(1u, asEnum->Release());
    EXPECT_EQ(S_FALSE, CanUnloadModule());
    EXPECT_EQ(0u, asPage->Release());
    EXPECT_EQ(S_OK, CanUnloadModule());
}
