#pragma once
// The server's process-wide list of page classes. A registering object adds
// one record at DLL load; every export holds a default-constructed object on
// its stack for the duration of the call. The records and the module path
// live until the last registration object is gone.
#include "vendorpage/PVPropPageRegData.h"

class CPVPropPageRegistration
{
public:
    CPVPropPageRegistration();
    CPVPropPageRegistration(PVMatchClsidProc match, PVCreateFactoryProc create,
                            const wchar_t* description, const wchar_t* clsidText);
    virtual ~CPVPropPageRegistration();

    CPVPropPageRegistration(const CPVPropPageRegistration&) = delete;
    CPVPropPageRegistration& operator=(const CPVPropPageRegistration&) = delete;

    BOOL FindRegData(REFCLSID clsid);
    // The create callback's result for the first record that serves the
    // class; CLASS_E_CLASSNOTAVAILABLE when none does.
    HRESULT GetClassObject(REFCLSID clsid, IClassFactory** factory);
    // Write or delete "CLSID\{...}" with "InProcServer32" under
    // HKEY_CLASSES_ROOT for every record. A registry failure makes both
    // refuse with E_FAIL for the rest of the process.
    HRESULT RegisterAll();
    HRESULT UnregisterAll();

    // Deletes a key with all its sub-keys; a Win32 error code.
    static LONG DeleteKeyTree(HKEY parent, const wchar_t* name);
};
