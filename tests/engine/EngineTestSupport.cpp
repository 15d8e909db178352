#include "EngineTestSupport.h"
#include <deque>
#include <stdexcept>
#include "framework/Seams.h"

BOOL TestMsi::NeedsAction(MPISetupMode mode)
{
    if (m_nForcedAction >= 0)
        return m_nForcedAction;
    return CMPIMsi::NeedsAction(mode);
}

TestMsi& TestBase::Setup(const wchar_t* name)
{
    delete m_pSetupMsi;
    TestMsi* msi = new TestMsi(this, name);
    m_pSetupMsi = msi;
    return *msi;
}

TestMsi& TestBase::Core(const wchar_t* name)
{
    delete m_pCoreMsi;
    TestMsi* msi = new TestMsi(this, name);
    m_pCoreMsi = msi;
    return *msi;
}

TestGroupMsi& TestBase::Group(const wchar_t* name)
{
    TestGroupMsi* group = new TestGroupMsi(this, name);
    m_GroupMsis.push_back(group);
    return *group;
}

std::wstring NameOf(CMPIMsi* msi)
{
    if (TestGroupMsi* group = dynamic_cast<TestGroupMsi*>(msi))
        return group->m_strName.str();
    if (TestMsi* plain = dynamic_cast<TestMsi*>(msi))
        return plain->m_strName.str();
    return msi ? L"?" : L"(null)";
}

// --- TestEngine ---------------------------------------------------------------

void TestEngine::Record(const wchar_t* hook, const std::wstring& name, int a, int b)
{
    HookCall call;
    call.hook = hook;
    call.name = name;
    call.a = a;
    call.b = b;
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Calls.push_back(call);
    }
    if (OnHook)
        OnHook(call);
}

std::vector<HookCall> TestEngine::Calls()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Calls;
}

std::vector<HookCall> TestEngine::Calls(const wchar_t* hook)
{
    std::vector<HookCall> result;
    for (const HookCall& call : Calls())
        if (call.hook == hook)
            result.push_back(call);
    return result;
}

int TestEngine::OnRunStart()
{
    Record(L"RunStart", L"");
    return m_nRunStartResult;
}

int TestEngine::PrepareConfig(CMPIEngineConfig* config)
{
    const std::wstring name = NameOf(config->GetMsi());
    config->SetTitle(name.c_str());
    Record(L"Prepare", name);
    auto it = m_PrepareResults.find(name);
    return it == m_PrepareResults.end() ? 0 : it->second;
}

int TestEngine::OnPackageStart(CMPIEngineConfig* config, int index)
{
    Record(L"PackageStart", config->GetTitle().str(), index);
    return 0;
}

int TestEngine::OnPackageEnd(CMPIEngineConfig* config, int index, int result)
{
    Record(L"PackageEnd", config->GetTitle().str(), index, result);
    return 0;
}

int TestEngine::OnPackageSuccess(CMPIEngineConfig* config)
{
    Record(L"PackageSuccess", config->GetTitle().str());
    return 0;
}

int TestEngine::OnRunEnd(int status)
{
    Record(L"RunEnd", L"", status);
    return 0;
}

int TestEngine::OnCoreVersionTooLow(CMPIGroupMsi* group)
{
    Record(L"CoreTooLow", NameOf(group));
    return m_nCoreTooLowResult;
}

void TestEngine::GetMessageCaption(CString& caption)
{
    caption = L"Caption";
}

void TestEngine::GetCancelQuestion(CString& question)
{
    question = L"Cancel?";
    Record(L"CancelQuestion", L"");
}

int TestEngine::OnActionStart(LPCWSTR text)
{
    Record(L"ActionStart", text ? text : L"(null)");
    return 0;
}

int TestEngine::OnActionData()
{
    Record(L"ActionData", L"");
    return 0;
}

int TestEngine::OnProgress(LPCWSTR text)
{
    Record(L"Progress", text ? text : L"(null)");
    return 0;
}

int TestEngine::OnTerminate()
{
    Record(L"Terminate", L"");
    return 0;
}

// --- TestCallback -------------------------------------------------------------

TestCallback::TestCallback() : m_hComplete(::CreateEventW(NULL, TRUE, FALSE, NULL))
{
}

TestCallback::~TestCallback()
{
    ::CloseHandle(m_hComplete);
}

void TestCallback::Record(const std::wstring& call)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Calls.push_back(call);
}

void TestCallback::AddMessage(LPCWSTR text)
{
    Record(std::wstring(L"AddMessage ") + text);
}

void TestCallback::SetStatusText(LPCWSTR text)
{
    Record(std::wstring(L"SetStatusText ") + text);
}

CProgressCtrl* TestCallback::GetProgressCtrl()
{
    Record(L"GetProgressCtrl");
    return m_bNoProgressCtrl ? NULL : &m_Progress;
}

void TestCallback::OnComplete(int status)
{
    Record(L"OnComplete " + std::to_wstring(status));
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_nStatus = status;
    }
    ::SetEvent(m_hComplete);
    if (m_bThrowInOnComplete)
        throw std::runtime_error("callback failed");
}

void TestCallback::DisableCancel()
{
    Record(L"DisableCancel");
    if (m_bThrowInDisableCancel)
        throw std::runtime_error("callback failed");
}

bool TestCallback::WaitComplete(DWORD ms)
{
    return ::WaitForSingleObject(m_hComplete, ms) == WAIT_OBJECT_0;
}

std::vector<std::wstring> TestCallback::Calls()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Calls;
}

int TestCallback::Count(const wchar_t* prefix)
{
    int n = 0;
    for (const std::wstring& call : Calls())
        if (call.compare(0, wcslen(prefix), prefix) == 0)
            ++n;
    return n;
}

int TestCallback::Status()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_nStatus;
}

int StartAndWait(TestEngine& engine, TestCallback& callback, int mode)
{
    int r = engine.Start(mode, &callback);
    if (r == 0)
    {
        if (!callback.WaitComplete())
            return -12345;  // the run never completed
        engine.WaitForWorker();
    }
    return r;
}

// --- MessageBoxRecorder -------------------------------------------------------

namespace
{
std::mutex g_boxLock;
std::vector<BoxCall> g_boxCalls;
std::deque<int> g_boxAnswers;
int g_boxDefault = IDOK;
}

MessageBoxRecorder::MessageBoxRecorder(int defaultAnswer)
{
    std::lock_guard<std::mutex> lock(g_boxLock);
    g_boxCalls.clear();
    g_boxAnswers.clear();
    g_boxDefault = defaultAnswer;
    AfxSetMessageBoxHandler(&MessageBoxRecorder::Handler);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    AfxSetMessageBoxHandler(NULL);
}

void MessageBoxRecorder::Answer(int answer)
{
    std::lock_guard<std::mutex> lock(g_boxLock);
    g_boxAnswers.push_back(answer);
}

std::vector<BoxCall> MessageBoxRecorder::Calls()
{
    std::lock_guard<std::mutex> lock(g_boxLock);
    return g_boxCalls;
}

int MessageBoxRecorder::Handler(HWND, const wchar_t* text, const wchar_t* caption, UINT type, bool hasLanguage,
                                WORD language)
{
    std::lock_guard<std::mutex> lock(g_boxLock);
    g_boxCalls.push_back({text ? text : L"(null)", caption ? caption : L"(null)", type, hasLanguage, language});
    if (g_boxAnswers.empty())
        return g_boxDefault;
    int answer = g_boxAnswers.front();
    g_boxAnswers.pop_front();
    return answer;
}
