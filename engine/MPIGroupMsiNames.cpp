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

void CMPIGroupMsi::ReadGroupNames(int source)
{
    int language = GetLanguage();
    if (source == m_CachedNamesSource && language == m_CachedNamesLanguage)
        return;
    UniqueMsiHandle handle;
    UINT result = OpenMsiHandle(handle.put(), source);
    if (result != ERROR_SUCCESS || !handle)
    {
        // Nothing to read from: no names, and nothing cached, so a later
        // call tries again.
        m_strGroupName = L"?";
        m_strVendorPlusGroupName = L"?";
        return;
    }
    GetLocalizedProperty(L"GroupName", static_cast<LANGID>(language), m_strGroupName, handle.get());
    GetLocalizedProperty(L"ModuleVendorPlusGroupName", static_cast<LANGID>(language),
                         m_strVendorPlusGroupName, handle.get());
    m_CachedNamesSource = source;
    m_CachedNamesLanguage = language;
}

void CMPIGroupMsi::GetLocalizedProperty(const wchar_t* baseName, LANGID language, CString& value, MSIHANDLE handle)
{
    value.Empty();
    CString name;
    name.Format(L"%s_%4d", baseName, static_cast<int>(language));

    std::vector<wchar_t> buffer(256, L'\0');
    DWORD length = 255;
    UINT result = g_MsiDll.pMsiGetPropertyW(handle, name, buffer.data(), &length);
    if (((result != ERROR_SUCCESS && result != ERROR_MORE_DATA) || length == 0) && language != 1033)
    {
        name.Format(L"%s_%4d", baseName, 1033);
        length = 255;
        result = g_MsiDll.pMsiGetPropertyW(handle, name, buffer.data(), &length);
    }
    if (result == ERROR_MORE_DATA)
    {
        buffer.assign(length + 1, L'\0');
        length = static_cast<DWORD>(buffer.size());
        result = g_MsiDll.pMsiGetPropertyW(handle, name, buffer.data(), &length);
    }
    if (result != ERROR_SUCCESS || length == 0)
    {
        value = L"?";
        return;
    }
    value = CString(buffer.data());
}
