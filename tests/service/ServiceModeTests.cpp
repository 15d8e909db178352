// What the setup program's package classes answer for each run mode: the
// custom install (2) follows the install selections, the removal of groups
// (4) takes the installed groups shipped beside the program, the removal of
// modules (5) follows the remove marks, and the setup and core packages go
// only when no group stays installed.
#include <gtest/gtest.h>
#include <vector>
#include "ServiceTestSupport.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "setup/service/QuandelMsi.h"
#include "setup/service/QuandelSrv.h"

namespace
{
const wchar_t kGroupCode[] = L"{5E4C0000-00F0-4000-8000-0000000000F0}";

struct ModuleState
{
    const wchar_t* name;
    bool inPackage;
    bool installed;
    bool absent;
    bool selected;
    bool marked;
};

class TestModule : public CQuandelModule
{
public:
    TestModule(CMPIGroupMsi* group, const ModuleState& state) : CQuandelModule(group)
    {
        m_strFeatureName = state.name;
        m_bInPackage = state.inPackage;
        m_bInstalled = state.installed;
        m_bAbsent = state.absent;
        SetInstallSelection(state.selected);
        SetRemoveMark(state.marked);
    }
};

// A group with the sides and modules a case asks for; both sides carry the
// same version and ProductCode.
class TestGroup : public CQuandelGroupMsi
{
public:
    TestGroup(CQuandelSrv* service, bool package, bool installed, const std::vector<ModuleState>& modules = {})
        : CQuandelGroupMsi(service)
    {
        if (package)
        {
            m_strProductCode = kGroupCode;
            m_strProductVersion = L"1.00.0";
            m_nMajor = 1;
        }
        if (installed)
        {
            m_strInstalledProductCode = kGroupCode;
            m_strInstalledProductVersion = L"1.00.0";
            m_nInstalledMajor = 1;
        }
        for (const ModuleState& state : modules)
            m_Modules.push_back(new TestModule(this, state));
    }
};

// A setup or core package; versions as major numbers, 0 for a missing side.
class TestMsi : public CQuandelMsi
{
public:
    TestMsi(CQuandelSrv* service, int packageMajor, int installedMajor) : CQuandelMsi(service)
    {
        if (packageMajor)
        {
            m_strProductCode = L"{5E4C0000-00F1-4000-8000-0000000000F1}";
            m_nMajor = packageMajor;
        }
        if (installedMajor)
        {
            m_strInstalledProductCode = L"{5E4C0000-00F1-4000-8000-0000000000F1}";
            m_nInstalledMajor = installedMajor;
        }
    }
};

class TestSrv : public CQuandelSrv
{
public:
    CQuandelGroupMsi* AddGroup(CQuandelGroupMsi* group)
    {
        m_GroupMsis.push_back(group);
        return group;
    }
    void SetCore(CMPIMsi* core) { m_pCoreMsi = core; }
    void SetSetup(CMPIMsi* setup) { m_pSetupMsi = setup; }
};

const ModuleState M1 = {L"M1", true, true, false, false, false};
const ModuleState M2 = {L"M2", true, true, false, false, false};

ModuleState With(ModuleState state, bool selected, bool marked)
{
    state.selected = selected;
    state.marked = marked;
    return state;
}

ModuleState Absent(ModuleState state)
{
    state.installed = false;
    state.absent = true;
    return state;
}

ModuleState NotInstalled(ModuleState state)
{
    state.installed = false;
    return state;
}

ModuleState NotInPackage(ModuleState state)
{
    state.inPackage = false;
    return state;
}
}

