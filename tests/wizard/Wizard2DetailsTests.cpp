// The module details list, the details dialog and the disk-space dialog,
// against test packages read from a distribution folder.
#include <gtest/gtest.h>
#include <memory>
#include "Wizard2Support.h"
#include "framework/Seams.h"
#include "setup/service/QuandelSrv.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/wizard/QuandelDetailsDlg.h"
#include "setup/wizard/QuandelDiskSpaceDlg.h"
#include "setup/wizard/QuandelModuleDetailsListBox.h"
#include "setup/wizard/QuandelWizard.h"
#include "setup/wizard/RemovalRunMode.h"
#include "ids_pages.h"

namespace
{
std::wstring S(UINT id)
{
    CString text;
    text.LoadString(id);
    return text.GetString();
}

// A details list on a hidden window, over a service read from alpha and beta.
class DetailsListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w2::UseLanguageLibrary();
        dist.reset(new w2::DistFolder({L"w2_alpha", L"w2_beta"}));
        srv.reset(w2::MakeService(dist->mp));
        ASSERT_EQ(2u, srv->GetMsiCount());
        alpha = FindGroup(L"Alpha");
        beta = FindGroup(L"Beta");
        ASSERT_GE(alpha, 0);
        ASSERT_GE(beta, 0);
    }

    int FindGroup(const wchar_t* name)
    {
        for (int i = 0; srv->GetMsi(i) != NULL; ++i)
            if (srv->GetMsi(i)->GetGroupName(0) == name)
                return i;
        return -1;
    }

    void MakeList(CQuandelModuleDetailsListBox& list)
    {
        CWnd* parent = CWnd::FromHandle(w2::TestParentWindow());
        RECT rect = {0, 0, 200, 200};
        ASSERT_TRUE(list.Create(WS_VSCROLL | WS_HSCROLL | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, rect, parent, 100));
    }

    std::unique_ptr<w2::DistFolder> dist;
    std::unique_ptr<CQuandelSrv> srv;
    int alpha = -1;
    int beta = -1;
};

TEST_F(DetailsListTest, RowsByModeSourceAndItem)
{
    struct Case
    {
        const char* what;
        int mode;
        int source;
        int module;   // -1: the group
        std::vector<std::wstring> rows;
    };
    const std::wstring group = S(IDS_PAGES_LBL_GROUP), version = S(IDS_PAGES_LBL_VERSION),
                       status = S(IDS_PAGES_LBL_STATUS), minCore = S(IDS_PAGES_LBL_MINCORE),
                       catalog = S(IDS_PAGES_LBL_CATALOG), description = S(IDS_PAGES_LBL_DESCRIPTION),
                       vendor = S(IDS_PAGES_LBL_VENDOR), series = S(IDS_PAGES_LBL_FWSERIES),
                       revision = S(IDS_PAGES_LBL_FWREV), compatible = S(IDS_PAGES_LBL_COMPATIBLE),
                       notInstalled = S(IDS_PAGES_ST_NOT_INSTALLED), installable = S(IDS_PAGES_ST_INSTALLABLE);
    const std::vector<Case> cases = {
        {"group, mode 1, file", 1, 0, -1,
         {group, L"\tPage Vendor Alpha", version, L"\t1.01.0", status, notInstalled, minCore, L"\t2.01"}},
        {"group, mode 0, file", 0, 0, -1, {group, L"\tPage Vendor Alpha", status, notInstalled, minCore, L"\t2.01"}},
        {"module with firmware, mode 1", 1, 0, 0,
         {catalog, L"\tAL-1", description, L"\tFirst module of Alpha", vendor, L"\tPage Vendor", series, L"\tFA",
          revision, L"\t7", compatible, L"\t12.0 - 13.1", version, L"\t1.01.0", status, installable}},
        {"generic module, mode 0", 0, 0, 1,
         {catalog, L"\tAL-2", description, L"\tGeneric module of Alpha", compatible, L"\t?", status, installable}},
    };
    CQuandelModuleDetailsListBox list(srv.get(), 1);
    MakeList(list);
    for (const Case& c : cases)
    {
        list.SetMode(c.mode);
        if (c.module < 0)
            list.ShowGroup(alpha, c.source);
        else
            list.ShowModule(alpha, c.module, c.source);
        EXPECT_EQ(c.rows, w2::ListRows(list.m_hWnd)) << c.what;
        EXPECT_EQ(LB_ERR, list.GetCurSel()) << c.what;
    }
}

