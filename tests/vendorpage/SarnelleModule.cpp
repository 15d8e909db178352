#include "SarnelleModule.h"

SarnelleModule::SarnelleModule()
{
    m_module = LoadLibraryW(Path().c_str());
    if (m_module == nullptr)
        return;
    GetClassObject = reinterpret_cast<GetClassObjectFn>(
        reinterpret_cast<void*>(GetProcAddress(m_module, "DllGetClassObject")));
    CanUnloadNow = reinterpret_cast<PlainFn>(
        reinterpret_cast<void*>(GetProcAddress(m_module, "DllCanUnloadNow")));
    Register = reinterpret_cast<PlainFn>(
        reinterpret_cast<void*>(GetProcAddress(m_module, "DllRegisterServer")));
    Unregister = reinterpret_cast<PlainFn>(
        reinterpret_cast<void*>(GetProcAddress(m_module, "DllUnregisterServer")));
}

SarnelleModule::~SarnelleModule()
{
    if (m_module != nullptr)
        FreeLibrary(m_module);
}

std::wstring SarnelleModule::BinFolder()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\'));
}
