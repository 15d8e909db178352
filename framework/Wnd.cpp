#include "framework/Wnd.h"
#include "framework/Diag.h"
#include "framework/TempMap.h"
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>
#include <stdio.h>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

// The process-wide handle map, and the procedures of windows whose object
// left while another procedure was stacked on ours (AfxWndProc forwards to
// them until the window goes).
struct WindowMaps
{
    std::mutex lock;
    std::unordered_map<HWND, CWnd*> objects;
    std::unordered_map<HWND, WNDPROC> orphans;
};

WindowMaps& Maps()
{
    static WindowMaps* maps = new WindowMaps; // never destroyed: objects may outlive static destruction
    return *maps;
}

WNDPROC FindOrphan(HWND hWnd, bool remove)
{
    WindowMaps& m = Maps();
    std::lock_guard<std::mutex> guard(m.lock);
    auto it = m.orphans.find(hWnd);
    if (it == m.orphans.end())
        return nullptr;
    WNDPROC proc = it->second;
    if (remove)
        m.orphans.erase(it);
    return proc;
}

thread_local MSG t_currentMsg;
thread_local CWnd* t_pWndInit;
thread_local HHOOK t_hHook;

// Message loops ask the window tree first, then the application.
BOOL WindowTreePreTranslate(MSG* msg)
{
    if (CWnd::WalkPreTranslateTree(msg))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->PreTranslateMessage(msg) : FALSE;
}

struct PreTranslateInstaller
{
    PreTranslateInstaller() { AfxSetPreTranslateHook(&WindowTreePreTranslate); }
} g_preTranslateInstaller;

// The system may create a thread's input-method window while our window is
// being created; the creation hook must not bind the object to it.
bool IsImeWindow(HWND hWnd)
{
    wchar_t name[8] = L"";
    return ::GetClassNameW(hWnd, name, 8) == 3 && _wcsicmp(name, L"IME") == 0;
}

} // namespace

// --- the window procedure and the creation hook ---------------------------

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr) {
        WNDPROC orphan = FindOrphan(hWnd, message == WM_NCDESTROY);
        return orphan != nullptr ? ::CallWindowProcW(orphan, hWnd, message, wParam, lParam)
                                 : ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
    MSG saved = t_currentMsg;
    t_currentMsg = MSG();
    t_currentMsg.hwnd = hWnd;
    t_currentMsg.message = message;
    t_currentMsg.wParam = wParam;
    t_currentMsg.lParam = lParam;
    LRESULT result = 0;
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may cross back into the platform's window manager.
        TRACE(L"AfxWndProc: a handler of message 0x%04X threw\n", message);
        result = 0;
    }
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->NcDestroyCleanup();
    t_currentMsg = saved;
    return result;
}

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pWndInit != nullptr && !IsImeWindow(reinterpret_cast<HWND>(wParam))) {
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = nullptr;
        pWnd->SubclassNow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(t_hHook, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    if (t_hHook == nullptr)
        t_hHook = ::SetWindowsHookExW(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    ASSERT(t_pWndInit == nullptr);
    t_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    if (t_hHook != nullptr) {
        ::UnhookWindowsHookEx(t_hHook);
        t_hHook = nullptr;
    }
    BOOL created = t_pWndInit == nullptr;
    t_pWndInit = nullptr;
    return created;
}

const wchar_t* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    static std::mutex lock;
    static std::set<std::wstring>* names = new std::set<std::wstring>;
    wchar_t name[96];
    swprintf(name, 96, L"QuandelWnd:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
             static_cast<void*>(background), static_cast<void*>(icon));
    std::lock_guard<std::mutex> guard(lock);
    auto it = names->find(name);
    if (it != names->end())
        return it->c_str();
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    HINSTANCE instance = AfxGetInstanceHandle();
    if (!::GetClassInfoExW(instance, name, &wc)) {
        wc = WNDCLASSEXW();
        wc.cbSize = sizeof(wc);
        wc.style = classStyle;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = instance;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.hIcon = icon;
        wc.lpszClassName = name;
        if (!::RegisterClassExW(&wc))
            return nullptr;
    }
    return names->insert(name).first->c_str();
}

// --- binding ---------------------------------------------------------------

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
        // A window of another thread cannot be destroyed from here: leave it
        // working without us.
        if (m_hWnd != nullptr)
            Unbind();
    }
}

HWND CWnd::GetSafeHwnd() const
{
    return m_hWnd;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    WindowMaps& m = Maps();
    std::lock_guard<std::mutex> guard(m.lock);
    auto it = m.objects.find(hWnd);
    return it != m.objects.end() ? it->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    return TTempHandleMap<HWND, CWnd>::Instance().Get(hWnd, [](HWND h) {
        CWnd* wrapper = new CWnd;
        wrapper->m_hWnd = h;
        return wrapper;
    });
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr)
        return FALSE;
    WindowMaps& m = Maps();
    std::lock_guard<std::mutex> guard(m.lock);
    if (!m.objects.emplace(hWnd, this).second)
        return FALSE;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    Unbind();
    return hWnd;
}

