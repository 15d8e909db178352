// The vendor page in a real property sheet that a test host builds from the
// page's PROPSHEETPAGE: focus, help, the hyperlink's looks and clicks, the
// error dialog and switching the language. The shell and WinHelp are
// replaced through the seams.
#include "FakeParts.h"
#include "SheetHost.h"
#include "framework/Seams.h"
#include "support/OrvoWinApp.h"
#include "vendorpage/PVHelpFileName.h"
#include "vendorpage/PVPageVendor.h"
#include "resources/sarnelle/ids_vendorpage.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

namespace
{
class CPageTestApp : public COrvoWinApp
{
public:
    BOOL InitInstance() override { return InitOrvoApp(true); }
};
CPageTestApp theTestApp;

const COLORREF kLink = RGB(0x00, 0x00, 0xEE);
const COLORREF kVisited = RGB(0x55, 0x1A, 0x8B);

std::wstring BinFolder()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\'));
}

// A page object held by one reference, as the host holds it.
template <class T>
struct PageRef
{
    PageRef() : page(new T) { static_cast<IPVPropPage*>(page)->AddRef(); }
    ~PageRef() { static_cast<IPVPropPage*>(page)->Release(); }
    PageRef(const PageRef&) = delete;
    PageRef& operator=(const PageRef&) = delete;
    T* operator->() const { return page; }
    T* page;
};

// --- the seams --------------------------------------------------------------

struct ShellCall { HWND owner; std::wstring verb; std::wstring file; int show; };
std::vector<ShellCall> g_shellCalls;
INT_PTR g_shellResult = 42;
HINSTANCE RecordShell(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t*, const wchar_t*, int show)
{
    g_shellCalls.push_back({ owner, verb ? verb : L"", file ? file : L"", show });
    return reinterpret_cast<HINSTANCE>(g_shellResult);
}

struct HelpCall { HWND owner; std::wstring file; UINT command; ULONG_PTR data; };
std::vector<HelpCall> g_helpCalls;
BOOL RecordHelp(HWND owner, const wchar_t* file, UINT command, ULONG_PTR data)
{
    g_helpCalls.push_back({ owner, file ? file : L"", command, data });
    return TRUE;
}

// What the error dialog showed while it was up; the timer closes it.
struct ErrorDialogSeen
{
    int count = 0;
    std::wstring address;
    bool readOnly = false;
    bool hasIcon = false;
    bool ownerDisabled = false;
    HWND owner = nullptr;
};
ErrorDialogSeen g_dialog;
HWND g_expectedOwner = nullptr;

BOOL CALLBACK FindErrorDialog(HWND hWnd, LPARAM)
{
    wchar_t className[32] = L"";
    GetClassNameW(hWnd, className, 32);
    if (wcscmp(className, L"#32770") != 0 || GetDlgItem(hWnd, IDC_PVHYPERLINK_ADDRESS) == nullptr ||
        !IsWindowVisible(hWnd))
        return TRUE;
    ++g_dialog.count;
    wchar_t text[256] = L"";
    GetDlgItemTextW(hWnd, IDC_PVHYPERLINK_ADDRESS, text, 256);
    g_dialog.address = text;
    g_dialog.readOnly = (GetWindowLongW(GetDlgItem(hWnd, IDC_PVHYPERLINK_ADDRESS), GWL_STYLE) & ES_READONLY) != 0;
    g_dialog.hasIcon = SendDlgItemMessageW(hWnd, IDC_PVHYPERLINK_ICON, STM_GETICON, 0, 0) != 0;
    g_dialog.owner = GetWindow(hWnd, GW_OWNER);
    g_dialog.ownerDisabled = g_expectedOwner != nullptr && !IsWindowEnabled(g_expectedOwner);
    PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK CloseErrorDialog(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), FindErrorDialog, 0);
}

class VendorPageTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(theTestApp.InitInstance()); }

    void SetUp() override
    {
        ASSERT_NE(nullptr, COrvoWinApp::GetApp());
        AfxSetShellExecuteHandler(RecordShell);
        AfxSetWinHelpHandler(RecordHelp);
        g_shellCalls.clear();
        g_helpCalls.clear();
        g_dialog = ErrorDialogSeen();
        g_shellResult = 42;
        m_timer = SetTimer(nullptr, 0, 50, CloseErrorDialog);
    }
    void TearDown() override
    {
        KillTimer(nullptr, m_timer);
        AfxSetShellExecuteHandler(nullptr);
        AfxSetWinHelpHandler(nullptr);
        COrvoWinApp::GetApp()->SetLanguage(1033);
    }

    static COLORREF LinkColour(HWND page, HWND link)
    {
        HDC dc = CreateCompatibleDC(nullptr);
        SetTextColor(dc, RGB(1, 2, 3));
        LRESULT brush = SendMessageW(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(link));
        COLORREF colour = GetTextColor(dc);
        int mode = GetBkMode(dc);
        DeleteDC(dc);
        EXPECT_NE(0, brush);
        EXPECT_EQ(TRANSPARENT, mode);
        return colour;
    }

    static void Click(HWND control)
    {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(control, WM_LBUTTONUP, 0, 0);
    }

    static std::wstring Text(HWND window)
    {
        wchar_t text[256] = L"";
        GetWindowTextW(window, text, 256);
        return text;
    }

    UINT_PTR m_timer = 0;
};
}

TEST(VendorPageHelpFile, NameIsCutAtTheLastDot)
{
    struct Case { const wchar_t* path; const wchar_t* expected; };
    const Case cases[] = {
        { L"C:\\Dist\\SarnelleENU.hlp", L"C:\\Dist\\SarnelleENUModInfo.hlp" },
        { L"C:\\x.y\\TitleENU.hlp", L"C:\\x.y\\TitleENUModInfo.hlp" },
        { L"C:\\x.y\\NoExtension", L"C:\\xModInfo.hlp" },
        { L"NoDotAnywhere", L"ModInfo.hlp" },
        { L"", L"ModInfo.hlp" },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, GetModInfoHelpFileName(c.path).GetString()) << c.path;
}

