#include "EngineFakeMsi.h"
#include <deque>
#include <mutex>

namespace
{
std::mutex g_lock;
std::deque<FakeStep> g_steps;
std::vector<FakeCall> g_calls;
INSTALLUI_HANDLERW g_handler = NULL;
DWORD g_filter = 0;
LPVOID g_context = NULL;
int g_setCount = 0;

INSTALLUI_HANDLERW WINAPI FakeSetExternalUI(INSTALLUI_HANDLERW handler, DWORD filter, LPVOID context)
{
    std::lock_guard<std::mutex> lock(g_lock);
    INSTALLUI_HANDLERW previous = g_handler;
    g_handler = handler;
    g_filter = filter;
    g_context = context;
    ++g_setCount;
    return previous;
}

UINT RunStep(FakeCall call)
{
    FakeStep step;
    INSTALLUI_HANDLERW handler;
    DWORD filter;
    LPVOID context;
    {
        std::lock_guard<std::mutex> lock(g_lock);
        if (!g_steps.empty())
        {
            step = g_steps.front();
            g_steps.pop_front();
        }
        handler = g_handler;
        filter = g_filter;
        context = g_context;
    }
    if (step.before)
        step.before();
    bool cancelled = false;
    for (const FakeMessage& message : step.messages)
    {
        const UINT bit = 1u << ((message.type & 0xFF000000) >> 24);
        if (handler == NULL || (filter & bit) == 0)
            continue;
        int answer = handler(context, message.type, message.text);
        call.answers.push_back(answer);
        if (answer == IDCANCEL && !step.ignoresCancel)
        {
            cancelled = true;
            break;
        }
    }
    {
        std::lock_guard<std::mutex> lock(g_lock);
        g_calls.push_back(call);
    }
    return cancelled ? step.cancelResult : step.result;
}

UINT WINAPI FakeInstall(LPCWSTR path, LPCWSTR command)
{
    FakeCall call;
    call.install = true;
    call.target = path ? path : L"(null)";
    call.command = command ? command : L"(null)";
    return RunStep(call);
}

UINT WINAPI FakeConfigure(LPCWSTR product, int level, INSTALLSTATE state, LPCWSTR command)
{
    FakeCall call;
    call.install = false;
    call.target = product ? product : L"(null)";
    call.command = command ? command : L"(null)";
    call.level = level;
    call.state = state;
    return RunStep(call);
}
}

FakeMsi::FakeMsi() : m_Saved(g_MsiDll)
{
    std::lock_guard<std::mutex> lock(g_lock);
    g_steps.clear();
    g_calls.clear();
    g_handler = NULL;
    g_filter = 0;
    g_context = NULL;
    g_setCount = 0;
    g_MsiDll.pMsiSetExternalUIW = &FakeSetExternalUI;
    g_MsiDll.pMsiInstallProductW = &FakeInstall;
    g_MsiDll.pMsiConfigureProductExW = &FakeConfigure;
}

FakeMsi::~FakeMsi()
{
    g_MsiDll = m_Saved;
}

void FakeMsi::Add(const FakeStep& step)
{
    std::lock_guard<std::mutex> lock(g_lock);
    g_steps.push_back(step);
}

void FakeMsi::AddResults(std::initializer_list<UINT> results)
{
    for (UINT result : results)
    {
        FakeStep step;
        step.result = result;
        Add(step);
    }
}

std::vector<FakeCall> FakeMsi::Calls()
{
    std::lock_guard<std::mutex> lock(g_lock);
    return g_calls;
}

INSTALLUI_HANDLERW FakeMsi::Handler()
{
    std::lock_guard<std::mutex> lock(g_lock);
    return g_handler;
}

DWORD FakeMsi::Filter()
{
    std::lock_guard<std::mutex> lock(g_lock);
    return g_filter;
}

int FakeMsi::SetExternalUICount()
{
    std::lock_guard<std::mutex> lock(g_lock);
    return g_setCount;
}
