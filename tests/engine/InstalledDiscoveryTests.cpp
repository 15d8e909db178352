// Discovery of installed products: the test packages are installed into the
// test prefix with Windows Installer and removed again by the guards.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "ModelTestSupport.h"

namespace {

struct Placed { const wchar_t* fixture; const wchar_t* relative; };

class InstalledDiscovery : public ::testing::Test
{
protected:
    void SetUp() override { PrepareInstaller(); }

    // The product's guard is stored before the result is checked, so what a
    // failed install registered goes too. Callers wrap it in
    // ASSERT_NO_FATAL_FAILURE: a failed install stops the test.
    void Install(const wchar_t* fixture, const wchar_t* digits, const wchar_t* addLocal)
    {
        m_products.emplace_back(new InstalledProduct(fixture, FixtureCode(digits).c_str(), addLocal));
        ASSERT_EQ(0u, m_products.back()->Result()) << "installing fixture failed";
    }

    // Lays out the packages and runs discovery into collection; a package
    // that could not be copied fails it.
    UINT Discover(DiscoveryBase& collection, const std::vector<Placed>& packages)
    {
        m_scratch.reset(new ScratchFolder);
        m_scratch->MakeFolder(L"MP");
        for (const Placed& p : packages)
            m_scratch->CopyFixture(p.fixture, std::wstring(L"MP\\") + p.relative);
        if (HasFatalFailure())
            return ERROR_FILE_NOT_FOUND;
        collection.SetBaseFolder((m_scratch->Path() + L"MP\\").c_str());
        return collection.Initialize(1033);
    }

    // Declared after the scratch folder so products go first on teardown.
    std::unique_ptr<ScratchFolder> m_scratch;
    std::vector<std::unique_ptr<InstalledProduct>> m_products;
};

std::wstring ModuleStates(CMPIGroupMsi* group)
{
    std::wstring text;
    for (unsigned i = 0; i < group->GetModuleCount(); ++i)
    {
        CMPIModule* m = group->GetModule(i);
        if (i)
            text += L",";
        text += m->GetFeatureName().GetString();
        text += L":";
        if (m->IsInPackage()) text += L"P";
        if (m->IsInstalled()) text += L"I";
        if (m->IsAbsent()) text += L"A";
    }
    return text;
}

} // namespace

// One installed group product against the package files beside the program.
TEST_F(InstalledDiscovery, GroupProductJoinsItsPackageFile)
{
    ASSERT_NO_FATAL_FAILURE(Install(L"mp_alpha", L"0001", L"Main,ModA,ModB,MainCommon"));

    struct Case
    {
        const char* what;
        std::vector<Placed> packages;
        const wchar_t* expected;
        BOOL newer, removeFirst, same, action0;
        const wchar_t* states;   // modules of the first group
    };
    const Case cases[] = {
        {"same version and code", {{L"mp_alpha", L"G\\alpha.msi"}}, L"S=- C=- G=0001/0001",
         0, 0, 1, 1, L"ModA:PI,ModB:PI,ModC:PA"},
        {"newer package", {{L"mp_alpha_new", L"G\\alpha.msi"}}, L"S=- C=- G=0002/0001",
         1, 0, 0, 1, L"ModA:PI,ModB:PI,ModC:PA"},
        {"older build, same code", {{L"mp_alpha_old", L"G\\alpha.msi"}}, L"S=- C=- G=0001/0001",
         0, 1, 0, 0, L"ModA:PI,ModB:PI,ModC:PA"},
        {"same version, other code", {{L"mp_alpha_twin", L"G\\alpha.msi"}}, L"S=- C=- G=0003/0001",
         0, 1, 0, 0, L"ModA:PI,ModB:PI,ModC:PA"},
        {"no package file", {}, L"S=- C=- G=/0001",
         0, 0, 0, 0, L"ModA:I,ModB:I,ModC:A"},
        {"two files with its UpgradeCode: the first found", {{L"mp_alpha", L"G1\\alpha.msi"}, {L"mp_alpha_new", L"G2\\alpha.msi"}},
         L"S=- C=- G=0001/0001,0002/", 0, 0, 1, 1, L"ModA:PI,ModB:PI,ModC:PA"},
        {"a file of another group", {{L"mp_beta", L"G\\beta.msi"}}, L"S=- C=- G=0005/,/0001",
         1, 0, 0, 1, L"ModA:P,ModB:P,ModC:P"},
    };
    for (const Case& c : cases)
    {
        DiscoveryBase collection;
        ASSERT_EQ(0u, Discover(collection, c.packages)) << c.what;
        EXPECT_EQ(std::wstring(c.expected), Describe(collection)) << c.what;
        CMPIGroupMsi* group = collection.GetMsi(0);
        ASSERT_NE(nullptr, group) << c.what;
        EXPECT_EQ(c.newer, group->IsNewer()) << c.what;
        EXPECT_EQ(c.removeFirst, group->NeedsRemoveFirst()) << c.what;
        EXPECT_EQ(c.same, group->IsSameVersion()) << c.what;
        EXPECT_EQ(c.action0, group->NeedsAction(MPI_MODE_INSTALL_NEWER)) << c.what;
        EXPECT_EQ(std::wstring(c.states), ModuleStates(group)) << c.what;
    }
}

