#pragma once
// The message shown when the setup program cannot even load its language
// library: built into the program, in the language of the thread locale.
#include "framework/CString.h"

// Text and caption for the thread locale lcid (compared whole: a locale
// with a sort identifier gets the English row).
void GetStartupFailureMessage(LCID lcid, CString& text, CString& caption);

