#include "setup/wizard/SetupProgramFolder.h"

namespace {

CString g_override;
bool g_hasOverride = false;

CString ProgramPath()
{
    if (g_hasOverride)
        return g_override;
    wchar_t path[MAX_PATH] = L"";
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    // A truncated name is not terminated: keep what fits.
    path[n < MAX_PATH ? n : MAX_PATH - 1] = L'\0';
    return CString(path);
}

} // namespace

CString ProgramFolderOfPath(const wchar_t* modulePath)
{
    CString path(modulePath != nullptr ? modulePath : L"");
    path.MakeLower();
    int at = path.Find(L"quandel.exe");
    return at < 0 ? CString() : path.Left(at);
}

BOOL IsInstallFolderPath(const wchar_t* modulePath)
{
    CString folder = ProgramFolderOfPath(modulePath);
    CString suffix(L"ternwick software\\pelmora\\module profiles\\install\\");
    suffix.MakeLower();
    return folder.Right(suffix.GetLength()) == suffix ? TRUE : FALSE;
}

BOOL IsRunningFromInstallFolder()
{
    return IsInstallFolderPath(ProgramPath());
}

CString GetProgramFolder()
{
    return ProgramFolderOfPath(ProgramPath());
}

void SetProgramPathOverride(const wchar_t* modulePath)
{
    g_hasOverride = modulePath != nullptr;
    g_override = modulePath != nullptr ? modulePath : L"";
}
