#pragma once
// Whether a language library is one of the setup program's: it holds what
// start-up and the wizard's first page read from it. Another program's
// resource library under the same name has none of them.
#include <windows.h>

bool IsQuandelLanguageLibrary(HINSTANCE library);
