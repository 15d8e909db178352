#pragma once
// Helpers of the support tests: paths beside the test executable, small
// files, and a scratch folder that removes itself.
#include "support/FilePath.h"
#include "support/OrvoWinApp.h"
#include "lang_ids.h"
#include <windows.h>
#include <string>

// The application object of a test executable; each test runs in its own
// process, so the language managers start fresh in every test.
class CTestApp : public COrvoWinApp
{
public:
    bool UsesHelp() const { return m_bUseHelp; }
    // The test libraries name their language; another program's does not.
    bool IsOwnResourceLibrary(HINSTANCE library) const override
    {
        wchar_t first[2] = L"";
        return LoadStringW(library, IDS_TEST_LANGUAGE, first, 2) > 0;
    }
};

// Defined once in each test executable.
extern CTestApp theApp;

inline std::wstring TestModulePath()
{
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// The long form of a path as Windows gives it: the expected value for
// comparisons with the case the file system reports.
inline std::wstring SystemLongPath(const std::wstring& path)
{
    wchar_t buffer[1024] = {};
    DWORD n = GetLongPathNameW(path.c_str(), buffer, 1024);
    return n > 0 && n < 1024 ? std::wstring(buffer) : std::wstring();
}

inline std::wstring BesideTestModule(const std::wstring& name)
{
    std::wstring path = SystemLongPath(TestModulePath());
    return path.substr(0, path.rfind(L'\\') + 1) + name;
}

inline bool WriteTextFile(const std::wstring& path, const char* text = "x")
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = ::WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(file);
    return ok != FALSE;
}

// A fresh folder under the temporary folder, deleted with its contents.
class CScratchDir
{
public:
    CScratchDir()
    {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        wchar_t name[64];
        wsprintfW(name, L"suptest_%lu_%d", GetCurrentProcessId(), ++counter);
        m_path = SystemLongPath(temp);
        if (!m_path.empty() && m_path.back() != L'\\')
            m_path += L'\\';
        m_path += name;
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~CScratchDir() { RemoveTree(m_path); }
    CScratchDir(const CScratchDir&) = delete;
    CScratchDir& operator=(const CScratchDir&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }

    // Paths of any length: the \\?\ form has no MAX_PATH limit.
    static bool MakeDir(const std::wstring& path) { return CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr) != FALSE; }
    static bool MakeFile(const std::wstring& path) { return WriteTextFile(L"\\\\?\\" + path); }

private:
    static void RemoveTree(const std::wstring& path)
    {
        std::wstring prefixed = L"\\\\?\\" + path;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((prefixed + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE)
        {
            do
            {
                std::wstring name = data.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                std::wstring child = path + L"\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(child);
                else
                    DeleteFileW((L"\\\\?\\" + child).c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(prefixed.c_str());
    }

    std::wstring m_path;
};
