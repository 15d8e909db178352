// Discovery on distribution folders laid out by the test. Nothing of the
// test packages is installed here (the msi lock keeps installing tests away).
#include <gtest/gtest.h>
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
