#include "setup/service/QuandelSrv.h"
#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <new>
#include "engine/MPILoadMSIDll.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelMsi.h"

namespace
{
const DWORD kProductCodeChars = 50;
const DWORD kProductNameChars = 200;
const DWORD kVersionMajorChars = 10;
const wchar_t kHostNamePart[] = L"Pelmora v";
const long kLastOldHostVersion = 12;
}

CQuandelSrv::CQuandelSrv()
    : CMPIBase(&m_Engine)
{
    m_Engine.SetOwner(this);
}

CQuandelSrv::~CQuandelSrv()
{
}

UINT CQuandelSrv::Initialize(LANGID language)
{
    CQuandelEngine::SetInternalUINone();
    return CMPIBase::Initialize(language);
}

CMPIGroupMsi* CQuandelSrv::CreateGroupMsi()
{
    return new (std::nothrow) CQuandelGroupMsi(this);
}

CMPIMsi* CQuandelSrv::CreateMsi()
{
    return new (std::nothrow) CQuandelMsi(this);
}

CQuandelGroupMsi* CQuandelSrv::GetMsi(int index) const
{
    if (index < 0)
        return NULL;
    return static_cast<CQuandelGroupMsi*>(CMPIBase::GetMsi(static_cast<unsigned>(index)));
}

BOOL CQuandelSrv::IsNewHostInstalled()
{
    if (g_MsiDll.pMsiEnumProductsW == NULL || g_MsiDll.pMsiGetProductInfoW == NULL)
        return FALSE;
    wchar_t productCode[kProductCodeChars] = {};
    for (DWORD index = 0;; ++index)
    {
        if (g_MsiDll.pMsiEnumProductsW(index, productCode) != ERROR_SUCCESS)
            return FALSE;
        wchar_t name[kProductNameChars] = {};
        DWORD length = kProductNameChars;
        if (g_MsiDll.pMsiGetProductInfoW(productCode, INSTALLPROPERTY_PRODUCTNAME, name, &length) != ERROR_SUCCESS)
            continue;
        if (wcsstr(name, kHostNamePart) == NULL)
            continue;
        // A failed read leaves the text empty (0); the buffer always ends
        // in a terminator, whatever the installer wrote.
        wchar_t major[kVersionMajorChars] = {};
        length = kVersionMajorChars;
        g_MsiDll.pMsiGetProductInfoW(productCode, INSTALLPROPERTY_VERSIONMAJOR, major, &length);
        major[kVersionMajorChars - 1] = L'\0';
        if (_wtol(major) > kLastOldHostVersion)
            return TRUE;
    }
}

BOOL CQuandelSrv::IsAnyGroupInstalledAfter(MPISetupMode mode)
{
    for (unsigned i = 0; i < GetMsiCount(); ++i)
    {
        CMPIGroupMsi* group = CMPIBase::GetMsi(i);
        if (group != NULL && group->IsInstalledAfter(mode) == 1)
            return TRUE;
    }
    return FALSE;
}

DWORD CQuandelSrv::GetLanguageList(unsigned index, int source)
{
    CQuandelLanguageList& list = source == 1 ? m_InstalledLanguages : m_PackageLanguages;
    if (list.empty())
    {
        list.push_back(1033);
        for (int i = 0; GetMsi(i) != NULL; ++i)
        {
            const CQuandelGroupMsi* group = GetMsi(i);
            for (unsigned k = 0;; ++k)
            {
                const DWORD language = group->GetSetupLanguage(k, source);
                if (language == 0)
                    break;
                if (std::find(list.begin(), list.end(), language) == list.end())
                    list.push_back(language);
            }
        }
    }
    return index < list.size() ? list[index] : 0;
}
