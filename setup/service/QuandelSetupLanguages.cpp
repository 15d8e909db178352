#include "setup/service/QuandelSetupLanguages.h"
#include <cwchar>
#include <cstdlib>
#include <string>

namespace
{
const wchar_t kDelimiters[] = L";. ,://";
const long kSupported[] = {1031, 1033, 1034, 1036, 1040, 1041, 1042, 1046, 2052};
}

BOOL IsSupportedSetupLanguage(long language)
{
    for (long supported : kSupported)
        if (supported == language)
            return TRUE;
    return FALSE;
}

UINT ParseSetupLanguagesText(const wchar_t* text, CQuandelLanguageList& list)
{
    std::wstring rest = text ? text : L"";
    BOOL bSeen1033 = FALSE;
    while (!rest.empty())
    {
        const size_t cut = rest.find_first_of(kDelimiters);
        if (cut == 0)
        {
            rest.erase(0, 1);
            continue;
        }
        const std::wstring token = rest.substr(0, cut);
        const long value = _wtol(token.c_str());
        if (IsSupportedSetupLanguage(value))
        {
            list.push_back(static_cast<DWORD>(value));
            if (value == 1033)
                bSeen1033 = TRUE;
        }
        // The token and the delimiter after it.
        rest.erase(0, cut == std::wstring::npos ? rest.size() : cut + 1);
    }
    return (list.empty() || !bSeen1033) ? ERROR_INVALID_DATA : ERROR_SUCCESS;
}