TEST(GroupModes, NeedsActionFeatureListAndInstalledAfter)
{
    struct Case
    {
        const char* label;
        bool package;
        bool installed;
        std::vector<ModuleState> modules;
        MPISetupMode mode;
        BOOL needs;
        const wchar_t* list;
        BOOL after;
    } cases[] = {
        {"custom, one selected", true, false, {NotInstalled(With(M1, true, false)), NotInstalled(M2)}, 2, 1, L"M1", 1},
        {"custom, both selected", true, false, {NotInstalled(With(M1, true, false)), NotInstalled(With(M2, true, false))},
         2, 1, L"M1,M2", 1},
        {"custom, none selected", true, true, {M1, M2}, 2, 0, L"", 0},
        // Only the package file's modules can be installed: checks reach no other.
        {"custom, installed-only group checked", false, true,
         {NotInPackage(With(M1, true, false)), NotInPackage(With(M2, true, false))}, 2, 0, L"", 0},
        {"custom, a module the newer package dropped", true, true,
         {With(M1, true, false), NotInPackage(With(M2, true, false))}, 2, 1, L"M1", 1},
        {"groups, file and product", true, true, {M1, M2}, 4, 1, L"ALL", 0},
        {"groups, product only", false, true, {M1, M2}, 4, 0, L"ALL", 1},
        {"groups, file only", true, false, {NotInstalled(M1)}, 4, 0, L"ALL", 0},
        {"modules, one of two marked", true, true, {With(M1, false, true), M2}, 5, 1, L"M1", 1},
        {"modules, every installed one marked", true, true, {With(M1, false, true), With(M2, false, true)}, 5, 1, L"ALL", 0},
        {"modules, the other one absent", true, true, {With(M1, false, true), Absent(M2)}, 5, 1, L"ALL", 0},
        {"modules, none marked", true, true, {M1, M2}, 5, 0, L"", 1},
        {"newer, file only", true, false, {NotInstalled(M1)}, 0, 1, L"ALL", 1},
        {"everything, installed", true, true, {M1, M2}, 3, 1, L"ALL", 0},
        {"unknown mode 6", true, true, {With(M1, true, true)}, 6, 0, L"", 0},
        {"negative mode", true, true, {With(M1, true, true)}, -1, 0, L"", 0},
    };
    for (const Case& c : cases)
    {
        TestSrv service;
        CQuandelGroupMsi* group = service.AddGroup(new TestGroup(&service, c.package, c.installed, c.modules));
        CString list(L"stale");
        group->GetFeatureList(list, c.mode);
        EXPECT_EQ(c.needs, group->NeedsAction(c.mode)) << c.label;
        EXPECT_STREQ(c.list, list.GetString()) << c.label;
        EXPECT_EQ(c.after, group->IsInstalledAfter(c.mode)) << c.label;
    }
}

TEST(ModuleModes, SelectionMarkAndGroupRemoval)
{
    struct Case
    {
        const char* label;
        bool groupPackage;
        ModuleState module;
        MPISetupMode mode;
        BOOL needs;
    } cases[] = {
        {"custom follows the selection", true, With(M1, true, false), 2, 1},
        {"custom, not selected", true, M1, 2, 0},
        {"modules follow the mark", true, With(M1, false, true), 5, 1},
        {"modules, not marked", true, With(M1, true, false), 5, 0},
        {"groups, installed module of a shipped group", true, M1, 4, 1},
        {"groups, absent module", true, Absent(M1), 4, 0},
        {"groups, group not shipped", false, M1, 4, 0},
        {"everything, installed module", true, M1, 3, 1},
        {"unknown mode", true, With(M1, true, true), 7, 0},
    };
    for (const Case& c : cases)
    {
        TestSrv service;
        CQuandelGroupMsi* group = service.AddGroup(new TestGroup(&service, c.groupPackage, true, {c.module}));
        ASSERT_NE(nullptr, group->GetModule(0));
        EXPECT_EQ(c.needs, group->GetModule(0)->NeedsAction(c.mode)) << c.label;
    }
}

