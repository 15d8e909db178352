// The installed-host check: a product named "Pelmora v..." (exactly that
// case) with a major version above 12.
#include <gtest/gtest.h>
#include "ServiceTestSupport.h"
#include "setup/service/QuandelSrv.h"

TEST(HostCheck, OnlyANewEnoughHostOfThatNameCounts)
{
    ASSERT_TRUE(BindMsi());
    struct Case
    {
        const wchar_t* fixture;
        const wchar_t* product;
        BOOL expected;
    } cases[] = {
        {L"svc_host12", svc::kHost12, FALSE},
        {L"svc_hostcase", svc::kHostCase, FALSE},
        {L"svc_host13", svc::kHost13, TRUE},
    };
    // Whatever happens, nothing stays installed.
    CProductCleanup cleanup{svc::kHost12, svc::kHostCase, svc::kHost13};

    CQuandelSrv service;
    EXPECT_FALSE(service.IsNewHostInstalled());
    for (const Case& c : cases)
    {
        ASSERT_EQ(0u, InstallPackageFile(FixturePath(c.fixture))) << c.fixture;
        EXPECT_EQ(c.expected, service.IsNewHostInstalled()) << c.fixture;
        EXPECT_TRUE(RemoveProductIfInstalled(c.product)) << c.fixture;
    }
    EXPECT_FALSE(service.IsNewHostInstalled());
}
