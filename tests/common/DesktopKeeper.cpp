// desktop_keeper: keeps the test prefix's desktop in use for the whole test
// session (tools/prefix starts it, the server's end stops it).
//
// The first program of a prefix that needs the desktop starts Wine's
// desktop process, which inherits that program's standard error: when a
// test program is the one, CTest's output pipe stays open until the desktop
// process ends, about a second after the last program with a window
// exits. Under parallel tests that can take minutes, and CTest waits for
// the pipe as for the test. With this program holding the desktop, the
// desktop process is started once, with this program's output (none).
//
//   desktop_keeper --start   starts the keeper (unless one runs already)
//                            and returns once it holds the desktop: 0, or
//                            1 when it did not within ten seconds
//   desktop_keeper           the keeper itself
#include <windows.h>
#include <cwchar>

namespace {

const wchar_t kKeeperMutex[] = L"Local\\QuandelTestDesktopKeeper";
const wchar_t kReadyEvent[] = L"Local\\QuandelTestDesktopKeeperReady";

int Keep()
{
    HANDLE keeper = CreateMutexW(nullptr, FALSE, kKeeperMutex);
    if (!keeper)
        return 1;
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return 0; // another keeper holds the desktop
    // A message-only window makes this thread a user of the desktop.
    HWND window = CreateWindowExW(0, L"STATIC", L"desktop keeper", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return 1;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, kReadyEvent);
    if (!ready)
        return 1;
    SetEvent(ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}

int Start()
{
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, kReadyEvent);
    if (!ready)
        return 1;
    HANDLE keeper = OpenMutexW(SYNCHRONIZE, FALSE, kKeeperMutex);
    if (keeper)
        CloseHandle(keeper);
    else
    {
        wchar_t path[MAX_PATH];
        const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return 1;
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessW(path, nullptr, nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &startup,
                            &process))
            return 1;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    // The keeper signals the event once it holds the desktop.
    return WaitForSingleObject(ready, 10000) == WAIT_OBJECT_0 ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc > 1 && wcscmp(argv[1], L"--start") == 0)
        return Start();
    return Keep();
}
