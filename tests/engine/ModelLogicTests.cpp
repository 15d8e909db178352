// Run modes, versions, comparisons and the group's decisions, on package
// objects whose sides are set directly.
#include <gtest/gtest.h>
#include <string>
#include "engine/MPIBase.h"
#include "engine/MPIDefs.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPIModule.h"

namespace {

// Sets the two sides of a package the way reading would leave them.
template <class Base>
class Sided : public Base
{
public:
    explicit Sided(CMPIBase* owner) : Base(owner) {}

    Sided& Package(const wchar_t* code, const wchar_t* version)
    {
        this->m_strProductCode = code;
        this->m_strPackagePath = L"C:\\x.msi";
        this->m_strProductVersion = version;
        this->ParseVersion(0);
        return *this;
    }
    Sided& Installed(const wchar_t* code, const wchar_t* version)
    {
        this->m_strInstalledProductCode = code;
        this->m_strInstalledProductVersion = version;
        this->ParseVersion(1);
        return *this;
    }
    void SetVersionText(int source, const wchar_t* text)
    {
        (source ? this->m_strInstalledProductVersion : this->m_strProductVersion) = text;
    }
};

using LogicMsi = Sided<CMPIMsi>;

class LogicModule : public CMPIModule
{
public:
    LogicModule(CMPIGroupMsi* group, const wchar_t* name, bool inPackage, bool installed, bool absent)
        : CMPIModule(group)
    {
        m_strFeatureName = name;
        m_bInPackage = inPackage;
        m_bInstalled = installed;
        m_bAbsent = absent;
    }
};

class LogicGroup : public Sided<CMPIGroupMsi>
{
public:
    explicit LogicGroup(CMPIBase* owner) : Sided<CMPIGroupMsi>(owner) {}
    // name: P = in package, I = installed, A = absent, e.g. "ModA:PI".
    LogicGroup& Module(const wchar_t* name, const wchar_t* flags)
    {
        std::wstring f(flags);
        m_Modules.push_back(new LogicModule(this, name, f.find(L'P') != std::wstring::npos,
                                            f.find(L'I') != std::wstring::npos,
                                            f.find(L'A') != std::wstring::npos));
        return *this;
    }
};

const wchar_t* kCodeA = L"{AAAAAAAA-0000-4000-8000-000000000001}";
const wchar_t* kCodeB = L"{AAAAAAAA-0000-4000-8000-000000000002}";
const wchar_t* kCodeALower = L"{aaaaaaaa-0000-4000-8000-000000000001}";

} // namespace

TEST(RunModes, InstallModesRunModesAndStatusHolders)
{
    for (int mode = -2; mode <= 8; ++mode)
    {
        EXPECT_EQ(mode >= 0 && mode <= 2 ? TRUE : FALSE, IsInstallMode(mode)) << mode;

        CMPISetupTypeValue type;
        EXPECT_EQ(0, type.GetSetupType());
        int expectedRun = (mode == 1 || mode == 2) ? mode : 0;
        EXPECT_EQ(expectedRun, type.SetSetupType(mode).GetRunMode()) << mode;
        EXPECT_TRUE(type.IsSetupType(mode));
        EXPECT_FALSE(type.IsSetupType(mode + 1));

        CMPIRunStatusValue status(mode);
        EXPECT_EQ(mode == 0 ? TRUE : FALSE, status.IsZero()) << mode;
        EXPECT_EQ(mode == 3 || mode == 4 ? TRUE : FALSE, status.IsThreeOrFour()) << mode;
        EXPECT_EQ(mode + 1, status.SetValue(mode + 1).GetValue());
    }
    EXPECT_TRUE(CMPIRunStatusValue().IsZero());
}

