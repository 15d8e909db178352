// The window layer: dispatch through the message maps, reflection to the
// control objects, subclassing and the handle map, driven with real
// windows (headless under Wine's null driver).
#include "framework/ListBox.h"
#include "framework/Wnd.h"
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const UINT kMsgBoth = WM_APP + 1;     // mapped by base and derived
const UINT kMsgBaseOnly = WM_APP + 2; // mapped by the base only
const UINT kMsgThrows = WM_APP + 3;

std::vector<std::wstring> g_log;

class CBaseWnd : public CWnd
{
public:
    int createCalls = 0;
    BOOL failCreate = FALSE;

protected:
    LRESULT OnBoth(WPARAM, LPARAM) { g_log.push_back(L"base both"); return 11; }
    LRESULT OnBaseOnly(WPARAM w, LPARAM) { g_log.push_back(L"base only"); return 100 + static_cast<LRESULT>(w); }
    LRESULT OnThrows(WPARAM, LPARAM) { throw std::runtime_error("handler failure"); }
    int OnCreate(LPCREATESTRUCTW cs)
    {
        ++createCalls;
        if (failCreate)
            return -1;
        return CWnd::OnCreate(cs);
    }
    void OnLButtonDown(UINT, CPoint point)
    {
        g_log.push_back(L"base lbutton " + std::to_wstring(point.x) + L"," + std::to_wstring(point.y));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(kMsgBoth, &CBaseWnd::OnBoth)
    ON_MESSAGE(kMsgBaseOnly, &CBaseWnd::OnBaseOnly)
    ON_MESSAGE(kMsgThrows, &CBaseWnd::OnThrows)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
protected:
    LRESULT OnBothDerived(WPARAM, LPARAM) { g_log.push_back(L"derived both"); return 22; }
    void OnLButtonDown(UINT flags, CPoint point)
    {
        g_log.push_back(L"derived lbutton");
        CBaseWnd::OnLButtonDown(flags, point);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_MESSAGE(kMsgBoth, &CDerivedWnd::OnBothDerived)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

HWND CreateHost()
{
    return ::CreateWindowExW(0, AfxRegisterWndClass(0), L"host", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                             AfxGetInstanceHandle(), nullptr);
}

BOOL CreateHostObject(CWnd& wnd)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr);
}

class WndTest : public ::testing::Test
{
protected:
    void SetUp() override { g_log.clear(); }
};

TEST_F(WndTest, DispatchPicksMostDerivedHandlerThenBaseThenDefault)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(CreateHostObject(wnd));
    EXPECT_EQ(1, wnd.createCalls) << "the creation hook binds the object before WM_CREATE";

    EXPECT_EQ(22, wnd.SendMessage(kMsgBoth));
    EXPECT_EQ(105, wnd.SendMessage(kMsgBaseOnly, 5));
    // Unmapped: the window's own procedure stores the text.
    wnd.SetWindowText(L"by default");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(CString(L"by default"), text);

    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
    std::vector<std::wstring> expected = { L"derived both", L"base only", L"derived lbutton", L"base lbutton 7,9" };
    EXPECT_EQ(expected, g_log);
}

TEST_F(WndTest, ThrowingHandlerDoesNotEscapeTheWindowProcedure)
{
    CBaseWnd wnd;
    ASSERT_TRUE(CreateHostObject(wnd));
    EXPECT_EQ(0, wnd.SendMessage(kMsgThrows));
    EXPECT_EQ(11, wnd.SendMessage(kMsgBoth)) << "the window keeps working";
}

TEST_F(WndTest, FailedCreateLeavesNothingBound)
{
    CBaseWnd wnd;
    wnd.failCreate = TRUE;
    EXPECT_FALSE(CreateHostObject(wnd));
    EXPECT_EQ(1, wnd.createCalls);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
}

// --- subclassing and the handle map --------------------------------------

class CSubclassProbe : public CWnd
{
public:
    HWND seenInPreSubclass = nullptr;
    int postNcDestroyCalls = 0;

protected:
    void PreSubclassWindow() override { seenInPreSubclass = m_hWnd; }
    void PostNcDestroy() override { ++postNcDestroyCalls; }
    LRESULT OnBoth(WPARAM, LPARAM) { return 33; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSubclassProbe, CWnd)
    ON_MESSAGE(kMsgBoth, &CSubclassProbe::OnBoth)
END_MESSAGE_MAP()

TEST_F(WndTest, SubclassRoutesToObjectAndKeepsOriginalProcedure)
{
    HWND host = CreateHost();
    ASSERT_NE(nullptr, host);
    HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, host,
                                  reinterpret_cast<HMENU>(1001), nullptr, nullptr);
    ASSERT_NE(nullptr, edit);
    LONG_PTR original = ::GetWindowLongPtrW(edit, GWLP_WNDPROC);
    CWnd hostWrapper;
    ASSERT_TRUE(hostWrapper.Attach(host));

