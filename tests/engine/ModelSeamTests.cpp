// Installed modules and run forwarding with the entry-point table's
// pointers replaced, for answers a real installer cannot be made to give.
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "engine/MPIBase.h"
#include "engine/MPIEngineBase.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPILoadMSIDll.h"
#include "engine/MPIModule.h"

namespace {

// Scripted installed features: name and state, in enumeration order.
struct Feature { const wchar_t* name; INSTALLSTATE state; };
std::vector<Feature> g_Features;
UINT g_EnumError;  // returned at the end of the list instead of 259

UINT WINAPI FakeEnumFeatures(LPCWSTR, DWORD index, LPWSTR feature, LPWSTR)
{
    if (index < g_Features.size())
    {
        lstrcpyW(feature, g_Features[index].name);
        return ERROR_SUCCESS;
    }
    return g_EnumError;
}

INSTALLSTATE WINAPI FakeQueryFeatureState(LPCWSTR, LPCWSTR feature)
{
    for (const Feature& f : g_Features)
        if (lstrcmpW(f.name, feature) == 0)
            return f.state;
    return INSTALLSTATE_UNKNOWN;
}

UINT WINAPI FakeGetProperty(MSIHANDLE, LPCWSTR, LPWSTR value, LPDWORD length)
{
    if (*length)
        value[0] = L'\0';
    *length = 0;
    return ERROR_SUCCESS;
}

MSIHANDLE WINAPI NoDatabase(MSIHANDLE) { return 0; }

class SeamTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(1, LoadMsiDll());
        m_saved = g_MsiDll;
        g_MsiDll.pMsiEnumFeaturesW = FakeEnumFeatures;
        g_MsiDll.pMsiQueryFeatureStateW = FakeQueryFeatureState;
        g_MsiDll.pMsiGetPropertyW = FakeGetProperty;
        g_MsiDll.pMsiGetActiveDatabase = NoDatabase;
        g_Features.clear();
        g_EnumError = ERROR_NO_MORE_ITEMS;
    }
    void TearDown() override { g_MsiDll = m_saved; }

    MPIMsiDllTable m_saved;
};

std::wstring States(CMPIGroupMsi& group)
{
    std::wstring text;
    for (unsigned i = 0; i < group.GetModuleCount(); ++i)
    {
        CMPIModule* m = group.GetModule(i);
        if (i)
            text += L",";
        text += m->GetFeatureName().GetString();
        text += m->IsInstalled() ? L":I" : m->IsAbsent() ? L":A" : L":-";
    }
    return text;
}

} // namespace

TEST_F(SeamTest, InstalledModulesFromTheFeatureEnumeration)
{
    struct Case
    {
        const char* what;
        std::vector<Feature> features;
        UINT enumError;
        UINT expected;
        const wchar_t* states;
    };
    const Case cases[] = {
        {"local and absent modules, Main skipped",
         {{L"Main", INSTALLSTATE_LOCAL}, {L"ModA", INSTALLSTATE_LOCAL}, {L"ModB", INSTALLSTATE_ABSENT}},
         ERROR_NO_MORE_ITEMS, 0, L"ModA:I,ModB:A"},
        {"an advertised module stops reading",
         {{L"ModA", INSTALLSTATE_LOCAL}, {L"ModB", INSTALLSTATE_ADVERTISED}, {L"ModC", INSTALLSTATE_LOCAL}},
         ERROR_NO_MORE_ITEMS, ERROR_BAD_CONFIGURATION, L"ModA:I,ModB:-"},
        {"a module run from source stops reading",
         {{L"ModA", INSTALLSTATE_SOURCE}}, ERROR_NO_MORE_ITEMS, ERROR_BAD_CONFIGURATION, L"ModA:-"},
        {"Main features only", {{L"Main", INSTALLSTATE_LOCAL}, {L"MainCommon", INSTALLSTATE_LOCAL}},
         ERROR_NO_MORE_ITEMS, ERROR_NO_MORE_ITEMS, L""},
        {"an enumeration error is returned", {{L"ModA", INSTALLSTATE_LOCAL}},
         ERROR_UNKNOWN_PRODUCT, ERROR_UNKNOWN_PRODUCT, L"ModA:I"},
        {"an error at the first index is returned", {}, ERROR_UNKNOWN_PRODUCT, ERROR_UNKNOWN_PRODUCT, L""},
        // Nothing enumerated and no Feature table to fall back on.
        {"no features at all", {}, ERROR_NO_MORE_ITEMS, ERROR_NO_MORE_ITEMS, L""},
    };
    for (const Case& c : cases)
    {
        g_Features = c.features;
        g_EnumError = c.enumError;
        CMPIGroupMsi group(NULL);
        EXPECT_EQ(c.expected, group.ReadInstalled(L"{E1A00000-FFFF-4000-8000-00000000FFFF}", 0)) << c.what;
        EXPECT_EQ(1, group.IsInstalled()) << c.what;
        EXPECT_EQ(std::wstring(c.states), States(group)) << c.what;
    }
}