void CWnd::SubclassNow(HWND hWnd)
{
    if (!Attach(hWnd))
        return;
    PreSubclassWindow();
    WNDPROC old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc)
        m_pfnSuper = old;
}

void CWnd::Unbind()
{
    if (m_hWnd == nullptr)
        return;
    HWND hWnd = m_hWnd;
    if (m_pfnSuper != nullptr) {
        WNDPROC current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
        if (current == &AfxWndProc) {
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        } else if (::IsWindow(hWnd)) {
            WindowMaps& m = Maps();
            std::lock_guard<std::mutex> guard(m.lock);
            m.orphans[hWnd] = m_pfnSuper;
        }
    }
    {
        WindowMaps& m = Maps();
        std::lock_guard<std::mutex> guard(m.lock);
        auto it = m.objects.find(hWnd);
        if (it != m.objects.end() && it->second == this)
            m.objects.erase(it);
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr || !::IsWindow(hWnd) || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    SubclassNow(hWnd);
    return m_hWnd == hWnd;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr || pParent->m_hWnd == nullptr)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    return Detach();
}

void CWnd::PreSubclassWindow()
{
}

void CWnd::NcDestroyCleanup()
{
    Unbind();
    PostNcDestroy();
}

void CWnd::PostNcDestroy()
{
}

// --- creation and destruction ---------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCTW&)
{
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const wchar_t* className, const wchar_t* windowName, DWORD dwStyle, int x,
                    int y, int width, int height, HWND hWndParent, HMENU nIDorHMenu, void* lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCTW cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
        return FALSE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    AfxUnhookWindowCreate();
    if (hWnd == nullptr) {
        // A window that failed in WM_NCCREATE/WM_CREATE has already gone
        // through WM_NCDESTROY; make sure nothing stays bound.
        Unbind();
        return FALSE;
    }
    ASSERT(hWnd == m_hWnd);
    return m_hWnd == hWnd;
}

BOOL CWnd::Create(const wchar_t* className, const wchar_t* windowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, className, windowName, dwStyle | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

// --- dispatch ----------------------------------------------------------------

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = t_currentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    return &t_currentMsg;
}

