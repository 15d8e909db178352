// Parsing of the installer's record texts ("1: 0 2: 1033 3: 0 ").
#include "engine/MPIEngineBase.h"
#include <stdlib.h>
#include <string>

int g_CommonDataType = 0;
int g_CommonDataValue = 0;

int CMPIEngineBase::ReadMessageField(wchar_t** ppCursor, BOOL* pbEnd)
{
    wchar_t* pStart = *ppCursor;
    wchar_t* p = pStart;
    while (*p != L'\0' && *p != L' ')
        ++p;
    if (pbEnd)
        *pbEnd = (*p == L'\0');
    *p = L'\0';
    *ppCursor = p;
    return _wtoi(pStart);
}

BOOL CMPIEngineBase::ParseCommonData(LPCWSTR pszText)
{
    if (pszText == NULL || *pszText == L'\0')
        return FALSE;

    // ReadMessageField cuts the text: work on our own copy, never on the
    // installer's buffer.
    std::wstring copy(pszText);
    wchar_t* p = &copy[0];
    for (;;)
    {
        if (*p == L'\0')
            return TRUE;
        const wchar_t c = *p;
        // Over the field number, the colon and the blank; a text that ends
        // in between is not a record.
        for (int i = 0; i < 3; ++i)
        {
            if (*p == L'\0')
                return FALSE;
            ++p;
        }
        if (c == L'1')
        {
            if (*p < L'0' || *p > L'9')
                return FALSE;
            g_CommonDataType = *p - L'0';
            ++p;
            if (g_CommonDataType == 1)
                return FALSE;
            if (*p != L'\0')
                ++p;  // the blank after the type
        }
        else if (c == L'2')
        {
            g_CommonDataValue = ReadMessageField(&p);
            return TRUE;
        }
        else
        {
            return FALSE;
        }
    }
}
