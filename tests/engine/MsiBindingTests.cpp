// The installer binding. This program lies beside a library named msi.dll
// that is not Windows Installer; the binding must still take the system
// folder's one.
#include <gtest/gtest.h>
#include <string>
#include "engine/MPILoadMSIDll.h"

namespace {

std::wstring BesideThisProgram(const wchar_t* name)
{
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(NULL, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\') + 1) + name;
}

} // namespace

TEST(MsiBinding, LoadsOnceFromTheSystemFolderAndChecksEntryPoints)
{
    const std::wstring impostor = BesideThisProgram(L"msi.dll");
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(impostor.c_str())) << "the test needs its msi.dll";

    ASSERT_EQ(1, LoadMsiDll());
    HMODULE first = g_MsiDll.hModule;
    EXPECT_EQ(1, LoadMsiDll());
    EXPECT_EQ(first, g_MsiDll.hModule);

    wchar_t loaded[MAX_PATH] = L"", expected[MAX_PATH] = L"";
    ::GetModuleFileNameW(g_MsiDll.hModule, loaded, MAX_PATH);
    ::GetSystemDirectoryW(expected, MAX_PATH);
    lstrcatW(expected, L"\\msi.dll");
    EXPECT_EQ(0, lstrcmpiW(expected, loaded)) << loaded;
    EXPECT_EQ(nullptr, ::GetModuleHandleW(impostor.c_str()));
    EXPECT_TRUE(AreMsiEntryPointsBound());

    // A missing entry point that the program calls refuses; one it never
    // calls does not.
    auto saved = g_MsiDll.pMsiEnumFeaturesW;
    g_MsiDll.pMsiEnumFeaturesW = NULL;
    EXPECT_FALSE(AreMsiEntryPointsBound());
    g_MsiDll.pMsiEnumFeaturesW = saved;
    auto unused = g_MsiDll.pMsiDoActionW;
    g_MsiDll.pMsiDoActionW = NULL;
    EXPECT_TRUE(AreMsiEntryPointsBound());
    g_MsiDll.pMsiDoActionW = unused;
}
