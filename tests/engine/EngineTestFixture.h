#pragma once
// The common fixture of the engine tests: fake installer, message-box
// recorder, a collection of test packages and the recording engine.
#include <gtest/gtest.h>
#include "EngineFakeMsi.h"
#include "EngineTestSupport.h"

// The queue as "title|kind|addlocal|remove|group".
inline std::vector<std::wstring> QueueOf(const CMPIEngineBase& engine)
{
    std::vector<std::wstring> result;
    for (CMPIEngineConfig* config : engine.m_Configs)
        result.push_back(config->GetTitle().str() + L"|" + std::to_wstring(config->GetKind()) + L"|" +
                         config->GetAddLocal().str() + L"|" + config->GetRemove().str() + L"|" +
                         std::to_wstring(config->IsGroup()));
    return result;
}

// The worker's package hooks as "start name index", "end name index result",
// "success name" and "runend status".
inline std::vector<std::wstring> PackageHooksOf(TestEngine& engine)
{
    std::vector<std::wstring> result;
    for (const HookCall& call : engine.Calls())
    {
        if (call.hook == L"PackageStart")
            result.push_back(L"start " + call.name + L" " + std::to_wstring(call.a));
        else if (call.hook == L"PackageEnd")
            result.push_back(L"end " + call.name + L" " + std::to_wstring(call.a) + L" " + std::to_wstring(call.b));
        else if (call.hook == L"PackageSuccess")
            result.push_back(L"success " + call.name);
        else if (call.hook == L"RunEnd")
            result.push_back(L"runend " + std::to_wstring(call.a));
    }
    return result;
}

class EngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine.SetOwner(&base);
        g_bCancelRequested = 0;
        g_MessageLanguage = 0;
    }

    std::vector<std::wstring> Queue() { return QueueOf(engine); }

    FakeMsi msi;
    MessageBoxRecorder boxes;
    TestCallback callback;
    TestBase base{&engine};
    TestEngine engine;
};
