#pragma once
// The languages the setup program offers, in the order of the language
// list; the first row is the default. Ends with a row whose language is 0.
#include <windows.h>

struct QuandelLanguageRow
{
    int language;           // Windows language identifier
    UINT nameId;            // string with the language's name
    const char* crtLocale;  // C runtime locale name
};

extern const QuandelLanguageRow g_QuandelLanguages[];

// The row of a language; the first row when the table has none.
const QuandelLanguageRow& FindQuandelLanguageRow(int language);

// Sets the C runtime locale to the language's row (the first row for an
// unknown language) and lets the multibyte code page follow it.
void ApplyQuandelLocale(int language);