TEST_F(InstalledDiscovery, InstalledSideOfAGroup)
{
    ASSERT_NO_FATAL_FAILURE(Install(L"mp_alpha", L"0001", L"Main,ModA,ModB,MainCommon"));
    DiscoveryBase collection;
    ASSERT_EQ(0u, Discover(collection, {{L"mp_alpha_new", L"G\\alpha.msi"}}));
    CMPIGroupMsi* group = collection.GetMsi(0);
    ASSERT_NE(nullptr, group);

    EXPECT_STREQ(L"2.01.5", group->GetProductVersion(1));
    EXPECT_STREQ(L"2.02.0", group->GetProductVersion(0));
    EXPECT_EQ(3, group->GetInternalFormatVersion(1));
    EXPECT_EQ(5u, group->GetFeatureSizes(1).GetCount());
    // ModA and ModB installed, with their parent Main.
    EXPECT_EQ(650, group->GetInstalledSize());
    // The newer file brings the same 650 bytes that are installed.
    EXPECT_EQ(0, group->GetRequiredSpace(MPI_MODE_INSTALL_NEWER));
    EXPECT_STREQ(L"Group 0001", group->GetGroupName(1));
    EXPECT_STREQ(L"Test Vendor Group 0001", group->GetVendorPlusGroupName(1));
    CString list;
    group->GetFeatureList(list, MPI_MODE_INSTALL_MODULES);
    EXPECT_STREQ(L"ModA,ModB,ModC", list);
    EXPECT_EQ(1, group->IsInstalledAfter(MPI_MODE_INSTALL_MODULES));
}

