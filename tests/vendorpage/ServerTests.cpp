// Sarnelle.dll as COM and a host see it: exports, version entry, class
// factory and page reference counting, module unloading, registration.
#include "SarnelleModule.h"
#include "ScratchClassesRoot.h"
#include "vendorpage/PVPropPageInterfaces.h"
#include <gtest/gtest.h>
#include <objbase.h>
#include <string>

namespace
{
const CLSID kOtherClsid = { 0xD896E455, 0x8923, 0x478C, { 0xAA, 0xE7, 0x50, 0x14, 0xAF, 0x5D, 0x8A, 0xC9 } };
const wchar_t kClassKey[] = L"CLSID\\{D896E455-8923-478c-AAE7-5014AF5D8AC8}";

class ServerTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dll.ok()) << GetLastError(); }

    IClassFactory* Factory()
    {
        IClassFactory* factory = nullptr;
        EXPECT_EQ(S_OK, m_dll.GetClassObject(CLSID_PVPageVendor, IID_IClassFactory,
                                             reinterpret_cast<void**>(&factory)));
        return factory;
    }

    SarnelleModule m_dll;
};
}

TEST_F(ServerTest, ExportsSitAtTheirOrdinalsAndTheDllSelfRegisters)
{
    struct Case { int ordinal; const char* name; };
    const Case cases[] = { { 1, "DllCanUnloadNow" }, { 2, "DllGetClassObject" },
                           { 3, "DllRegisterServer" }, { 4, "DllUnregisterServer" } };
    for (const Case& c : cases)
    {
        FARPROC byOrdinal = GetProcAddress(m_dll.module(), MAKEINTRESOURCEA(c.ordinal));
        EXPECT_NE(nullptr, byOrdinal) << c.name;
        EXPECT_EQ(byOrdinal, GetProcAddress(m_dll.module(), c.name)) << c.name;
    }

    std::wstring path = SarnelleModule::Path();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_NE(0u, size);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, &block[0]));
    void* value = nullptr;
    UINT length = 0;
    EXPECT_TRUE(VerQueryValueW(&block[0], L"\\StringFileInfo\\040904b0\\OLESelfRegister", &value, &length));
}

TEST_F(ServerTest, ClassObjectIsAFactoryThatHoldsTheModule)
{
    EXPECT_EQ(S_OK, m_dll.CanUnloadNow());
    IClassFactory* factory = Factory();
    ASSERT_NE(nullptr, factory);
    EXPECT_EQ(S_FALSE, m_dll.CanUnloadNow());
    EXPECT_EQ(2u, factory->AddRef());
    EXPECT_EQ(1u, factory->Release());
    EXPECT_EQ(S_FALSE, m_dll.CanUnloadNow());

    IUnknown* unknown = nullptr;
    EXPECT_EQ(S_OK, factory->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    EXPECT_EQ(static_cast<IUnknown*>(factory), unknown);
    EXPECT_EQ(1u, unknown->Release());
    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, factory->QueryInterface(IID_IDispatch, &other));
    EXPECT_EQ(nullptr, other);
    EXPECT_EQ(E_POINTER, factory->QueryInterface(IID_IUnknown, nullptr));

    EXPECT_EQ(0u, factory->Release());
    EXPECT_EQ(S_OK, m_dll.CanUnloadNow());
}

TEST_F(ServerTest, ClassObjectRequestsThatCannotBeServed)
{
    // Asked for IUnknown, the factory comes with one reference.
    IUnknown* unknown = nullptr;
    ASSERT_EQ(S_OK, m_dll.GetClassObject(CLSID_PVPageVendor, IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    EXPECT_EQ(0u, unknown->Release());

    // Any other interface is refused and leaves nothing alive.
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, m_dll.GetClassObject(CLSID_PVPageVendor, IID_IDispatch, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(S_OK, m_dll.CanUnloadNow());

    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, m_dll.GetClassObject(kOtherClsid, IID_IClassFactory, &out));
    EXPECT_EQ(reinterpret_cast<void*>(1), out);
    EXPECT_EQ(E_POINTER, m_dll.GetClassObject(CLSID_PVPageVendor, IID_IClassFactory, nullptr));
    EXPECT_EQ(S_OK, m_dll.CanUnloadNow());
}

TEST_F(ServerTest, FactoryCreatesPagesThatHoldTheModule)
{
    IClassFactory* factory = Factory();
    ASSERT_NE(nullptr, factory);
    int outerStandIn = 0;   // never called: only its address is passed
    IUnknown* outer = reinterpret_cast<IUnknown*>(&outerStandIn);
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer, IID_IUnknown, &out));
    EXPECT_EQ(reinterpret_cast<void*>(1), out);
    EXPECT_EQ(0u, factory->Release());
    EXPECT_EQ(S_OK, m_dll.CanUnloadNow());   // nothing was created
    factory = Factory();
    EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IUnknown, nullptr));

    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IDispatch, &out));
    EXPECT_EQ(nullptr, out);

    IUnknown* unknown = nullptr;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    IPVPropPage* page = nullptr;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPVPropPage, reinterpret_cast<void**>(&page)));
    EXPECT_EQ(0u, factory->Release());
    // The pages alone keep the DLL loaded.
    EXPECT_EQ(S_FALSE, m_dll.CanUnloadNow());

    EXPECT_EQ(2u, page->AddRef());
    EXPECT_EQ(1u, page->Release());
    EXPECT_EQ(0u, page->Release());
    EXPECT_EQ(S_FALSE, m_dll.CanUnloadNow());
    EXPECT_EQ(0u, unknown->Release());
    EXPECT_EQ(S_OK, m_dll.CanUnloadNow());
}