TEST(RunModes, CollectionLanguageAndSetupType)
{
    CMPIBase base(NULL);
    EXPECT_EQ(1033, base.GetLanguage());
    EXPECT_EQ(0, base.GetSetupType());
    base.SetLanguage(1031);
    EXPECT_EQ(1031, base.GetLanguage());
    base.SetSetupType(5);
    EXPECT_EQ(0, base.GetRunMode());
    base.SetSetupType(2);
    EXPECT_EQ(2, base.GetRunMode());
    EXPECT_EQ(0u, base.GetMsiCount());
    EXPECT_EQ(nullptr, base.GetMsi(0));
    // Without an engine nothing is started, and removal modes are checked first.
    EXPECT_EQ(E_INVALIDARG, base.Remove(NULL, MPI_MODE_INSTALL_NEWER));
    EXPECT_EQ(0, base.Cancel());
}

TEST(PackageVersion, ParseVersionRewritesTheText)
{
    struct Case { const wchar_t* text; int major, minor, build; const wchar_t* rewritten; };
    const Case cases[] = {
        {L"2.1.5", 2, 1, 5, L"2.01.5"},
        {L"2.01.5", 2, 1, 5, L"2.01.5"},
        {L"3.10.42.7", 3, 10, 42, L"3.10.42"},
        {L"2.1", 2, 1, 0, L"2.01.0"},
        {L"7", 7, 0, 0, L"7.00.0"},
        {L"", 0, 0, 0, L"0.00.0"},
        {L".5", 0, 0, 0, L"0.00.0"},
        {L"1..5", 1, 0, 0, L"1.00.0"},
        {L"1.2.", 1, 2, 0, L"1.02.0"},
        {L"2.x.3", 2, 0, 3, L"2.00.3"},
        {L" 4.5.6", 4, 5, 6, L"4.05.6"},
    };
    for (const Case& c : cases)
    {
        for (int source = 0; source <= 1; ++source)
        {
            LogicMsi msi(NULL);
            msi.SetVersionText(source, c.text);
            msi.ParseVersion(source);
            std::wstring what = std::wstring(c.text) + (source ? L" installed" : L" package");
            EXPECT_EQ(c.major, msi.GetVersionMajor(source)) << what.c_str();
            EXPECT_EQ(c.minor, msi.GetVersionMinor(source)) << what.c_str();
            EXPECT_EQ(c.build, msi.GetVersionBuild(source)) << what.c_str();
            EXPECT_STREQ(c.rewritten, msi.GetProductVersion(source)) << what.c_str();
            // The other side is untouched.
            EXPECT_EQ(0, msi.GetVersionMajor(!source));
        }
    }
}

TEST(PackageVersion, ComparisonsOfTheTwoSides)
{
    struct Case
    {
        const wchar_t* pkgCode; const wchar_t* pkgVersion;
        const wchar_t* instCode; const wchar_t* instVersion;
        BOOL newer, removeFirst, same, action0, action3;
    };
    const Case cases[] = {
        // 2.1.5 reads as 2.01.5: the same version, the codes decide.
        {kCodeA, L"2.1.5", kCodeA, L"2.01.5", 0, 0, 1, 0, 1},
        {kCodeA, L"2.1.5", kCodeB, L"2.01.5", 0, 1, 0, 0, 1},
        // Lower build, same code: remove first.
        {kCodeA, L"2.01.3", kCodeA, L"2.01.7", 0, 1, 0, 0, 1},
        // Same build, codes differing only in letter case count as different.
        {kCodeA, L"2.01.7", kCodeALower, L"2.01.7", 0, 1, 0, 0, 1},
        // Minors differ: a plain upgrade.
        {kCodeA, L"2.02.0", kCodeA, L"2.01.9", 1, 0, 0, 1, 1},
        // 9 is below 10 as a number.
        {kCodeA, L"1.09.0", kCodeA, L"1.10.0", 0, 0, 0, 0, 1},
        // Higher build over the same minor.
        {kCodeA, L"2.01.8", kCodeB, L"2.01.7", 1, 0, 0, 1, 1},
        {kCodeA, L"3.00.0", kCodeA, L"2.99.99", 1, 0, 0, 1, 1},
        {kCodeA, L"1.00.0", kCodeA, L"2.00.0", 0, 0, 0, 0, 1},
        // One side only.
        {kCodeA, L"1.0.0", NULL, NULL, 1, 0, 0, 1, 0},
        {NULL, NULL, kCodeA, L"1.0.0", 0, 0, 0, 0, 1},
        {NULL, NULL, NULL, NULL, 0, 0, 0, 0, 0},
    };
    int row = 0;
    for (const Case& c : cases)
    {
        LogicMsi msi(NULL);
        if (c.pkgCode)
            msi.Package(c.pkgCode, c.pkgVersion);
        if (c.instCode)
            msi.Installed(c.instCode, c.instVersion);
        EXPECT_EQ(c.newer, msi.IsNewer()) << "row " << row;
        EXPECT_EQ(c.removeFirst, msi.NeedsRemoveFirst()) << "row " << row;
        EXPECT_EQ(c.same, msi.IsSameVersion()) << "row " << row;
        EXPECT_EQ(c.action0, msi.NeedsAction(MPI_MODE_INSTALL_NEWER)) << "row " << row;
        EXPECT_EQ(c.action0, msi.NeedsAction(MPI_MODE_INSTALL_MODULES)) << "row " << row;
        EXPECT_EQ(c.action3, msi.NeedsAction(MPI_MODE_REMOVE_ALL)) << "row " << row;
        for (int mode : {2, 4, 5, 6, -1})
            EXPECT_FALSE(msi.NeedsAction(mode)) << "row " << row << " mode " << mode;
        ++row;
    }
}