TEST_F(DetailsListTest, InstalledSideOfAFileOnlyGroupShowsNoCoreRows)
{
    CQuandelModuleDetailsListBox list(srv.get(), 1);
    MakeList(list);
    list.ShowGroup(alpha, 1);
    const std::vector<std::wstring> rows = w2::ListRows(list.m_hWnd);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(S(IDS_PAGES_LBL_GROUP), rows.front());
    EXPECT_EQ(S(IDS_PAGES_ST_NOT_INSTALLED), rows.back());
    for (const std::wstring& row : rows)
        EXPECT_NE(S(IDS_PAGES_LBL_MINCORE), row);
}

TEST_F(DetailsListTest, MissingIndexesGiveAnEmptyList)
{
    CQuandelModuleDetailsListBox list(srv.get(), 1);
    MakeList(list);
    struct Case
    {
        int group;
        int module;   // -2: ShowGroup
    };
    const Case cases[] = {{99, -2}, {-1, -2}, {alpha, 99}, {alpha, -1}, {beta, 3}, {99, 0}};
    for (const Case& c : cases)
    {
        list.ShowGroup(alpha, 0);   // rows from before must go
        if (c.module == -2)
            list.ShowGroup(c.group, 0);
        else
            list.ShowModule(c.group, c.module, 0);
        EXPECT_EQ(0, list.GetCount()) << c.group << "/" << c.module;
    }
}

TEST_F(DetailsListTest, WithoutServiceTheListIsLeftAlone)
{
    CQuandelModuleDetailsListBox list(1);
    MakeList(list);
    list.AddString(L"kept");
    list.ShowGroup(0, 0);
    list.ShowModule(0, 0, 0);
    EXPECT_EQ(std::vector<std::wstring>{L"kept"}, w2::ListRows(list.m_hWnd));
}

TEST_F(DetailsListTest, ExtentFollowsTheListsOwnFont)
{
    CQuandelModuleDetailsListBox list(srv.get(), 1);
    MakeList(list);
    list.ShowModule(alpha, 0, 0);
    const int normal = list.GetHorizontalExtent();
    LOGFONTW big = {};
    big.lfHeight = -40;
    wcscpy(big.lfFaceName, L"Tahoma");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&big));
    list.SetFont(&font);
    list.ShowModule(alpha, 0, 0);
    EXPECT_GT(normal, 0);
    EXPECT_GT(list.GetHorizontalExtent(), normal * 2);
}

TEST(DiskSpaceSizes, TextsByFigure)
{
    struct Case
    {
        ULONGLONG mib;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, L"0MB"},           {4097, L"4097MB"},       {10000, L"10000MB"},          {10001, L"9GB"},
        {20480, L"20GB"},      {5000000, L"4882GB"},    {0x100000000ull, L"4194304GB"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, CQuandelDiskSpaceDlg::FormatSize(c.mib).GetString()) << c.mib;
}

TEST(RemovalRunMode, KindsToModes)
{
    const int kinds[] = {REMOVAL_KIND_MODULES, REMOVAL_KIND_GROUPS, REMOVAL_KIND_ALL, 3, -1};
    const int modes[] = {MPI_MODE_REMOVE_MODULES, MPI_MODE_REMOVE_GROUPS, MPI_MODE_REMOVE_ALL, MPI_MODE_REMOVE_ALL,
                         MPI_MODE_REMOVE_ALL};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(modes[i], GetRemovalRunMode(kinds[i])) << kinds[i];
}