TEST_F(VendorPageTest, EveryActivationFocusesTheHelpControl)
{
    PageRef<CPVPageVendor> first;
    PageRef<CPVPageVendor> second;
    EXPECT_EQ(static_cast<DWORD>(PROPSHEETPAGEW_V2_SIZE), first->GetPSP().dwSize);
    EXPECT_TRUE(first->GetPSP().dwFlags & PSP_HASHELP);
    SheetHost host({ first.page, second.page });
    ASSERT_NE(nullptr, host.sheet());

    // The focus belongs to the active window, which a window of another
    // process can take: each check first activates the sheet again.
    for (int index : { 1, 0, 1 })
    {
        // The request is posted during activation and runs after it, even
        // when something else has taken the focus in between.
        SendMessageW(host.sheet(), PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
        HWND page = host.Page(index);
        MSG posted = {};
        ASSERT_TRUE(PeekMessageW(&posted, page, WM_PVPAGE_SETFOCUS, WM_PVPAGE_SETFOCUS, PM_NOREMOVE)) << index;
        EXPECT_EQ(reinterpret_cast<WPARAM>(GetDlgItem(page, IDC_PVPAGE_HELP)), posted.wParam);
        SetFocus(GetDlgItem(page, IDC_PVPAGE_HYPERLINK));
        host.Pump();
        EXPECT_EQ(GetDlgItem(page, IDC_PVPAGE_HELP), GetFocus()) << index;
    }

    // A focus request for a window that is gone changes nothing.
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, host.Page(0), nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    SetFocus(GetDlgItem(host.Page(1), IDC_PVPAGE_HELP));
    SendMessageW(host.Page(1), WM_PVPAGE_SETFOCUS, reinterpret_cast<WPARAM>(gone), 0);
    EXPECT_EQ(GetDlgItem(host.Page(1), IDC_PVPAGE_HELP), GetFocus());
}

TEST_F(VendorPageTest, LinkShowsWhetherItsAddressOpened)
{
    PageRef<CPVPageVendor> vendor;
    SheetHost host({ vendor.page });
    HWND page = host.Page(0);
    HWND link = GetDlgItem(page, IDC_PVPAGE_HYPERLINK);
    ASSERT_NE(nullptr, link);
    g_expectedOwner = host.sheet();

    EXPECT_TRUE(GetWindowLongW(link, GWL_STYLE) & SS_NOTIFY);
    LOGFONTW font = {};
    ASSERT_NE(0, GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_TRUE(font.lfUnderline);
    const std::wstring address = Text(link);
    EXPECT_EQ(0u, address.find(L"https://"));

    EXPECT_EQ(kLink, LinkColour(page, link));
    Click(link);
    ASSERT_EQ(1u, g_shellCalls.size());
    EXPECT_EQ(nullptr, g_shellCalls[0].owner);
    EXPECT_EQ(L"open", g_shellCalls[0].verb);
    EXPECT_EQ(address, g_shellCalls[0].file);
    EXPECT_EQ(SW_SHOW, g_shellCalls[0].show);
    EXPECT_EQ(kVisited, LinkColour(page, link));
    EXPECT_EQ(0, g_dialog.count);

    // 32 is a failure too: the error dialog, then the link colour again.
    g_shellResult = 32;
    Click(link);
    EXPECT_EQ(2u, g_shellCalls.size());
    EXPECT_EQ(1, g_dialog.count);
    EXPECT_EQ(address, g_dialog.address);
    EXPECT_TRUE(g_dialog.readOnly);
    EXPECT_TRUE(g_dialog.hasIcon);
    EXPECT_EQ(host.sheet(), g_dialog.owner);
    EXPECT_TRUE(g_dialog.ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(host.sheet()));
    EXPECT_EQ(kLink, LinkColour(page, link));

    // An empty link does nothing at all.
    g_shellResult = 42;
    SetWindowTextW(link, L"");
    Click(link);
    EXPECT_EQ(2u, g_shellCalls.size());
    EXPECT_EQ(1, g_dialog.count);
    EXPECT_EQ(kLink, LinkColour(page, link));
}

TEST_F(VendorPageTest, HelpOpensTheTopicOfTheLanguageHelpFile)
{
    PageRef<CPVPageVendor> vendor;
    SheetHost host({ vendor.page });
    HWND page = host.Page(0);
    SendDlgItemMessageW(page, IDC_PVPAGE_HELP, BM_CLICK, 0, 0);
    ASSERT_EQ(1u, g_helpCalls.size());
    EXPECT_EQ(page, g_helpCalls[0].owner);
    EXPECT_EQ(BinFolder() + L"\\vendorpage_page_testsENUModInfo.hlp", g_helpCalls[0].file);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), g_helpCalls[0].command);
    EXPECT_EQ(0x1006Cu, g_helpCalls[0].data);

    // Without a help file path nothing is called.
    CWinApp* app = AfxGetApp();
    const wchar_t* saved = app->m_pszHelpFilePath;
    app->m_pszHelpFilePath = nullptr;
    SendDlgItemMessageW(page, IDC_PVPAGE_HELP, BM_CLICK, 0, 0);
    app->m_pszHelpFilePath = saved;
    EXPECT_EQ(1u, g_helpCalls.size());
}

TEST_F(VendorPageTest, SetLanguageChoosesTheLibraryTheSheetLoadsFrom)
{
    PageRef<CPVPageVendor> vendor;
    IPVPropPage* page = vendor.page;
    HMODULE english = GetModuleHandleW(L"vendorpage_page_testsENU.dll");
    ASSERT_NE(nullptr, english);

    EXPECT_EQ(S_OK, page->SetLanguage(1033));
    EXPECT_EQ(english, vendor->GetPSP().hInstance);
    EXPECT_EQ(E_FAIL, page->SetLanguage(1036));   // no such library here
    EXPECT_EQ(english, vendor->GetPSP().hInstance);

    ASSERT_EQ(S_OK, page->SetLanguage(1031));
    HMODULE german = GetModuleHandleW(L"vendorpage_page_testsDEU.dll");
    ASSERT_NE(nullptr, german);
    EXPECT_EQ(german, vendor->GetPSP().hInstance);
    {
        SheetHost host({ vendor.page });
        EXPECT_EQ(L"&Hilfe", Text(GetDlgItem(host.Page(0), IDC_PVPAGE_HELP)));
        SendDlgItemMessageW(host.Page(0), IDC_PVPAGE_HELP, BM_CLICK, 0, 0);
        ASSERT_EQ(1u, g_helpCalls.size());
        EXPECT_EQ(BinFolder() + L"\\vendorpage_page_testsDEUModInfo.hlp", g_helpCalls[0].file);
    }

    ASSERT_EQ(S_OK, page->SetLanguage(1033));
    EXPECT_EQ(english, vendor->GetPSP().hInstance);
    EXPECT_EQ(nullptr, GetModuleHandleW(L"vendorpage_page_testsDEU.dll"));
    SheetHost host({ vendor.page });
    EXPECT_EQ(L"&Help", Text(GetDlgItem(host.Page(0), IDC_PVPAGE_HELP)));
}

