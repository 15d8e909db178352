// Sarnelle.dll the way it reaches a machine: self-registration with
// regsvr32, creation through COM from a single-threaded apartment, and a
// load that is refused without the default language files.
#include "SarnelleModule.h"
#include "vendorpage/PVPropPageInterfaces.h"
#include <gtest/gtest.h>
#include <objbase.h>
#include <string>
#include <vector>

namespace
{
const wchar_t kClassKey[] = L"CLSID\\{D896E455-8923-478c-AAE7-5014AF5D8AC8}";

DWORD RunRegsvr32(const std::wstring& arguments)
{
    wchar_t system[MAX_PATH] = L"";
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(system) + L"\\regsvr32.exe\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return static_cast<DWORD>(-1);
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

std::wstring ClassesRootValue(const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return L"<missing>";
    wchar_t buffer[1024] = L"";
    DWORD size = sizeof buffer - sizeof(wchar_t);
    LONG error = RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return error == ERROR_SUCCESS ? buffer : L"<no value>";
}

// Removes the registration however the test ends.
struct RegistrationGuard
{
    ~RegistrationGuard() { RunRegsvr32(L"/s /u \"" + SarnelleModule::Path() + L"\""); }
};

DWORD WINAPI CreateOnStaThread(void* param)
{
    HRESULT* result = static_cast<HRESULT*>(param);
    CoInitialize(nullptr);
    IPVPropPage* page = nullptr;
    *result = CoCreateInstance(CLSID_PVPageVendor, nullptr, CLSCTX_INPROC_SERVER, IID_IPVPropPage,
                               reinterpret_cast<void**>(&page));
    if (SUCCEEDED(*result))
    {
        CPropertyPage* sheetPage = nullptr;
        if (page->GetPropertyPage(&sheetPage) != S_OK || sheetPage == nullptr)
            *result = E_UNEXPECTED;
        if (page->Release() != 0)
            *result = E_UNEXPECTED;
    }
    CoUninitialize();
    return 0;
}

HRESULT CreateThroughCom()
{
    HRESULT result = E_PENDING;
    HANDLE thread = CreateThread(nullptr, 0, CreateOnStaThread, &result, 0, nullptr);
    WaitForSingleObject(thread, 60000);
    CloseHandle(thread);
    return result;
}
}

TEST(ComHost, Regsvr32RegistersForCoCreateInstanceAndUnregisters)
{
    RegistrationGuard guard;
    const std::wstring path = SarnelleModule::Path();
    ASSERT_EQ(0u, RunRegsvr32(L"/s \"" + path + L"\""));
    EXPECT_EQ(L"PVPageVendor Page", ClassesRootValue(kClassKey));
    EXPECT_EQ(0, _wcsicmp(path.c_str(), ClassesRootValue(std::wstring(kClassKey) + L"\\InProcServer32").c_str()));

    EXPECT_EQ(S_OK, CreateThroughCom());

    ASSERT_EQ(0u, RunRegsvr32(L"/s /u \"" + path + L"\""));
    EXPECT_EQ(L"<missing>", ClassesRootValue(kClassKey));
    EXPECT_EQ(REGDB_E_CLASSNOTREG, CreateThroughCom());
}

// A copy of the DLL in a folder of its own, with some of its language files.
class LoadFolder
{
public:
    explicit LoadFolder(const wchar_t* name)
    {
        wchar_t temp[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + name + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_folder.c_str(), nullptr);
    }
    ~LoadFolder()
    {
        for (const std::wstring& file : m_files)
            DeleteFileW((m_folder + L"\\" + file).c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    bool Copy(const wchar_t* file)
    {
        m_files.push_back(file);
        return CopyFileW((SarnelleModule::BinFolder() + L"\\" + file).c_str(),
                         (m_folder + L"\\" + file).c_str(), FALSE) != FALSE;
    }
    std::wstring Dll() const { return m_folder + L"\\Sarnelle.dll"; }

private:
    std::wstring m_folder;
    std::vector<std::wstring> m_files;
};

TEST(ComHost, LoadNeedsTheDefaultLanguageLibraryAndHelpFile)
{
    struct Case { const wchar_t* folder; bool library; bool help; bool loads; };
    const Case cases[] = {
        { L"SarnelleBare", false, false, false },
        { L"SarnelleNoHelp", true, false, false },
        { L"SarnelleNoLib", false, true, false },
        { L"SarnelleFull", true, true, true },
    };
    for (const Case& c : cases)
    {
        LoadFolder folder(c.folder);
        ASSERT_TRUE(folder.Copy(L"Sarnelle.dll"));
        if (c.library)
        {
            ASSERT_TRUE(folder.Copy(L"SarnelleENU.dll"));
        }
        if (c.help)
        {
            ASSERT_TRUE(folder.Copy(L"SarnelleENU.hlp"));
        }
        // The German files alone never stand in for the default ones.
        ASSERT_TRUE(folder.Copy(L"SarnelleDEU.dll"));
        ASSERT_TRUE(folder.Copy(L"SarnelleDEU.hlp"));
        HMODULE module = LoadLibraryW(folder.Dll().c_str());
        DWORD error = GetLastError();
        EXPECT_EQ(c.loads, module != nullptr) << c.folder;
        if (module != nullptr)
            FreeLibrary(module);
        else
            EXPECT_EQ(static_cast<DWORD>(ERROR_DLL_INIT_FAILED), error) << c.folder;
    }
}
