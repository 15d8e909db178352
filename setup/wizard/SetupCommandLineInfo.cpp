#include "setup/wizard/SetupCommandLineInfo.h"
#include <stdlib.h>

Setup_CCommandLineInfo::Setup_CCommandLineInfo()
    : m_bLanguageGiven(false), m_bLanguagePrompt(false)
{
}

Setup_CCommandLineInfo::~Setup_CCommandLineInfo()
{
}

bool Setup_CCommandLineInfo::IsSupportedLanguage(int language)
{
    switch (language) {
    case 1031: case 1033: case 1034: case 1036: case 1040:
    case 1041: case 1042: case 1046: case 2052:
        return true;
    default:
        return false;
    }
}

void Setup_CCommandLineInfo::ParseParam(const wchar_t* text, BOOL flag, BOOL last)
{
    if (!flag || text == nullptr) {
        CCommandLineInfo::ParseParam(text, flag, last);
        return;
    }
    CString token(text);
    if (token.CompareNoCase(L"AddRemove") == 0)
        return;
    if (token.Find(L"LCID=") >= 0) {
        // The language is the token's last four characters, as a number.
        int language = static_cast<int>(_wtol(token.Right(4)));
        if (IsSupportedLanguage(language)) {
            SetThreadLocale(static_cast<LCID>(language));
            m_bLanguageGiven = true;
        }
        return;
    }
    if (token.CompareNoCase(L"SLP") == 0) {
        m_bLanguagePrompt = true;
        CCommandLineInfo::ParseParam(text, flag, last);
        return;
    }
    if (token.Find(L"ARDetails=") >= 0) {
        CCommandLineInfo::ParseParam(text, flag, last);
        return;
    }
    CString lower(token);
    lower.MakeLower();
    if (lower.Find(L"singleclick=") >= 0)
        return;
    CCommandLineInfo::ParseParam(text, flag, last);
}
