#pragma once
// One entry of the server's list of page classes: the class identifier's
// registry text, the description written beside it, and the callbacks that
// recognise the class and create its factory.
#include <windows.h>
#include <unknwn.h>
#include <string>

typedef BOOL (*PVMatchClsidProc)(REFCLSID clsid);
typedef HRESULT (*PVCreateFactoryProc)(REFCLSID clsid, IClassFactory** factory);

class CPVPropPageRegData
{
public:
    // Copies both texts; throws std::bad_alloc when memory runs out, and
    // std::invalid_argument for an empty class identifier text (its key name
    // under "CLSID" would be "CLSID" itself, and unregistering would delete
    // every class).
    CPVPropPageRegData(const wchar_t* clsidText, const wchar_t* description,
                       PVMatchClsidProc match, PVCreateFactoryProc create);
    virtual ~CPVPropPageRegData();

    CPVPropPageRegData(const CPVPropPageRegData&) = delete;
    CPVPropPageRegData& operator=(const CPVPropPageRegData&) = delete;

    std::wstring m_strClsid;
    std::wstring m_strDescription;
    PVMatchClsidProc m_pfnMatch;
    PVCreateFactoryProc m_pfnCreate;
    CPVPropPageRegData* m_pNext;
};
