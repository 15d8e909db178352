// Module texts and group names: read from the side asked for, in the
// collection's language, with one open of a side for all modules of a
// group; a removal logs the installed product's texts.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "ServiceTestSupport.h"
#include "engine/MPILoadMSIDll.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "setup/service/QuandelSrv.h"

namespace
{
typedef std::vector<std::wstring> Lines;

class ModuleTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UseEnglishLanguageLibrary());
        ASSERT_TRUE(BindMsi());
        ASSERT_TRUE(RemoveProductIfInstalled(svc::kAlpha));
    }
    void TearDown() override { EXPECT_TRUE(RemoveProductIfInstalled(svc::kAlpha)) << "left installed"; }

    static CString Description(CQuandelSrv& service, int group, int module, int source)
    {
        return service.GetMsi(group)->GetModule(module)->GetDescription(source);
    }
};

const std::vector<CDistribution::Entry> kAlphaOnly = {{L"svc_alpha", L"Alpha\\Alpha.msi"}};

// A service that discovered a distribution of the given packages.
struct CDiscovered
{
    explicit CDiscovered(const std::vector<CDistribution::Entry>& entries) : distribution(entries) {}
    bool Initialize(LANGID language)
    {
        service.SetBaseFolder(distribution.MpFolder().c_str());
        return distribution.IsComplete() && service.Initialize(language) == 0;
    }
    CDistribution distribution;
    CQuandelSrv service;
};

// While it lives, the installer knows no cached package of any product.
class CNoCachedPackage
{
public:
    CNoCachedPackage() : m_Real(g_MsiDll.pMsiGetProductInfoW)
    {
        s_Real = m_Real;
        g_MsiDll.pMsiGetProductInfoW = &GetProductInfo;
    }
    ~CNoCachedPackage() { g_MsiDll.pMsiGetProductInfoW = m_Real; }

private:
    static UINT WINAPI GetProductInfo(LPCWSTR product, LPCWSTR property, LPWSTR value, LPDWORD length)
    {
        if (lstrcmpW(property, INSTALLPROPERTY_LOCALPACKAGE) == 0)
            return ERROR_UNKNOWN_PROPERTY;
        return s_Real(product, property, value, length);
    }
    static decltype(g_MsiDll.pMsiGetProductInfoW) s_Real;
    decltype(g_MsiDll.pMsiGetProductInfoW) m_Real;
};
decltype(g_MsiDll.pMsiGetProductInfoW) CNoCachedPackage::s_Real = nullptr;
}

TEST_F(ModuleTextTest, OneOpenOfASideReadsTheTextsOfEveryModuleOfTheGroup)
{
    CDiscovered discovered({{L"svc_alpha", L"Alpha\\Alpha.msi"}, {L"svc_beta", L"Beta\\Beta.msi"}});
    ASSERT_TRUE(discovered.Initialize(1033));
    CQuandelSrv& service = discovered.service;
    ASSERT_EQ(2u, service.GetMsiCount());

    const wchar_t* const expected[2][2] = {{L"Alpha module one", L"Alpha module two"},
                                           {L"Beta module one", L"Beta module two"}};
    COpenCounter counter;
    // The second pass finds every text read already.
    for (int pass = 0; pass < 2; ++pass)
        for (int group = 0; group < 2; ++group)
            for (int module = 0; module < 2; ++module)
                EXPECT_STREQ(expected[group][module], Description(service, group, module, 0)) << pass;
    EXPECT_EQ(0, COpenCounter::Sessions());
    EXPECT_EQ(2, COpenCounter::Databases());
}

TEST_F(ModuleTextTest, TextsAreReadAgainInTheNewLanguage)
{
    CDiscovered discovered(kAlphaOnly);
    ASSERT_TRUE(discovered.Initialize(1033));
    CQuandelSrv& service = discovered.service;

    struct Step
    {
        LANGID language;
        const wchar_t* one;
        const wchar_t* two;  // no German text: the English one
    } steps[] = {
        {1033, L"Alpha module one", L"Alpha module two"},
        {1031, L"Alpha-Modul eins \u00C4", L"Alpha module two"},
        {1033, L"Alpha module one", L"Alpha module two"},
    };
    for (const Step& step : steps)
    {
        service.SetLanguage(step.language);
        EXPECT_STREQ(step.one, Description(service, 0, 0, 0)) << step.language;
        EXPECT_STREQ(step.two, Description(service, 0, 1, 0)) << step.language;
    }
}

