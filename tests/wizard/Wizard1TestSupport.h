#pragma once
// Helpers of the wizard part 1 tests: recorders behind the framework seams
// (message boxes, shell, restart), message pumping, and a runner that
// drives a modal wizard sheet from inside its own modal loop.
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "framework/CString.h"

class CPropertySheet;
class CQuandelWizard;

struct SeamEvent
{
    std::wstring kind;     // "box", "shell", "restart"
    HWND owner;
    std::wstring text;     // box text, shell file
    std::wstring caption;  // box caption, shell verb
    UINT flags;            // box type, restart flags
};

// Installs the recorders for the life of the object. Message boxes answer
// boxAnswer (IDYES by default).
class SeamRecorder
{
public:
    SeamRecorder();
    ~SeamRecorder();
    std::vector<SeamEvent> events;
    int boxAnswer = IDYES;
    int Count(const wchar_t* kind) const;
    const SeamEvent* Last(const wchar_t* kind) const;
};

// Dispatches what is queued for this thread.
void Pump();
// Pumps until done() or the time is up; the last answer of done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Runs fn once, ms from now, from whichever loop pumps this thread.
void Later(const std::function<void()>& fn, UINT ms = 20);
// The top-level window of this thread that has a control with this id.
HWND FindThreadDialogWith(int controlId);

// Calls script once from the next modal loop of this thread; sheet()
// names the sheet to close when the script leaves it open.
void ScheduleSheetScript(const std::function<CPropertySheet*()>& sheet, const std::function<void()>& script);
// Runs sheet.DoModal and calls script once from inside the modal loop.
// When the script leaves the sheet open it is cancelled (answering Yes).
INT_PTR RunSheet(CPropertySheet& sheet, const std::function<void()>& script);

// The dialog template of the sheet's active page (0 when none).
int ActiveTemplate(CPropertySheet& sheet);
// A control of the active page.
HWND PageItem(CPropertySheet& sheet, int id);
// Presses a sheet button and handles what it posted.
void Press(CPropertySheet& sheet, int button);
bool SheetButtonEnabled(CPropertySheet& sheet, int id);

// "<build>\fixtures\wizard1\<name>\" as a Windows path.
CString FixtureFolder(const wchar_t* name);
// The string of the current language library.
std::wstring ResourceString(UINT id);

// Installs a package file; 0 on success.
UINT InstallPackage(const CString& path);
// Removes the product if it is installed.
void RemoveProduct(const wchar_t* productCode);
bool IsProductInstalled(const wchar_t* productCode);
