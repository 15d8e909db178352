#include "Wizard1TestSupport.h"
#include <gtest/gtest.h>
#include <msi.h>
#include <map>
#include "framework/PropertySheet.h"
#include "framework/PropertyPage.h"
#include "framework/Seams.h"
#include "engine/MPILoadMSIDll.h"

namespace {

SeamRecorder* g_recorder = nullptr;

int RecordBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type, bool, WORD)
{
    if (g_recorder == nullptr)
        return IDOK;
    g_recorder->events.push_back({L"box", owner, text ? text : L"", caption ? caption : L"", type});
    return g_recorder->boxAnswer;
}

HINSTANCE RecordShell(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t*, const wchar_t*, int)
{
    if (g_recorder != nullptr)
        g_recorder->events.push_back({L"shell", owner, file ? file : L"", verb ? verb : L"", 0});
    return reinterpret_cast<HINSTANCE>(42);
}

BOOL RecordRestart(UINT flags, DWORD)
{
    if (g_recorder != nullptr)
        g_recorder->events.push_back({L"restart", nullptr, L"", L"", flags});
    return TRUE;
}

std::function<void()> g_script;
std::function<CPropertySheet*()> g_sheet;

void CALLBACK RunScriptTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    std::function<void()> script = std::move(g_script);
    g_script = nullptr;
    if (script)
        script();
    CPropertySheet* sheet = g_sheet ? g_sheet() : nullptr;
    if (sheet != nullptr && sheet->GetSafeHwnd() != nullptr &&
        ::SendMessageW(sheet->GetSafeHwnd(), PSM_GETCURRENTPAGEHWND, 0, 0) != 0) {
        ADD_FAILURE() << "the script left the wizard open";
        SeamRecorder yes;
        sheet->PressButton(PSBTN_CANCEL);
        if (sheet->GetSafeHwnd() != nullptr &&
            ::SendMessageW(sheet->GetSafeHwnd(), PSM_GETCURRENTPAGEHWND, 0, 0) != 0)
            sheet->DestroyWindow();
    }
}

std::map<UINT_PTR, std::function<void()>> g_later;

void CALLBACK LaterTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto it = g_later.find(id);
    if (it == g_later.end())
        return;
    std::function<void()> fn = std::move(it->second);
    g_later.erase(it);
    fn();
}

BOOL CALLBACK FindWithControl(HWND wnd, LPARAM param)
{
    auto* search = reinterpret_cast<std::pair<int, HWND>*>(param);
    if (::GetDlgItem(wnd, search->first) != nullptr) {
        search->second = wnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void Later(const std::function<void()>& fn, UINT ms)
{
    UINT_PTR id = SetTimer(nullptr, 0, ms, &LaterTimer);
    g_later[id] = fn;
}

HWND FindThreadDialogWith(int controlId)
{
    std::pair<int, HWND> search(controlId, nullptr);
    EnumThreadWindows(GetCurrentThreadId(), &FindWithControl, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

SeamRecorder::SeamRecorder()
{
    g_recorder = this;
    AfxSetMessageBoxHandler(&RecordBox);
    AfxSetShellExecuteHandler(&RecordShell);
    AfxSetExitWindowsHandler(&RecordRestart);
}

SeamRecorder::~SeamRecorder()
{
    if (g_recorder == this)
        g_recorder = nullptr;
}

int SeamRecorder::Count(const wchar_t* kind) const
{
    int n = 0;
    for (const SeamEvent& e : events)
        n += e.kind == kind ? 1 : 0;
    return n;
}

const SeamEvent* SeamRecorder::Last(const wchar_t* kind) const
{
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        if (it->kind == kind)
            return &*it;
    }
    return nullptr;
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        Pump();
        if (done())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

void ScheduleSheetScript(const std::function<CPropertySheet*()>& sheet, const std::function<void()>& script)
{
    g_script = script;
    g_sheet = sheet;
    SetTimer(nullptr, 0, 10, &RunScriptTimer);
}

INT_PTR RunSheet(CPropertySheet& sheet, const std::function<void()>& script)
{
    CPropertySheet* target = &sheet;
    ScheduleSheetScript([target] { return target; }, script);
    INT_PTR result = sheet.DoModal();
    g_sheet = nullptr;
    return result;
}

int ActiveTemplate(CPropertySheet& sheet)
{
    CPropertyPage* page = sheet.GetActivePage();
    return page != nullptr ? static_cast<int>(page->GetTemplateId()) : 0;
}

HWND PageItem(CPropertySheet& sheet, int id)
{
    HWND page = reinterpret_cast<HWND>(::SendMessageW(sheet.GetSafeHwnd(), PSM_GETCURRENTPAGEHWND, 0, 0));
    return page != nullptr ? ::GetDlgItem(page, id) : nullptr;
}

void Press(CPropertySheet& sheet, int button)
{
    sheet.PressButton(button);
    Pump();
}

bool SheetButtonEnabled(CPropertySheet& sheet, int id)
{
    HWND button = ::GetDlgItem(sheet.GetSafeHwnd(), id);
    return button != nullptr && ::IsWindowEnabled(button) && (::GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE);
}

CString FixtureFolder(const wchar_t* name)
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString folder(path);
    folder = folder.Left(folder.ReverseFind(L'\\'));   // ...\bin
    folder = folder.Left(folder.ReverseFind(L'\\'));   // the build folder
    return folder + L"\\fixtures\\wizard1\\" + name + L"\\";
}

std::wstring ResourceString(UINT id)
{
    CString text;
    text.LoadString(id);
    return text.str();
}

UINT InstallPackage(const CString& path)
{
    LoadMsiDll();
    MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
    return MsiInstallProductW(path, L"REBOOT=ReallySuppress");
}

bool IsProductInstalled(const wchar_t* productCode)
{
    return MsiQueryProductStateW(productCode) == INSTALLSTATE_DEFAULT;
}

void RemoveProduct(const wchar_t* productCode)
{
    if (IsProductInstalled(productCode)) {
        MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
        MsiConfigureProductExW(productCode, INSTALLLEVEL_DEFAULT, INSTALLSTATE_DEFAULT,
                               L"REMOVE=ALL REBOOT=ReallySuppress");
    }
}