TEST_F(ModuleTextTest, APackageThatCannotBeOpenedLeavesThePreviousTexts)
{
    CDiscovered discovered(kAlphaOnly);
    ASSERT_TRUE(discovered.Initialize(1033));
    CQuandelSrv& service = discovered.service;
    EXPECT_STREQ(L"Alpha module one", Description(service, 0, 0, 0));

    const std::wstring path = service.GetMsi(0)->GetPackagePath().GetString();
    ASSERT_TRUE(::DeleteFileW(path.c_str()));
    service.SetLanguage(1031);
    EXPECT_STREQ(L"Alpha module one", Description(service, 0, 0, 0));
    // Nothing was kept of the failed read: with the package back, it reads.
    ASSERT_TRUE(::CopyFileW(FixturePath(L"svc_alpha").c_str(), path.c_str(), FALSE));
    EXPECT_STREQ(L"Alpha-Modul eins \u00C4", Description(service, 0, 0, 0));
}

TEST_F(ModuleTextTest, RemovalLogsTheInstalledProductsTextsNotThePackageFiles)
{
    // Beside the program lies Alpha 1.1.0; installed is its older release
    // with other texts.
    CDistribution distribution(kAlphaOnly);
    ASSERT_TRUE(distribution.IsComplete());

    const Lines english = {L"Module profile setup started.", L"",
                           L"Removing Ternwick Oldalpha 1.00.5 ...", L"\tA-101: Oldalpha module one",
                           L"\tA-102: Oldalpha module two", L"Ternwick Oldalpha 1.00.5 was removed successfully.", L"",
                           L"Module profile setup finished."};
    const Lines german = {L"Module profile setup started.", L"",
                          L"Removing Ternwick Oldalpha (DE) 1.00.5 ...", L"\tA-101: Oldalpha-Modul eins \u00C4",
                          L"\tA-102: Oldalpha module two", L"Ternwick Oldalpha (DE) 1.00.5 was removed successfully.",
                          L"", L"Module profile setup finished."};
    struct Case
    {
        LANGID language;
        bool cachedPackage;  // false: the product is read through a session
        const Lines& lines;
    } cases[] = {
        {1033, true, english},
        {1031, true, german},
        {1033, false, english},
    };
    for (const Case& c : cases)
    {
        ASSERT_EQ(0u, InstallPackageFile(FixturePath(L"svc_alpha_old"), L"ADDLOCAL=ALL")) << c.language;
        std::unique_ptr<CNoCachedPackage> hidden(c.cachedPackage ? nullptr : new CNoCachedPackage);
        CTestProgressBar bar;
        CRecordingCallback callback(bar.Ctrl());
        {
            CQuandelSrv service;
            service.SetBaseFolder(distribution.MpFolder().c_str());
            ASSERT_EQ(0u, service.Initialize(c.language));
            int sessions = -1, databases = -1;
            {
                COpenCounter counter;
                ASSERT_EQ(0, service.Remove(&callback, MPI_MODE_REMOVE_ALL));
                sessions = COpenCounter::Sessions();
                databases = COpenCounter::Databases();
            }
            EXPECT_TRUE(callback.WaitForCompletion());
            // One open of the installed side serves the title and the module
            // lines; the cached package spares the product's session.
            EXPECT_EQ(c.cachedPackage ? 0 : 1, sessions) << c.language;
            EXPECT_EQ(c.cachedPackage ? 1 : 0, databases) << c.language;
        }
        hidden.reset();
        g_MsiDll.pMsiEnableLogW(0, NULL, 0);
        EXPECT_EQ(c.lines, callback.m_Lines) << c.language << (c.cachedPackage ? "" : " through a session");
        EXPECT_FALSE(IsProductInstalled(svc::kAlpha));
    }
}
