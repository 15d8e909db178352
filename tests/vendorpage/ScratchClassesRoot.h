#pragma once
// Redirects HKEY_CLASSES_ROOT of this process into a fresh scratch key under
// HKEY_CURRENT_USER for one test, and removes the scratch key afterwards.
#include <windows.h>
#include <string>

class ScratchClassesRoot
{
public:
    ScratchClassesRoot();
    ~ScratchClassesRoot();
    ScratchClassesRoot(const ScratchClassesRoot&) = delete;
    ScratchClassesRoot& operator=(const ScratchClassesRoot&) = delete;

    bool ok() const { return m_key != nullptr; }
    HKEY key() const { return m_key; }
    // Points HKEY_CLASSES_ROOT at the handle of a key that has been
    // deleted, so every later write fails.
    void BreakWrites();
    // Points HKEY_CLASSES_ROOT back at the scratch key.
    void Restore();

    bool KeyExists(const std::wstring& path) const;
    // The default value of a key below the scratch root; empty when absent.
    std::wstring DefaultValue(const std::wstring& path) const;
    void CreateKey(const std::wstring& path) const;

private:
    std::wstring m_name;
    HKEY m_key = nullptr;
    HKEY m_deleted = nullptr;
};