namespace {
// A group whose package file has the module ModA.
class PackagedGroup : public CMPIGroupMsi
{
public:
    PackagedGroup() : CMPIGroupMsi(NULL)
    {
        class Packaged : public CMPIModule
        {
        public:
            explicit Packaged(CMPIGroupMsi* group) : CMPIModule(group)
            {
                m_strFeatureName = L"ModA";
                m_bInPackage = TRUE;
            }
        };
        m_strProductCode = L"{E1A00000-FFFF-4000-8000-00000000FFF0}";
        m_Modules.push_back(new Packaged(this));
    }
};
} // namespace

// A second installed product read into the same group replaces the first
// one's module states instead of adding to them; modules that only the
// first product had go with it.
TEST_F(SeamTest, SecondInstalledProductReplacesModuleStates)
{
    struct Case
    {
        const char* what;
        bool packaged;
        const wchar_t* states;
    };
    const Case cases[] = {
        {"installed-only group", false, L"ModA:A,ModB:I"},
        {"group with a package file", true, L"ModA:A,ModB:I"},
    };
    for (const Case& c : cases)
    {
        std::unique_ptr<CMPIGroupMsi> group(c.packaged ? new PackagedGroup : new CMPIGroupMsi(NULL));
        g_Features = {{L"ModA", INSTALLSTATE_LOCAL}, {L"ModB", INSTALLSTATE_ABSENT}, {L"ModC", INSTALLSTATE_LOCAL}};
        ASSERT_EQ(0u, group->ReadInstalled(L"{E1A00000-FFFF-4000-8000-00000000FFF1}", 0)) << c.what;
        ASSERT_EQ(L"ModA:I,ModB:A,ModC:I", States(*group)) << c.what;
        g_Features = {{L"ModA", INSTALLSTATE_ABSENT}, {L"ModB", INSTALLSTATE_LOCAL}};
        ASSERT_EQ(0u, group->ReadInstalled(L"{E1A00000-FFFF-4000-8000-00000000FFF2}", 0)) << c.what;
        EXPECT_EQ(std::wstring(c.states), States(*group)) << c.what;
        EXPECT_EQ(c.packaged ? 1 : 0, group->GetModule(0)->IsInPackage()) << c.what;
        EXPECT_STREQ(L"{E1A00000-FFFF-4000-8000-00000000FFF2}", group->GetProductCode(1)) << c.what;
    }
}

