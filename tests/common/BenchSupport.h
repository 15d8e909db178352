#pragma once
// Helpers of the benchmark programs: a millisecond clock and a distribution
// folder laid out from a folder of generated group packages.
#include <windows.h>
#include <string>
#include <vector>

namespace bench {

inline double Now()
{
    LARGE_INTEGER count, frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The .msi files of a folder (given with or without its last backslash).
inline std::vector<std::wstring> PackageFiles(std::wstring folder)
{
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((folder + L"*.msi").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return files;
    do
        files.push_back(folder + data.cFileName);
    while (::FindNextFileW(find, &data));
    ::FindClose(find);
    return files;
}

// The path of the i-th laid-out group package under an MP folder.
inline std::wstring GroupPackage(const std::wstring& base, size_t i)
{
    return base + L"G" + std::to_wstring(100 + i) + L"\\group.msi";
}

// Copies every package into <temp>\<name>\MP\G<n>\group.msi and returns the
// MP folder, with its last backslash.
inline std::wstring LayOut(const std::vector<std::wstring>& files, const wchar_t* name)
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring root = std::wstring(temp) + name + L"\\";
    ::CreateDirectoryW(root.c_str(), NULL);
    std::wstring base = root + L"MP\\";
    ::CreateDirectoryW(base.c_str(), NULL);
    for (size_t i = 0; i < files.size(); ++i)
    {
        std::wstring package = GroupPackage(base, i);
        ::CreateDirectoryW(package.substr(0, package.rfind(L'\\')).c_str(), NULL);
        ::CopyFileW(files[i].c_str(), package.c_str(), FALSE);
    }
    return base;
}

} // namespace bench
