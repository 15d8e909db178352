// The group's minimum core version and its localized display names.
#include "engine/MPIGroupMsi.h"
#include <cstdlib>
#include <vector>
#include "engine/MPIGroupTexts.h"
#include "engine/MPIPackageTexts.h"

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
    // Read from the side's database rather than a session: every group
    // listed on a page or queued for a run asks for its names.
    CMPIGroupTexts reader(*this);
    UINT result = ERROR_SUCCESS;
    const CMPIPackageTexts& texts = reader.Open(source, result);
    if (result != ERROR_SUCCESS || !texts.IsOpen())
    {
        // Nothing to read from: no names, and nothing cached, so a later
        // call tries again.
        m_strGroupName = L"?";
        m_strVendorPlusGroupName = L"?";
        return;
    }
    texts.GetLocalized(L"GroupName", static_cast<LANGID>(language), m_strGroupName);
    texts.GetLocalized(L"ModuleVendorPlusGroupName", static_cast<LANGID>(language), m_strVendorPlusGroupName);
    m_CachedNamesSource = source;
    m_CachedNamesLanguage = language;
}

void CMPIGroupMsi::GetLocalizedProperty(const wchar_t* baseName, LANGID language, CString& value, MSIHANDLE handle)
{
    CMPIPackageTexts(handle).GetLocalized(baseName, language, value);
}
