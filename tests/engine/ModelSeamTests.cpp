// Installed modules and run forwarding with the entry-point table's
// pointers replaced, for answers a real installer cannot be made to give.
#include <gtest/gtest.h>
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

// A second installed product read into the same group replaces the first
// one's module states instead of adding to them.
TEST_F(SeamTest, SecondInstalledProductReplacesModuleStates)
{
    CMPIGroupMsi group(NULL);
    g_Features = {{L"ModA", INSTALLSTATE_LOCAL}, {L"ModB", INSTALLSTATE_ABSENT}};
    ASSERT_EQ(0u, group.ReadInstalled(L"{E1A00000-FFFF-4000-8000-00000000FFF1}", 0));
    g_Features = {{L"ModA", INSTALLSTATE_ABSENT}, {L"ModB", INSTALLSTATE_LOCAL}};
    ASSERT_EQ(0u, group.ReadInstalled(L"{E1A00000-FFFF-4000-8000-00000000FFF2}", 0));
    EXPECT_EQ(L"ModA:A,ModB:I", States(group));
    EXPECT_STREQ(L"{E1A00000-FFFF-4000-8000-00000000FFF2}", group.GetProductCode(1));
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
