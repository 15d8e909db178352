#include "vendorpage/PVPropPageRegData.h"
#include <stdexcept>

CPVPropPageRegData::CPVPropPageRegData(const wchar_t* clsidText, const wchar_t* description,
                                       PVMatchClsidProc match, PVCreateFactoryProc create)
    : m_strClsid(clsidText != nullptr ? clsidText : L""),
      m_strDescription(description != nullptr ? description : L""),
      m_pfnMatch(match), m_pfnCreate(create), m_pNext(nullptr)
{
    if (m_strClsid.empty())
        throw std::invalid_argument("empty class identifier");
}

CPVPropPageRegData::~CPVPropPageRegData()
{
}