    CSubclassProbe probe;
    ASSERT_TRUE(probe.SubclassDlgItem(1001, &hostWrapper));
    EXPECT_EQ(edit, probe.seenInPreSubclass);
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(edit));
    EXPECT_EQ(33, ::SendMessageW(edit, kMsgBoth, 0, 0));
    ::SetWindowTextW(edit, L"typed");
    CString text;
    probe.GetWindowText(text);
    EXPECT_EQ(CString(L"typed"), text) << "unmapped messages reach the edit control";

    CSubclassProbe second;
    EXPECT_FALSE(second.SubclassWindow(edit)) << "a window has at most one object";

    EXPECT_EQ(edit, probe.UnsubclassWindow());
    EXPECT_EQ(original, ::GetWindowLongPtrW(edit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(edit));
    EXPECT_EQ(0, ::SendMessageW(edit, kMsgBoth, 0, 0));
    EXPECT_EQ(0, probe.postNcDestroyCalls);

    // Bound again, the window's destruction unbinds the object.
    ASSERT_TRUE(probe.SubclassWindow(edit));
    ::DestroyWindow(edit);
    EXPECT_EQ(nullptr, probe.m_hWnd);
    EXPECT_EQ(1, probe.postNcDestroyCalls);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(edit));
    hostWrapper.DestroyWindow();
}

TEST_F(WndTest, HandleMapWrappersAndOwnership)
{
    HWND foreign = CreateHost();
    ASSERT_NE(nullptr, foreign);
    CWnd* wrapper = CWnd::FromHandle(foreign);
    ASSERT_NE(nullptr, wrapper);
    EXPECT_EQ(foreign, wrapper->m_hWnd);
    EXPECT_EQ(wrapper, CWnd::FromHandle(foreign)) << "one wrapper per handle";
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));

    {
        CWnd owner;
        ASSERT_TRUE(owner.Attach(foreign));
        EXPECT_EQ(&owner, CWnd::FromHandle(foreign)) << "the permanent object wins over the wrapper";
        EXPECT_EQ(foreign, owner.Detach());
        EXPECT_TRUE(::IsWindow(foreign)) << "a detached window survives its object";
    }
    EXPECT_TRUE(::IsWindow(foreign));
    {
        CBaseWnd owner;
        ASSERT_TRUE(owner.SubclassWindow(foreign));
    }
    EXPECT_FALSE(::IsWindow(foreign)) << "a permanent object destroys its window";
}

// --- reflection ------------------------------------------------------------

const int kChildId = 2001;
const UINT kNotifyCode = 0xFFFFF000u; // a made-up notification code

