// The server's exports and the vendor page's entry in the class list.
#include "framework/ModuleState.h"
#include "vendorpage/PVModuleLock.h"
#include "vendorpage/PVPageVendor.h"
#include "vendorpage/PVPropPageRegistration.h"

namespace
{
// Constructed at DLL load, before the application object; it holds the
// list of page classes until the DLL is unloaded.
CPVPropPageRegistration g_vendorPageRegistration(
    CPVPageVendor::MatchClsid, CPVPageVendor::CreateClassFactory,
    L"PVPageVendor Page", CPVPageVendor::kClsidText);
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    CPVPropPageRegistration registration;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    if (ppv == nullptr)
        return E_POINTER;
    if (!registration.FindRegData(rclsid))
        return CLASS_E_CLASSNOTAVAILABLE;
    IClassFactory* factory = nullptr;
    HRESULT hr = registration.GetClassObject(rclsid, &factory);
    if (FAILED(hr))
        return hr;
    if (factory == nullptr)
        return E_OUTOFMEMORY;
    // The new factory answers for itself: IUnknown and IClassFactory give
    // it with one reference for the caller; anything else leaves ppv NULL
    // and the factory deletes itself again.
    factory->AddRef();
    hr = factory->QueryInterface(riid, ppv);
    factory->Release();
    return hr;
}

STDAPI DllCanUnloadNow()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return CanUnloadModule();
}

STDAPI DllRegisterServer()
{
    CPVPropPageRegistration registration;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return registration.RegisterAll();
}

STDAPI DllUnregisterServer()
{
    CPVPropPageRegistration registration;
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return registration.UnregisterAll();
}
