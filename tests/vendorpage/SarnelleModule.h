#pragma once
// Loads the real Sarnelle.dll from the test binaries' folder and resolves
// its exports, as a host or COM would.
#include <windows.h>
#include <string>

class SarnelleModule
{
public:
    typedef HRESULT (STDAPICALLTYPE* GetClassObjectFn)(REFCLSID, REFIID, void**);
    typedef HRESULT (STDAPICALLTYPE* PlainFn)();

    SarnelleModule();
    ~SarnelleModule();
    SarnelleModule(const SarnelleModule&) = delete;
    SarnelleModule& operator=(const SarnelleModule&) = delete;

    bool ok() const { return m_module != nullptr && GetClassObject && CanUnloadNow && Register && Unregister; }
    HMODULE module() const { return m_module; }

    GetClassObjectFn GetClassObject = nullptr;
    PlainFn CanUnloadNow = nullptr;
    PlainFn Register = nullptr;
    PlainFn Unregister = nullptr;

    static std::wstring BinFolder();
    static std::wstring Path() { return BinFolder() + L"\\Sarnelle.dll"; }

private:
    HMODULE m_module = nullptr;
};

// The vendor page's class identifier.
inline const CLSID CLSID_PVPageVendor =
    { 0xD896E455, 0x8923, 0x478C, { 0xAA, 0xE7, 0x50, 0x14, 0xAF, 0x5D, 0x8A, 0xC8 } };
