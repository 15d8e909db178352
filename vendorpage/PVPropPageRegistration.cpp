#include "vendorpage/PVPropPageRegistration.h"
#include "framework/AppCore.h"
#include <exception>
#include <new>
#include <string>
#include <wchar.h>

namespace
{
// Constant-initialised, so valid before any registering object runs.
CPVPropPageRegData* g_pHead = nullptr;
// Export calls may come on several threads at once.
LONG g_registrationCount = 0;
BOOL g_bOk = TRUE;
wchar_t* g_pszModulePath = nullptr;

const DWORD kModulePathSize = 260;

DWORD TextBytes(const wchar_t* text)
{
    return static_cast<DWORD>(sizeof(wchar_t) * (wcslen(text) + 1));
}

DWORD TextBytes(const std::wstring& text)
{
    return static_cast<DWORD>(sizeof(wchar_t) * (text.size() + 1));
}

// The DLL's own full path, obtained once; NULL when it cannot be had in
// full (a truncated path would register the wrong file).
const wchar_t* ModulePath()
{
    if (g_pszModulePath != nullptr)
        return g_pszModulePath;
    wchar_t* buffer = new (std::nothrow) wchar_t[kModulePathSize];
    if (buffer == nullptr)
        return nullptr;
    DWORD length = GetModuleFileNameW(AfxGetInstanceHandle(), buffer, kModulePathSize);
    if (length == 0 || length >= kModulePathSize)
    {
        delete[] buffer;
        return nullptr;
    }
    g_pszModulePath = buffer;
    return g_pszModulePath;
}

LONG RegisterRecord(const CPVPropPageRegData& record, const wchar_t* modulePath)
{
    std::wstring keyName = L"CLSID\\";
    keyName += record.m_strClsid;

    HKEY classKey = nullptr;
    LONG error = RegCreateKeyExW(HKEY_CLASSES_ROOT, keyName.c_str(), 0, nullptr, 0,
                                 KEY_ALL_ACCESS, nullptr, &classKey, nullptr);
    if (error != ERROR_SUCCESS)
        return error;
    error = RegSetValueExW(classKey, nullptr, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(record.m_strDescription.c_str()),
                           TextBytes(record.m_strDescription));
    if (error != ERROR_SUCCESS)
    {
        RegCloseKey(classKey);
        return error;
    }
    HKEY serverKey = nullptr;
    error = RegCreateKeyExW(classKey, L"InProcServer32", 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &serverKey, nullptr);
    RegCloseKey(classKey);
    if (error != ERROR_SUCCESS)
        return error;
    error = RegSetValueExW(serverKey, nullptr, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(modulePath), TextBytes(modulePath));
    LONG closeError = RegCloseKey(serverKey);
    return error != ERROR_SUCCESS ? error : closeError;
}

// The newest record that accepts the class, or NULL.
CPVPropPageRegData* FindRecord(REFCLSID clsid)
{
    for (CPVPropPageRegData* record = g_pHead; record != nullptr; record = record->m_pNext)
    {
        if (record->m_pfnMatch(clsid))
            return record;
    }
    return nullptr;
}

bool IsGone(LONG error)
{
    return error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND;
}
}

CPVPropPageRegistration::CPVPropPageRegistration()
{
    InterlockedIncrement(&g_registrationCount);
}

CPVPropPageRegistration::CPVPropPageRegistration(PVMatchClsidProc match, PVCreateFactoryProc create,
                                                 const wchar_t* description, const wchar_t* clsidText)
{
    if (!g_bOk)
        return;
    CPVPropPageRegData* record = nullptr;
    try
    {
        record = new CPVPropPageRegData(clsidText, description, match, create);
    }
    catch (const std::exception&)
    {
        // Out of memory, or a record without a class identifier text.
        g_bOk = FALSE;
        return;
    }
    record->m_pNext = g_pHead;
    g_pHead = record;
    InterlockedIncrement(&g_registrationCount);
}

CPVPropPageRegistration::~CPVPropPageRegistration()
{
    // Every object gives one back, also a registering one that added no
    // record; the list goes when no holder is left (or the count is off).
    if (InterlockedDecrement(&g_registrationCount) > 0)
        return;
    while (g_pHead != nullptr)
    {
        CPVPropPageRegData* next = g_pHead->m_pNext;
        delete g_pHead;
        g_pHead = next;
    }
    delete[] g_pszModulePath;
    g_pszModulePath = nullptr;
}

BOOL CPVPropPageRegistration::FindRegData(REFCLSID clsid)
{
    return FindRecord(clsid) != nullptr ? TRUE : FALSE;
}

HRESULT CPVPropPageRegistration::GetClassObject(REFCLSID clsid, IClassFactory** factory)
{
    *factory = nullptr;
    CPVPropPageRegData* record = FindRecord(clsid);
    return record != nullptr ? record->m_pfnCreate(clsid, factory) : CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT CPVPropPageRegistration::RegisterAll()
{
    if (!g_bOk || g_registrationCount == 0)
        return E_FAIL;
    const wchar_t* modulePath = ModulePath();
    if (modulePath == nullptr)
        return E_FAIL;
    for (CPVPropPageRegData* record = g_pHead; record != nullptr; record = record->m_pNext)
    {
        if (RegisterRecord(*record, modulePath) != ERROR_SUCCESS)
        {
            g_bOk = FALSE;
            return E_FAIL;
        }
    }
    return S_OK;
}

HRESULT CPVPropPageRegistration::UnregisterAll()
{
    if (!g_bOk || g_registrationCount == 0)
        return E_FAIL;
    for (CPVPropPageRegData* record = g_pHead; record != nullptr; record = record->m_pNext)
    {
        HKEY parent = nullptr;
        LONG error = RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID", 0, KEY_READ, &parent);
        if (error == ERROR_FILE_NOT_FOUND)
            continue;   // no class is registered at all
        if (error != ERROR_SUCCESS)
        {
            g_bOk = FALSE;
            return E_FAIL;
        }
        error = RegDeleteKeyW(parent, record->m_strClsid.c_str());
        if (error != ERROR_SUCCESS)
            error = DeleteKeyTree(parent, record->m_strClsid.c_str());
        LONG closeError = RegCloseKey(parent);
        if (!IsGone(error) || closeError != ERROR_SUCCESS)
        {
            g_bOk = FALSE;
            return E_FAIL;
        }
    }
    return S_OK;
}

LONG CPVPropPageRegistration::DeleteKeyTree(HKEY parent, const wchar_t* name)
{
    HKEY key = nullptr;
    LONG error = RegOpenKeyExW(parent, name, 0, KEY_READ, &key);
    if (error != ERROR_SUCCESS)
        return error;
    // Registry key names have at most 255 characters.
    wchar_t subKey[256];
    DWORD size = 256;
    while ((error = RegEnumKeyExW(key, 0, subKey, &size, nullptr, nullptr, nullptr, nullptr))
           == ERROR_SUCCESS)
    {
        error = DeleteKeyTree(key, subKey);
        if (error != ERROR_SUCCESS)
        {
            RegCloseKey(key);
            return error;
        }
        size = 256;
    }
    LONG closeError = RegCloseKey(key);
    if (error != ERROR_NO_MORE_ITEMS)
        return error;
    if (closeError != ERROR_SUCCESS)
        return closeError;
    return RegDeleteKeyW(parent, name);
}
