#include "framework/AppCore.h"
#include "framework/Seams.h"
#include <stdlib.h>
#include <wchar.h>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {

CWinApp* g_pApp = nullptr;
HINSTANCE g_hResource = nullptr;
AfxPreTranslateFn g_pfnPreTranslate = nullptr;

// Any object of this module: its address tells which module we are.
const int g_moduleAnchor = 0;

} // namespace

HINSTANCE AfxGetInstanceHandle()
{
    static HINSTANCE instance = nullptr;
    if (instance == nullptr) {
        HMODULE module = nullptr;
        if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                               reinterpret_cast<LPCWSTR>(&g_moduleAnchor), &module))
            instance = module;
        else
            instance = GetModuleHandleW(nullptr);
    }
    return instance;
}

HINSTANCE AfxGetResourceHandle()
{
    return g_hResource != nullptr ? g_hResource : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE resource)
{
    g_hResource = resource;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWinApp::CWinApp(const wchar_t* appName)
{
    if (appName != nullptr)
        m_pszAppName = _wcsdup(appName);
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    free(const_cast<wchar_t*>(m_pszHelpFilePath));
    free(const_cast<wchar_t*>(m_pszAppName));
    free(const_cast<wchar_t*>(m_pszExeName));
    m_pszHelpFilePath = m_pszAppName = m_pszExeName = nullptr;
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitApplication()
{
    m_hInstance = AfxGetInstanceHandle();
    if (m_pszExeName == nullptr) {
        wchar_t path[MAX_PATH + 1] = L"";
        DWORD n = GetModuleFileNameW(m_hInstance, path, MAX_PATH);
        path[n < MAX_PATH ? n : MAX_PATH] = L'\0';
        const wchar_t* name = wcsrchr(path, L'\\');
        name = name ? name + 1 : path;
        wchar_t title[MAX_PATH + 1];
        wcsncpy(title, name, MAX_PATH);
        title[MAX_PATH] = L'\0';
        if (wchar_t* dot = wcsrchr(title, L'.'))
            *dot = L'\0';
        m_pszExeName = _wcsdup(title);
    }
    if (m_pszAppName == nullptr && m_pszExeName != nullptr)
        m_pszAppName = _wcsdup(m_pszExeName);
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    MSG msg;
    for (;;) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            m_nExitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1)
            break;
        if (!AfxPreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    int code = ExitInstance();
    return code != 0 ? code : m_nExitCode;
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

BOOL CWinApp::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWinApp::OnHelp()
{
    if (m_pszHelpFilePath != nullptr)
        AfxWinHelp(nullptr, m_pszHelpFilePath, HELP_FINDER, 0);
}

void AfxSetPreTranslateHook(AfxPreTranslateFn fn)
{
    g_pfnPreTranslate = fn;
}

BOOL AfxPreTranslateMessage(MSG* msg)
{
    if (g_pfnPreTranslate != nullptr)
        return g_pfnPreTranslate(msg);
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->PreTranslateMessage(msg) : FALSE;
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int show)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->m_lpCmdLine = commandLine ? commandLine : L"";
    app->m_nCmdShow = show;
    if (!app->InitApplication())
        return app->ExitInstance();
    app->m_hInstance = instance;
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
