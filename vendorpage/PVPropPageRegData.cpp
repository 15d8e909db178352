#include "vendorpage/PVPropPageRegData.h"
#include <string.h>
#include <wchar.h>

namespace
{
wchar_t* CopyText(const wchar_t* text)
{
    if (text == nullptr)
        text = L"";
    size_t length = wcslen(text);
    wchar_t* copy = new wchar_t[length + 1];
    wmemcpy(copy, text, length + 1);
    return copy;
}
}

CPVPropPageRegData::CPVPropPageRegData(const wchar_t* clsidText, const wchar_t* description,
                                       PVMatchClsidProc match, PVCreateFactoryProc create)
    : m_pszClsid(nullptr), m_pszDescription(nullptr),
      m_pfnMatch(match), m_pfnCreate(create), m_pNext(nullptr)
{
    m_pszClsid = CopyText(clsidText);
    try
    {
        m_pszDescription = CopyText(description);
    }
    catch (...)
    {
        delete[] m_pszClsid;
        throw;
    }
}

CPVPropPageRegData::~CPVPropPageRegData()
{
    delete[] m_pszClsid;
    delete[] m_pszDescription;
}
