// Reading package files: codes, versions, modules, components, feature
// sizes and localized names of real test packages.
#include <gtest/gtest.h>
#include <string>
#include "ModelTestSupport.h"
#include "engine/MsiHandle.h"

namespace {

class PackageFile : public ::testing::Test
{
protected:
    void SetUp() override { PrepareInstaller(); }
    CMPIBase owner{NULL};
};

std::wstring Components(CMPIModule* module)
{
    std::wstring joined;
    for (size_t i = 0; i < module->GetComponentCount(); ++i)
    {
        if (i)
            joined += L",";
        joined += module->GetComponent(i)->GetString();
    }
    return joined;
}

} // namespace

TEST_F(PackageFile, GroupPackageReadsCodesModulesAndSizes)
{
    CMPIGroupMsi group(&owner);
    std::wstring path = FixturePath(L"mp_alpha");
    ASSERT_EQ(0u, group.LoadPackageFile(path.c_str()));

    EXPECT_STREQ(path.c_str(), group.GetPackagePath());
    EXPECT_STREQ(FixtureCode(L"0001").c_str(), group.GetProductCode(0));
    EXPECT_STREQ(L"{E1A00000-00A0-4000-8000-00000000000A}", group.GetUpgradeCode());
    EXPECT_STREQ(L"2.01.5", group.GetProductVersion(0));
    EXPECT_EQ(3, group.GetInternalFormatVersion(0));
    EXPECT_EQ(1, group.HasPackage());
    EXPECT_EQ(0, group.IsInstalled());
    EXPECT_STREQ(L"2.05", group.GetMinCoreVersion());
    EXPECT_EQ(2, group.GetMinCoreMajor());
    EXPECT_EQ(5, group.GetMinCoreMinor());

    // Main and MainCommon are no modules; ModC has no components.
    ASSERT_EQ(L"ModA,ModB,ModC", ModuleNames(&group));
    EXPECT_EQ(L"CompA", Components(group.GetModule(0)));
    EXPECT_EQ(L"CompB", Components(group.GetModule(1)));
    EXPECT_EQ(L"", Components(group.GetModule(2)));
    for (unsigned i = 0; i < 3; ++i)
    {
        EXPECT_EQ(1, group.GetModule(i)->IsInPackage());
        EXPECT_EQ(0, group.GetModule(i)->IsInstalled());
        EXPECT_EQ(0, group.GetModule(i)->IsAbsent());
    }

    struct Row { const wchar_t* feature; const wchar_t* parent; int bytes, components; };
    const Row rows[] = {
        {L"Main", L"", 100, 1}, {L"ModA", L"Main", 200, 1}, {L"ModB", L"ModA", 350, 1},
        {L"MainCommon", L"", 400, 1}, {L"ModC", L"", 0, 0},
    };
    CMPIFeatureSizeList& sizes = group.GetFeatureSizes(0);
    ASSERT_EQ(5u, sizes.GetCount());
    for (size_t i = 0; i < 5; ++i)
    {
        EXPECT_STREQ(rows[i].feature, sizes.GetAt(i)->GetFeature());
        EXPECT_STREQ(rows[i].parent, sizes.GetAt(i)->GetParent());
        EXPECT_EQ(rows[i].bytes, sizes.GetAt(i)->GetSize()) << rows[i].feature;
        EXPECT_EQ(rows[i].components, sizes.GetAt(i)->GetComponentCount()) << rows[i].feature;
    }
    EXPECT_EQ(0u, group.GetFeatureSizes(1).GetCount());
    EXPECT_EQ(1050, group.CMPIMsi::GetPackageSize(0));
    EXPECT_EQ(650, group.GetPackageSize(MPI_MODE_INSTALL_MODULES));
    EXPECT_EQ(650, group.GetRequiredSpace(MPI_MODE_INSTALL_MODULES));
}

TEST_F(PackageFile, CoreAndSetupPackages)
{
    CMPIMsi core(&owner);
    ASSERT_EQ(0u, core.LoadPackageFile(FixturePath(L"mp_core").c_str()));
    EXPECT_STREQ(L"3.00.1", core.GetProductVersion(0));
    EXPECT_EQ(7, core.GetInternalFormatVersion(0));
    EXPECT_EQ(200, core.GetPackageSize(0));
    EXPECT_EQ(2, core.GetComponentCountForMode(MPI_MODE_INSTALL_NEWER));
    EXPECT_EQ(0, core.GetComponentCountForMode(MPI_MODE_REMOVE_ALL));
}