class CReflectingChild : public CWnd
{
public:
    CBrush brush{ RGB(1, 2, 3) };
    int clicked = 0;
    int notified = 0;

protected:
    void OnClickedReflect() { ++clicked; }
    void OnNotifyReflect(NMHDR*, LRESULT* result)
    {
        ++notified;
        *result = 77;
    }
    HBRUSH CtlColor(CDC* dc, UINT nCtlColor)
    {
        EXPECT_EQ(static_cast<UINT>(CTLCOLOR_STATIC), nCtlColor);
        EXPECT_NE(nullptr, dc);
        return brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, &CReflectingChild::OnClickedReflect)
    ON_NOTIFY_REFLECT(kNotifyCode, &CReflectingChild::OnNotifyReflect)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CParentWnd : public CWnd
{
public:
    std::vector<std::wstring> seen;

protected:
    void OnChildCommand() { seen.push_back(L"parent command"); }
    void OnChildNotify2(NMHDR* nmhdr, LRESULT* result)
    {
        seen.push_back(L"parent notify " + std::to_wstring(nmhdr->code));
        *result = 55;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_BN_CLICKED(kChildId, &CParentWnd::OnChildCommand)
    ON_CONTROL(BN_DOUBLECLICKED, kChildId, &CParentWnd::OnChildCommand)
    ON_NOTIFY(2, kChildId, &CParentWnd::OnChildNotify2)
END_MESSAGE_MAP()

class ReflectionTest : public WndTest
{
protected:
    void SetUp() override
    {
        WndTest::SetUp();
        ASSERT_TRUE(CreateHostObject(parent));
        HWND h = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 20, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(kChildId), nullptr, nullptr);
        ASSERT_TRUE(child.SubclassWindow(h));
    }
    LRESULT Notify(UINT code, UINT_PTR idFrom)
    {
        NMHDR nmhdr = { child.m_hWnd, idFrom, code };
        return parent.SendMessage(WM_NOTIFY, idFrom, reinterpret_cast<LPARAM>(&nmhdr));
    }
    CParentWnd parent;
    CReflectingChild child;
};

TEST_F(ReflectionTest, CommandGoesToChildFirstThenToParent)
{
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(kChildId, BN_CLICKED), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(1, child.clicked);
    EXPECT_TRUE(parent.seen.empty()) << "the child handled it";

    parent.SendMessage(WM_COMMAND, MAKEWPARAM(kChildId, BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(std::vector<std::wstring>{ L"parent command" }, parent.seen);
}

TEST_F(ReflectionTest, NotifyGoesToChildFirstThenByControlId)
{
    EXPECT_EQ(77, Notify(kNotifyCode, kChildId));
    EXPECT_EQ(1, child.notified);
    // idFrom deliberately wrong: the parent matches the sender's own control id.
    EXPECT_EQ(55, Notify(2, 0x12345));
    EXPECT_EQ(std::vector<std::wstring>{ L"parent notify 2" }, parent.seen);
    EXPECT_EQ(0, Notify(3, kChildId)) << "unmapped code";
}

TEST_F(ReflectionTest, CtlColorComesFromTheChild)
{
    HDC dc = ::GetDC(parent.m_hWnd);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(child.m_hWnd));
    ::ReleaseDC(parent.m_hWnd, dc);
    EXPECT_EQ(reinterpret_cast<LRESULT>(static_cast<HBRUSH>(child.brush)), brush);
}

class CCountingList : public CListBox
{
public:
    int drawn = 0;
    int measured = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override
    {
        ++measured;
        mis->itemHeight = 21;
    }
};

TEST_F(WndTest, OwnerDrawItemMessagesReachTheListObject)
{
    CWnd parent;
    ASSERT_TRUE(CreateHostObject(parent));
    CCountingList list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOTIFY, CRect(0, 0, 100, 100), &parent, 3001));
    EXPECT_EQ(1, list.measured) << "created by our hook, the list measures through its object";
    EXPECT_EQ(21, list.GetItemHeight(0));

    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = 3001;
    dis.hwndItem = list.m_hWnd;
    EXPECT_EQ(TRUE, parent.SendMessage(WM_DRAWITEM, 3001, reinterpret_cast<LPARAM>(&dis)));
    EXPECT_EQ(1, list.drawn);

    // A list box the parent has no object for yet (a dialog's control before
    // subclassing): the default handling answers.
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_LISTBOX;
    mis.CtlID = 9999;
    mis.itemHeight = 13;
    EXPECT_EQ(0, parent.SendMessage(WM_MEASUREITEM, 9999, reinterpret_cast<LPARAM>(&mis)));
    EXPECT_EQ(13u, mis.itemHeight);
}

// --- PreTranslateMessage walk ------------------------------------------------

class CPreTranslateProbe : public CWnd
{
public:
    const wchar_t* name = L"";
    BOOL eat = FALSE;
    BOOL PreTranslateMessage(MSG*) override
    {
        g_log.push_back(name);
        return eat;
    }
};

TEST_F(WndTest, PreTranslateWalksFromWindowUpToTopLevel)
{
    CPreTranslateProbe owner;
    owner.name = L"owner";
    ASSERT_TRUE(CreateHostObject(owner));
    CPreTranslateProbe top;
    top.name = L"top";
    ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 10, 10, owner.m_hWnd, nullptr));
    CPreTranslateProbe middle;
    middle.name = L"middle";
    ASSERT_TRUE(middle.Create(AfxRegisterWndClass(0), L"", 0, CRect(0, 0, 5, 5), &top, 1));
    CPreTranslateProbe leaf;
    leaf.name = L"leaf";
    ASSERT_TRUE(leaf.Create(L"STATIC", L"", 0, CRect(0, 0, 5, 5), &middle, 2));

    MSG msg = {};
    msg.hwnd = leaf.m_hWnd;
    msg.message = WM_KEYDOWN;
    EXPECT_FALSE(AfxPreTranslateMessage(&msg));
    std::vector<std::wstring> all = { L"leaf", L"middle", L"top" };
    EXPECT_EQ(all, g_log) << "the owner of a top-level window is not asked";

    g_log.clear();
    middle.eat = TRUE;
    EXPECT_TRUE(AfxPreTranslateMessage(&msg));
    std::vector<std::wstring> eaten = { L"leaf", L"middle" };
    EXPECT_EQ(eaten, g_log);
}

} // namespace
