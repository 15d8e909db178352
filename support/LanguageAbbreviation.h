#pragma once
// The three-letter Windows abbreviation of a language (ENU for 1033, DEU for
// 1031), from which the names of language libraries, help files and other
// per-language files are formed.
#include "framework/CString.h"

// Empty when Windows knows no such language.
CString GetLanguageAbbreviation(int language);
