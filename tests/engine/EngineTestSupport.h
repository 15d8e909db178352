#pragma once
// Test doubles for engine tests: package objects with scripted answers, a
// collection that holds them, an engine that records its hooks, a callback
// that records the user-interface calls, and a message-box recorder.
#include <windows.h>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>
#include "engine/MPIBase.h"
#include "engine/MPIEngineBase.h"
#include "engine/MPIGroupMsi.h"
#include "engine/MPIMsi.h"
#include "framework/ProgressCtrl.h"

// A package of type Package (a CMPIMsi) with a name, whose two sides are
// set directly; the setters return the test class Self for chaining.
template <class Package, class Self>
class TestPackage : public Package
{
public:
    TestPackage(CMPIBase* owner, const wchar_t* name) : Package(owner), m_strName(name) {}

    Self& File(const wchar_t* path, const wchar_t* code, int major, int minor, int build)
    {
        this->m_strPackagePath = path;
        this->m_strProductCode = code;
        this->m_nMajor = major;
        this->m_nMinor = minor;
        this->m_nBuild = build;
        this->m_strProductVersion.Format(L"%d.%02d.%d", major, minor, build);
        return static_cast<Self&>(*this);
    }
    Self& Installed(const wchar_t* code, int major, int minor, int build)
    {
        this->m_strInstalledProductCode = code;
        this->m_nInstalledMajor = major;
        this->m_nInstalledMinor = minor;
        this->m_nInstalledBuild = build;
        this->m_strInstalledProductVersion.Format(L"%d.%02d.%d", major, minor, build);
        return static_cast<Self&>(*this);
    }

    CString m_strName;
};

// A plain package. NeedsAction follows the model unless a test forces an
// answer (-1: not forced).
class TestMsi : public TestPackage<CMPIMsi, TestMsi>
{
public:
    TestMsi(CMPIBase* owner, const wchar_t* name) : TestPackage(owner, name) {}

    TestMsi& ForceNeedsAction(int answer) { m_nForcedAction = answer; return *this; }

    BOOL NeedsAction(MPISetupMode mode) override;

    int m_nForcedAction = -1;
};

// A group package with a scripted answer and feature list.
class TestGroupMsi : public TestPackage<CMPIGroupMsi, TestGroupMsi>
{
public:
    TestGroupMsi(CMPIBase* owner, const wchar_t* name) : TestPackage(owner, name) {}

    TestGroupMsi& Action(BOOL needsAction, const wchar_t* features)
    {
        m_bNeedsAction = needsAction;
        m_strFeatures = features;
        return *this;
    }

    BOOL NeedsAction(MPISetupMode) override { return m_bNeedsAction; }
    void GetFeatureList(CString& list, MPISetupMode) override { list = m_strFeatures; }

    BOOL m_bNeedsAction = TRUE;
    CString m_strFeatures = L"ALL";
};

// The collection: owns what it is given, like the real one.
class TestBase : public CMPIBase
{
public:
    explicit TestBase(CMPIEngineBase* engine) : CMPIBase(engine) {}

    TestMsi& Setup(const wchar_t* name = L"setup");
    TestMsi& Core(const wchar_t* name = L"core");
    TestGroupMsi& Group(const wchar_t* name);
};

std::wstring NameOf(CMPIMsi* msi);

struct HookCall
{
    std::wstring hook;   // "PackageStart", "PackageEnd", "PackageSuccess", "RunEnd", ...
    std::wstring name;   // package name, or the text of a message hook
    int a = 0;           // index, or status
    int b = 0;           // result
};

// An engine that records every hook call under a lock. PrepareConfig sets
// the config's title to the package name. OnHook runs inside every worker
// hook (and may throw or call Cancel).
class TestEngine : public CMPIEngineBase
{
public:
    ~TestEngine() override { WaitForWorker(); }

    int OnRunStart() override;
    int PrepareConfig(CMPIEngineConfig* config) override;
    int OnPackageStart(CMPIEngineConfig* config, int index) override;
    int OnPackageEnd(CMPIEngineConfig* config, int index, int result) override;
    int OnPackageSuccess(CMPIEngineConfig* config) override;
    int OnRunEnd(int status) override;
    int OnCoreVersionTooLow(CMPIGroupMsi* group) override;
    void GetMessageCaption(CString& caption) override;
    void GetCancelQuestion(CString& question) override;
    int OnActionStart(LPCWSTR text) override;
    int OnActionData() override;
    int OnProgress(LPCWSTR text) override;
    int OnTerminate() override;

    std::vector<HookCall> Calls();
    std::vector<HookCall> Calls(const wchar_t* hook);
    void Record(const wchar_t* hook, const std::wstring& name, int a = 0, int b = 0);

    // Scripts.
    std::map<std::wstring, int> m_PrepareResults;  // by package name; default 0
    int m_nRunStartResult = 0;
    int m_nCoreTooLowResult = 0;
    std::function<void(const HookCall&)> OnHook;

private:
    std::mutex m_Lock;
    std::vector<HookCall> m_Calls;
};

// A callback that records its calls under a lock and signals completion.
class TestCallback : public CMPISetupCallbackIfc
{
public:
    TestCallback();
    ~TestCallback();

    void AddMessage(LPCWSTR text) override;
    void SetStatusText(LPCWSTR text) override;
    CProgressCtrl* GetProgressCtrl() override;
    void OnComplete(int status) override;
    void DisableCancel() override;

    // Waits for OnComplete (FALSE after the timeout). Real installs on a
    // loaded machine can take long; only a run that never ends waits it out.
    bool WaitComplete(DWORD ms = 120000);
    std::vector<std::wstring> Calls();
    int Count(const wchar_t* prefix);
    int Status();

    bool m_bNoProgressCtrl = false;
    bool m_bThrowInDisableCancel = false;
    bool m_bThrowInOnComplete = false;
    CProgressCtrl m_Progress;

private:
    void Record(const std::wstring& call);
    std::mutex m_Lock;
    std::vector<std::wstring> m_Calls;
    int m_nStatus = -1;
    HANDLE m_hComplete;
};

// An engine, a callback and a collection bound together, for one case of a
// table. Declare it after what the worker may still call (a fake installer,
// a message-box recorder): its engine is destroyed first and waits for the
// worker.
struct EngineRun
{
    EngineRun() { engine.SetOwner(&base); }
    TestCallback callback;
    TestBase base{&engine};
    TestEngine engine;
};

// Starts a run and waits until it completed and the worker ended.
int StartAndWait(TestEngine& engine, TestCallback& callback, int mode);

struct BoxCall
{
    std::wstring text;
    std::wstring caption;
    UINT type;
    bool hasLanguage;
    WORD language;
};

// Replaces the message-box seam for its lifetime; answers from a script
// (then the default answer) and records every box.
class MessageBoxRecorder
{
public:
    explicit MessageBoxRecorder(int defaultAnswer = IDOK);
    ~MessageBoxRecorder();

    void Answer(int answer);  // queued answers come first
    std::vector<BoxCall> Calls();

private:
    static int Handler(HWND, const wchar_t*, const wchar_t*, UINT, bool, WORD);
};
