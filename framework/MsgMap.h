#pragma once
// Message maps: the table through which a class names the window messages,
// commands and notifications it handles.
//
// A class that handles messages writes DECLARE_MESSAGE_MAP() in its
// declaration and, in its source file,
//
//     BEGIN_MESSAGE_MAP(CMyList, CListBox)
//         ON_WM_LBUTTONDOWN()
//         ON_MESSAGE(LB_GETTEXT, &CMyList::OnGetText)
//         ON_CONTROL_REFLECT(LBN_DBLCLK, &CMyList::OnDblClk)
//     END_MESSAGE_MAP()
//
// Each table links to its base class's table; a lookup walks from the
// object's most derived class towards CCmdTarget and the first entry that
// matches wins. A handler that wants the base behaviour calls the base
// class's handler (CListBox::OnLButtonDown(...)); the CWnd handlers pass the
// message on to the window's default procedure (CWnd::Default).
//
// Every entry carries a small thunk, made by the ON_ macro from a lambda,
// that unpacks wParam/lParam and calls the handler with its own signature,
// so a handler with the wrong signature fails to compile.
//
// Handler signatures (the usual ones of the class library):
//   ON_MESSAGE(msg, fn)                  LRESULT fn(WPARAM, LPARAM)
//   ON_COMMAND(id, fn), ON_CONTROL(code, id, fn), ON_BN_CLICKED(id, fn) ...
//                                        void fn()
//   ON_COMMAND_RANGE(id1, id2, fn)       void fn(UINT id)
//   ON_NOTIFY(code, id, fn)              void fn(NMHDR*, LRESULT*)
//   ON_NOTIFY_RANGE(code, id1, id2, fn)  void fn(UINT id, NMHDR*, LRESULT*)
//   ON_NOTIFY_EX(_RANGE)                 BOOL fn(UINT id, NMHDR*, LRESULT*) (FALSE: not handled)
//   ON_CONTROL_REFLECT(code, fn)         void fn()         (in the control's own class)
//   ON_CONTROL_REFLECT_EX(code, fn)      BOOL fn()
//   ON_NOTIFY_REFLECT(code, fn)          void fn(NMHDR*, LRESULT*)
//   ON_NOTIFY_REFLECT_EX(code, fn)       BOOL fn(NMHDR*, LRESULT*)
//   ON_WM_CTLCOLOR_REFLECT()             HBRUSH CtlColor(CDC*, UINT nCtlColor) (NULL: not handled)
//   ON_WM_xxx()                          the matching CWnd handler (framework/Wnd.h)
#include <windows.h>

class CCmdTarget;

// Marks message handlers in class declarations.
#define afx_msg

// Called with the object whose table holds the entry; returns TRUE when the
// message counts as handled and stores the message result in *pResult.
using AfxMsgThunk = BOOL (*)(CCmdTarget* target, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message; WM_COMMAND / WM_NOTIFY entries also match code and id range
    UINT nCode;      // control notification code (WM_COMMAND, WM_NOTIFY)
    UINT nID;        // first control id
    UINT nLastID;    // last control id
    AfxMsgThunk pfn; // NULL ends the table
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Messages reflected from a parent to the child control that sent them are
// looked up under WM_REFLECT_BASE + the message. The seven WM_CTLCOLOR*
// messages share the one entry AFX_WM_CTLCOLOR.
const UINT WM_REFLECT_BASE = 0xBC00;
const UINT AFX_WM_CTLCOLOR = 0x0019;

// The first entry in the chain of tables that matches; NULL when none does.
// For WM_COMMAND and WM_NOTIFY the code and the id range must match too.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id);

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY afxEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, nullptr } \
        }; \
        static_assert(sizeof(ThisClass) > 0, "complete class"); \
        static const AFX_MSGMAP afxMap = { &TheBaseClass::GetThisMessageMap, &afxEntries[0] }; \
        return &afxMap; \
    }

