#pragma once
// The "SetupLanguages" property of a module-group package: the languages
// the package supports, as decimal LANGIDs between delimiters.
#include <windows.h>
#include <vector>

typedef std::vector<DWORD> CQuandelLanguageList;

// Appends every supported language of text to list, in order (duplicates
// included). 0 when the list holds a language afterwards and 1033 was
// among them; else 13 (ERROR_INVALID_DATA).
UINT ParseSetupLanguagesText(const wchar_t* text, CQuandelLanguageList& list);

// TRUE for the languages the setup program knows.
BOOL IsSupportedSetupLanguage(long language);