// Installed products without a package file, and products to ignore.
TEST_F(InstalledDiscovery, ProductsWithoutPackageFiles)
{
    ASSERT_NO_FATAL_FAILURE(Install(L"mp_beta", L"0005", L"Main,ModA,ModB,ModC,MainCommon"));
    ASSERT_NO_FATAL_FAILURE(Install(L"mp_beta_two", L"0006", L"Main,ModA"));
    ASSERT_NO_FATAL_FAILURE(Install(L"mp_nowords", L"000A", L"Main,ModA"));
    DiscoveryBase collection;
    ASSERT_EQ(0u, Discover(collection, {}));
    // The two products share an UpgradeCode but have no package file: two
    // groups, in enumeration order. The product whose name lacks the words
    // is not examined.
    std::wstring text = Describe(collection);
    EXPECT_TRUE(text == L"S=- C=- G=/0005,/0006" || text == L"S=- C=- G=/0006,/0005") << text.c_str();
    for (unsigned i = 0; i < collection.GetMsiCount(); ++i)
    {
        CMPIGroupMsi* group = collection.GetMsi(i);
        EXPECT_EQ(0, group->HasPackage());
        EXPECT_STREQ(L"", group->GetUpgradeCode());
        EXPECT_STREQ(L"1.00", group->GetMinCoreVersion());
        bool first = group->GetProductCode(1) == FixtureCode(L"0005").c_str();
        EXPECT_EQ(first ? L"ModA:I,ModB:I,ModC:I" : L"ModA:I,ModB:A,ModC:A", ModuleStates(group));
    }

    // With their package file beside the program both join its group; the
    // one read last decides the installed side, sizes and module states.
    DiscoveryBase joined;
    ASSERT_EQ(0u, Discover(joined, {{L"mp_beta", L"G\\beta.msi"}}));
    ASSERT_EQ(1u, joined.GetMsiCount());
    CMPIGroupMsi* group = joined.GetMsi(0);
    bool first = group->GetProductCode(1) == FixtureCode(L"0005").c_str();
    EXPECT_EQ(first ? L"ModA:PI,ModB:PI,ModC:PI" : L"ModA:PI,ModB:PA,ModC:PA", ModuleStates(group));
    EXPECT_EQ(5u, group->GetFeatureSizes(1).GetCount());
    EXPECT_EQ(first ? 650 : 300, group->GetInstalledSize());
}

// A group product without an UpgradeCode never joins a package file.
TEST_F(InstalledDiscovery, EmptyUpgradeCodeNeverMatches)
{
    ASSERT_NO_FATAL_FAILURE(Install(L"mp_noupgrade", L"0014", L"Main,ModA"));
    DiscoveryBase collection;
    ASSERT_EQ(0u, Discover(collection, {{L"mp_noupgrade", L"G\\group.msi"}}));
    EXPECT_EQ(L"S=- C=- G=0014/,/0014", Describe(collection));
}

TEST_F(InstalledDiscovery, SetupAndCoreProducts)
{
    ASSERT_NO_FATAL_FAILURE(Install(L"mp_core", L"0010", L"Main,Extra"));
    ASSERT_NO_FATAL_FAILURE(Install(L"mp_both", L"0013", L"Main"));
    DiscoveryBase collection;
    ASSERT_EQ(0u, Discover(collection, {{L"mp_core", L"Core\\Dunmoor.msi"}}));
    // Both flags: the setup package only.
    EXPECT_EQ(L"S=/0013 C=0010/0010 G=", Describe(collection));
    CMPIMsi* core = collection.GetCoreMsi();
    EXPECT_EQ(1, core->IsSameVersion());
    EXPECT_EQ(0, core->NeedsAction(MPI_MODE_INSTALL_NEWER));
    EXPECT_EQ(1, core->NeedsAction(MPI_MODE_REMOVE_ALL));
    EXPECT_EQ(200, core->GetInstalledSize());
}

// A second installed setup product replaces the first one's installed side.
TEST_F(InstalledDiscovery, LastInstalledSetupProductWins)
{
    ASSERT_NO_FATAL_FAILURE(Install(L"mp_setup", L"0011", L"Main,Extra"));
    ASSERT_NO_FATAL_FAILURE(Install(L"mp_setup_two", L"0012", L"Main,Extra"));
    DiscoveryBase collection;
    ASSERT_EQ(0u, Discover(collection, {{L"mp_setup", L"Install\\Quandel.msi"}}));
    CMPIMsi* setup = collection.GetSetupMsi();
    ASSERT_NE(nullptr, setup);
    EXPECT_STREQ(FixtureCode(L"0011").c_str(), setup->GetProductCode(0));
    std::wstring installed = setup->GetProductCode(1).str();
    EXPECT_TRUE(installed == FixtureCode(L"0011") || installed == FixtureCode(L"0012"));
    EXPECT_STREQ(installed == FixtureCode(L"0011") ? L"1.02.3" : L"1.03.0", setup->GetProductVersion(1));
    // Sizes of one product, not of both.
    EXPECT_EQ(2u, setup->GetFeatureSizes(1).GetCount());
    EXPECT_EQ(200, setup->GetInstalledSize());
}