TEST_F(VendorPageTest, PartsCanKeepThePageActive)
{
    CallLog log;
    FakePart part("p1", S_OK, log);
    PageRef<TestPageEnum> parts;
    parts->AddPart(&part);
    PageRef<CPVPageVendor> vendor;
    SheetHost host({ parts.page, vendor.page });
    const std::vector<std::string> started = { "p1.OnInitDialog", "p1.OnPageActivate" };
    EXPECT_EQ(started, log.calls);

    part.SetResult("OnPageDeactivate", E_FAIL);
    host.Select(1);
    EXPECT_EQ(0, host.Current());
    part.SetResult("OnPageDeactivate", S_OK);
    host.Select(1);
    EXPECT_EQ(1, host.Current());

    // A part that refuses activation keeps the sheet off the page.
    part.SetResult("OnPageActivate", E_FAIL);
    log.calls.clear();
    host.Select(0);
    EXPECT_NE(std::find(log.calls.begin(), log.calls.end(), "p1.OnPageActivate"), log.calls.end());
    EXPECT_NE(0, host.Current());
}

TEST(HyperLinkControl, ControlWithoutFontGetsAnUnderlinedDefaultGuiFont)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                nullptr, nullptr));
    HWND text = CreateWindowExW(0, L"STATIC", L"https://example.invalid/", WS_CHILD | WS_VISIBLE, 0, 0, 150, 20,
                                parent.GetSafeHwnd(), reinterpret_cast<HMENU>(IDC_PVPAGE_HYPERLINK), nullptr, nullptr);
    ASSERT_NE(nullptr, text);
    ASSERT_EQ(0, SendMessageW(text, WM_GETFONT, 0, 0));

    CPVGeneralHyperLinkCtrl link(IDD_PVHYPERLINK_ERROR, IDC_PVHYPERLINK_ICON, IDC_PVHYPERLINK_ADDRESS);
    ASSERT_TRUE(link.SubclassWindow(text));
    LOGFONTW expected = {}, actual = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof expected, &expected);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0));
    ASSERT_NE(0, GetObjectW(font, sizeof actual, &actual));
    EXPECT_STREQ(expected.lfFaceName, actual.lfFaceName);
    EXPECT_EQ(expected.lfHeight, actual.lfHeight);
    EXPECT_TRUE(actual.lfUnderline);
    EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & SS_NOTIFY);

    link.SetUnderline(FALSE);
    font = reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0));
    ASSERT_NE(0, GetObjectW(font, sizeof actual, &actual));
    EXPECT_FALSE(actual.lfUnderline);
    EXPECT_STREQ(expected.lfFaceName, actual.lfFaceName);

    // Colours come back through the parent's reflected WM_CTLCOLORSTATIC.
    link.SetColors(RGB(1, 2, 3), RGB(4, 5, 6));
    struct Case { BOOL visited; COLORREF colour; };
    for (const Case& c : { Case{ FALSE, RGB(1, 2, 3) }, Case{ TRUE, RGB(4, 5, 6) } })
    {
        link.SetVisited(c.visited);
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(parent.GetSafeHwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(c.colour, GetTextColor(dc)) << c.visited;
        DeleteDC(dc);
    }
}
