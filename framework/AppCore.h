#pragma once
// The application object and the module globals. Every binary links this
// layer statically, so each has its own application object, instance
// handle and resource handle.
#include "framework/CObject.h"
#include "framework/CString.h"
#include "framework/MsgMap.h"

class CWnd;

// Base of the classes that receive commands (the application, windows).
class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Runs the handler of the command (WM_COMMAND code and id) from the
    // message map; FALSE when the map has none (framework/MsgMap.h).
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

class CWinApp : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const wchar_t* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();
    // Gives the application a look at every message its loops dispatch.
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual void OnHelp();

    const wchar_t* m_pszAppName = nullptr;   // heap copy, owned
    const wchar_t* m_pszExeName = nullptr;   // heap copy, owned
    const wchar_t* m_pszHelpFilePath = nullptr; // heap copy (_wcsdup), owned; freed with free
    HINSTANCE m_hInstance = nullptr;
    const wchar_t* m_lpCmdLine = L"";
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
    int m_nExitCode = 0;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resource);

// The process entry of a program: runs the application object's start-up,
// its message loop when InitInstance answers TRUE, and its ExitInstance.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show);

// Routes one message of a message loop through the PreTranslateMessage
// chain. The window layer installs the walk from the message's window up
// to its top-level window; without it only the application is asked.
using AfxPreTranslateFn = BOOL (*)(MSG* msg);
void AfxSetPreTranslateHook(AfxPreTranslateFn fn);
BOOL AfxPreTranslateMessage(MSG* msg);
