// The group's minimum core version and its localized display names.
#include "engine/MPIGroupMsi.h"
#include <cstdlib>
#include <vector>
#include "engine/MPIMsiQuery.h"

const CString g_strDefaultMinCoreVersion(L"1.00");

UINT CMPIGroupMsi::ReadMinCoreVersion(MSIHANDLE package)
{
    const DWORD bufferChars = 100;
    std::vector<wchar_t> buffer(bufferChars, L'\0');
    DWORD length = bufferChars;
    UINT result = g_MsiDll.pMsiGetPropertyW(package, L"MinDunmoorVersion", buffer.data(), &length);
    if (result == ERROR_MORE_DATA)
    {
        // Too long for the buffer is no error: keep what fits, as the
        // installer would leave it (the buffer holds no terminator then).
        std::vector<wchar_t> whole(length + 1, L'\0');
        DWORD wholeLength = length + 1;
        result = g_MsiDll.pMsiGetPropertyW(package, L"MinDunmoorVersion", whole.data(), &wholeLength);
        if (result == ERROR_SUCCESS)
            m_strMinCoreVersion = CString(whole.data(), static_cast<int>(bufferChars - 1));
        else if (result == ERROR_MORE_DATA)
            result = ERROR_SUCCESS;  // changed under our feet; keep the old text
    }
    else if (result == ERROR_SUCCESS)
    {
        m_strMinCoreVersion = CString(buffer.data());
    }
    if (result == ERROR_SUCCESS)
        SetMinCoreVersion();
    return result;
}

void CMPIGroupMsi::SetMinCoreVersion()
{
    if (m_strMinCoreVersion.IsEmpty())
        m_strMinCoreVersion = g_strDefaultMinCoreVersion;
    const CString* source = &m_strMinCoreVersion;
    m_nMinCoreMajor = _wtoi(*source);
    if (m_nMinCoreMajor == 0)
    {
        source = &g_strDefaultMinCoreVersion;
        m_nMinCoreMajor = 1;
    }
    // A text without a minor part means minor 0, also when parsed again.
    m_nMinCoreMinor = 0;
    const wchar_t* text = *source;
    const wchar_t* dot = wcschr(text, L'.');
    if (dot != NULL && dot != text && dot[1] != L'\0')
        m_nMinCoreMinor = _wtoi(dot + 1);
    if (source == &m_strMinCoreVersion)
        m_strMinCoreVersion.Format(L"%d.%02d", m_nMinCoreMajor, m_nMinCoreMinor);
}

const CString& CMPIGroupMsi::GetGroupName(int source)
{
    ReadGroupNames(source);
    return m_strGroupName;
}

const CString& CMPIGroupMsi::GetVendorPlusGroupName(int source)
{
    ReadGroupNames(source);
    return m_strVendorPlusGroupName;
}

namespace
{
// The localized read with its fallbacks ("%s_%4d" of the language, then of
// 1033, else "?"), over read(name, buffer, &length), which answers the way
// MsiGetPropertyW does: 0 with length 0 for an absent name, 234 with the
// length needed when the buffer is too small.
template <class Read>
void ReadLocalized(const wchar_t* baseName, LANGID language, CString& value, Read read)
{
    value.Empty();
    CString name;
    name.Format(L"%s_%4d", baseName, static_cast<int>(language));

    std::vector<wchar_t> buffer(256, L'\0');
    DWORD length = 255;
    UINT result = read(name.GetString(), buffer.data(), &length);
    if (((result != ERROR_SUCCESS && result != ERROR_MORE_DATA) || length == 0) && language != 1033)
    {
        name.Format(L"%s_%4d", baseName, 1033);
        length = 255;
        result = read(name.GetString(), buffer.data(), &length);
    }
    if (result == ERROR_MORE_DATA)
    {
        buffer.assign(length + 1, L'\0');
        length = static_cast<DWORD>(buffer.size());
        result = read(name.GetString(), buffer.data(), &length);
    }
    if (result != ERROR_SUCCESS || length == 0)
    {
        value = L"?";
        return;
    }
    value = CString(buffer.data());
}

// One row of a package database's Property table, answered like
// MsiGetPropertyW. Property names here are the program's own (letters,
// digits and underscores), so they go into the query as they are.
UINT ReadPropertyRow(MSIHANDLE database, const wchar_t* name, wchar_t* buffer, DWORD* length)
{
    CString query;
    query.Format(L"SELECT `Value` FROM `Property` WHERE `Property` = '%s'", name);
    CMPIMsiView view;
    UINT result = view.Open(database, query);
    if (result == ERROR_SUCCESS)
        result = view.Fetch();
    if (result == ERROR_NO_MORE_ITEMS)
    {
        buffer[0] = L'\0';
        *length = 0;
        return ERROR_SUCCESS;
    }
    if (result != ERROR_SUCCESS)
        return result;
    return g_MsiDll.pMsiRecordGetStringW(view.Record(), 1, buffer, length);
}
} // namespace

void CMPIGroupMsi::ReadGroupNames(int source)
{
    int language = GetLanguage();
    if (source == m_CachedNamesSource && language == m_CachedNamesLanguage)
        return;
    // The package file's names come from its database, opened read-only: a
    // package session costs tens of milliseconds each, which every group
    // listed on the first page would add to the start-up.
    const bool fromFile = source == 0 && HasPackage() == 1;
    UniqueMsiHandle handle;
    UINT result = fromFile ? g_MsiDll.pMsiOpenDatabaseW(GetPackagePath(), MSIDBOPEN_READONLY, handle.put())
                           : OpenMsiHandle(handle.put(), source);
    if (result != ERROR_SUCCESS || !handle)
    {
        // Nothing to read from: no names, and nothing cached, so a later
        // call tries again.
        m_strGroupName = L"?";
        m_strVendorPlusGroupName = L"?";
        return;
    }
    auto read = [&](const wchar_t* name, wchar_t* buffer, DWORD* length) {
        return fromFile ? ReadPropertyRow(handle.get(), name, buffer, length)
                        : g_MsiDll.pMsiGetPropertyW(handle.get(), name, buffer, length);
    };
    ReadLocalized(L"GroupName", static_cast<LANGID>(language), m_strGroupName, read);
    ReadLocalized(L"ModuleVendorPlusGroupName", static_cast<LANGID>(language), m_strVendorPlusGroupName, read);
    m_CachedNamesSource = source;
    m_CachedNamesLanguage = language;
}

void CMPIGroupMsi::GetLocalizedProperty(const wchar_t* baseName, LANGID language, CString& value, MSIHANDLE handle)
{
    ReadLocalized(baseName, language, value, [&](const wchar_t* name, wchar_t* buffer, DWORD* length) {
        return g_MsiDll.pMsiGetPropertyW(handle, name, buffer, length);
    });
}
