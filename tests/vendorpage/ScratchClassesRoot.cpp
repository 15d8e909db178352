#include "ScratchClassesRoot.h"
#include <shlwapi.h>

namespace
{
const wchar_t kRoot[] = L"Software\\SarnelleTests";
}

ScratchClassesRoot::ScratchClassesRoot()
{
    m_name = std::wstring(kRoot) + L"\\Root" + std::to_wstring(GetCurrentProcessId());
    SHDeleteKeyW(HKEY_CURRENT_USER, m_name.c_str());
    if (RegCreateKeyExW(HKEY_CURRENT_USER, m_name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &m_key, nullptr) != ERROR_SUCCESS)
    {
        m_key = nullptr;
        return;
    }
    Restore();
}

ScratchClassesRoot::~ScratchClassesRoot()
{
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (m_deleted != nullptr)
        RegCloseKey(m_deleted);
    if (m_key != nullptr)
        RegCloseKey(m_key);
    SHDeleteKeyW(HKEY_CURRENT_USER, m_name.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, kRoot);   // only when no other test uses it
}

void ScratchClassesRoot::BreakWrites()
{
    if (m_deleted == nullptr)
    {
        std::wstring name = m_name + L"\\Gone";
        RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &m_deleted, nullptr);
        RegDeleteKeyW(HKEY_CURRENT_USER, name.c_str());
    }
    RegOverridePredefKey(HKEY_CLASSES_ROOT, m_deleted);
}

void ScratchClassesRoot::Restore()
{
    RegOverridePredefKey(HKEY_CLASSES_ROOT, m_key);
}

bool ScratchClassesRoot::KeyExists(const std::wstring& path) const
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(m_key, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::wstring ScratchClassesRoot::DefaultValue(const std::wstring& path) const
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(m_key, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::wstring();
    wchar_t buffer[1024] = L"";
    DWORD size = sizeof buffer - sizeof(wchar_t);
    DWORD type = 0;
    LONG error = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (error != ERROR_SUCCESS || type != REG_SZ)
        return std::wstring();
    return buffer;
}

void ScratchClassesRoot::CreateKey(const std::wstring& path) const
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(m_key, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        == ERROR_SUCCESS)
        RegCloseKey(key);
}
