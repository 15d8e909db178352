#pragma once
// Helpers of the service tests: the language library, a callback that
// records what the engine reports, a headless progress bar, distribution
// folders laid out from the test packages, and installed-product checks
// and clean-up through Windows Installer.
#include <windows.h>
#include <initializer_list>
#include <string>
#include <vector>
#include "engine/MPISetupCallbackIfc.h"
#include "framework/ProgressCtrl.h"

// Loads bin\QuandelENU.dll and makes it the resource library; false when
// it is missing.
bool UseEnglishLanguageLibrary();

// Binds msi.dll (once).
bool BindMsi();

// Records the engine's log lines, status texts and completion; hands out a
// progress control. Completion sets an event that WaitForCompletion waits
// for while it handles this thread's messages (the worker sends the bar's
// messages to this thread).
class CRecordingCallback : public CMPISetupCallbackIfc
{
public:
    explicit CRecordingCallback(CProgressCtrl* progress = nullptr);
    ~CRecordingCallback();

    void AddMessage(LPCWSTR pszText) override;
    void SetStatusText(LPCWSTR pszText) override;
    CProgressCtrl* GetProgressCtrl() override { return m_pProgress; }
    void OnComplete(int nStatus) override;
    void DisableCancel() override { ++m_nDisableCancel; }

    // True when OnComplete arrived within the time.
    bool WaitForCompletion(DWORD timeoutMs = 120000);

    std::vector<std::wstring> m_Lines;
    std::vector<std::wstring> m_StatusTexts;
    int m_nStatus = -1;
    int m_nCompletions = 0;
    int m_nDisableCancel = 0;
    bool m_bThrowOnAddMessage = false;

private:
    CProgressCtrl* m_pProgress;
    HANDLE m_hDone;
};

// A progress bar child of HWND_MESSAGE that remembers the highest position
// it ever held and the last range it was given.
class CTestProgressBar
{
public:
    CTestProgressBar();
    ~CTestProgressBar();
    CTestProgressBar(const CTestProgressBar&) = delete;
    CTestProgressBar& operator=(const CTestProgressBar&) = delete;

    bool IsValid() const { return m_hWnd != NULL; }
    HWND Hwnd() const { return m_hWnd; }
    CProgressCtrl* Ctrl() { return &m_Ctrl; }
    int Pos() const;
    int RangeHigh() const;
    int RangeLow() const;
    int MaxPos() const { return m_nMaxPos; }
    int Messages() const { return m_nMessages; }
    void Reset(int low, int high, int pos);

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd = NULL;
    WNDPROC m_pOriginal = nullptr;
    CProgressCtrl m_Ctrl;
    int m_nMaxPos = 0;
    int m_nMessages = 0;
};

// The folder of the test executable, with a trailing backslash.
std::wstring TestBinFolder();
// <build>\fixtures\<name>.msi
std::wstring FixturePath(const std::wstring& name);
std::wstring TempFolder();
bool FileExists(const std::wstring& path);

// A distribution folder under the temporary folder: "MP\" with the
// packages copied to the relative paths given; removed with its contents.
class CDistribution
{
public:
    struct Entry
    {
        const wchar_t* fixture;   // name of the test package
        const wchar_t* relative;  // path below MP\, e.g. L"Core\\Dunmoor.msi"
    };
    explicit CDistribution(const std::vector<Entry>& entries);
    ~CDistribution();
    CDistribution(const CDistribution&) = delete;
    CDistribution& operator=(const CDistribution&) = delete;

    bool IsComplete() const { return m_bComplete; }
    // "...\MP\" with its trailing backslash.
    const std::wstring& MpFolder() const { return m_strMp; }

private:
    std::wstring m_strRoot;
    std::wstring m_strMp;
    bool m_bComplete = true;
};

// Replaces the message-box seam for its lifetime: every box (also one shown
// on the worker thread) is recorded and answered with the given answer; the
// previous handler comes back at the end.
class CBoxRecorder
{
public:
    struct Box
    {
        std::wstring text;
        std::wstring caption;
        UINT type;
        bool hasLanguage;
    };

    explicit CBoxRecorder(int answer);
    ~CBoxRecorder();
    CBoxRecorder(const CBoxRecorder&) = delete;
    CBoxRecorder& operator=(const CBoxRecorder&) = delete;

    std::vector<Box> Boxes() const;
    void Clear();
};

// Product and feature state as Windows Installer reports them.
bool IsProductInstalled(const wchar_t* productCode);
int FeatureState(const wchar_t* productCode, const wchar_t* feature);
// Removes the product when it is installed; true when it is gone afterwards.
bool RemoveProductIfInstalled(const wchar_t* productCode);
// Installs a package file with a plain command line; the installer's result.
UINT InstallPackageFile(const std::wstring& path, const wchar_t* commandLine = L"");

// Removes the given products, where installed, when it goes out of scope,
// so a test that fails half-way leaves nothing behind.
class CProductCleanup
{
public:
    CProductCleanup(std::initializer_list<const wchar_t*> products) : m_Products(products) {}
    ~CProductCleanup();
    CProductCleanup(const CProductCleanup&) = delete;
    CProductCleanup& operator=(const CProductCleanup&) = delete;

private:
    std::vector<const wchar_t*> m_Products;
};

// Counts the package, product and database opens through the entry-point
// table while it lives (one at a time).
class COpenCounter
{
public:
    COpenCounter();
    ~COpenCounter();
    COpenCounter(const COpenCounter&) = delete;
    COpenCounter& operator=(const COpenCounter&) = delete;

    // Sessions on package files or installed products.
    static int Sessions();
    // Databases opened directly.
    static int Databases();
};

// The product codes of the service test packages.
namespace svc
{
extern const wchar_t kSetup[];
extern const wchar_t kCore[];
extern const wchar_t kStickyCore[];
extern const wchar_t kAlpha[];
extern const wchar_t kBeta[];
extern const wchar_t kGamma[];
extern const wchar_t kEpsilon[];
extern const wchar_t kHost13[];
extern const wchar_t kHost12[];
extern const wchar_t kHostCase[];
// Every product a service test may install.
extern const wchar_t* const kAllProducts[];
extern const size_t kAllProductCount;
}