TEST(DiskSpaceDialog, DriveRowsByLetter)
{
    w2::UseLanguageLibrary();
    struct Case
    {
        wchar_t letter;
        int rows;
    };
    const Case cases[] = {{L'C', 1}, {L'c', 1}, {0, 1}, {L'Q', 0}};
    for (const Case& c : cases)
    {
        CQuandelDiskSpaceDlg dialog(44, c.letter, NULL);
        w2::RunDialog(dialog, {[&] {
            HWND list = ::GetDlgItem(dialog.m_hWnd, IDC_PAGES_DRIVE_LIST);
            ASSERT_NE(nullptr, list);
            ASSERT_EQ(c.rows, static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0))) << c.letter;
            CString required;
            required.FormatMessage(IDS_PAGES_DISK_REQUIRED, 44);
            EXPECT_EQ(std::wstring(required.GetString()),
                      w2::TextOf(::GetDlgItem(dialog.m_hWnd, IDC_PAGES_SPACE)));
            HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
            EXPECT_EQ(3, static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)));
            if (c.rows == 1)
            {
                wchar_t text[32] = L"";
                LVITEMW item = {};
                item.mask = LVIF_TEXT | LVIF_IMAGE;
                item.pszText = text;
                item.cchTextMax = 32;
                ::SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
                EXPECT_STREQ(L"C:\\", text);
                EXPECT_EQ(0, item.iImage);
                HIMAGELIST images = reinterpret_cast<HIMAGELIST>(::SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
                int cx = 0, cy = 0;
                ASSERT_TRUE(ImageList_GetIconSize(images, &cx, &cy));
                EXPECT_EQ(16, cx);
                EXPECT_EQ(2, ImageList_GetImageCount(images));
            }
        }});
    }
}

// The dialog lists the groups shipped beside the program, not an installed
// group without a package file, and shows the selected item's rows as the
// package files give them.
TEST(DetailsDialog, ShippedGroupsAndTheSelectedItemsRows)
{
    w2::UseLanguageLibrary();
    w2::InstalledPackage installedOnly(L"w2_twin1", L"Main,ModA");
    ASSERT_EQ(0u, installedOnly.result);
    w2::DistFolder dist({L"w2_alpha", L"w2_beta"});
    std::unique_ptr<CQuandelSrv> srv(w2::MakeService(dist.mp));
    ASSERT_EQ(3u, srv->GetMsiCount());
    CQuandelDetailsDlg dialog(srv.get(), NULL);
    HWND tree = NULL;
    HWND list = NULL;
    HTREEITEM beta = NULL;
    std::vector<std::wstring> roots;
    w2::RunDialog(dialog, {[&] {
        tree = ::GetDlgItem(dialog.m_hWnd, IDC_PAGES_INSTALL_TREE);
        list = ::GetDlgItem(dialog.m_hWnd, IDC_PAGES_DETAILS_LIST);
        EXPECT_EQ(8, static_cast<int>(::SendMessageW(tree, TVM_GETCOUNT, 0, 0)));   // two groups of three modules
        for (HTREEITEM root = w2::NextTreeItem(tree, TVGN_ROOT); root != NULL;
             root = w2::NextTreeItem(tree, TVGN_NEXT, root))
            roots.push_back(w2::TreeItemText(tree, root));
        ASSERT_EQ((std::vector<std::wstring>{L"Alpha", L"Beta"}), roots);
        // The first group is shown on opening.
        const std::vector<std::wstring> rows = w2::ListRows(list);
        ASSERT_GE(rows.size(), 2u);
        EXPECT_EQ(S(IDS_PAGES_LBL_GROUP), rows[0]);
        EXPECT_EQ(L"\tPage Vendor Alpha", rows[1]);
        // Select the other group.
        beta = w2::NextTreeItem(tree, TVGN_NEXT, w2::NextTreeItem(tree, TVGN_ROOT));
        ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(beta));
    },
                            [&] {
        const std::vector<std::wstring> rows = w2::ListRows(list);
        ASSERT_GE(rows.size(), 2u);
        EXPECT_EQ(L"\tPage Vendor Beta", rows[1]);
        // Select its first module.
        HTREEITEM module = w2::NextTreeItem(tree, TVGN_CHILD, beta);
        ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(module));
    },
                            [&] {
        // Its rows from the package file: the installed side has no texts.
        const std::vector<std::wstring> expected = {
            S(IDS_PAGES_LBL_CATALOG), L"\tBE-1", S(IDS_PAGES_LBL_DESCRIPTION), L"\tFirst module of Beta",
            S(IDS_PAGES_LBL_VENDOR), L"\tPage Vendor", S(IDS_PAGES_LBL_FWSERIES), L"\tFA",
            S(IDS_PAGES_LBL_FWREV), L"\t7", S(IDS_PAGES_LBL_COMPATIBLE), L"\t12.0 - 13.1",
            S(IDS_PAGES_LBL_VERSION), L"\t1.01.0", S(IDS_PAGES_LBL_STATUS), S(IDS_PAGES_ST_INSTALLABLE)};
        EXPECT_EQ(expected, w2::ListRows(list));
    }});
}

std::wstring Installed(const wchar_t* version)
{
    CString text;
    text.FormatMessage(IDS_PAGES_ST_INSTALLED, version);
    return text.GetString();
}