namespace {

// A concrete engine that refuses every group for its core version, as the
// setup program's binding does after telling the user.
class RefusingEngine : public CMPIEngineBase
{
public:
    int OnRunStart() override { return 0; }
    int PrepareConfig(CMPIEngineConfig*) override { return 0; }
    int OnPackageStart(CMPIEngineConfig*, int) override { return 0; }
    int OnPackageEnd(CMPIEngineConfig*, int, int) override { return 0; }
    int OnPackageSuccess(CMPIEngineConfig*) override { return 0; }
    int OnRunEnd(int) override { return 0; }
    int OnCoreVersionTooLow(CMPIGroupMsi*) override { ++m_nRefused; return E_ABORT; }
    void GetMessageCaption(CString&) override {}
    void GetCancelQuestion(CString&) override {}
    int OnActionStart(LPCWSTR) override { return 0; }
    int OnActionData() override { return 0; }
    int OnProgress(LPCWSTR) override { return 0; }
    int OnTerminate() override { return 0; }
    int m_nRefused = 0;
};

class NullCallback : public CMPISetupCallbackIfc
{
public:
    void AddMessage(LPCWSTR) override {}
    void SetStatusText(LPCWSTR) override {}
    CProgressCtrl* GetProgressCtrl() override { return NULL; }
    void OnComplete(int) override {}
    void DisableCancel() override {}
};

class GroupOnlyBase : public CMPIBase
{
public:
    explicit GroupOnlyBase(CMPIEngineBase* engine) : CMPIBase(engine)
    {
        m_pEngine->SetOwner(this);
    }
    // A group package file, not installed, with one module and no core.
    void AddPackagedGroup()
    {
        class Group : public CMPIGroupMsi
        {
        public:
            explicit Group(CMPIBase* owner) : CMPIGroupMsi(owner)
            {
                m_strProductCode = L"{E1A00000-FFFF-4000-8000-00000000FFF3}";
                CMPIModule* module = CreateModule();
                (void)module;
            }
        };
        m_GroupMsis.push_back(new Group(this));
    }
};

} // namespace

TEST(RunForwarding, InstallRemoveAndCancelReachTheEngine)
{
    NullCallback callback;
    {
        RefusingEngine engine;
        GroupOnlyBase base(&engine);
        base.AddPackagedGroup();
        // Refused for the core version after the user was told: 0.
        EXPECT_EQ(0, base.Install(&callback));
        EXPECT_EQ(1, engine.m_nRefused);
        EXPECT_TRUE(engine.m_Configs.empty());
    }
    {
        RefusingEngine engine;
        GroupOnlyBase base(&engine);
        base.AddPackagedGroup();
        // An install mode is no removal: nothing starts.
        for (int mode : {0, 1, 2})
            EXPECT_EQ(E_INVALIDARG, base.Remove(&callback, mode)) << mode;
        EXPECT_EQ(0, engine.m_Mode);
        EXPECT_EQ(nullptr, engine.m_pCallback);
        // Nothing installed to remove: the engine's 1 comes back unchanged.
        EXPECT_EQ(1, base.Remove(&callback, MPI_MODE_REMOVE_ALL));
        EXPECT_EQ(MPI_MODE_REMOVE_ALL, engine.m_Mode);
        // Without a callback the engine's own refusal.
        EXPECT_EQ(E_FAIL, base.Install(NULL));
        EXPECT_EQ(0, base.Cancel());
    }
}

