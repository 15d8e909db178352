#pragma once
// One entry of the server's list of page classes: the class identifier's
// registry text, the description written beside it, and the callbacks that
// recognise the class and create its factory.
#include <windows.h>
#include <unknwn.h>

typedef BOOL (*PVMatchClsidProc)(REFCLSID clsid);
typedef HRESULT (*PVCreateFactoryProc)(REFCLSID clsid, IClassFactory** factory);

class CPVPropPageRegData
{
public:
    // Copies both texts; throws std::bad_alloc when memory runs out.
    CPVPropPageRegData(const wchar_t* clsidText, const wchar_t* description,
                       PVMatchClsidProc match, PVCreateFactoryProc create);
    virtual ~CPVPropPageRegData();

    CPVPropPageRegData(const CPVPropPageRegData&) = delete;
    CPVPropPageRegData& operator=(const CPVPropPageRegData&) = delete;

    wchar_t* m_pszClsid;
    wchar_t* m_pszDescription;
    PVMatchClsidProc m_pfnMatch;
    PVCreateFactoryProc m_pfnCreate;
    CPVPropPageRegData* m_pNext;
};