TEST(PackageVersion, RequiredSpaceAndComponentCounts)
{
    LogicMsi older(NULL);
    older.Package(kCodeA, L"1.0.0").Installed(kCodeA, L"2.0.0");
    older.GetFeatureSizes(0).Add(L"Main", L"", 500, 2);
    EXPECT_EQ(0, older.GetRequiredSpace(MPI_MODE_INSTALL_NEWER));

    LogicMsi newer(NULL);
    newer.Package(kCodeA, L"2.0.0").Installed(kCodeA, L"1.0.0");
    newer.GetFeatureSizes(0).Add(L"Main", L"", 500, 2);
    newer.GetFeatureSizes(1).Add(L"Main", L"", 800, 3);
    EXPECT_EQ(-300, newer.GetRequiredSpace(MPI_MODE_INSTALL_NEWER));
    EXPECT_EQ(2, newer.GetComponentCountForMode(MPI_MODE_INSTALL_NEWER));
    EXPECT_EQ(3, newer.GetComponentCountForMode(MPI_MODE_REMOVE_ALL));
    EXPECT_EQ(0, newer.GetComponentCountForMode(MPI_MODE_REMOVE_GROUPS));

    // Byte figures beyond 32 bits neither clamp nor wrap.
    LogicMsi huge(NULL);
    huge.Package(kCodeA, L"2.0.0").Installed(kCodeB, L"1.0.0");
    huge.GetFeatureSizes(0).Add(L"A", L"", 3000000000LL, 1);
    huge.GetFeatureSizes(0).Add(L"B", L"", 2000000000LL, 1);
    huge.GetFeatureSizes(1).Add(L"A", L"", 500000000LL, 1);
    EXPECT_EQ(5000000000LL, huge.GetPackageSize(0));
    EXPECT_EQ(4500000000LL, huge.GetRequiredSpace(MPI_MODE_INSTALL_NEWER));
}

