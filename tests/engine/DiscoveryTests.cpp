// Discovery on distribution folders laid out by the test. Nothing of the
// test packages is installed here (the msi lock keeps installing tests away).
#include <gtest/gtest.h>
#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>
#include "ModelTestSupport.h"

namespace {

struct Placed { const wchar_t* fixture; const wchar_t* relative; };

struct Layout
{
    const char* what;
    bool makeBase;                   // false: no "MP\" folder at all
    std::vector<Placed> packages;
    std::vector<const wchar_t*> textFiles;  // text files named .msi, or folders (ending in a backslash)
    bool fails;                      // Initialize returns an error
    UINT error;                      // the error when known, else 0
    const wchar_t* expected;         // Describe() of the collection
};

} // namespace


TEST(Discovery, FolderLayouts)
{
    PrepareInstaller();
    const Layout layouts[] = {
        {"no MP folder", false, {}, {}, false, 0, L"S=- C=- G="},
        {"empty MP folder", true, {}, {}, false, 0, L"S=- C=- G="},
        {"setup, core and two groups", true,
         {{L"mp_setup", L"Install\\Quandel.msi"}, {L"mp_core", L"Core\\Dunmoor.msi"},
          {L"mp_alpha", L"GroupA\\alpha.msi"}, {L"mp_beta", L"GroupB\\beta.msi"}},
         {}, false, 0, L"S=0011/ C=0010/ G=0001/,0005/"},
        {"a group package in Core, beside the core package", true,
         {{L"mp_core", L"Core\\Dunmoor.msi"}, {L"mp_beta", L"Core\\extra.msi"}},
         {}, false, 0, L"S=- C=0010/ G=0005/"},
        {"Dunmoor.msi carrying the group flag is core and group", true,
         {{L"mp_alpha", L"Core\\Dunmoor.msi"}},
         {}, false, 0, L"S=- C=0001/ G=0001/"},
        {"only direct sub-folders of MP are searched", true,
         {{L"mp_alpha", L"GroupA\\Deeper\\alpha.msi"}, {L"mp_beta", L"beta.msi"}},
         {}, false, 0, L"S=- C=- G="},
        {"packages without the group flag are no groups", true,
         {{L"mp_core", L"GroupA\\core.msi"}, {L"mp_setup", L"Install\\Quandel.msi"}},
         {}, false, 0, L"S=0011/ C=- G="},
        {"a ten-character flag is not taken, nine characters are", true,
         {{L"mp_flag10", L"F1\\flag10.msi"}, {L"mp_flag9", L"F2\\flag9.msi"}},
         {}, false, 0, L"S=- C=- G=0009/"},
        {"the same package in two folders makes two groups", true,
         {{L"mp_alpha", L"GroupA\\alpha.msi"}, {L"mp_alpha", L"GroupB\\alpha.msi"}},
         {}, false, 0, L"S=- C=- G=0001/,0001/"},
        {"a corrupt package in a group folder empties the collection", true,
         {{L"mp_setup", L"Install\\Quandel.msi"}, {L"mp_alpha", L"GroupA\\alpha.msi"}},
         {L"GroupZ\\broken.msi"}, true, 0, L"S=- C=- G="},
        {"a corrupt core package stops discovery", true,
         {{L"mp_setup", L"Install\\Quandel.msi"}}, {L"Core\\Dunmoor.msi"}, true, 0, L"S=- C=- G="},
        {"a folder named like a package is passed over", true,
         {{L"mp_alpha", L"GroupA\\alpha.msi"}}, {L"GroupA\\folder.msi\\"}, false, 0, L"S=- C=- G=0001/"},
        {"a group package without modules", true,
         {{L"mp_alpha", L"GroupA\\alpha.msi"}, {L"mp_mainonly", L"GroupB\\main.msi"}},
         {}, true, ERROR_NO_MORE_ITEMS, L"S=- C=- G="},
    };
    for (const Layout& layout : layouts)
    {
        ScratchFolder scratch;
        std::wstring base = scratch.Path() + L"MP\\";
        if (layout.makeBase)
            scratch.MakeFolder(L"MP");
        for (const Placed& p : layout.packages)
            scratch.CopyFixture(p.fixture, std::wstring(L"MP\\") + p.relative);
        for (const std::wstring text : layout.textFiles)
        {
            if (text.back() == L'\\')
                scratch.MakeFolder(L"MP\\" + text.substr(0, text.size() - 1));
            else
                scratch.WriteText(L"MP\\" + text, "not a package\r\n");
        }

        DiscoveryBase collection;
        collection.SetBaseFolder(base.c_str());
        UINT result = collection.Initialize(1031);
        if (!layout.fails)
            EXPECT_EQ(0u, result) << layout.what;
        else if (layout.error)
            EXPECT_EQ(layout.error, result) << layout.what;
        else
            EXPECT_NE(0u, result) << layout.what;
        EXPECT_EQ(std::wstring(layout.expected), Describe(collection)) << layout.what;
        EXPECT_EQ(1031, collection.GetLanguage()) << layout.what;
    }
}

