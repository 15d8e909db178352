#include "framework/Seams.h"
#include <shellapi.h>

namespace {

int RealMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type, bool hasLanguage,
                   WORD language)
{
    return hasLanguage ? MessageBoxExW(owner, text, caption, type, language)
                       : MessageBoxW(owner, text, caption, type);
}

HINSTANCE RealShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                           const wchar_t* directory, int show)
{
    return ShellExecuteW(owner, verb, file, parameters, directory, show);
}

BOOL RealExitWindows(UINT flags, DWORD reason)
{
    return ExitWindowsEx(flags, reason);
}

BOOL RealWinHelp(HWND owner, const wchar_t* helpFile, UINT command, ULONG_PTR data)
{
    return WinHelpW(owner, helpFile, command, data);
}

// Handlers may be swapped by a test while a worker thread shows a box:
// they are read and written as whole pointers.
AfxMessageBoxHandler volatile g_messageBox = RealMessageBox;
AfxShellExecuteHandler volatile g_shellExecute = RealShellExecute;
AfxExitWindowsHandler volatile g_exitWindows = RealExitWindows;
AfxWinHelpHandler volatile g_winHelp = RealWinHelp;
HWND volatile g_defaultOwner = nullptr;

HWND ResolveOwner(HWND owner)
{
    if (owner != nullptr)
        return owner;
    HWND fallback = g_defaultOwner;
    return fallback != nullptr && IsWindow(fallback) ? fallback : nullptr;
}

template <typename T>
T Swap(T volatile& slot, T handler, T real)
{
    T previous = slot;
    slot = handler != nullptr ? handler : real;
    return previous;
}

} // namespace

int AfxShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return g_messageBox(ResolveOwner(owner), text, caption, type, false, 0);
}

int AfxShowMessageBoxEx(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type, WORD language)
{
    return g_messageBox(ResolveOwner(owner), text, caption, type, true, language);
}

HINSTANCE AfxShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                          const wchar_t* directory, int show)
{
    return g_shellExecute(owner, verb, file, parameters, directory, show);
}

BOOL AfxExitWindowsEx(UINT flags, DWORD reason)
{
    return g_exitWindows(flags, reason);
}

BOOL AfxWinHelp(HWND owner, const wchar_t* helpFile, UINT command, ULONG_PTR data)
{
    return g_winHelp(owner, helpFile, command, data);
}

void AfxSetMessageBoxOwner(HWND owner)
{
    g_defaultOwner = owner;
}

HWND AfxGetMessageBoxOwner()
{
    return g_defaultOwner;
}

AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler handler)
{
    return Swap(g_messageBox, handler, &RealMessageBox);
}

AfxShellExecuteHandler AfxSetShellExecuteHandler(AfxShellExecuteHandler handler)
{
    return Swap(g_shellExecute, handler, &RealShellExecute);
}

AfxExitWindowsHandler AfxSetExitWindowsHandler(AfxExitWindowsHandler handler)
{
    return Swap(g_exitWindows, handler, &RealExitWindows);
}

AfxWinHelpHandler AfxSetWinHelpHandler(AfxWinHelpHandler handler)
{
    return Swap(g_winHelp, handler, &RealWinHelp);
}
