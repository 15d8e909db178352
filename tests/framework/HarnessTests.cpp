// Proves the test machinery is real: a package built by wixl at build time
// opens with the system's own msi.dll under this prefix.
#include <windows.h>
#include <msi.h>
#include <msiquery.h>
#include <gtest/gtest.h>
#include <string>

namespace
{

std::wstring FixturePath(const wchar_t* name)
{
    wchar_t module[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path = module;
    path = path.substr(0, path.rfind(L'\\')) + L"\\..\\fixtures\\" + name;
    wchar_t full[MAX_PATH + 1] = {};
    GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return full;
}

template <typename Fn>
Fn Bind(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

TEST(Harness, WineMsiOpensAPackageBuiltByWixl)
{
    wchar_t system[MAX_PATH + 1] = {};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
    HMODULE msi = LoadLibraryW((std::wstring(system) + L"\\msi.dll").c_str());
    ASSERT_NE(nullptr, msi);
    auto openPackage = Bind<decltype(&::MsiOpenPackageExW)>(msi, "MsiOpenPackageExW");
    auto getProperty = Bind<decltype(&::MsiGetPropertyW)>(msi, "MsiGetPropertyW");
    auto closeHandle = Bind<decltype(&::MsiCloseHandle)>(msi, "MsiCloseHandle");
    auto setUiLevel = Bind<decltype(&::MsiSetInternalUI)>(msi, "MsiSetInternalUI");
    ASSERT_TRUE(openPackage && getProperty && closeHandle && setUiLevel);
    setUiLevel(INSTALLUILEVEL_NONE, nullptr);

    const std::wstring package = FixturePath(L"harness.msi");
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(package.c_str())) << package;
    MSIHANDLE handle = 0;
    ASSERT_EQ(0u, openPackage(package.c_str(), 1, &handle));

    auto property = [&](const wchar_t* name) {
        wchar_t value[256] = {};
        DWORD size = 256;
        UINT rc = getProperty(handle, name, value, &size);
        EXPECT_EQ(0u, rc) << name;
        return std::wstring(value);
    };
    EXPECT_EQ(L"{F6DB909D-F2A0-4F16-87E3-BFEF062A414A}", property(L"ProductCode"));
    EXPECT_EQ(L"built by wixl", property(L"QUANDEL_HARNESS_PROBE"));
    EXPECT_EQ(L"", property(L"NO_SUCH_PROPERTY"));
    EXPECT_EQ(0u, closeHandle(handle));

    // A missing package is an error, not an empty session.
    MSIHANDLE none = 0;
    EXPECT_NE(0u, openPackage(FixturePath(L"no-such-package.msi").c_str(), 1, &none));
    FreeLibrary(msi);
}

} // namespace