// Rows of an installed group and its modules, from either side: alpha 1.1.0
// is installed with its first module only, and a newer package file of it
// (1.2.0, other firmware texts of that module) lies beside the program; a
// package file without a ProductCode counts as neither shipped nor installed.
TEST(DetailsListRows, InstalledGroupsAndModulesBySource)
{
    w2::UseLanguageLibrary();
    w2::InstalledPackage installed(L"w2_alpha", L"Main,ModA");
    ASSERT_EQ(0u, installed.result);
    w2::DistFolder dist({L"w2_alpha_next", L"w2_nocode"});
    std::unique_ptr<CQuandelSrv> srv(w2::MakeService(dist.mp));
    ASSERT_EQ(2u, srv->GetMsiCount());
    auto groupNamed = [&](const wchar_t* name) {
        for (int i = 0; srv->GetMsi(i) != NULL; ++i)
            if (srv->GetMsi(i)->GetGroupName(0) == name)
                return i;
        return -1;
    };
    const int alpha = groupNamed(L"Alpha");
    ASSERT_GE(alpha, 0);
    const int noCode = 1 - alpha;
    ASSERT_EQ(0, srv->GetMsi(noCode)->HasPackage());

    struct Case
    {
        const char* what;
        int group;
        int module;   // -1: the group
        int source;
        std::vector<std::wstring> rows;
    };
    const std::wstring group = S(IDS_PAGES_LBL_GROUP), version = S(IDS_PAGES_LBL_VERSION),
                       status = S(IDS_PAGES_LBL_STATUS), catalog = S(IDS_PAGES_LBL_CATALOG),
                       description = S(IDS_PAGES_LBL_DESCRIPTION), vendor = S(IDS_PAGES_LBL_VENDOR),
                       series = S(IDS_PAGES_LBL_FWSERIES), revision = S(IDS_PAGES_LBL_FWREV),
                       compatible = S(IDS_PAGES_LBL_COMPATIBLE), minCore = S(IDS_PAGES_LBL_MINCORE);
    const std::vector<Case> cases = {
        {"installed group, product side", alpha, -1, 1,
         {group, L"\tPage Vendor Alpha", version, L"\t1.01.0", status, Installed(L"1.01.0")}},
        // The status names the installed version, whatever the side.
        {"installed group, file side", alpha, -1, 0,
         {group, L"\tPage Vendor Alpha", version, L"\t1.02.0", status, Installed(L"1.01.0"), minCore, L"\t2.01"}},
        {"installed module, product side", alpha, 0, 1,
         {catalog, L"\tAL-1", description, L"\tFirst module of Alpha", vendor, L"\tPage Vendor", series, L"\tFA",
          revision, L"\t7", compatible, L"\t12.0 - 13.1", version, L"\t1.01.0", status, Installed(L"1.01.0")}},
        {"installed module, file side", alpha, 0, 0,
         {catalog, L"\tAL-1", description, L"\tFirst module of Alpha", vendor, L"\tPage Vendor", series, L"\tFN",
          revision, L"\t8", compatible, L"\t12.0 - 13.1", version, L"\t1.02.0", status, Installed(L"1.01.0")}},
        {"module the product reports absent", alpha, 1, 1,
         {catalog, L"\tAL-2", description, L"\tGeneric module of Alpha", compatible, L"\t?", version, L"\t1.01.0",
          status, S(IDS_PAGES_ST_NOT_INSTALLED)}},
        {"module that can be neither installed nor found installed", noCode, 1, 0,
         {catalog, L"\tBE-2", description, L"\t?", compatible, L"\t?", version, L"\t1.01.0",
          status, S(IDS_PAGES_ST_UNAVAILABLE)}},
    };
    CQuandelModuleDetailsListBox list(srv.get(), 1);
    CWnd* parent = CWnd::FromHandle(w2::TestParentWindow());
    RECT rect = {0, 0, 200, 200};
    ASSERT_TRUE(list.Create(WS_VSCROLL | WS_HSCROLL | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, rect, parent, 100));
    for (const Case& c : cases)
    {
        if (c.module < 0)
            list.ShowGroup(c.group, c.source);
        else
            list.ShowModule(c.group, c.module, c.source);
        EXPECT_EQ(c.rows, w2::ListRows(list.m_hWnd)) << c.what;
    }
}
}
