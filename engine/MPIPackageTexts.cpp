#include "engine/MPIPackageTexts.h"
#include <vector>
#include "engine/MPIMsi.h"
#include "engine/MPIMsiQuery.h"

namespace
{
const wchar_t kLocalPackage[] = L"LocalPackage";
}

UINT CMPIPackageTexts::Open(const CMPIMsi& msi, int source)
{
    if (source == 0)
        return msi.HasPackage() == 1 ? OpenDatabase(msi.GetPackagePath()) : ERROR_SUCCESS;
    return msi.IsInstalled() == 1 ? OpenInstalled(msi.GetProductCode(1)) : ERROR_SUCCESS;
}

UINT CMPIPackageTexts::OpenInstalled(const CString& productCode)
{
    // The installer keeps a copy of every installed product's package.
    DWORD length = MAX_PATH;
    std::vector<wchar_t> path(length + 1, L'\0');
    UINT result = g_MsiDll.pMsiGetProductInfoW(productCode, kLocalPackage, path.data(), &length);
    if (result == ERROR_MORE_DATA)
    {
        path.assign(length + 1, L'\0');
        length = static_cast<DWORD>(path.size());
        result = g_MsiDll.pMsiGetProductInfoW(productCode, kLocalPackage, path.data(), &length);
    }
    if (result == ERROR_SUCCESS && length > 0 && OpenDatabase(path.data()) == ERROR_SUCCESS)
        return ERROR_SUCCESS;
    result = g_MsiDll.pMsiOpenProductW(productCode, m_Session.put());
    if (result == ERROR_SUCCESS)
        m_hSession = m_Session.get();
    return result;
}

UINT CMPIPackageTexts::OpenDatabase(const wchar_t* path)
{
    UniqueMsiHandle database;
    UINT result = g_MsiDll.pMsiOpenDatabaseW(path, MSIDBOPEN_READONLY, database.put());
    if (result == ERROR_SUCCESS)
        result = LoadPropertyTable(database.get());
    return result;
}

UINT CMPIPackageTexts::LoadPropertyTable(MSIHANDLE database)
{
    m_Table.clear();
    CMPIMsiView view;
    UINT result = view.Open(database, L"SELECT `Property`,`Value` FROM `Property`");
    while (result == ERROR_SUCCESS && (result = view.Fetch()) == ERROR_SUCCESS)
    {
        std::wstring name, value;
        result = MPIReadWholeRecordString(view.Record(), 1, name);
        if (result == ERROR_SUCCESS)
            result = MPIReadWholeRecordString(view.Record(), 2, value);
        if (result == ERROR_SUCCESS)
            m_Table[name] = value;
    }
    if (result != ERROR_NO_MORE_ITEMS)
    {
        m_Table.clear();
        return result;
    }
    m_bTable = true;
    return ERROR_SUCCESS;
}

UINT CMPIPackageTexts::GetProperty(const wchar_t* name, wchar_t* buffer, DWORD* length) const
{
    if (!m_bTable)
        return g_MsiDll.pMsiGetPropertyW(m_hSession, name, buffer, length);
    auto row = m_Table.find(name);
    const std::wstring empty;
    const std::wstring& value = row != m_Table.end() ? row->second : empty;
    const DWORD size = *length;
    *length = static_cast<DWORD>(value.size());
    if (size <= value.size())
        return ERROR_MORE_DATA;
    value.copy(buffer, value.size());
    buffer[value.size()] = L'\0';
    return ERROR_SUCCESS;
}

void CMPIPackageTexts::GetLocalized(const wchar_t* baseName, LANGID language, CString& value) const
{
    value.Empty();
    CString name;
    name.Format(L"%s_%4d", baseName, static_cast<int>(language));

    std::vector<wchar_t> buffer(256, L'\0');
    DWORD length = 255;
    UINT result = GetProperty(name, buffer.data(), &length);
    if (((result != ERROR_SUCCESS && result != ERROR_MORE_DATA) || length == 0) && language != 1033)
    {
        name.Format(L"%s_%4d", baseName, 1033);
        length = 255;
        result = GetProperty(name, buffer.data(), &length);
    }
    if (result == ERROR_MORE_DATA)
    {
        buffer.assign(length + 1, L'\0');
        length = static_cast<DWORD>(buffer.size());
        result = GetProperty(name, buffer.data(), &length);
    }
    if (result != ERROR_SUCCESS || length == 0)
    {
        value = L"?";
        return;
    }
    value = CString(buffer.data());
}
