#include "engine/MPIMsiQuery.h"
#include <cwchar>
#include <vector>

UINT MPIOpenPackage(const wchar_t* path, MSIHANDLE* package)
{
    // The installer's path buffers hold MAX_PATH - 1 characters; Wine's
    // installer reads past them on a longer path and crashes.
    if (path != NULL && wcslen(path) >= MAX_PATH)
        return ERROR_FILENAME_EXCED_RANGE;
    UINT result = g_MsiDll.pMsiOpenPackageExW(path, MSIOPENPACKAGEFLAGS_IGNOREMACHINESTATE, package);
    if (result != ERROR_PRODUCT_VERSION)
        return result;
    UniqueMsiHandle database;
    if (g_MsiDll.pMsiOpenDatabaseW(path, MSIDBOPEN_READONLY, database.put()) != ERROR_SUCCESS)
        return result;
    wchar_t name[16];
    wsprintfW(name, L"#%lu", static_cast<unsigned long>(database.get()));
    // The package keeps its own reference to the database.
    return g_MsiDll.pMsiOpenPackageExW(name, MSIOPENPACKAGEFLAGS_IGNOREMACHINESTATE, package);
}

namespace
{
// Reads a text through read(buffer, &length) into a buffer of bufferChars
// characters. The buffer is used only on success: after 234 it may hold no
// terminator.
template <class Read>
UINT ReadText(CString& value, DWORD bufferChars, Read read)
{
    value.Empty();
    std::vector<wchar_t> buffer(bufferChars + 1, L'\0');
    DWORD length = bufferChars;
    UINT result = read(buffer.data(), &length);
    if (result == ERROR_SUCCESS)
        value = CString(buffer.data());
    return result;
}
}

UINT MPIReadProperty(MSIHANDLE handle, const wchar_t* name, CString& value, DWORD bufferChars)
{
    return ReadText(value, bufferChars, [=](wchar_t* buffer, DWORD* length) {
        return g_MsiDll.pMsiGetPropertyW(handle, name, buffer, length);
    });
}

UINT MPIReadRecordString(MSIHANDLE record, UINT field, CString& value, DWORD bufferChars)
{
    return ReadText(value, bufferChars, [=](wchar_t* buffer, DWORD* length) {
        return g_MsiDll.pMsiRecordGetStringW(record, field, buffer, length);
    });
}

UINT MPIReadWholeRecordString(MSIHANDLE record, UINT field, std::wstring& value)
{
    return MPIReadWholeText(value, [=](wchar_t* buffer, DWORD* length) {
        return g_MsiDll.pMsiRecordGetStringW(record, field, buffer, length);
    });
}

UINT MPIReadWholeProductInfo(const wchar_t* productCode, const wchar_t* name, std::wstring& value)
{
    return MPIReadWholeText(value, [=](wchar_t* buffer, DWORD* length) {
        return g_MsiDll.pMsiGetProductInfoW(productCode, name, buffer, length);
    });
}

UINT CMPIMsiView::Open(MSIHANDLE database, const wchar_t* query)
{
    m_Record.reset();
    m_View.reset();
    UINT result = g_MsiDll.pMsiDatabaseOpenViewW(database, query, m_View.put());
    if (result != ERROR_SUCCESS)
        return result;
    return g_MsiDll.pMsiViewExecute(m_View.get(), 0);
}

UINT CMPIMsiView::Fetch()
{
    m_Record.reset();
    return g_MsiDll.pMsiViewFetch(m_View.get(), m_Record.put());
}
