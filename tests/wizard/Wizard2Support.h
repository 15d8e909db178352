#pragma once
// Helpers of the page tests: the language library, distribution folders
// made of test packages, a service read from one, packages installed for
// one test, and a sheet run step by step inside its own modal loop.
#include <windows.h>
#include <commctrl.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class CQuandelSrv;
class CPropertySheet;
class CDialog;

namespace w2
{
std::wstring BinFolder();       // the test program's folder, with a backslash
std::wstring FixtureFolder();   // the built test packages, with a backslash
std::wstring FixturePath(const wchar_t* name);   // <fixtures>\<name>.msi

// Loads the language library as the resource library (once).
void UseLanguageLibrary();

// A fresh folder "<temp>\w2-<n>\" with "MP\<name>\<name>.msi" for each
// fixture name; removed with the object.
class DistFolder
{
public:
    explicit DistFolder(std::initializer_list<const wchar_t*> fixtures);
    ~DistFolder();
    DistFolder(const DistFolder&) = delete;
    DistFolder& operator=(const DistFolder&) = delete;
    std::wstring root;   // with a trailing backslash
    std::wstring mp;     // root + "MP\"
};

// A service that read the folder's packages (and the installed products).
CQuandelSrv* MakeService(const std::wstring& mpFolder);

// A package installed for one test, with the named features; removed at
// the end of the scope (also when the test fails).
class InstalledPackage
{
public:
    InstalledPackage(const wchar_t* fixture, const wchar_t* addLocal);
    ~InstalledPackage();
    InstalledPackage(const InstalledPackage&) = delete;
    InstalledPackage& operator=(const InstalledPackage&) = delete;
    UINT result;
    std::wstring productCode;
};
// The product code of a package file; empty when it cannot be read.
std::wstring ProductCodeOf(const std::wstring& msiPath);
// INSTALLSTATE of a feature of an installed product.
int FeatureState(const std::wstring& productCode, const wchar_t* feature);
// Removes a product when it is installed; its result (0 or 1605 when absent).
UINT RemoveProduct(const std::wstring& productCode);

// Runs the sheet modally; each step runs in its own tick of a thread timer
// inside the sheet's loop, so the messages a step causes are handled before
// the next step. After the last step the sheet is cancelled (cancel
// questions are answered Yes). A step that throws ends the run early.
void RunSheet(CPropertySheet& sheet, std::vector<std::function<void()>> steps);

// Runs a modal dialog the same way; after the last step it ends with IDOK.
void RunDialog(CDialog& dialog, std::vector<std::function<void()>> steps);

// A hidden top-level window to parent controls made by tests.
HWND TestParentWindow();

// The texts of the message boxes shown since the last call; every box is
// answered with answer.
void ScriptMessageBoxes(int answer);
std::vector<std::wstring> TakeMessageBoxTexts();

// Texts of a list box's rows.
std::vector<std::wstring> ListRows(HWND list);
// A tree control's item text, and the item in a TVGN_* relation to another.
std::wstring TreeItemText(HWND tree, HTREEITEM item);
HTREEITEM NextTreeItem(HWND tree, UINT relation, HTREEITEM item = NULL);
// A window's text.
std::wstring TextOf(HWND wnd);
}
