#pragma once
// The system's few calls that reach the user or the machine outside the
// program (message boxes, opening documents, help, restarting) go through
// these functions, so tests can record them and script their answers
// instead of showing real dialogs, starting viewers or ending the session.
#include <windows.h>

// A message box. hasLanguage selects MessageBoxExW with the language.
using AfxMessageBoxHandler = int (*)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type,
                                     bool hasLanguage, WORD language);
using AfxShellExecuteHandler = HINSTANCE (*)(HWND owner, const wchar_t* verb, const wchar_t* file,
                                             const wchar_t* parameters, const wchar_t* directory, int show);
using AfxExitWindowsHandler = BOOL (*)(UINT flags, DWORD reason);
using AfxWinHelpHandler = BOOL (*)(HWND owner, const wchar_t* helpFile, UINT command, ULONG_PTR data);

// MessageBoxW through the seam.
int AfxShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
// MessageBoxExW through the seam.
int AfxShowMessageBoxEx(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type, WORD language);
HINSTANCE AfxShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                          const wchar_t* directory, int show);
BOOL AfxExitWindowsEx(UINT flags, DWORD reason);
BOOL AfxWinHelp(HWND owner, const wchar_t* helpFile, UINT command, ULONG_PTR data);

// The window that owns message boxes shown without an owner, from any
// thread (NULL: none). A program's main window registers itself while it
// exists, so the user cannot work it behind an open question.
void AfxSetMessageBoxOwner(HWND owner);
HWND AfxGetMessageBoxOwner();

// Each setter installs a handler (NULL restores the real call) and returns the previous one.
AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler handler);
AfxShellExecuteHandler AfxSetShellExecuteHandler(AfxShellExecuteHandler handler);
AfxExitWindowsHandler AfxSetExitWindowsHandler(AfxExitWindowsHandler handler);
AfxWinHelpHandler AfxSetWinHelpHandler(AfxWinHelpHandler handler);
