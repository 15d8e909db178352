#pragma once
// Names the per-language file that lies beside the running module: for
// C:\Dist\Quandel.exe, language 1033 and "dll" it is C:\Dist\QuandelENU.dll.
#include "framework/CString.h"

// Empty when the running module's path cannot be had. A language that
// Windows does not know gives a name without language part.
CString GetLanguageFileName(int language, const wchar_t* extension);

// TRUE when that file exists. A language without an abbreviation has no
// file: its name would be the running module's own.
bool LanguageFileExists(int language, const wchar_t* extension);