TEST_F(ServerTest, PageInterfacesShareOneIdentityAndOneCount)
{
    IClassFactory* factory = Factory();
    ASSERT_NE(nullptr, factory);
    IPVPropPage* page = nullptr;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPVPropPage, reinterpret_cast<void**>(&page)));
    factory->Release();

    IPVPropPageEnum* pageEnum = nullptr;
    ASSERT_EQ(S_OK, page->QueryInterface(IID_IPVPropPageEnum, reinterpret_cast<void**>(&pageEnum)));
    IPVEventHandler2* events = nullptr;
    ASSERT_EQ(S_OK, pageEnum->QueryInterface(IID_IPVEventHandler2, reinterpret_cast<void**>(&events)));
    IUnknown* viaEnum = nullptr;
    ASSERT_EQ(S_OK, pageEnum->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&viaEnum)));
    IUnknown* viaPage = nullptr;
    ASSERT_EQ(S_OK, page->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&viaPage)));
    EXPECT_EQ(viaPage, viaEnum);
    EXPECT_EQ(static_cast<IUnknown*>(page), viaPage);
    // One count for all: page, enum, events, two IUnknowns, plus this one.
    EXPECT_EQ(6u, events->AddRef());
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, events->QueryInterface(IID_IClassFactory, &none));
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ(E_POINTER, page->QueryInterface(IID_IUnknown, nullptr));

    CPropertyPage* sheetPage = nullptr;
    EXPECT_EQ(S_OK, page->GetPropertyPage(&sheetPage));
    CPropertyPage* sheetPage2 = nullptr;
    EXPECT_EQ(S_OK, pageEnum->GetPropertyPage(&sheetPage2));
    EXPECT_NE(nullptr, sheetPage);
    EXPECT_EQ(sheetPage, sheetPage2);
    EXPECT_EQ(E_POINTER, page->GetPropertyPage(nullptr));

    ULONG count = 6;
    for (IUnknown* p : { static_cast<IUnknown*>(events), static_cast<IUnknown*>(events), viaEnum, viaPage,
                         static_cast<IUnknown*>(pageEnum) })
        EXPECT_EQ(--count, p->Release());
    EXPECT_EQ(S_FALSE, m_dll.CanUnloadNow());
    EXPECT_EQ(0u, page->Release());
    EXPECT_EQ(S_OK, m_dll.CanUnloadNow());
}

TEST_F(ServerTest, LockServerKeepsTheModuleUntilUnlocked)
{
    IClassFactory* factory = Factory();
    ASSERT_NE(nullptr, factory);
    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    EXPECT_EQ(0u, factory->Release());
    EXPECT_EQ(S_FALSE, m_dll.CanUnloadNow());

    factory = Factory();
    ASSERT_NE(nullptr, factory);
    EXPECT_EQ(S_OK, factory->LockServer(FALSE));
    EXPECT_EQ(S_FALSE, m_dll.CanUnloadNow());
    EXPECT_EQ(0u, factory->Release());
    EXPECT_EQ(S_OK, m_dll.CanUnloadNow());
}

TEST_F(ServerTest, RegistersAndUnregistersUnderClassesRoot)
{
    ScratchClassesRoot root;
    ASSERT_TRUE(root.ok());
    for (int round = 0; round < 2; ++round)
    {
        ASSERT_EQ(S_OK, m_dll.Register()) << "round " << round;
        EXPECT_EQ(L"PVPageVendor Page", root.DefaultValue(kClassKey));
        EXPECT_EQ(SarnelleModule::Path(), root.DefaultValue(std::wstring(kClassKey) + L"\\InProcServer32"));
    }
    root.CreateKey(std::wstring(kClassKey) + L"\\Extra\\Child");
    EXPECT_EQ(S_OK, m_dll.Unregister());
    EXPECT_FALSE(root.KeyExists(kClassKey));
    EXPECT_TRUE(root.KeyExists(L"CLSID"));
    EXPECT_EQ(S_OK, m_dll.Unregister());
}

TEST_F(ServerTest, AFailedRegistrationMakesBothRefuseButClassObjectsWork)
{
    ScratchClassesRoot root;
    ASSERT_TRUE(root.ok());
    root.BreakWrites();
    EXPECT_EQ(E_FAIL, m_dll.Register());
    root.Restore();

    EXPECT_EQ(E_FAIL, m_dll.Register());
    EXPECT_FALSE(root.KeyExists(L"CLSID"));
    root.CreateKey(kClassKey);
    EXPECT_EQ(E_FAIL, m_dll.Unregister());
    EXPECT_TRUE(root.KeyExists(kClassKey));

    IClassFactory* factory = Factory();
    ASSERT_NE(nullptr, factory);
    factory->Release();
}