TEST(Discovery, TheProgramsOwnFolderByDefault)
{
    PrepareInstaller();
    DiscoveryBase collection;
    wchar_t exe[MAX_PATH] = L"";
    ::GetModuleFileNameW(NULL, exe, MAX_PATH);
    std::wstring expected(exe);
    expected.erase(expected.find_last_of(L'\\') + 1);
    EXPECT_EQ(expected + L"MP\\", collection.GetBaseFolder().str());
    // Nothing lies there: an empty collection.
    EXPECT_EQ(0u, collection.Initialize(1033));
    EXPECT_EQ(L"S=- C=- G=", Describe(collection));
}

// Factories that make nothing: the error, and nothing appended.
TEST(Discovery, FactoriesThatMakeNothing)
{
    PrepareInstaller();
    class Starved : public DiscoveryBase
    {
    public:
        CMPIGroupMsi* CreateGroupMsi() override { return NULL; }
        CMPIMsi* CreateMsi() override { return NULL; }
    };
    struct Case { const char* what; const wchar_t* fixture; const wchar_t* relative; };
    const Case cases[] = {
        {"group", L"mp_alpha", L"MP\\GroupA\\alpha.msi"},
        {"setup", L"mp_setup", L"MP\\Install\\Quandel.msi"},
    };
    for (const Case& c : cases)
    {
        ScratchFolder scratch;
        scratch.CopyFixture(c.fixture, c.relative);
        Starved collection;
        collection.SetBaseFolder((scratch.Path() + L"MP\\").c_str());
        EXPECT_EQ(static_cast<UINT>(E_OUTOFMEMORY), collection.Initialize(1033)) << c.what;
        EXPECT_EQ(nullptr, collection.AddGroupMsi()) << c.what;
        EXPECT_EQ(L"S=- C=- G=", Describe(collection)) << c.what;
    }
}

namespace {

// The installer's package-open calls, watched: the longest path they were
// given. A path beyond the installer's buffers is refused here instead of
// being passed on, so a fault shows as a failed check, not as a crash.
struct WatchedPackageOpens
{
    WatchedPackageOpens()
    {
        real = g_MsiDll;
        longest = 0;
        g_MsiDll.pMsiOpenPackageExW = &OpenPackage;
        g_MsiDll.pMsiOpenDatabaseW = &OpenDatabase;
    }
    ~WatchedPackageOpens() { g_MsiDll = real; }

    static bool Watch(LPCWSTR path)
    {
        const size_t length = wcslen(path);
        longest = std::max(longest, length);
        return length < MAX_PATH;
    }
    static UINT WINAPI OpenPackage(LPCWSTR path, DWORD options, MSIHANDLE* package)
    {
        return Watch(path) ? real.pMsiOpenPackageExW(path, options, package) : ERROR_INSTALL_PACKAGE_OPEN_FAILED;
    }
    static UINT WINAPI OpenDatabase(LPCWSTR path, LPCWSTR persist, MSIHANDLE* database)
    {
        return Watch(path) ? real.pMsiOpenDatabaseW(path, persist, database) : ERROR_INSTALL_PACKAGE_OPEN_FAILED;
    }