TEST(GroupPackage, MinimumCoreVersion)
{
    struct Case { const wchar_t* text; const wchar_t* shown; int major, minor; };
    const Case cases[] = {
        {L"", L"1.00", 1, 0},
        {L"2.5", L"2.05", 2, 5},
        {L"3", L"3.00", 3, 0},
        {L"2", L"2.00", 2, 0},
        {L"1.10.2", L"1.10", 1, 10},
        {L"0.5", L"0.5", 1, 0},
        {L"0.9", L"0.9", 1, 0},
        {L"abc", L"abc", 1, 0},
        {L"4.", L"4.00", 4, 0},
    };
    for (const Case& c : cases)
    {
        CMPIGroupMsi group(NULL);
        EXPECT_STREQ(L"1.00", group.GetMinCoreVersion());
        group.SetMinCoreVersion(c.text);
        EXPECT_STREQ(c.shown, group.GetMinCoreVersion()) << c.text;
        EXPECT_EQ(c.major, group.GetMinCoreMajor()) << c.text;
        EXPECT_EQ(c.minor, group.GetMinCoreMinor()) << c.text;
    }
    // A second text without a minor part does not keep the earlier minor.
    CMPIGroupMsi group(NULL);
    group.SetMinCoreVersion(L"2.5");
    group.SetMinCoreVersion(L"3");
    EXPECT_STREQ(L"3.00", group.GetMinCoreVersion());
}

