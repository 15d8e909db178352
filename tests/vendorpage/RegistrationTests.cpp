// The class list and its registry writing, driven directly with fake page
// classes and HKEY_CLASSES_ROOT redirected into a scratch key.
#include "ScratchClassesRoot.h"
#include "vendorpage/PVFormatGuid.h"
#include "vendorpage/PVPropPageRegistration.h"
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace
{
// {11111111-2222-3333-4444-555555555555} and {AAAAAAAA-...}
const CLSID kFirst = { 0x11111111, 0x2222, 0x3333, { 0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55 } };
const CLSID kSecond = { 0xAAAAAAAA, 0xBBBB, 0xCCCC, { 0xDD, 0xDD, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE } };
const CLSID kThird = { 0x33333333, 0x3333, 0x3333, { 0x33, 0x33, 0x33, 0x33, 0x33, 0x33, 0x33, 0x33 } };
const wchar_t kFirstText[] = L"{11111111-2222-3333-4444-555555555555}";
const wchar_t kSecondText[] = L"{aaaaaaaa-BBBB-CCCC-DDDD-EEEEEEEEEEEE}";

int g_createCalls = 0;
IClassFactory* const kFakeFactory = reinterpret_cast<IClassFactory*>(0x1234);

BOOL MatchFirst(REFCLSID clsid) { return IsEqualCLSID(clsid, kFirst); }
BOOL MatchSecond(REFCLSID clsid) { return IsEqualCLSID(clsid, kSecond); }
BOOL MatchAny(REFCLSID) { return TRUE; }
HRESULT CreateFake(REFCLSID, IClassFactory** factory)
{
    ++g_createCalls;
    *factory = kFakeFactory;
    return S_OK;
}
HRESULT CreateFails(REFCLSID, IClassFactory**)
{
    ++g_createCalls;
    return E_OUTOFMEMORY;
}

std::wstring ModulePath()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::wstring ClassKey(const wchar_t* clsidText) { return std::wstring(L"CLSID\\") + clsidText; }
}

TEST(FormatGuid, WritesRegistryFormInUpperCase)
{
    struct Case { GUID guid; const wchar_t* text; };
    const Case cases[] = {
        { { 0xD896E455, 0x8923, 0x478C, { 0xAA, 0xE7, 0x50, 0x14, 0xAF, 0x5D, 0x8A, 0xC8 } },
          L"{D896E455-8923-478C-AAE7-5014AF5D8AC8}" },
        { { 0x00000001, 0x0002, 0x0003, { 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05 } },
          L"{00000001-0002-0003-0004-000000000005}" },
        { { 0xFFFFFFFF, 0xFFFF, 0xFFFF, { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF } },
          L"{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}" },
    };
    for (const Case& c : cases)
    {
        wchar_t buffer[64];
        wmemset(buffer, L'#', 64);
        FormatGuid(c.guid, buffer);
        EXPECT_STREQ(c.text, buffer);
        EXPECT_EQ(38u, wcslen(buffer));
    }
}

TEST(Registration, LookupUsesFirstMatchingRecordNewestFirst)
{
    g_createCalls = 0;
    CPVPropPageRegistration first(MatchFirst, CreateFails, L"First", kFirstText);
    CPVPropPageRegistration any(MatchAny, CreateFake, L"Any", kSecondText);
    CPVPropPageRegistration call;

    EXPECT_TRUE(call.FindRegData(kFirst));
    // The newest record accepts everything, so it serves kFirst too.
    IClassFactory* factory = reinterpret_cast<IClassFactory*>(0x1);
    EXPECT_EQ(S_OK, call.GetClassObject(kFirst, &factory));
    EXPECT_EQ(kFakeFactory, factory);
    EXPECT_EQ(1, g_createCalls);
}

TEST(Registration, UnknownClassIsNotAvailableAndCreateResultPassesThrough)
{
    g_createCalls = 0;
    CPVPropPageRegistration first(MatchFirst, CreateFails, L"First", kFirstText);
    CPVPropPageRegistration call;

    EXPECT_FALSE(call.FindRegData(kSecond));
    IClassFactory* factory = reinterpret_cast<IClassFactory*>(0x1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, call.GetClassObject(kSecond, &factory));
    EXPECT_EQ(nullptr, factory);
    EXPECT_EQ(0, g_createCalls);

    factory = reinterpret_cast<IClassFactory*>(0x1);
    EXPECT_EQ(E_OUTOFMEMORY, call.GetClassObject(kFirst, &factory));
    EXPECT_EQ(nullptr, factory);
}

TEST(Registration, RecordsLiveUntilTheLastRegistrationObjectIsGone)
{
    {
        CPVPropPageRegistration first(MatchFirst, CreateFake, L"First", kFirstText);
        {
            CPVPropPageRegistration call;
        }
        // A finished export call does not free the list.
        CPVPropPageRegistration later;
        EXPECT_TRUE(later.FindRegData(kFirst));
    }
    CPVPropPageRegistration after;
    EXPECT_FALSE(after.FindRegData(kFirst));
}

