#include "support/LanguageAbbreviation.h"

CString GetLanguageAbbreviation(int language)
{
    wchar_t buffer[4] = {};
    int written = GetLocaleInfoW(static_cast<LCID>(language), LOCALE_NOUSEROVERRIDE | LOCALE_SABBREVLANGNAME,
                                 buffer, 4);
    if (written <= 0)
        return CString();
    buffer[3] = L'\0';
    return CString(buffer);
}
