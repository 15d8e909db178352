#include "TestProducts.h"
#include <windows.h>
#include <msi.h>
#include <msiquery.h>
#include <gtest/gtest.h>

namespace {

// GUID prefixes of the test packages' UpgradeCodes, with their sources. A
// package without an UpgradeCode is known by its ProductCode, which has
// the same prefix.
const wchar_t* const kFamilies[] = {
    L"{E1A00000-",                               // package model: tests/engine/model.cmake
    L"{E1A0B000-",                               // benchmark groups: tests/engine/bench.cmake
    L"{E2A1B000-",                               // engine runs: tests/fixtures/engine2
    L"{5E4C0000-",                               // service runs: tests/fixtures/service
    L"{A1D30000-",                               // wizard, part 1: tests/fixtures/wizard1
    L"{A2C10000-",                               // wizard pages: tests/fixtures/wizard2
    L"{D2D9B41A-AC90-47D5-A299-2E8466D4A230}",   // harness probe: tests/fixtures/harness.wxs
    L"{3F6A1B20-8C41-4E2D-9A57-1D0C2B7E4",       // demo distribution: demo-src/packages
};

bool InFamily(const std::wstring& code)
{
    for (const wchar_t* prefix : kFamilies)
        if (code.size() >= wcslen(prefix) && _wcsnicmp(code.c_str(), prefix, wcslen(prefix)) == 0)
            return true;
    return false;
}

std::wstring UpgradeCodeOf(const wchar_t* productCode)
{
    MSIHANDLE product = 0;
    if (MsiOpenProductW(productCode, &product) != ERROR_SUCCESS)
        return std::wstring();
    wchar_t code[64] = L"";
    DWORD length = 64;
    if (MsiGetProductPropertyW(product, L"UpgradeCode", code, &length) != ERROR_SUCCESS)
        code[0] = L'\0';
    MsiCloseHandle(product);
    return code;
}

std::wstring NameOf(const wchar_t* productCode)
{
    wchar_t name[256] = L"";
    DWORD length = 256;
    if (MsiGetProductInfoW(productCode, INSTALLPROPERTY_PRODUCTNAME, name, &length) != ERROR_SUCCESS)
        name[0] = L'\0';
    return name;
}

} // namespace

std::vector<TestProduct> InstalledTestProducts()
{
    std::vector<TestProduct> found;
    wchar_t code[64] = L"";
    for (DWORD index = 0; MsiEnumProductsW(index, code) == ERROR_SUCCESS; ++index)
    {
        // A product whose registration is too broken to open still counts
        // by its own code.
        std::wstring upgrade = UpgradeCodeOf(code);
        if (InFamily(upgrade.empty() ? code : upgrade))
            found.push_back({code, NameOf(code)});
    }
    return found;
}

std::vector<TestProduct> RemoveInstalledTestProducts()
{
    const INSTALLUILEVEL level = MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
    for (const TestProduct& product : InstalledTestProducts())
        MsiConfigureProductExW(product.code.c_str(), INSTALLLEVEL_DEFAULT, INSTALLSTATE_DEFAULT,
                               L"REMOVE=ALL REBOOT=ReallySuppress");
    MsiSetInternalUI(level, nullptr);
    return InstalledTestProducts();
}

std::wstring ProductList(const std::vector<TestProduct>& products)
{
    std::wstring text;
    for (const TestProduct& product : products)
        text += (text.empty() ? L"" : L"; ") + product.name + L" " + product.code;
    return text;
}

namespace {

class NoTestProductsInstalled : public ::testing::Environment
{
public:
    void SetUp() override
    {
        // A test killed at its timeout could not remove what it installed.
        const std::vector<TestProduct> leftovers = InstalledTestProducts();
        if (leftovers.empty())
            return;
        fwprintf(stdout, L"Removing test products left installed by an earlier test: %ls\n",
                 ProductList(leftovers).c_str());
        fflush(stdout);
        const std::vector<TestProduct> stuck = RemoveInstalledTestProducts();
        ASSERT_TRUE(stuck.empty()) << "test products are installed and cannot be removed: " << ProductList(stuck);
    }

    void TearDown() override
    {
        const std::vector<TestProduct> left = InstalledTestProducts();
        if (left.empty())
            return;
        ADD_FAILURE() << "the test left products installed: " << ProductList(left);
        const std::vector<TestProduct> stuck = RemoveInstalledTestProducts();
        EXPECT_TRUE(stuck.empty()) << "and they cannot be removed: " << ProductList(stuck);
    }
};

::testing::Environment* const g_noTestProducts = ::testing::AddGlobalTestEnvironment(new NoTestProductsInstalled);

} // namespace
