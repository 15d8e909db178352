#pragma once
// The class factory of one page class T (a CPVPropPage). It is made with a
// count of 0 by T's create callback, holds one module lock while anyone
// holds a reference, and deletes itself on its last Release.
#include "framework/ModuleState.h"
#include "vendorpage/PVModuleLock.h"
#include "vendorpage/PVPropPageInterfaces.h"
#include <new>

template <class T>
class CPVPropPageClassFactory : public IClassFactory
{
public:
    explicit CPVPropPageClassFactory(REFCLSID clsid) : m_clsid(clsid), m_cRef(0)
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
    }
    virtual ~CPVPropPageClassFactory()
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
    }

    CPVPropPageClassFactory(const CPVPropPageClassFactory&) = delete;
    CPVPropPageClassFactory& operator=(const CPVPropPageClassFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IClassFactory)
            return E_NOINTERFACE;
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }

    ULONG STDMETHODCALLTYPE AddRef() override
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        return AddLockedRef(m_cRef);
    }

    ULONG STDMETHODCALLTYPE Release() override
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        return ReleaseLockedRef(this, m_cRef);
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        if (outer != nullptr)
            return CLASS_E_NOAGGREGATION;
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        T* object = nullptr;
        try
        {
            object = new T;
        }
        catch (...)
        {
            return E_OUTOFMEMORY;   // out of memory, or the page failed to construct
        }
        // The page starts at 0: hold it while asking, so a refused
        // interface leaves it to delete itself and give back its lock.
        IPVPropPage* page = static_cast<IPVPropPage*>(object);
        page->AddRef();
        HRESULT hr = page->QueryInterface(riid, ppv);
        page->Release();
        return hr;
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        if (lock)
            LockModule();
        else
            UnlockModule();
        return S_OK;
    }

    const CLSID& GetClsid() const { return m_clsid; }

private:
    CLSID m_clsid;
    LONG m_cRef;
};
