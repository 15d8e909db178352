#include "Wizard2Support.h"
#include <gtest/gtest.h>
#include <shellapi.h>
#include "engine/MPILoadMSIDll.h"
#include "framework/AppCore.h"
#include "framework/PropertySheet.h"
#include "framework/Dialog.h"
#include "framework/Seams.h"
#include "setup/service/QuandelSrv.h"

namespace w2
{
std::wstring BinFolder()
{
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(NULL, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

std::wstring FixtureFolder()
{
    return BinFolder() + L"..\\fixtures\\";
}

std::wstring FixturePath(const wchar_t* name)
{
    return FixtureFolder() + name + L".msi";
}

void UseLanguageLibrary()
{
    static HMODULE library = NULL;
    if (library == NULL)
        library = ::LoadLibraryW((BinFolder() + L"QuandelENU.dll").c_str());
    if (library != NULL)
        AfxSetResourceHandle(library);
}

static void RemoveTree(const std::wstring& folder)
{
    std::wstring from = folder;
    if (!from.empty() && from.back() == L'\\')
        from.pop_back();
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationW(&op);
}

DistFolder::DistFolder(std::initializer_list<const wchar_t*> fixtures)
{
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    root = std::wstring(temp) + L"w2-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(++counter) + L"\\";
    RemoveTree(root);
    ::CreateDirectoryW(root.c_str(), NULL);
    mp = root + L"MP\\";
    ::CreateDirectoryW(mp.c_str(), NULL);
    for (const wchar_t* name : fixtures)
    {
        std::wstring folder = mp + name + L"\\";
        ::CreateDirectoryW(folder.c_str(), NULL);
        EXPECT_TRUE(::CopyFileW(FixturePath(name).c_str(), (folder + name + L".msi").c_str(), FALSE))
            << "fixture " << std::string(name, name + wcslen(name));
    }
}

DistFolder::~DistFolder()
{
    RemoveTree(root);
}

CQuandelSrv* MakeService(const std::wstring& mpFolder)
{
    LoadMsiDll();
    CQuandelSrv* srv = new CQuandelSrv;
    srv->SetBaseFolder(mpFolder.c_str());
    EXPECT_EQ(0u, srv->Initialize(1033));
    return srv;
}

std::wstring ProductCodeOf(const std::wstring& msiPath)
{
    LoadMsiDll();
    MSIHANDLE package = 0;
    if (g_MsiDll.pMsiOpenPackageExW(msiPath.c_str(), 1, &package) != 0)
        return std::wstring();
    wchar_t code[64] = L"";
    DWORD length = 64;
    g_MsiDll.pMsiGetPropertyW(package, L"ProductCode", code, &length);
    g_MsiDll.pMsiCloseHandle(package);
    return code;
}

int FeatureState(const std::wstring& productCode, const wchar_t* feature)
{
    LoadMsiDll();
    return g_MsiDll.pMsiQueryFeatureStateW(productCode.c_str(), feature);
}

UINT RemoveProduct(const std::wstring& productCode)
{
    LoadMsiDll();
    g_MsiDll.pMsiSetInternalUI(INSTALLUILEVEL_NONE, NULL);
    return g_MsiDll.pMsiConfigureProductExW(productCode.c_str(), 0, INSTALLSTATE_DEFAULT,
                                            L"REMOVE=ALL REBOOT=ReallySuppress");
}

InstalledPackage::InstalledPackage(const wchar_t* fixture, const wchar_t* addLocal)
{
    LoadMsiDll();
    const std::wstring path = FixturePath(fixture);
    productCode = ProductCodeOf(path);
    RemoveProduct(productCode);
    g_MsiDll.pMsiSetInternalUI(INSTALLUILEVEL_NONE, NULL);
    std::wstring command = std::wstring(L"ADDLOCAL=") + addLocal + L" REBOOT=ReallySuppress";
    result = g_MsiDll.pMsiInstallProductW(path.c_str(), command.c_str());
}

InstalledPackage::~InstalledPackage()
{
    if (!productCode.empty())
        RemoveProduct(productCode);
}

namespace
{
struct SheetRunState
{
    CPropertySheet* sheet = nullptr;
    CDialog* dialog = nullptr;
    std::vector<std::function<void()>> steps;
    size_t next = 0;
    bool closing = false;
    UINT_PTR timer = 0;
};
SheetRunState* g_run = nullptr;

int g_answer = IDYES;
std::vector<std::wstring> g_boxTexts;

int RecordBox(HWND, const wchar_t* text, const wchar_t*, UINT, bool, WORD)
{
    g_boxTexts.push_back(text != nullptr ? text : L"");
    return g_answer;
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    SheetRunState* run = g_run;
    if (run == nullptr || run->closing)
        return;
    if (run->next < run->steps.size() && !::testing::Test::HasFatalFailure())
    {
        std::function<void()> step = run->steps[run->next++];
        step();
        return;
    }
    run->closing = true;
    ::KillTimer(NULL, run->timer);
    ScriptMessageBoxes(IDYES);
    if (run->sheet != nullptr)
        run->sheet->PressButton(PSBTN_CANCEL);
    else
        run->dialog->EndDialog(IDOK);
}
}

void RunSheet(CPropertySheet& sheet, std::vector<std::function<void()>> steps)
{
    SheetRunState run;
    run.sheet = &sheet;
    run.steps = std::move(steps);
    g_run = &run;
    run.timer = ::SetTimer(NULL, 0, 60, &OnTick);
    sheet.DoModal();
    if (!run.closing)
        ::KillTimer(NULL, run.timer);
    g_run = nullptr;
    EXPECT_EQ(run.steps.size(), run.next) << "the sheet ended before every step ran";
}

void RunDialog(CDialog& dialog, std::vector<std::function<void()>> steps)
{
    SheetRunState run;
    run.dialog = &dialog;
    run.steps = std::move(steps);
    g_run = &run;
    run.timer = ::SetTimer(NULL, 0, 60, &OnTick);
    dialog.DoModal();
    if (!run.closing)
        ::KillTimer(NULL, run.timer);
    g_run = nullptr;
    EXPECT_EQ(run.steps.size(), run.next) << "the dialog ended before every step ran";
}

HWND TestParentWindow()
{
    static HWND parent = NULL;
    if (parent == NULL)
        parent = ::CreateWindowExW(0, AfxRegisterWndClass(0), L"w2 test parent", WS_POPUP, 0, 0, 600, 400, NULL,
                                   NULL, ::GetModuleHandleW(NULL), NULL);
    return parent;
}

void ScriptMessageBoxes(int answer)
{
    g_answer = answer;
    AfxSetMessageBoxHandler(&RecordBox);
}

std::vector<std::wstring> TakeMessageBoxTexts()
{
    std::vector<std::wstring> texts;
    texts.swap(g_boxTexts);
    return texts;
}

std::vector<std::wstring> ListRows(HWND list)
{
    std::vector<std::wstring> rows;
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        const int length = static_cast<int>(::SendMessageW(list, LB_GETTEXTLEN, i, 0));
        std::wstring text(length > 0 ? length : 0, L'\0');
        if (length > 0)
            ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        rows.push_back(text);
    }
    return rows;
}

std::wstring TreeItemText(HWND tree, HTREEITEM item)
{
    wchar_t text[256] = L"";
    TVITEMW data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 256;
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

HTREEITEM NextTreeItem(HWND tree, UINT relation, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

std::wstring TextOf(HWND wnd)
{
    wchar_t text[1024] = L"";
    ::GetWindowTextW(wnd, text, 1024);
    return text;
}
}