BOOL CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* child = FromHandlePermanent(hWndChild);
    if (child == nullptr || child == this)
        return FALSE;
    return child->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 0;
        return TRUE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(wParam, lParam, &result))
            return FALSE;
        *pResult = result;
        return TRUE;
    }
    case WM_DRAWITEM: {
        auto dis = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        if (dis != nullptr && dis->CtlType != ODT_MENU && ReflectToChild(dis->hwndItem, message, wParam, lParam, pResult))
            return TRUE;
        break;
    }
    case WM_MEASUREITEM: {
        // Found by control id: the item has no window handle in the record.
        auto mis = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        if (mis != nullptr && mis->CtlType != ODT_MENU &&
            ReflectToChild(::GetDlgItem(m_hWnd, static_cast<int>(mis->CtlID)), message, wParam, lParam, pResult))
            return TRUE;
        break;
    }
    case WM_COMPAREITEM: {
        auto cis = reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam);
        if (cis != nullptr && ReflectToChild(cis->hwndItem, message, wParam, lParam, pResult))
            return TRUE;
        break;
    }
    case WM_DELETEITEM: {
        auto dis = reinterpret_cast<LPDELETEITEMSTRUCT>(lParam);
        if (dis != nullptr && ReflectToChild(dis->hwndItem, message, wParam, lParam, pResult))
            return TRUE;
        break;
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC &&
            ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, pResult))
            return TRUE;
        break;
    }
    UINT key = (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ? AFX_WM_CTLCOLOR : message;
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), key, 0, 0);
    if (entry == nullptr)
        return FALSE;
    LRESULT result = 0;
    if (!entry->pfn(this, message, wParam, lParam, &result))
        return FALSE;
    *pResult = result;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    HWND hWndControl = reinterpret_cast<HWND>(lParam);
    if (hWndControl == nullptr) {
        nCode = 0; // menu commands and accelerators are both plain commands
    } else {
        LRESULT ignored = 0;
        if (ReflectToChild(hWndControl, WM_COMMAND, wParam, lParam, &ignored))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto nmhdr = reinterpret_cast<NMHDR*>(lParam);
    if (nmhdr == nullptr)
        return FALSE;
    if (nmhdr->hwndFrom != nullptr && ReflectToChild(nmhdr->hwndFrom, WM_NOTIFY, 0, lParam, pResult))
        return TRUE;
    // By the sender's control id: a tool identified by its window handle
    // carries that handle in idFrom, not an id.
    UINT id = (nmhdr->hwndFrom != nullptr && ::IsWindow(nmhdr->hwndFrom))
                  ? static_cast<UINT>(::GetDlgCtrlID(nmhdr->hwndFrom))
                  : static_cast<UINT>(nmhdr->idFrom);
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), WM_NOTIFY, nmhdr->code, id);
    if (entry == nullptr)
        return FALSE;
    LRESULT result = 0;
    if (!entry->pfn(this, WM_NOTIFY, id, lParam, &result))
        return FALSE;
    *pResult = result;
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT key = WM_REFLECT_BASE + message;
    UINT code = 0;
    if (message == WM_COMMAND) {
        code = HIWORD(wParam);
    } else if (message == WM_NOTIFY) {
        auto nmhdr = reinterpret_cast<NMHDR*>(lParam);
        if (nmhdr == nullptr)
            return FALSE;
        code = nmhdr->code;
    } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        key = WM_REFLECT_BASE + AFX_WM_CTLCOLOR;
    }
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), key, code, 0);
    if (entry == nullptr)
        return FALSE;
    LRESULT result = 0;
    if (!entry->pfn(this, message, wParam, lParam, &result))
        return FALSE;
    *pResult = message == WM_COMMAND ? 0 : result;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(MSG* pMsg)
{
    HWND hWnd = pMsg->hwnd;
    while (hWnd != nullptr) {
        if (CWnd* pWnd = FromHandlePermanent(hWnd)) {
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        }
        // The object may have closed its window while looking.
        if (!::IsWindow(hWnd) || (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            break;
        hWnd = ::GetParent(hWnd);
    }
    return FALSE;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

// --- window operations ------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageW(m_hWnd, nID, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    while (hWnd != nullptr && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) != 0) {
        HWND parent = ::GetParent(hWnd);
        if (parent == nullptr)
            break;
        hWnd = parent;
    }
    return FromHandle(hWnd);
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

void CWnd::SetWindowText(const wchar_t* text)
{
    ::SetWindowTextW(m_hWnd, text);
}

int CWnd::GetWindowText(wchar_t* buffer, int maxCount) const
{
    return ::GetWindowTextW(m_hWnd, buffer, maxCount);
}

void CWnd::GetWindowText(CString& text) const
{
    int length = ::GetWindowTextLengthW(m_hWnd);
    wchar_t* buffer = text.GetBuffer(length + 1);
    int got = ::GetWindowTextW(m_hWnd, buffer, length + 1);
    text.ReleaseBuffer(got >= 0 ? got : 0);
}

int CWnd::GetWindowTextLength() const
{
    return ::GetWindowTextLengthW(m_hWnd);
}

void CWnd::SetDlgItemText(int nID, const wchar_t* text)
{
    ::SetDlgItemTextW(m_hWnd, nID, text);
}

int CWnd::GetDlgItemText(int nID, CString& text) const
{
    text.Empty();
    HWND hWndItem = ::GetDlgItem(m_hWnd, nID);
    if (hWndItem == nullptr)
        return 0;
    FromHandle(hWndItem)->GetWindowText(text);
    return text.GetLength();
}

void CWnd::CheckDlgButton(int nID, UINT check)
{
    ::CheckDlgButton(m_hWnd, nID, check);
}

UINT CWnd::IsDlgButtonChecked(int nID) const
{
    return ::IsDlgButtonChecked(m_hWnd, nID);
}

void CWnd::CheckRadioButton(int firstID, int lastID, int checkID)
{
    ::CheckRadioButton(m_hWnd, firstID, lastID, checkID);
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    return ::EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::ShowWindow(int cmdShow)
{
    return ::ShowWindow(m_hWnd, cmdShow);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

void CWnd::Invalidate(BOOL erase)
{
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase)
{
    ::InvalidateRect(m_hWnd, rect, erase);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

void CWnd::SetRedraw(BOOL redraw)
{
    ::SendMessageW(m_hWnd, WM_SETREDRAW, redraw, 0);
}

void CWnd::GetClientRect(LPRECT rect) const
{
    ::GetClientRect(m_hWnd, rect);
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    ::GetWindowRect(m_hWnd, rect);
}

void CWnd::ScreenToClient(LPPOINT point) const
{
    ::ScreenToClient(m_hWnd, point);
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ClientToScreen(LPPOINT point) const
{
    ::ClientToScreen(m_hWnd, point);
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font != nullptr ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
}

CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* dc)
{
    return dc != nullptr ? ::ReleaseDC(m_hWnd, dc->m_hDC) : 0;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    return reinterpret_cast<HICON>(
        ::SendMessageW(m_hWnd, WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE));
}

namespace {

BOOL ModifyLong(HWND hWnd, int index, DWORD remove, DWORD add, UINT flags)
{
    DWORD style = static_cast<DWORD>(::GetWindowLongW(hWnd, index));
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongW(hWnd, index, static_cast<LONG>(changed));
    if (flags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    return ModifyLong(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
    return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse)
{
    return ::SetTimer(m_hWnd, id, elapse, nullptr);
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return ::KillTimer(m_hWnd, id);
}

// --- default handlers ---------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCTW) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