namespace {

// Installed products as the enumeration and the product queries report them.
struct FakeProduct
{
    std::wstring code;
    std::optional<std::wstring> name;  // none: the name cannot be read
    bool opens;
    std::map<std::wstring, std::wstring> properties;
    UINT upgradeCodeResult;            // of reading the product's UpgradeCode
};
std::vector<FakeProduct> g_Products;
const MSIHANDLE kFirstProductHandle = 1000;

// Answers like the installer: 234 and the length needed when the text does
// not fit with its terminator.
UINT Answer(const std::wstring& text, LPWSTR buffer, LPDWORD length)
{
    const DWORD needed = static_cast<DWORD>(text.size());
    if (*length <= needed)
    {
        *length = needed;
        return ERROR_MORE_DATA;
    }
    lstrcpyW(buffer, text.c_str());
    *length = needed;
    return ERROR_SUCCESS;
}

const FakeProduct* ProductOf(MSIHANDLE handle)
{
    const size_t index = static_cast<size_t>(handle - kFirstProductHandle);
    return handle >= kFirstProductHandle && index < g_Products.size() ? &g_Products[index] : NULL;
}

UINT WINAPI FakeEnumProducts(DWORD index, LPWSTR code)
{
    if (index >= g_Products.size())
        return ERROR_NO_MORE_ITEMS;
    lstrcpyW(code, g_Products[index].code.c_str());
    return ERROR_SUCCESS;
}

// Like Wine's installer, a name that does not fit is also copied in part.
UINT WINAPI FakeProductInfo(LPCWSTR code, LPCWSTR, LPWSTR buffer, LPDWORD length)
{
    for (const FakeProduct& p : g_Products)
    {
        if (p.code != code)
            continue;
        if (!p.name)
            return ERROR_UNKNOWN_PROPERTY;
        if (*length > 0 && p.name->size() >= *length)
            lstrcpynW(buffer, p.name->c_str(), static_cast<int>(*length));
        return Answer(*p.name, buffer, length);
    }
    return ERROR_UNKNOWN_PRODUCT;
}

UINT WINAPI FakeOpenProduct(LPCWSTR code, MSIHANDLE* handle)
{
    for (size_t i = 0; i < g_Products.size(); ++i)
        if (g_Products[i].code == code)
        {
            if (!g_Products[i].opens)
                return ERROR_INSTALL_PACKAGE_OPEN_FAILED;
            *handle = kFirstProductHandle + static_cast<MSIHANDLE>(i);
            return ERROR_SUCCESS;
        }
    return ERROR_UNKNOWN_PRODUCT;
}

UINT WINAPI FakeProductGetProperty(MSIHANDLE handle, LPCWSTR name, LPWSTR buffer, LPDWORD length)
{
    const FakeProduct* product = ProductOf(handle);
    if (product == NULL)
        return ERROR_INVALID_HANDLE;
    auto found = product->properties.find(name);
    return Answer(found != product->properties.end() ? found->second : L"", buffer, length);
}

UINT WINAPI FakeUpgradeCode(MSIHANDLE handle, LPCWSTR, LPWSTR buffer, LPDWORD length)
{
    const FakeProduct* product = ProductOf(handle);
    if (product == NULL)
        return ERROR_INVALID_HANDLE;
    if (product->upgradeCodeResult != ERROR_SUCCESS)
        return product->upgradeCodeResult;
    return Answer(L"{E1A00000-00A0-4000-8000-00000000FFFF}", buffer, length);
}

UINT WINAPI FakeEnumOneModule(LPCWSTR, DWORD index, LPWSTR feature, LPWSTR)
{
    if (index > 0)
        return ERROR_NO_MORE_ITEMS;
    lstrcpyW(feature, L"ModA");
    return ERROR_SUCCESS;
}

INSTALLSTATE WINAPI FakeLocal(LPCWSTR, LPCWSTR) { return INSTALLSTATE_LOCAL; }
UINT WINAPI FakeClose(MSIHANDLE) { return ERROR_SUCCESS; }

// Installed products and their properties answered by the fakes above.
class ProductSeams : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(1, LoadMsiDll());
        m_saved = g_MsiDll;
        g_MsiDll.pMsiEnumProductsW = FakeEnumProducts;
        g_MsiDll.pMsiGetProductInfoW = FakeProductInfo;
        g_MsiDll.pMsiOpenProductW = FakeOpenProduct;
        g_MsiDll.pMsiGetPropertyW = FakeProductGetProperty;
        g_MsiDll.pMsiGetProductPropertyW = FakeUpgradeCode;
        g_MsiDll.pMsiEnumFeaturesW = FakeEnumOneModule;
        g_MsiDll.pMsiQueryFeatureStateW = FakeLocal;
        g_MsiDll.pMsiGetActiveDatabase = NoDatabase;
        g_MsiDll.pMsiCloseHandle = FakeClose;
    }
    void TearDown() override
    {
        g_MsiDll = m_saved;
        g_Products.clear();
    }

    MPIMsiDllTable m_saved;
};

std::wstring Code(int n)
{
    wchar_t code[50];
    swprintf(code, 50, L"{E1A00000-FF%02d-4000-8000-0000000000%02d}", n, n);
    return code;
}

