#include "ModelTestSupport.h"
#include <gtest/gtest.h>
#include <cstdio>

void PrepareInstaller()
{
    ASSERT_EQ(1, LoadMsiDll());
    g_MsiDll.pMsiSetInternalUI(INSTALLUILEVEL_NONE, NULL);
}

std::wstring FixturePath(const wchar_t* name)
{
    wchar_t exe[MAX_PATH] = L"";
    ::GetModuleFileNameW(NULL, exe, MAX_PATH);
    std::wstring path(exe);
    path.erase(path.find_last_of(L'\\'));          // bin
    path.erase(path.find_last_of(L'\\') + 1);      // build root
    return path + L"fixtures\\" + name + L".msi";
}

std::wstring FixtureCode(const wchar_t* digits)
{
    return std::wstring(L"{E1A00000-") + digits + L"-4000-8000-00000000" + digits + L"}";
}

namespace {

void MakeFolders(const std::wstring& path)
{
    for (size_t pos = path.find(L'\\', 3); pos != std::wstring::npos; pos = path.find(L'\\', pos + 1))
        ::CreateDirectoryW(path.substr(0, pos).c_str(), NULL);
    ::CreateDirectoryW(path.c_str(), NULL);
}

void DeleteTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((folder + L"*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteTree(path + L"\\");
            else
                ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(folder.c_str());
}

} // namespace

ScratchFolder::ScratchFolder()
{
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    wchar_t name[64];
    swprintf(name, 64, L"mpdisc_%lu_%d\\", ::GetCurrentProcessId(), ++counter);
    m_path = std::wstring(temp) + name;
    DeleteTree(m_path);
    MakeFolders(m_path.substr(0, m_path.size() - 1));
}

ScratchFolder::~ScratchFolder()
{
    DeleteTree(m_path);
}

void ScratchFolder::MakeFolder(const std::wstring& relative) const
{
    MakeFolders(m_path + relative);
}

void ScratchFolder::CopyFixture(const wchar_t* name, const std::wstring& relative) const
{
    std::wstring target = m_path + relative;
    MakeFolders(target.substr(0, target.find_last_of(L'\\')));
    ASSERT_TRUE(::CopyFileW(FixturePath(name).c_str(), target.c_str(), FALSE))
        << "copy " << std::string(name, name + wcslen(name)) << " failed: " << ::GetLastError();
}

void ScratchFolder::WriteText(const std::wstring& relative, const char* text) const
{
    std::wstring target = m_path + relative;
    MakeFolders(target.substr(0, target.find_last_of(L'\\')));
    FILE* file = _wfopen(target.c_str(), L"wb");
    ASSERT_NE(nullptr, file);
    fputs(text, file);
    fclose(file);
}

InstalledProduct::InstalledProduct(const wchar_t* fixture, const wchar_t* productCode, const wchar_t* addLocal)
    : m_code(productCode), m_result(ERROR_FUNCTION_FAILED)
{
    std::wstring command = std::wstring(L"ADDLOCAL=") + addLocal + L" REBOOT=ReallySuppress";
    m_result = g_MsiDll.pMsiInstallProductW(FixturePath(fixture).c_str(), command.c_str());
}

InstalledProduct::~InstalledProduct()
{
    // Removes also what a failed install may have left registered.
    g_MsiDll.pMsiConfigureProductExW(m_code.c_str(), 0, INSTALLSTATE_DEFAULT,
                                     L"REMOVE=ALL REBOOT=ReallySuppress");
}

std::wstring ModuleNames(CMPIGroupMsi* group)
{
    std::wstring names;
    for (unsigned i = 0; i < group->GetModuleCount(); ++i)
    {
        if (i)
            names += L",";
        names += group->GetModule(i)->GetFeatureName().GetString();
    }
    return names;
}

namespace {

std::wstring CodeDigits(const CString& code)
{
    return code.GetLength() >= 15 ? code.Mid(10, 4).str() : code.str();
}

std::wstring Sides(CMPIMsi* msi)
{
    return CodeDigits(msi->GetProductCode(0)) + L"/" + CodeDigits(msi->GetProductCode(1));
}

} // namespace

std::wstring Describe(CMPIBase& base)
{
    std::wstring text = L"S=";
    text += base.GetSetupMsi() ? Sides(base.GetSetupMsi()) : L"-";
    text += L" C=";
    text += base.GetCoreMsi() ? Sides(base.GetCoreMsi()) : L"-";
    text += L" G=";
    for (unsigned i = 0; i < base.GetMsiCount(); ++i)
    {
        if (i)
            text += L",";
        text += Sides(base.GetMsi(i));
    }
    return text;
}
