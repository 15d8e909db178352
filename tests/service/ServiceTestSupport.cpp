#include "ServiceTestSupport.h"
#include <commctrl.h>
#include <mutex>
#include <new>
#include "engine/MPILoadMSIDll.h"
#include "framework/AppCore.h"
#include "framework/Seams.h"

namespace svc
{
const wchar_t kSetup[] = L"{5E4C0000-0001-4000-8000-000000000001}";
const wchar_t kCore[] = L"{5E4C0000-0002-4000-8000-000000000002}";
const wchar_t kStickyCore[] = L"{5E4C0000-000A-4000-8000-00000000000A}";
const wchar_t kAlpha[] = L"{5E4C0000-0003-4000-8000-000000000003}";
const wchar_t kBeta[] = L"{5E4C0000-0004-4000-8000-000000000004}";
const wchar_t kGamma[] = L"{5E4C0000-0005-4000-8000-000000000005}";
const wchar_t kEpsilon[] = L"{5E4C0000-00C1-4000-8000-0000000000C1}";
const wchar_t kHost13[] = L"{5E4C0000-0007-4000-8000-000000000007}";
const wchar_t kHost12[] = L"{5E4C0000-0008-4000-8000-000000000008}";
const wchar_t kHostCase[] = L"{5E4C0000-0009-4000-8000-000000000009}";
const wchar_t* const kAllProducts[] = {kAlpha, kBeta, kGamma, kEpsilon, kCore, kStickyCore, kSetup, kHost13, kHost12, kHostCase};
const size_t kAllProductCount = sizeof(kAllProducts) / sizeof(kAllProducts[0]);
}

bool UseEnglishLanguageLibrary()
{
    static HMODULE library = NULL;
    if (library == NULL)
        library = ::LoadLibraryW((TestBinFolder() + L"QuandelENU.dll").c_str());
    if (library == NULL)
        return false;
    AfxSetResourceHandle(library);
    return true;
}

bool BindMsi()
{
    return LoadMsiDll() == 1 && AreMsiEntryPointsBound();
}

// --- recording callback -------------------------------------------------------

CRecordingCallback::CRecordingCallback(CProgressCtrl* progress)
    : m_pProgress(progress), m_hDone(::CreateEventW(NULL, TRUE, FALSE, NULL))
{
}

CRecordingCallback::~CRecordingCallback()
{
    ::CloseHandle(m_hDone);
}

void CRecordingCallback::AddMessage(LPCWSTR pszText)
{
    if (m_bThrowOnAddMessage)
        throw std::bad_alloc();
    m_Lines.push_back(pszText ? pszText : L"(null)");
}

void CRecordingCallback::SetStatusText(LPCWSTR pszText)
{
    m_StatusTexts.push_back(pszText ? pszText : L"(null)");
}

void CRecordingCallback::OnComplete(int nStatus)
{
    m_nStatus = nStatus;
    ++m_nCompletions;
    ::SetEvent(m_hDone);
}

bool CRecordingCallback::WaitForCompletion(DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        const DWORD wait = ::MsgWaitForMultipleObjects(1, &m_hDone, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        if (wait == WAIT_OBJECT_0)
            return true;
        if (wait != WAIT_OBJECT_0 + 1)
            return false;
        MSG msg;
        while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

// --- progress bar ---------------------------------------------------------------

CTestProgressBar::CTestProgressBar()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    m_hWnd = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD, 0, 0, 200, 16, HWND_MESSAGE, NULL,
                               ::GetModuleHandleW(NULL), NULL);
    if (m_hWnd == NULL)
        return;
    m_Ctrl.m_hWnd = m_hWnd;
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pOriginal = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CTestProgressBar::Proc)));
}

CTestProgressBar::~CTestProgressBar()
{
    if (m_hWnd != NULL)
    {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pOriginal));
        ::DestroyWindow(m_hWnd);
    }
}