// A product name of that many characters that carries the words.
std::wstring NameOfLength(size_t length)
{
    std::wstring name = L"Quandel Test Module Profile ";
    name.resize(length, L'x');
    return name;
}

FakeProduct SetupProduct(int n, const wchar_t* flag = L"1")
{
    return {Code(n), NameOfLength(40), true, {{L"PELMORA_QUANDELEXE", flag}, {L"ProductVersion", L"1.2.3"}},
            ERROR_SUCCESS};
}

} // namespace

TEST_F(ProductSeams, ProductsSkippedAndTheErrorThatEndsDiscovery)
{
    auto named = [](FakeProduct p, std::optional<std::wstring> name) {
        p.name = name;
        return p;
    };
    auto unopened = [](FakeProduct p) {
        p.opens = false;
        return p;
    };
    FakeProduct group = {Code(9), NameOfLength(40), true,
                         {{L"PELMORA_MODULE_PROFILE", L"1"}, {L"ProductVersion", L"1.0.0"}}, ERROR_SUCCESS};
    FakeProduct groupWithoutUpgradeCode = group;
    groupWithoutUpgradeCode.upgradeCodeResult = ERROR_UNKNOWN_PROPERTY;

    struct Case
    {
        const char* what;
        std::vector<FakeProduct> products;
        UINT result;
        std::wstring setup;   // installed code of the setup package; empty: none
        unsigned groups;
    };
    const Case cases[] = {
        {"a name that cannot be read", {named(SetupProduct(1), std::nullopt)}, 0, L"", 0},
        {"a name of 199 characters", {named(SetupProduct(1), NameOfLength(199))}, 0, Code(1), 0},
        {"a name of 200 characters", {named(SetupProduct(1), NameOfLength(200))}, 0, L"", 0},
        {"a product that cannot be opened, then one that can", {unopened(SetupProduct(1)), SetupProduct(2)}, 0,
         Code(2), 0},
        {"a flag of 9 characters", {SetupProduct(1, L"123456789")}, 0, Code(1), 0},
        {"a flag of 10 characters", {SetupProduct(1, L"1234567890")}, 0, L"", 0},
        {"an installed group", {SetupProduct(1), group}, 0, Code(1), 1},
        {"a group whose UpgradeCode cannot be read", {SetupProduct(1), groupWithoutUpgradeCode, SetupProduct(2)},
         ERROR_UNKNOWN_PROPERTY, L"", 0},
    };
    for (const Case& c : cases)
    {
        g_Products = c.products;
        CMPIBase collection(NULL);
        collection.SetBaseFolder(L"C:\\no-such-folder-of-quandel-tests\\MP\\");
        EXPECT_EQ(c.result, collection.Initialize(1033)) << c.what;
        CMPIMsi* setup = collection.GetSetupMsi();
        EXPECT_EQ(c.setup, setup != NULL ? setup->GetProductCode(1).str() : std::wstring()) << c.what;
        EXPECT_EQ(c.groups, collection.GetMsiCount()) << c.what;
    }
}

// A minimum core version longer than its buffer of 100 characters keeps
// the 99 characters that fit.
TEST_F(ProductSeams, MinimumCoreVersionKeepsWhatFitsItsBuffer)
{
    const std::wstring fits = L"3." + std::wstring(96, L'0') + L"7";
    const std::wstring tooLong = L"3." + std::wstring(97, L'0') + L"7";
    struct Case
    {
        std::wstring text;
        const wchar_t* shown;
    };
    const Case cases[] = {{L"2.5", L"2.05"}, {fits, L"3.07"}, {tooLong, L"3.00"}};
    for (const Case& c : cases)
    {
        g_Products = {{Code(1), NameOfLength(40), true, {{L"MinDunmoorVersion", c.text}}, ERROR_SUCCESS}};
        CMPIGroupMsi group(NULL);
        EXPECT_EQ(0u, group.ReadMinCoreVersion(kFirstProductHandle)) << c.text.size();
        EXPECT_STREQ(c.shown, group.GetMinCoreVersion()) << c.text.size();
    }
}