// The thunk of one entry; the body sees pThis (ThisClass*), afxMessage,
// wParam, lParam and pResult, and returns TRUE when it handled the message.
#define AFX_MSG_THUNK(...) \
    [](CCmdTarget* afxTarget, UINT afxMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL { \
        ThisClass* pThis = static_cast<ThisClass*>(afxTarget); \
        (void)pThis; (void)afxMessage; (void)wParam; (void)lParam; (void)pResult; \
        __VA_ARGS__ \
    }

// --- messages, commands, notifications -----------------------------------

#define ON_MESSAGE(message, memberFxn) \
    { (UINT)(message), 0, 0, 0, AFX_MSG_THUNK( \
        *pResult = (pThis->*static_cast<LRESULT (ThisClass::*)(WPARAM, LPARAM)>(memberFxn))(wParam, lParam); \
        return TRUE;) },

// Commands and control notifications arrive with the control id in wParam.
#define ON_CONTROL(code, id, memberFxn) \
    { WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), AFX_MSG_THUNK( \
        (pThis->*static_cast<void (ThisClass::*)()>(memberFxn))(); return TRUE;) },
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, 0, (UINT)(id), (UINT)(idLast), AFX_MSG_THUNK( \
        (pThis->*static_cast<void (ThisClass::*)(UINT)>(memberFxn))(static_cast<UINT>(LOWORD(wParam))); \
        return TRUE;) },
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// Notifications (WM_NOTIFY) arrive with the sender's control id in wParam.
#define ON_NOTIFY(code, id, memberFxn) \
    { WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), AFX_MSG_THUNK( \
        (pThis->*static_cast<void (ThisClass::*)(NMHDR*, LRESULT*)>(memberFxn))( \
            reinterpret_cast<NMHDR*>(lParam), pResult); \
        return TRUE;) },
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn) \
    { WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(idLast), AFX_MSG_THUNK( \
        (pThis->*static_cast<void (ThisClass::*)(UINT, NMHDR*, LRESULT*)>(memberFxn))( \
            static_cast<UINT>(wParam), reinterpret_cast<NMHDR*>(lParam), pResult); \
        return TRUE;) },
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn) \
    { WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(idLast), AFX_MSG_THUNK( \
        return (pThis->*static_cast<BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*)>(memberFxn))( \
            static_cast<UINT>(wParam), reinterpret_cast<NMHDR*>(lParam), pResult);) },
#define ON_NOTIFY_EX(code, id, memberFxn) ON_NOTIFY_EX_RANGE(code, id, id, memberFxn)

// --- reflected to the control that sent them ----------------------------

#define ON_CONTROL_REFLECT(code, memberFxn) \
    { WM_REFLECT_BASE + WM_COMMAND, (UINT)(code), 0, 0, AFX_MSG_THUNK( \
        (pThis->*static_cast<void (ThisClass::*)()>(memberFxn))(); return TRUE;) },
#define ON_CONTROL_REFLECT_EX(code, memberFxn) \
    { WM_REFLECT_BASE + WM_COMMAND, (UINT)(code), 0, 0, AFX_MSG_THUNK( \
        return (pThis->*static_cast<BOOL (ThisClass::*)()>(memberFxn))();) },
#define ON_NOTIFY_REFLECT(code, memberFxn) \
    { WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, 0, AFX_MSG_THUNK( \
        (pThis->*static_cast<void (ThisClass::*)(NMHDR*, LRESULT*)>(memberFxn))( \
            reinterpret_cast<NMHDR*>(lParam), pResult); \
        return TRUE;) },
#define ON_NOTIFY_REFLECT_EX(code, memberFxn) \
    { WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, 0, AFX_MSG_THUNK( \
        return (pThis->*static_cast<BOOL (ThisClass::*)(NMHDR*, LRESULT*)>(memberFxn))( \
            reinterpret_cast<NMHDR*>(lParam), pResult);) },
#define ON_WM_CTLCOLOR_REFLECT() \
    { WM_REFLECT_BASE + AFX_WM_CTLCOLOR, 0, 0, 0, AFX_MSG_THUNK( \
        HBRUSH afxBrush = pThis->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), \
                                          afxMessage - WM_CTLCOLORMSGBOX); \
        if (afxBrush == NULL) \
            return FALSE; \
        *pResult = reinterpret_cast<LRESULT>(afxBrush); \
        return TRUE;) },

// --- window messages, to the CWnd handlers of the same name -------------

#define AFX_ON_WM_V(message, call) { message, 0, 0, 0, AFX_MSG_THUNK(pThis->call; return TRUE;) },
#define AFX_ON_WM_R(message, call) { message, 0, 0, 0, AFX_MSG_THUNK(*pResult = (LRESULT)(pThis->call); return TRUE;) },
#define AFX_MSG_POINT CPoint(lParam)
#define AFX_MSG_KEYARGS static_cast<UINT>(wParam), static_cast<UINT>(LOWORD(lParam)), static_cast<UINT>(HIWORD(lParam))