TEST_F(PackageFile, PackagesThatFailToRead)
{
    ScratchFolder scratch;
    scratch.WriteText(L"broken.msi", "this is no installer package\r\n");
    scratch.MakeFolder(L"folder.msi");

    struct Case { const char* what; std::wstring path; bool group; UINT expected; };
    const Case cases[] = {
        {"Main features only", FixturePath(L"mp_mainonly"), true, ERROR_NO_MORE_ITEMS},
        {"text file", scratch.Path() + L"broken.msi", true, 0},
        {"missing file", scratch.Path() + L"missing.msi", false, 0},
        {"folder", scratch.Path() + L"folder.msi", false, 0},
    };
    for (const Case& c : cases)
    {
        CMPIGroupMsi group(&owner);
        UINT result = group.LoadPackageFile(c.path.c_str());
        if (c.expected)
            EXPECT_EQ(c.expected, result) << c.what;
        else
            EXPECT_NE(0u, result) << c.what;
        EXPECT_EQ(0u, group.GetModuleCount()) << c.what;
    }
}

TEST_F(PackageFile, LocalizedGroupNames)
{
    CMPIGroupMsi alpha(&owner);
    ASSERT_EQ(0u, alpha.LoadPackageFile(FixturePath(L"mp_alpha").c_str()));
    CMPIGroupMsi beta(&owner);
    ASSERT_EQ(0u, beta.LoadPackageFile(FixturePath(L"mp_beta").c_str()));

    struct Case { CMPIGroupMsi* group; LANGID language; std::wstring name; const wchar_t* vendorName; };
    const Case cases[] = {
        {&alpha, 1033, L"Group 0001", L"Test Vendor Group 0001"},
        // German text outside ASCII survives; the vendor name falls back to English.
        {&alpha, 1031, L"Gruppe \u00C4 0001", L"Test Vendor Group 0001"},
        {&alpha, 1041, L"Group 0001", L"Test Vendor Group 0001"},
        // Longer than the first read's buffer: read whole.
        {&alpha, 1036, std::wstring(300, L'F'), L"Test Vendor Group 0001"},
        {&beta, 1031, L"Group 0005", L"Test Vendor Group 0005"},
    };
    for (const Case& c : cases)
    {
        owner.SetLanguage(c.language);
        EXPECT_EQ(c.name, c.group->GetGroupName(0).str()) << c.language;
        EXPECT_STREQ(c.vendorName, c.group->GetVendorPlusGroupName(0)) << c.language;
        // No installed product: nothing to read.
        EXPECT_STREQ(L"?", c.group->GetGroupName(1)) << c.language;
        EXPECT_STREQ(L"?", c.group->GetVendorPlusGroupName(1)) << c.language;
    }
}

namespace {
UINT WINAPI FailingOpen(LPCWSTR, DWORD, MSIHANDLE*) { return ERROR_OPEN_FAILED; }
UINT WINAPI FailingDatabaseOpen(LPCWSTR, LPCWSTR, MSIHANDLE*) { return ERROR_OPEN_FAILED; }
}

// A package that cannot be opened shows "?" and is asked again next time.
TEST_F(PackageFile, GroupNamesAreNotCachedWhenThePackageCannotBeOpened)
{
    CMPIGroupMsi alpha(&owner);
    ASSERT_EQ(0u, alpha.LoadPackageFile(FixturePath(L"mp_alpha").c_str()));
    auto open = g_MsiDll.pMsiOpenPackageExW;
    auto openDatabase = g_MsiDll.pMsiOpenDatabaseW;
    g_MsiDll.pMsiOpenPackageExW = FailingOpen;
    g_MsiDll.pMsiOpenDatabaseW = FailingDatabaseOpen;
    EXPECT_STREQ(L"?", alpha.GetGroupName(0));
    EXPECT_STREQ(L"?", alpha.GetVendorPlusGroupName(0));
    g_MsiDll.pMsiOpenPackageExW = open;
    g_MsiDll.pMsiOpenDatabaseW = openDatabase;
    EXPECT_STREQ(L"Group 0001", alpha.GetGroupName(0));
}

TEST_F(PackageFile, LocalizedPropertyFallbacksAndLongValues)
{
    CMPIGroupMsi alpha(&owner);
    ASSERT_EQ(0u, alpha.LoadPackageFile(FixturePath(L"mp_alpha").c_str()));
    UniqueMsiHandle package;
    ASSERT_EQ(0u, alpha.OpenMsiHandle(package.put(), 0));

    struct Case { const wchar_t* base; LANGID language; std::wstring expected; };
    const Case cases[] = {
        {L"LongText", 1033, std::wstring(300, L'L')},
        {L"LongText", 1031, std::wstring(300, L'L')},
        {L"Nothing", 1041, L"?"},
        {L"Nothing", 1033, L"?"},
        {L"GroupName", 1031, L"Gruppe \u00C4 0001"},
    };
    for (const Case& c : cases)
    {
        CString value = L"stale";
        alpha.GetLocalizedProperty(c.base, c.language, value, package.get());
        EXPECT_EQ(c.expected, value.str()) << c.base << " " << c.language;
    }
    CString value;
    alpha.GetLocalizedProperty(L"GroupName", 1033, value, 0);
    EXPECT_STREQ(L"?", value);

    // A missing side opens nothing and leaves the handle alone.
    MSIHANDLE untouched = 0;
    EXPECT_EQ(0u, alpha.OpenMsiHandle(&untouched, 1));
    EXPECT_EQ(0u, untouched);
}