LRESULT CALLBACK CTestProgressBar::Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CTestProgressBar* self = reinterpret_cast<CTestProgressBar*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    const LRESULT result = ::CallWindowProcW(self->m_pOriginal, hWnd, uMsg, wParam, lParam);
    switch (uMsg)
    {
    case PBM_SETRANGE32:
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_SETSTEP:
    case PBM_STEPIT:
    {
        ++self->m_nMessages;
        const int pos = static_cast<int>(::CallWindowProcW(self->m_pOriginal, hWnd, PBM_GETPOS, 0, 0));
        if (pos > self->m_nMaxPos)
            self->m_nMaxPos = pos;
        break;
    }
    default:
        break;
    }
    return result;
}

int CTestProgressBar::Pos() const
{
    return static_cast<int>(::SendMessageW(m_hWnd, PBM_GETPOS, 0, 0));
}

int CTestProgressBar::RangeHigh() const
{
    return static_cast<int>(::SendMessageW(m_hWnd, PBM_GETRANGE, FALSE, 0));
}

int CTestProgressBar::RangeLow() const
{
    return static_cast<int>(::SendMessageW(m_hWnd, PBM_GETRANGE, TRUE, 0));
}

void CTestProgressBar::Reset(int low, int high, int pos)
{
    ::SendMessageW(m_hWnd, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
    ::SendMessageW(m_hWnd, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
    ::SendMessageW(m_hWnd, PBM_SETSTEP, 10, 0);
    m_nMaxPos = pos;
    m_nMessages = 0;
}

// --- files and folders ----------------------------------------------------------

std::wstring TestBinFolder()
{
    wchar_t path[MAX_PATH + 1] = {};
    ::GetModuleFileNameW(NULL, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

std::wstring FixturePath(const std::wstring& name)
{
    return TestBinFolder() + L"..\\fixtures\\" + name + L".msi";
}

std::wstring TempFolder()
{
    wchar_t path[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH, path);
    std::wstring folder = path;
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

bool FileExists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace
{
void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                ::DeleteFileW(child.c_str());
        } while (::FindNextFileW(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(path.c_str());
}
}

CDistribution::CDistribution(const std::vector<Entry>& entries)
{
    static int counter = 0;
    wchar_t name[64];
    wsprintfW(name, L"svcdist_%lu_%d", ::GetCurrentProcessId(), ++counter);
    m_strRoot = TempFolder() + name;
    m_strMp = m_strRoot + L"\\MP\\";
    ::CreateDirectoryW(m_strRoot.c_str(), NULL);
    ::CreateDirectoryW(m_strMp.c_str(), NULL);
    for (const Entry& entry : entries)
    {
        const std::wstring target = m_strMp + entry.relative;
        const std::wstring folder = target.substr(0, target.rfind(L'\\'));
        ::CreateDirectoryW(folder.c_str(), NULL);
        if (!::CopyFileW(FixturePath(entry.fixture).c_str(), target.c_str(), FALSE))
            m_bComplete = false;
    }
}

CDistribution::~CDistribution()
{
    RemoveTree(m_strRoot);
}

// --- message boxes -----------------------------------------------------------------

namespace
{
std::mutex g_boxLock;
std::vector<CBoxRecorder::Box> g_boxes;
int g_boxAnswer = IDOK;
AfxMessageBoxHandler g_previousBoxHandler = nullptr;

int RecordBox(HWND, const wchar_t* text, const wchar_t* caption, UINT type, bool hasLanguage, WORD)
{
    std::lock_guard<std::mutex> lock(g_boxLock);
    g_boxes.push_back({text ? text : L"", caption ? caption : L"", type, hasLanguage});
    return g_boxAnswer;
}
}

CBoxRecorder::CBoxRecorder(int answer)
{
    {
        std::lock_guard<std::mutex> lock(g_boxLock);
        g_boxes.clear();
        g_boxAnswer = answer;
    }
    g_previousBoxHandler = AfxSetMessageBoxHandler(&RecordBox);
}

CBoxRecorder::~CBoxRecorder()
{
    AfxSetMessageBoxHandler(g_previousBoxHandler);
}

std::vector<CBoxRecorder::Box> CBoxRecorder::Boxes() const
{
    std::lock_guard<std::mutex> lock(g_boxLock);
    return g_boxes;
}

void CBoxRecorder::Clear()
{
    std::lock_guard<std::mutex> lock(g_boxLock);
    g_boxes.clear();
}

// --- installed products -----------------------------------------------------------

bool IsProductInstalled(const wchar_t* productCode)
{
    return g_MsiDll.pMsiQueryProductStateW && g_MsiDll.pMsiQueryProductStateW(productCode) == INSTALLSTATE_DEFAULT;
}

int FeatureState(const wchar_t* productCode, const wchar_t* feature)
{
    return g_MsiDll.pMsiQueryFeatureStateW(productCode, feature);
}

bool RemoveProductIfInstalled(const wchar_t* productCode)
{
    if (!IsProductInstalled(productCode))
        return true;
    g_MsiDll.pMsiSetInternalUI(INSTALLUILEVEL_NONE, NULL);
    g_MsiDll.pMsiConfigureProductExW(productCode, INSTALLLEVEL_DEFAULT, INSTALLSTATE_DEFAULT,
                                     L"REMOVE=ALL REBOOT=ReallySuppress");
    return !IsProductInstalled(productCode);
}

UINT InstallPackageFile(const std::wstring& path, const wchar_t* commandLine)
{
    g_MsiDll.pMsiSetInternalUI(INSTALLUILEVEL_NONE, NULL);
    return g_MsiDll.pMsiInstallProductW(path.c_str(), commandLine);
}

// --- counted opens -------------------------------------------------------------------

namespace
{
int g_sessions = 0;
int g_databases = 0;
decltype(g_MsiDll.pMsiOpenPackageExW) g_realOpenPackage = nullptr;
decltype(g_MsiDll.pMsiOpenProductW) g_realOpenProduct = nullptr;
decltype(g_MsiDll.pMsiOpenDatabaseW) g_realOpenDatabase = nullptr;

UINT WINAPI CountedOpenPackage(LPCWSTR path, DWORD options, MSIHANDLE* handle)
{
    ++g_sessions;
    return g_realOpenPackage(path, options, handle);
}

UINT WINAPI CountedOpenProduct(LPCWSTR productCode, MSIHANDLE* handle)
{
    ++g_sessions;
    return g_realOpenProduct(productCode, handle);
}

UINT WINAPI CountedOpenDatabase(LPCWSTR path, LPCWSTR persist, MSIHANDLE* handle)
{
    ++g_databases;
    return g_realOpenDatabase(path, persist, handle);
}
}

COpenCounter::COpenCounter()
{
    g_sessions = g_databases = 0;
    g_realOpenPackage = g_MsiDll.pMsiOpenPackageExW;
    g_realOpenProduct = g_MsiDll.pMsiOpenProductW;
    g_realOpenDatabase = g_MsiDll.pMsiOpenDatabaseW;
    g_MsiDll.pMsiOpenPackageExW = &CountedOpenPackage;
    g_MsiDll.pMsiOpenProductW = &CountedOpenProduct;
    g_MsiDll.pMsiOpenDatabaseW = &CountedOpenDatabase;
}

COpenCounter::~COpenCounter()
{
    g_MsiDll.pMsiOpenPackageExW = g_realOpenPackage;
    g_MsiDll.pMsiOpenProductW = g_realOpenProduct;
    g_MsiDll.pMsiOpenDatabaseW = g_realOpenDatabase;
}

int COpenCounter::Sessions()
{
    return g_sessions;
}

int COpenCounter::Databases()
{
    return g_databases;
}

CProductCleanup::~CProductCleanup()
{
    for (const wchar_t* product : m_Products)
        RemoveProductIfInstalled(product);
}