// Export calls on several threads at once: the holders' count stays exact,
// so the list lives while the registering object does, and goes with it.
TEST(Registration, ConcurrentCallsKeepTheCountExact)
{
    {
        CPVPropPageRegistration first(MatchFirst, CreateFake, L"First", kFirstText);
        std::vector<std::thread> callers;
        for (int t = 0; t < 4; ++t)
            callers.emplace_back([] {
                for (int i = 0; i < 200000; ++i)
                    CPVPropPageRegistration call;
            });
        for (std::thread& caller : callers)
            caller.join();
        CPVPropPageRegistration later;
        EXPECT_TRUE(later.FindRegData(kFirst));
    }
    CPVPropPageRegistration after;
    EXPECT_FALSE(after.FindRegData(kFirst));
}

class RegistryTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_root.ok()); }
    ScratchClassesRoot m_root;
    CPVPropPageRegistration m_first{ MatchFirst, CreateFake, L"First page", kFirstText };
    CPVPropPageRegistration m_second{ MatchSecond, CreateFake, L"Second page", kSecondText };
    CPVPropPageRegistration m_call;
};

TEST_F(RegistryTest, RegisterWritesEveryClassAndCanRepeat)
{
    for (int round = 0; round < 2; ++round)
    {
        ASSERT_EQ(S_OK, m_call.RegisterAll()) << "round " << round;
        EXPECT_EQ(L"First page", m_root.DefaultValue(ClassKey(kFirstText)));
        EXPECT_EQ(L"Second page", m_root.DefaultValue(ClassKey(kSecondText)));
        EXPECT_EQ(ModulePath(), m_root.DefaultValue(ClassKey(kFirstText) + L"\\InProcServer32"));
        EXPECT_EQ(ModulePath(), m_root.DefaultValue(ClassKey(kSecondText) + L"\\InProcServer32"));
    }
    EXPECT_FALSE(m_root.KeyExists(ClassKey(kFirstText) + L"\\ProgID"));
}

TEST_F(RegistryTest, UnregisterRemovesWholeTreesAndToleratesMissingClasses)
{
    ASSERT_EQ(S_OK, m_call.RegisterAll());
    m_root.CreateKey(ClassKey(kFirstText) + L"\\Extra\\Deeper\\Deepest");
    m_root.CreateKey(ClassKey(kFirstText) + L"\\Another");
    m_root.CreateKey(L"CLSID\\{OTHER}");

    EXPECT_EQ(S_OK, m_call.UnregisterAll());
    EXPECT_FALSE(m_root.KeyExists(ClassKey(kFirstText)));
    EXPECT_FALSE(m_root.KeyExists(ClassKey(kSecondText)));
    EXPECT_TRUE(m_root.KeyExists(L"CLSID\\{OTHER}"));

    // Not registered (class key gone, then no CLSID key at all): success.
    EXPECT_EQ(S_OK, m_call.UnregisterAll());
    ASSERT_EQ(ERROR_SUCCESS, CPVPropPageRegistration::DeleteKeyTree(m_root.key(), L"CLSID"));
    EXPECT_FALSE(m_root.KeyExists(L"CLSID"));
    EXPECT_EQ(S_OK, m_call.UnregisterAll());
}

TEST_F(RegistryTest, DeleteKeyTreeReportsMissingKeyAndLongNames)
{
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, CPVPropPageRegistration::DeleteKeyTree(m_root.key(), L"Nothing"));
    // Sub-key names longer than 127 characters are deleted as well.
    std::wstring longName(200, L'k');
    m_root.CreateKey(L"Tree\\" + longName + L"\\child");
    EXPECT_EQ(ERROR_SUCCESS, CPVPropPageRegistration::DeleteKeyTree(m_root.key(), L"Tree"));
    EXPECT_FALSE(m_root.KeyExists(L"Tree"));
}

TEST_F(RegistryTest, FailedWriteMakesRegistrationRefuseForGood)
{
    m_root.BreakWrites();
    EXPECT_EQ(E_FAIL, m_call.RegisterAll());
    m_root.Restore();

    EXPECT_EQ(E_FAIL, m_call.RegisterAll());
    EXPECT_FALSE(m_root.KeyExists(L"CLSID"));
    m_root.CreateKey(ClassKey(kFirstText));
    EXPECT_EQ(E_FAIL, m_call.UnregisterAll());
    EXPECT_TRUE(m_root.KeyExists(ClassKey(kFirstText)));
    // Looking classes up still works.
    EXPECT_TRUE(m_call.FindRegData(kFirst));
}

TEST_F(RegistryTest, FailedUnregistrationIsReported)
{
    ASSERT_EQ(S_OK, m_call.RegisterAll());
    m_root.BreakWrites();
    EXPECT_EQ(E_FAIL, m_call.UnregisterAll());
    m_root.Restore();
    EXPECT_EQ(E_FAIL, m_call.RegisterAll());
}

// A record without a class identifier text is refused: its key would be
// "CLSID" itself, and unregistering would delete every class under it.
TEST_F(RegistryTest, AnEmptyClassIdentifierIsRefusedAndNoClassIsDeleted)
{
    ASSERT_EQ(S_OK, m_call.RegisterAll());
    m_root.CreateKey(L"CLSID\\{OTHER}");
    CPVPropPageRegistration empty(MatchAny, CreateFake, L"No class", L"");
    EXPECT_FALSE(m_call.FindRegData(kThird));
    // Refused like a record that could not be built: registration is off.
    EXPECT_EQ(E_FAIL, m_call.UnregisterAll());
    EXPECT_TRUE(m_root.KeyExists(L"CLSID\\{OTHER}"));
    EXPECT_TRUE(m_root.KeyExists(ClassKey(kFirstText)));
}
