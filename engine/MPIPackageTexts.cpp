#include "engine/MPIPackageTexts.h"
#include "engine/MPIMsi.h"
#include "engine/MPIMsiQuery.h"

UINT CMPIPackageTexts::Open(const CMPIMsi& msi, int source)
{
    if (source == 0)
        return msi.HasPackage() == 1 ? OpenDatabase(msi.GetPackagePath()) : ERROR_SUCCESS;
    return msi.IsInstalled() == 1 ? OpenInstalled(msi.GetProductCode(1)) : ERROR_SUCCESS;
}

UINT CMPIPackageTexts::OpenInstalled(const CString& productCode)
{
    // The installer keeps a copy of every installed product's package.
    std::wstring path;
    if (MPIReadWholeProductInfo(productCode, INSTALLPROPERTY_LOCALPACKAGE, path) == ERROR_SUCCESS && !path.empty() &&
        OpenDatabase(path.c_str()) == ERROR_SUCCESS)
        return ERROR_SUCCESS;
    const UINT result = g_MsiDll.pMsiOpenProductW(productCode, m_Session.put());
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

UINT CMPIPackageTexts::ReadProperty(const wchar_t* name, std::wstring& value) const
{
    if (!m_bTable)
        return MPIReadWholeText(value, [&](wchar_t* buffer, DWORD* length) {
            return g_MsiDll.pMsiGetPropertyW(m_hSession, name, buffer, length);
        });
    auto row = m_Table.find(name);
    if (row != m_Table.end())
        value = row->second;
    else
        value.clear();
    return ERROR_SUCCESS;
}

void CMPIPackageTexts::GetLocalized(const wchar_t* baseName, LANGID language, CString& value) const
{
    auto read = [this, baseName](LANGID id, std::wstring& text) {
        CString name;
        name.Format(L"%s_%4d", baseName, static_cast<int>(id));
        return ReadProperty(name, text);
    };
    std::wstring text;
    UINT result = read(language, text);
    if ((result != ERROR_SUCCESS || text.empty()) && language != 1033)
        result = read(1033, text);
    value = (result != ERROR_SUCCESS || text.empty()) ? CString(L"?") : CString(text.c_str());
}