#define ON_WM_CREATE() AFX_ON_WM_R(WM_CREATE, OnCreate(reinterpret_cast<LPCREATESTRUCTW>(lParam)))
#define ON_WM_DESTROY() AFX_ON_WM_V(WM_DESTROY, OnDestroy())
#define ON_WM_CLOSE() AFX_ON_WM_V(WM_CLOSE, OnClose())
#define ON_WM_PAINT() AFX_ON_WM_V(WM_PAINT, OnPaint())
#define ON_WM_ERASEBKGND() AFX_ON_WM_R(WM_ERASEBKGND, OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))))
#define ON_WM_SIZE() \
    AFX_ON_WM_V(WM_SIZE, OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))))
#define ON_WM_SHOWWINDOW() AFX_ON_WM_V(WM_SHOWWINDOW, OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)))
#define ON_WM_TIMER() AFX_ON_WM_V(WM_TIMER, OnTimer(static_cast<UINT_PTR>(wParam)))
#define ON_WM_LBUTTONDOWN() AFX_ON_WM_V(WM_LBUTTONDOWN, OnLButtonDown(static_cast<UINT>(wParam), AFX_MSG_POINT))
#define ON_WM_LBUTTONUP() AFX_ON_WM_V(WM_LBUTTONUP, OnLButtonUp(static_cast<UINT>(wParam), AFX_MSG_POINT))
#define ON_WM_LBUTTONDBLCLK() AFX_ON_WM_V(WM_LBUTTONDBLCLK, OnLButtonDblClk(static_cast<UINT>(wParam), AFX_MSG_POINT))
#define ON_WM_RBUTTONDOWN() AFX_ON_WM_V(WM_RBUTTONDOWN, OnRButtonDown(static_cast<UINT>(wParam), AFX_MSG_POINT))
#define ON_WM_RBUTTONUP() AFX_ON_WM_V(WM_RBUTTONUP, OnRButtonUp(static_cast<UINT>(wParam), AFX_MSG_POINT))
#define ON_WM_RBUTTONDBLCLK() AFX_ON_WM_V(WM_RBUTTONDBLCLK, OnRButtonDblClk(static_cast<UINT>(wParam), AFX_MSG_POINT))
#define ON_WM_MOUSEMOVE() AFX_ON_WM_V(WM_MOUSEMOVE, OnMouseMove(static_cast<UINT>(wParam), AFX_MSG_POINT))
#define ON_WM_KEYDOWN() AFX_ON_WM_V(WM_KEYDOWN, OnKeyDown(AFX_MSG_KEYARGS))
#define ON_WM_KEYUP() AFX_ON_WM_V(WM_KEYUP, OnKeyUp(AFX_MSG_KEYARGS))
#define ON_WM_CHAR() AFX_ON_WM_V(WM_CHAR, OnChar(AFX_MSG_KEYARGS))
#define ON_WM_SETFOCUS() AFX_ON_WM_V(WM_SETFOCUS, OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))))
#define ON_WM_KILLFOCUS() AFX_ON_WM_V(WM_KILLFOCUS, OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))))
#define ON_WM_SETCURSOR() \
    AFX_ON_WM_R(WM_SETCURSOR, OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), \
                                          static_cast<UINT>(LOWORD(lParam)), static_cast<UINT>(HIWORD(lParam))))
#define ON_WM_GETDLGCODE() AFX_ON_WM_R(WM_GETDLGCODE, OnGetDlgCode())
#define ON_WM_SYSCOMMAND() AFX_ON_WM_V(WM_SYSCOMMAND, OnSysCommand(static_cast<UINT>(wParam), lParam))
#define ON_WM_CONTEXTMENU() AFX_ON_WM_V(WM_CONTEXTMENU, OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), AFX_MSG_POINT))
#define ON_WM_HELPINFO() AFX_ON_WM_R(WM_HELP, OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam)))
#define ON_WM_DRAWITEM() \
    AFX_ON_WM_V(WM_DRAWITEM, OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)))
#define ON_WM_MEASUREITEM() \
    AFX_ON_WM_V(WM_MEASUREITEM, OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)))
// One entry for all WM_CTLCOLOR* messages: HBRUSH OnCtlColor(CDC*, CWnd*, UINT nCtlColor).
#define ON_WM_CTLCOLOR() \
    AFX_ON_WM_R(AFX_WM_CTLCOLOR, OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), \
                                            CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), \
                                            afxMessage - WM_CTLCOLORMSGBOX))