TEST(PlainPackageModes, SetupAndCoreGoOnlyWhenInstalledAndNoGroupStays)
{
    enum GroupKind
    {
        NoGroup,
        ShippedInstalledGroup,    // removed by mode 4
        ProductOnlyGroup,         // stays in mode 4
        GroupWithUnmarkedModule,  // stays in mode 5
        GroupFullyMarked          // goes in mode 5
    };
    struct Case
    {
        const char* label;
        MPISetupMode mode;
        int packageMajor;
        int installedMajor;
        GroupKind group;
        BOOL needs;
    } cases[] = {
        {"custom, file only", 2, 1, 0, NoGroup, 1},
        {"custom, same version installed", 2, 1, 1, NoGroup, 0},
        {"custom, newer file", 2, 2, 1, NoGroup, 1},
        {"groups, installed, no group", 4, 0, 1, NoGroup, 1},
        {"groups, a group without file stays", 4, 1, 1, ProductOnlyGroup, 0},
        {"groups, the shipped group goes", 4, 1, 1, ShippedInstalledGroup, 1},
        {"groups, file only", 4, 1, 0, NoGroup, 0},
        {"modules, a module stays", 5, 1, 1, GroupWithUnmarkedModule, 0},
        {"modules, every module goes", 5, 1, 1, GroupFullyMarked, 1},
        {"modules, file only", 5, 1, 0, NoGroup, 0},
        {"newer, file only", 0, 1, 0, NoGroup, 1},
        {"everything, installed", 3, 0, 1, NoGroup, 1},
        {"everything, file only", 3, 1, 0, NoGroup, 0},
        {"unknown mode 6", 6, 1, 1, NoGroup, 0},
        {"negative mode", -1, 1, 1, NoGroup, 0},
    };
    for (const Case& c : cases)
    {
        TestSrv service;
        switch (c.group)
        {
        case NoGroup:
            break;
        case ShippedInstalledGroup:
            service.AddGroup(new TestGroup(&service, true, true, {M1}));
            break;
        case ProductOnlyGroup:
            service.AddGroup(new TestGroup(&service, false, true, {M1}));
            break;
        case GroupWithUnmarkedModule:
            service.AddGroup(new TestGroup(&service, true, true, {With(M1, false, true), M2}));
            break;
        case GroupFullyMarked:
            service.AddGroup(new TestGroup(&service, true, true, {With(M1, false, true), With(M2, false, true)}));
            break;
        }
        TestMsi* core = new TestMsi(&service, c.packageMajor, c.installedMajor);
        service.SetCore(core);
        EXPECT_EQ(c.needs, core->NeedsAction(c.mode)) << c.label;
    }
}

TEST(PlainPackageModes, RemovingPackageFilesThatAreNotInstalledHasNothingToDo)
{
    for (MPISetupMode mode : {4, 5})
    {
        TestSrv service;
        service.SetSetup(new TestMsi(&service, 1, 0));
        service.SetCore(new TestMsi(&service, 2, 0));
        service.AddGroup(new TestGroup(&service, true, false, {NotInstalled(With(M1, false, true))}));
        CRecordingCallback callback;
        EXPECT_EQ(1, service.Remove(&callback, mode)) << mode;
        EXPECT_TRUE(callback.m_Lines.empty()) << mode;
        EXPECT_EQ(0, callback.m_nCompletions) << mode;
    }
}

TEST(ServiceQuestions, SetupTypeAndGroupsByIndex)
{
    TestSrv service;
    EXPECT_FALSE(service.IsCustomSetup());
    service.SetSetupType(MPI_MODE_INSTALL_CUSTOM);
    EXPECT_TRUE(service.IsCustomSetup());
    service.SetSetupType(MPI_MODE_INSTALL_MODULES);
    EXPECT_FALSE(service.IsCustomSetup());

    CQuandelGroupMsi* first = service.AddGroup(new TestGroup(&service, true, false, {NotInstalled(M1)}));
    EXPECT_EQ(first, service.GetMsi(0));
    EXPECT_EQ(nullptr, service.GetMsi(1));
    EXPECT_EQ(nullptr, service.GetMsi(-1));
    EXPECT_EQ(nullptr, first->GetModule(1));
    EXPECT_EQ(nullptr, first->GetModule(-1));
    EXPECT_FALSE(service.IsAnyGroupInstalledAfter(MPI_MODE_REMOVE_GROUPS));

    // Groups without languages of their own: only the default language.
    EXPECT_EQ(1033u, service.GetLanguageList(0, 0));
    EXPECT_EQ(0u, service.GetLanguageList(1, 0));
    EXPECT_EQ(1033u, service.GetLanguageList(0, 1));
}
