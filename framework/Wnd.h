#pragma once
// CWnd: a C++ object bound to a window handle.
//
// Binding. A window handle and its object are joined in one process-wide
// map (FromHandlePermanent). An object joins a window by
//   - CreateEx/Create: the window is subclassed while it is being created
//     (a creation hook), so the object sees WM_NCCREATE and WM_CREATE;
//   - SubclassWindow/SubclassDlgItem: an existing window (a dialog control)
//     is attached and its window procedure replaced; PreSubclassWindow runs
//     first, once the handle is known;
//   - Attach: the object only wraps the handle; messages do not reach it.
// The window procedure that was replaced is kept and receives every message
// that the object leaves unhandled. At WM_NCDESTROY the window procedure is
// put back, the object leaves the map and PostNcDestroy runs. Detach and
// UnsubclassWindow leave the window working with its own procedure.
// FromHandle answers the permanent object or a lasting wrapper that only
// holds the handle. The destructor of a permanent object destroys its
// window.
//
// Dispatch. AfxWndProc hands each message to the object's WindowProc,
// which calls OnWndMsg and, when that leaves the message unhandled,
// DefWindowProc (the replaced procedure, else ::DefWindowProcW). OnWndMsg:
//   1. WM_COMMAND goes to OnCommand: first reflected to the object of the
//      control that sent it, then the message map's command entries
//      (OnCmdMsg).
//   2. WM_NOTIFY goes to OnNotify: first reflected to the object of the
//      sending window (NMHDR.hwndFrom), then the map's notify entries,
//      matched by the sender's control id (GetDlgCtrlID of hwndFrom; a
//      tooltip popup has id 0).
//   3. WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM and
//      WM_CTLCOLOR* are first reflected to the object of the control they
//      are about (OnChildNotify; CListBox answers the item messages through
//      its DrawItem/MeasureItem virtuals, any class may map
//      ON_WM_CTLCOLOR_REFLECT); when no child object handles them they go to
//      the parent's map (ON_WM_DRAWITEM, ON_WM_CTLCOLOR ...). A
//      WM_MEASUREITEM that arrives before the control is subclassed (an
//      owner-draw list box in a dialog measures itself before
//      WM_INITDIALOG) finds no child object and gets the default handling.
//   4. Any other message: the first matching entry of the message map,
//      walking from the most derived class towards CWnd (framework/MsgMap.h).
// The CWnd handlers (OnLButtonDown, OnKeyDown, ...) call Default(), which
// passes the message being handled on to DefWindowProc with its original
// arguments; a derived handler calls its base class's handler for the
// default behaviour.
//
// Message loops call AfxPreTranslateMessage (framework/AppCore.h), which
// this layer routes through WalkPreTranslateTree: PreTranslateMessage of
// the object of the message's window, then of each parent up to the
// top-level window, then of the application; the first TRUE eats the
// message.
//
// Thread use: the map is shared by all threads; handles may be sent
// messages from any thread, but an object's window must be created and
// destroyed on one thread.
#include "framework/AppCore.h"
#include "framework/DC.h"
#include "framework/Geometry.h"
#include "framework/GdiObjects.h"
#include "framework/MsgMap.h"
#include <commctrl.h>

class CDataExchange;

class CWnd : public CCmdTarget
{
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const;

    // --- binding -----------------------------------------------------------
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    BOOL Attach(HWND hWnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    virtual void PreSubclassWindow();

    // --- creation and destruction -------------------------------------------
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    BOOL CreateEx(DWORD dwExStyle, const wchar_t* className, const wchar_t* windowName, DWORD dwStyle, int x, int y,
                  int width, int height, HWND hWndParent, HMENU nIDorHMenu, void* lpParam = nullptr);
    // A child control: WS_CHILD is added, nID becomes its control id.
    virtual BOOL Create(const wchar_t* className, const wchar_t* windowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID);
    virtual BOOL DestroyWindow();
    // Runs after WM_NCDESTROY, when the object has left its window.
    virtual void PostNcDestroy();

    // --- dispatch ------------------------------------------------------------
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message the parent reflected to this control; TRUE when handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Looks the reflected message up in this object's map (ON_..._REFLECT).
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The default handling of the message being handled now.
    LRESULT Default();
    // The message being handled now on this thread (empty outside a handler).
    static const MSG* GetCurrentMessage();

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // PreTranslateMessage from the message's window up to its top-level window.
    static BOOL WalkPreTranslateTree(MSG* pMsg);

    // Data exchange with the controls; UpdateData is defined with CDataExchange.
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // --- the usual window operations -----------------------------------------
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    CWnd* GetTopLevelParent() const;
    static CWnd* GetFocus();
    CWnd* SetFocus();

    void SetWindowText(const wchar_t* text);
    int GetWindowText(wchar_t* buffer, int maxCount) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, const wchar_t* text);
    int GetDlgItemText(int nID, CString& text) const;
    void CheckDlgButton(int nID, UINT check);
    UINT IsDlgButtonChecked(int nID) const;
    void CheckRadioButton(int firstID, int lastID, int checkID);

    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int cmdShow);
    BOOL IsWindowVisible() const;
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void UpdateWindow();
    void SetRedraw(BOOL redraw = TRUE);

    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT flags);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);

    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    CDC* GetDC();
    int ReleaseDC(CDC* dc);
    HICON SetIcon(HICON icon, BOOL bigIcon);

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    BOOL KillTimer(UINT_PTR id);

    // Standard wrappers for the window-insert-after argument of SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

protected:
    // Handlers of ON_WM_xxx entries; each does the default handling.
    int OnCreate(LPCREATESTRUCTW cs);
    void OnDestroy();
    void OnClose();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnSize(UINT type, int cx, int cy);
    void OnShowWindow(BOOL show, UINT status);
    void OnTimer(UINT_PTR id);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnRButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* oldWnd);
    void OnKillFocus(CWnd* newWnd);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    UINT OnGetDlgCode();
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnContextMenu(CWnd* wnd, CPoint point);
    BOOL OnHelpInfo(HELPINFO* info);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT dis);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT mis);
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT nCtlColor);

    // The window procedure this object replaced (NULL when none).
    WNDPROC m_pfnSuper = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    explicit CWnd(HWND special) : m_hWnd(special) {}
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);
    // Joins the window being created (creation hook) or an existing one.
    void SubclassNow(HWND hWnd);
    // Puts the replaced procedure back (or leaves a forwarder) and detaches.
    void Unbind();
    void NcDestroyCleanup();
    BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

// The window procedure of every window that has an object.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Subclass the next window created on this thread to the object (CDialog and
// CPropertySheet use this around the platform's dialog creation). Unhook
// returns FALSE when no window was created in between.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

// A registered window class name with DefWindowProcW as its procedure, for
// windows of our own (hidden owners, test hosts).
const wchar_t* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                   HICON icon = nullptr);