    static MPIMsiDllTable real;
    static size_t longest;
};
MPIMsiDllTable WatchedPackageOpens::real;
size_t WatchedPackageOpens::longest = 0;

// The long-path form, which has no MAX_PATH limit on Windows either.
std::wstring Extended(const std::wstring& path) { return L"\\\\?\\" + path; }

// A distribution folder so deep below the scratch folder that one package
// in it, base + relative, has the given path length. Removes what it made.
class DeepDistribution
{
public:
    DeepDistribution(const ScratchFolder& scratch, const wchar_t* fixture, const std::wstring& relative,
                     size_t pathLength)
    {
        // Folders of up to 100 characters between the scratch folder and MP.
        std::wstring folder = scratch.Path();
        size_t need = pathLength - folder.size() - wcslen(L"\\MP\\") - relative.size();
        while (need > 0)
        {
            const size_t name = need > 100 ? 90 : need;
            folder += std::wstring(name, L'd');
            Make(folder);
            need -= name;
            if (need > 0)
            {
                folder += L"\\";
                --need;
            }
        }
        m_base = folder + L"\\MP\\";
        const std::wstring package = m_base + relative;
        for (size_t at = m_base.size() - 1; at != std::wstring::npos; at = package.find(L'\\', at + 1))
            Make(package.substr(0, at));
        EXPECT_TRUE(::CopyFileW(FixturePath(fixture).c_str(), Extended(package).c_str(), FALSE)) << ::GetLastError();
        m_made.push_back(package);
        EXPECT_EQ(pathLength, package.size());
    }
    ~DeepDistribution()
    {
        for (auto it = m_made.rbegin(); it != m_made.rend(); ++it)
        {
            if (!::DeleteFileW(Extended(*it).c_str()))
                ::RemoveDirectoryW(Extended(*it).c_str());
        }
    }
    const std::wstring& Base() const { return m_base; }

private:
    void Make(const std::wstring& folder)
    {
        if (::CreateDirectoryW(Extended(folder).c_str(), NULL))
            m_made.push_back(folder);
    }
    std::wstring m_base;
    std::vector<std::wstring> m_made;
};

} // namespace

// A package path the installer cannot take (MAX_PATH characters or more) is
// a package that cannot be opened: discovery stops before the installer sees
// it, and the collection stays empty. The packages of a distribution whose
// program path is 258 or 259 characters long lie there.
TEST(Discovery, PackagePathsTooLongForTheInstallerAreRefused)
{
    PrepareInstaller();
    struct Case
    {
        const char* what;
        const wchar_t* fixture;
        const wchar_t* relative;
        size_t pathLength;
        UINT result;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"setup package at the limit", L"mp_setup", L"Install\\Quandel.msi", MAX_PATH - 1, 0, L"S=0011/ C=- G="},
        {"setup package one beyond", L"mp_setup", L"Install\\Quandel.msi", MAX_PATH, ERROR_FILENAME_EXCED_RANGE,
         L"S=- C=- G="},
        // Beside programs of 259 and 258 characters.
        {"core package", L"mp_core", L"Core\\Dunmoor.msi", 267, ERROR_FILENAME_EXCED_RANGE, L"S=- C=- G="},
        {"group package", L"mp_alpha", L"GroupA\\alpha.msi", 266, ERROR_FILENAME_EXCED_RANGE, L"S=- C=- G="},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ScratchFolder scratch;
        DeepDistribution distribution(scratch, c.fixture, c.relative, c.pathLength);
        WatchedPackageOpens watched;
        DiscoveryBase collection;
        collection.SetBaseFolder(distribution.Base().c_str());
        EXPECT_EQ(c.result, collection.Initialize(1033));
        EXPECT_EQ(std::wstring(c.expected), Describe(collection));
        EXPECT_LT(WatchedPackageOpens::longest, size_t(MAX_PATH));
    }
}
