#include "support/FilePath.h"
#include "SupportTestUtil.h"
#include <gtest/gtest.h>

CTestApp theApp;

namespace
{

struct PartsCase
{
    const wchar_t* path;
    const wchar_t* name;
    const wchar_t* nameWithExtension;
    const wchar_t* directory;
    const wchar_t* extension;
};

const PartsCase kPartsCases[] = {
    {L"C:\\Dist\\Quandel.exe", L"Quandel", L"Quandel.exe", L"C:\\Dist", L"exe"},
    {L"Quandel.exe", L"Quandel", L"Quandel.exe", L"", L"exe"},
    {L"C:\\Dist\\README", L"README", L"README", L"C:\\Dist", L""},
    {L"C:\\Dist\\archive.tar.gz", L"archive.tar", L"archive.tar.gz", L"C:\\Dist", L"gz"},
    // A dot in a directory name is not an extension.
    {L"C:\\v1.2\\README", L"README", L"README", L"C:\\v1.2", L""},
    {L"C:\\Dist\\", L"", L"", L"C:\\Dist", L""},
    {L"C:\\Dist\\.hidden", L"", L".hidden", L"C:\\Dist", L"hidden"},
    {L"\\\\server\\share\\Sarnelle.dll", L"Sarnelle", L"Sarnelle.dll", L"\\\\server\\share", L"dll"},
    {L"", L"", L"", L"", L""},
};

TEST(FilePath, SplitsIntoDirectoryNameAndExtension)
{
    for (const PartsCase& c : kPartsCases)
    {
        SCOPED_TRACE(c.path);
        CFilePath path(c.path);
        EXPECT_STREQ(c.name, path.GetFileName(false));
        EXPECT_STREQ(c.nameWithExtension, path.GetFileName(true));
        EXPECT_STREQ(c.directory, path.GetDirectory());
        EXPECT_STREQ(c.extension, path.GetExtension());
    }
}

TEST(FilePath, EqualityIsCaseSensitiveAndAssignmentCopies)
{
    CFilePath a(L"C:\\Dist\\Quandel.exe");
    EXPECT_TRUE(a == CFilePath(L"C:\\Dist\\Quandel.exe"));
    EXPECT_FALSE(a == CFilePath(L"C:\\DIST\\Quandel.exe"));

    CFilePath b;
    b = a;
    EXPECT_TRUE(b == a);
    b = b;
    EXPECT_STREQ(L"C:\\Dist\\Quandel.exe", b.m_FilePath);
    b = L"D:\\Other.dll";
    EXPECT_STREQ(L"D:\\Other.dll", b.m_FilePath);
    EXPECT_STREQ(L"C:\\Dist\\Quandel.exe", CFilePath(a).m_FilePath);
}

TEST(FilePath, ExistsFindsFilesOnly)
{
    CScratchDir dir;
    ASSERT_TRUE(WriteTextFile(dir / L"present.txt"));
    EXPECT_TRUE(CFilePath(std::wstring(dir / L"present.txt").c_str()).Exists());
    EXPECT_TRUE(CFilePath::Exists(std::wstring(dir / L"PRESENT.TXT").c_str()));
    EXPECT_FALSE(CFilePath::Exists(std::wstring(dir / L"absent.txt").c_str()));
    EXPECT_FALSE(CFilePath::Exists(std::wstring(dir / L"nofolder\\present.txt").c_str()));
    // An empty path would otherwise search the current folder for everything.
    EXPECT_FALSE(CFilePath().Exists());
    EXPECT_FALSE(CFilePath::Exists(L""));
}

TEST(FilePath, ModuleHandleGivesTheLongModuleName)
{
    CFilePath module(GetModuleHandleW(nullptr));
    EXPECT_STREQ(SystemLongPath(TestModulePath()).c_str(), module.m_FilePath);
    EXPECT_STREQ(L"support_tests", module.GetFileName(false));

    // Not a module: GetModuleFileNameW fails and the path stays empty.
    CFilePath bogus(reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(0x10)));
    EXPECT_TRUE(bogus.m_FilePath.IsEmpty());
}

TEST(FilePath, ModuleNameTooLongForTheBufferLeavesThePathEmpty)
{
    // A library whose full name exceeds MAX_PATH: GetModuleFileNameW fills
    // the buffer and cuts the name without a terminator.
    CScratchDir dir;
    std::wstring folder = dir.Path();
    while (folder.size() < 250)
    {
        folder += L"\\deep_folder_name_";
        ASSERT_TRUE(CScratchDir::MakeDir(folder));
    }
    std::wstring dll = folder + L"\\support_tests_long_module_name.dll";
    ASSERT_GT(dll.size(), static_cast<size_t>(MAX_PATH + 1));
    std::wstring source = BesideTestModule(L"support_testsENU.dll");
    ASSERT_TRUE(CopyFileW(source.c_str(), (L"\\\\?\\" + dll).c_str(), FALSE));

    HMODULE library = LoadLibraryW((L"\\\\?\\" + dll).c_str());
    if (library == nullptr)
        GTEST_SKIP() << "this system does not load a library from a path this long";
    wchar_t probe[MAX_PATH + 1];
    DWORD n = GetModuleFileNameW(library, probe, MAX_PATH + 1);
    EXPECT_EQ(static_cast<DWORD>(MAX_PATH + 1), n);
    CFilePath path(library);
    EXPECT_TRUE(path.m_FilePath.IsEmpty()) << path.m_FilePath.GetString();
    FreeLibrary(library);
}

} // namespace
