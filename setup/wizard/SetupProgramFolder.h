#pragma once
// Where the running setup program lies: its folder (for the documents that
// ship beside it) and whether it is the copy installed into the host
// software's module-profile install folder.
#include "framework/CString.h"

// TRUE when this program runs from "...\Ternwick Software\Pelmora\Module
// Profiles\Install\" (case ignored).
BOOL IsRunningFromInstallFolder();
// The program's folder, lower-cased, with its trailing backslash; empty when
// the program's file name does not contain "quandel.exe".
CString GetProgramFolder();

// The same two rules for a given program path.
BOOL IsInstallFolderPath(const wchar_t* modulePath);
CString ProgramFolderOfPath(const wchar_t* modulePath);

// Tests: pretend the program runs from this path (NULL: the real one).
void SetProgramPathOverride(const wchar_t* modulePath);