TEST(GroupPackage, ModuleFeatureNames)
{
    struct Case { const wchar_t* name; BOOL module; };
    const Case cases[] = {
        {L"Main", FALSE}, {L"MainCommon", FALSE}, {L"Main_", FALSE},
        {L"Mod1", TRUE}, {L"ModMain", TRUE}, {L"main", TRUE}, {L"MAIN", TRUE}, {L"Mai", TRUE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.module, CMPIGroupMsi::IsModuleFeature(c.name)) << c.name;
}

// The group's and its modules' answers for the modes, per situation.
TEST(GroupPackage, DecisionsPerSituation)
{
    struct Case
    {
        const char* what;
        const wchar_t* pkgVersion;   // NULL: no package file
        const wchar_t* instCode;     // NULL: not installed
        const wchar_t* instVersion;
        const wchar_t* modules[3][2];
        BOOL action0, action1, action3;
        const wchar_t* list1;
        BOOL after1;
        const wchar_t* installable;  // per module, "1"/"0"
        const wchar_t* moduleAction1;
    };
    const Case cases[] = {
        {"not installed", L"1.0.0", NULL, NULL,
         {{L"ModA", L"P"}, {L"ModB", L"P"}, {NULL, NULL}},
         1, 1, 0, L"ALL", 1, L"11", L"11"},
        {"same version, one module missing", L"1.0.0", kCodeA, L"1.0.0",
         {{L"ModA", L"PI"}, {L"ModB", L"P"}, {NULL, NULL}},
         1, 1, 1, L"ModA,ModB", 1, L"11", L"11"},
        {"same version, one module absent", L"1.0.0", kCodeA, L"1.0.0",
         {{L"ModA", L"PI"}, {L"ModB", L"PA"}, {NULL, NULL}},
         1, 1, 1, L"ModA,ModB", 1, L"11", L"11"},
        {"same version, all installed", L"1.0.0", kCodeA, L"1.0.0",
         {{L"ModA", L"PI"}, {L"ModB", L"PI"}, {NULL, NULL}},
         0, 1, 1, L"ModA,ModB", 1, L"11", L"11"},
        {"package older, installed-only module", L"1.0.0", kCodeA, L"1.1.0",
         {{L"ModA", L"PI"}, {L"ModB", L"P"}, {L"ModX", L"I"}},
         0, 1, 1, L"ModA,ModB,ModX", 1, L"110", L"111"},
        {"installed only", NULL, kCodeA, L"1.0.0",
         {{L"ModX", L"I"}, {L"ModY", L"A"}, {NULL, NULL}},
         0, 0, 1, L"", 1, L"00", L"00"},
        {"package newer, module absent", L"1.2.0", kCodeA, L"1.0.0",
         {{L"ModA", L"PA"}, {NULL, NULL}, {NULL, NULL}},
         1, 1, 1, L"ModA", 1, L"1", L"1"},
        {"package file without modules installed", L"1.0.0", NULL, NULL,
         {{NULL, NULL}, {NULL, NULL}, {NULL, NULL}},
         1, 0, 0, L"ALL", 0, L"", L""},
    };
    for (const Case& c : cases)
    {
        LogicGroup group(NULL);
        if (c.pkgVersion)
            group.Package(kCodeA, c.pkgVersion);
        if (c.instCode)
            group.Installed(c.instCode, c.instVersion);
        for (const auto& m : c.modules)
            if (m[0])
                group.Module(m[0], m[1]);

        EXPECT_EQ(c.action0, group.NeedsAction(0)) << c.what;
        EXPECT_EQ(c.action1, group.NeedsAction(1)) << c.what;
        EXPECT_EQ(c.action3, group.NeedsAction(3)) << c.what;
        for (int mode : {2, 4, 5, 7, -1})
            EXPECT_FALSE(group.NeedsAction(mode)) << c.what << " mode " << mode;

        CString list;
        group.GetFeatureList(list, 0);
        EXPECT_STREQ(L"ALL", list) << c.what;
        group.GetFeatureList(list, 1);
        EXPECT_STREQ(c.list1, list) << c.what;
        group.GetFeatureList(list, 3);
        EXPECT_STREQ(L"ALL", list) << c.what;
        for (int mode : {2, 4, 5, 9})
        {
            list = L"stale";
            group.GetFeatureList(list, mode);
            EXPECT_STREQ(L"", list) << c.what << " mode " << mode;
        }

        EXPECT_TRUE(group.IsInstalledAfter(0)) << c.what;
        EXPECT_EQ(c.after1, group.IsInstalledAfter(1)) << c.what;
        for (int mode : {2, 3, 4, 5})
            EXPECT_FALSE(group.IsInstalledAfter(mode)) << c.what << " mode " << mode;

        for (unsigned i = 0; i < group.GetModuleCount(); ++i)
        {
            CMPIModule* module = group.GetModule(i);
            EXPECT_EQ(c.installable[i] == L'1', module->IsInstallable() == 1) << c.what << " module " << i;
            EXPECT_EQ(c.moduleAction1[i] == L'1', module->NeedsAction(1) == 1) << c.what << " module " << i;
            EXPECT_EQ(group.NeedsAction(0), module->NeedsAction(0)) << c.what << " module " << i;
            EXPECT_EQ(module->IsInstalled(), module->NeedsAction(3)) << c.what << " module " << i;
            EXPECT_FALSE(module->NeedsAction(2));
            EXPECT_FALSE(module->NeedsAction(5));
        }
        EXPECT_EQ(nullptr, group.GetModule(group.GetModuleCount()));
    }
}

// Sizes of a group count the modules concerned and their parent features.
TEST(GroupPackage, SizesOverModulesAndParents)
{
    LogicGroup group(NULL);
    group.Package(kCodeA, L"1.0.0");
    CMPIFeatureSizeList& pkg = group.GetFeatureSizes(0);
    pkg.Add(L"Main", L"", 100, 1);
    pkg.Add(L"ModA", L"Main", 200, 1);
    pkg.Add(L"ModB", L"ModA", 350, 2);
    pkg.Add(L"MainCommon", L"", 400, 1);
    pkg.Add(L"ModC", L"", 0, 0);
    group.Module(L"ModA", L"P").Module(L"ModB", L"P").Module(L"ModC", L"P");

    // ModA + Main, ModB (its chain is already there), ModC; MainCommon is no module.
    EXPECT_EQ(650, group.GetPackageSize(MPI_MODE_INSTALL_MODULES));
    EXPECT_EQ(650, group.GetPackageSize(MPI_MODE_INSTALL_NEWER));
    EXPECT_EQ(650, group.GetPackageSize(7));  // any other mode counts as mode 0
    EXPECT_EQ(4, group.GetComponentCount(&pkg, MPI_MODE_INSTALL_MODULES));
    EXPECT_EQ(0, group.GetComponentCount(&pkg, MPI_MODE_REMOVE_ALL));  // nothing to remove
    EXPECT_EQ(0, group.GetComponentCount(NULL, MPI_MODE_INSTALL_MODULES));
    EXPECT_EQ(0, group.GetInstalledSize());  // not installed

    LogicGroup installed(NULL);
    installed.Installed(kCodeA, L"1.0.0");
    CMPIFeatureSizeList& inst = installed.GetFeatureSizes(1);
    inst.Add(L"Main", L"", 100, 1);
    inst.Add(L"ModA", L"Main", 200, 1);
    inst.Add(L"ModB", L"ModA", 350, 2);
    installed.Module(L"ModB", L"I").Module(L"ModA", L"A");
    // ModB with its chain ModA and Main; the absent ModA is only counted as a parent.
    EXPECT_EQ(650, installed.GetInstalledSize());
    // Component counts take their parent chains from the package side, which
    // an installed-only group lacks: ModB alone.
    EXPECT_EQ(2, installed.GetComponentCount(&inst, MPI_MODE_REMOVE_ALL));
}

// What a run adds: the modules it installs that are not installed yet, with
// the parents they need that are not on the machine either.
TEST(GroupPackage, AddedSizeCountsWhatIsNotInstalledYet)
{
    struct Case
    {
        const char* what;
        const wchar_t* package;     // version, or NULL: no package file
        const wchar_t* installed;   // version, or NULL: not installed
        const wchar_t* flags[3];    // of ModA, ModB (child of ModA), ModC
        LONGLONG mode1;
    };
    const Case cases[] = {
        {"new group: modules and their parents", L"1.0.0", NULL, {L"P", L"P", L"P"}, 100 + 200 + 350 + 50},
        {"extension: ModB and ModC; installed ModA and Main add nothing", L"1.0.0", L"1.0.0", {L"PI", L"P", L"PA"},
         350 + 50},
        {"extension of an absent parent: ModA counts, Main does not", L"1.0.0", L"1.0.0", {L"PA", L"PI", L"PI"},
         200},
        {"upgrade: the module not installed yet", L"2.0.0", L"1.0.0", {L"PI", L"PI", L"P"}, 50},
        {"everything installed", L"1.0.0", L"1.0.0", {L"PI", L"PI", L"PI"}, 0},
        {"installed-only group", NULL, L"1.0.0", {L"I", L"I", L"A"}, 0},
    };
    for (const Case& c : cases)
    {
        LogicGroup group(NULL);
        if (c.package)
            group.Package(kCodeA, c.package);
        if (c.installed)
            group.Installed(kCodeA, c.installed);
        CMPIFeatureSizeList& pkg = group.GetFeatureSizes(0);
        pkg.Add(L"Main", L"", 100, 1);
        pkg.Add(L"ModA", L"Main", 200, 1);
        pkg.Add(L"ModB", L"ModA", 350, 2);
        pkg.Add(L"ModC", L"", 50, 1);
        group.Module(L"ModA", c.flags[0]).Module(L"ModB", c.flags[1]).Module(L"ModC", c.flags[2]);
        EXPECT_EQ(c.mode1, group.GetAddedSize(MPI_MODE_INSTALL_MODULES)) << c.what;
        // The base model selects nothing for a custom run.
        EXPECT_EQ(0, group.GetAddedSize(MPI_MODE_INSTALL_CUSTOM)) << c.what;
        // A removal adds nothing; it is no install of newer packages.
        for (int mode : {MPI_MODE_REMOVE_ALL, MPI_MODE_REMOVE_GROUPS, MPI_MODE_REMOVE_MODULES})
            EXPECT_EQ(0, group.GetAddedSize(mode)) << c.what << " mode " << mode;
    }

    // A child listed before its parent module: the parent counts once.
    LogicGroup group(NULL);
    group.Package(kCodeA, L"1.0.0");
    group.GetFeatureSizes(0).Add(L"Main", L"", 100, 1);
    group.GetFeatureSizes(0).Add(L"ModA", L"Main", 200, 1);
    group.GetFeatureSizes(0).Add(L"ModB", L"ModA", 350, 2);
    group.Module(L"ModB", L"P").Module(L"ModA", L"P");
    EXPECT_EQ(100 + 200 + 350, group.GetAddedSize(MPI_MODE_INSTALL_MODULES));
}

namespace {
// A collection whose setup, core and group packages are set directly.
class SizedBase : public CMPIBase
{
public:
    SizedBase() : CMPIBase(NULL) {}
    // A plain package of that version and size, installed at the other
    // version and size unless installedVersion is NULL.
    void SetPlain(CMPIMsi*& slot, const wchar_t* version, LONGLONG bytes, const wchar_t* installedVersion,
                  LONGLONG installedBytes)
    {
        LogicMsi* msi = new LogicMsi(this);
        slot = msi;
        msi->Package(kCodeA, version).GetFeatureSizes(0).Add(L"Main", L"", bytes, 1);
        if (installedVersion)
            msi->Installed(kCodeA, installedVersion).GetFeatureSizes(1).Add(L"Main", L"", installedBytes, 1);
    }
    CMPIMsi*& Setup() { return m_pSetupMsi; }
    CMPIMsi*& Core() { return m_pCoreMsi; }
    // A group not installed yet: Main and its module ModA, 3 MiB together.
    void AddNewGroup()
    {
        LogicGroup* group = new LogicGroup(this);
        m_GroupMsis.push_back(group);
        group->Package(kCodeB, L"1.0.0");
        group->Module(L"ModA", L"P");
        group->GetFeatureSizes(0).Add(L"Main", L"", 1 * kMiB, 1);
        group->GetFeatureSizes(0).Add(L"ModA", L"Main", 2 * kMiB, 1);
    }
    static constexpr LONGLONG kMiB = 1048576;
};
} // namespace

// Beside a new group of 3 MiB, a newer setup or core package adds what it
// needs beyond its installed product, and one that shrinks adds nothing:
// what it frees does not lower the groups' share.
TEST(Collection, AddedSpaceCountsNoPackageBelowZero)
{
    const LONGLONG MiB = SizedBase::kMiB;
    struct Plain
    {
        const wchar_t* version;    // NULL: no such package
        LONGLONG bytes;
        const wchar_t* installed;  // NULL: not installed
        LONGLONG installedBytes;
    };
    struct Case
    {
        const char* what;
        Plain setup, core;
        LONGLONG added;
    };
    const Case cases[] = {
        {"a newer core 5 MiB smaller", {NULL, 0, NULL, 0}, {L"3.1.0", 2 * MiB, L"3.0.0", 7 * MiB}, 3 * MiB},
        {"a newer setup 1 MiB larger", {L"1.3.0", 4 * MiB, L"1.2.0", 3 * MiB}, {NULL, 0, NULL, 0}, 4 * MiB},
        {"a core not installed yet", {NULL, 0, NULL, 0}, {L"3.0.0", 2 * MiB, NULL, 0}, 5 * MiB},
        {"each package on its own: the setup shrinks 1 MiB, the core grows 2 MiB",
         {L"1.3.0", 2 * MiB, L"1.2.0", 3 * MiB}, {L"3.1.0", 4 * MiB, L"3.0.0", 2 * MiB}, 5 * MiB},
        {"an older core package installs nothing", {NULL, 0, NULL, 0}, {L"2.0.0", 9 * MiB, L"3.0.0", 1 * MiB},
         3 * MiB},
    };
    for (const Case& c : cases)
    {
        SizedBase base;
        if (c.setup.version)
            base.SetPlain(base.Setup(), c.setup.version, c.setup.bytes, c.setup.installed, c.setup.installedBytes);
        if (c.core.version)
            base.SetPlain(base.Core(), c.core.version, c.core.bytes, c.core.installed, c.core.installedBytes);
        base.AddNewGroup();
        EXPECT_EQ(c.added, base.GetAddedDiskSpace()) << c.what;
    }
}
