#pragma once
// A scripted stand-in for the installer entry points the worker calls.
// Each install or configure call takes the next step of the script: it
// sends the step's messages to the installed external UI handler (when the
// handler's filter lets them through), records the answers, and returns the
// step's result (or its cancel result when a message was answered IDCANCEL,
// unless the step ignores that answer).
#include <windows.h>
#include <msi.h>
#include <functional>
#include <string>
#include <vector>
#include "engine/MPILoadMSIDll.h"

struct FakeMessage
{
    UINT type;         // INSTALLMESSAGE_* with flags
    const wchar_t* text;  // may be NULL
};

struct FakeStep
{
    UINT result = 0;
    std::vector<FakeMessage> messages;
    UINT cancelResult = ERROR_INSTALL_USEREXIT;  // when a message was answered IDCANCEL
    bool ignoresCancel = false;  // as Wine: every message is sent and the result stands
    std::function<void()> before;                // runs before the messages
};

struct FakeCall
{
    bool install;          // MsiInstallProductW (else MsiConfigureProductExW)
    std::wstring target;   // package path or product code
    std::wstring command;
    int level = 0;
    int state = 0;
    std::vector<int> answers;
};

// Installs the fakes into g_MsiDll for its lifetime.
class FakeMsi
{
public:
    FakeMsi();
    ~FakeMsi();

    void Add(const FakeStep& step);
    void AddResults(std::initializer_list<UINT> results);
    std::vector<FakeCall> Calls();
    // Handler currently installed (NULL after the worker removed it).
    INSTALLUI_HANDLERW Handler();
    // The message filter it was installed with.
    DWORD Filter();
    int SetExternalUICount();

private:
    MPIMsiDllTable m_Saved;
};
