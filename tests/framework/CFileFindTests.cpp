#include "framework/CFileFind.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace
{

// A scratch folder with b.txt, a.txt, c.log and a sub-folder.
class FileFind : public testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, temp);
        wchar_t name[64];
        wsprintfW(name, L"fwfind_%lu", GetCurrentProcessId());
        m_dir = std::wstring(temp) + name;
        ASSERT_TRUE(CreateDirectoryW(m_dir.c_str(), nullptr));
        for (const wchar_t* file : {L"b.txt", L"a.txt", L"c.log"})
        {
            HANDLE h = CreateFileW((m_dir + L"\\" + file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, h);
            CloseHandle(h);
        }
        ASSERT_TRUE(CreateDirectoryW((m_dir + L"\\sub").c_str(), nullptr));
    }
    void TearDown() override
    {
        for (const wchar_t* file : {L"b.txt", L"a.txt", L"c.log"})
            DeleteFileW((m_dir + L"\\" + file).c_str());
        RemoveDirectoryW((m_dir + L"\\sub").c_str());
        RemoveDirectoryW(m_dir.c_str());
    }

    struct Entry
    {
        std::wstring name, path;
        bool dots, directory;
    };

    // The loop every caller writes: FindNextFile makes the next entry
    // current, and the entry made current by the FALSE answer still counts.
    std::vector<Entry> List(const std::wstring& pattern)
    {
        std::vector<Entry> entries;
        CFileFind finder;
        BOOL more = finder.FindFile(pattern.c_str());
        while (more)
        {
            more = finder.FindNextFile();
            entries.push_back({finder.GetFileName().GetString(), finder.GetFilePath().GetString(),
                               finder.IsDots() != FALSE, finder.IsDirectory() != FALSE});
        }
        std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
        return entries;
    }

    std::wstring m_dir;
};

TEST_F(FileFind, ReportsEveryEntryIncludingTheLast)
{
    std::vector<Entry> all = List(m_dir + L"\\*");
    ASSERT_EQ(6u, all.size());
    const struct
    {
        const wchar_t* name;
        bool dots, directory;
    } expected[] = {
        {L".", true, true}, {L"..", true, true}, {L"a.txt", false, false},
        {L"b.txt", false, false}, {L"c.log", false, false}, {L"sub", false, true},
    };
    for (size_t i = 0; i < all.size(); ++i)
    {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(expected[i].name, all[i].name);
        EXPECT_EQ(expected[i].dots, all[i].dots);
        EXPECT_EQ(expected[i].directory, all[i].directory);
        EXPECT_EQ(m_dir + L"\\" + expected[i].name, all[i].path);
    }
}

TEST_F(FileFind, PatternsSingleFilesAndMisses)
{
    std::vector<Entry> txt = List(m_dir + L"\\*.txt");
    ASSERT_EQ(2u, txt.size());
    EXPECT_EQ(L"a.txt", txt[0].name);
    EXPECT_EQ(L"b.txt", txt[1].name);

    // A single match: the first FindNextFile answers FALSE and reports it.
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile((m_dir + L"\\c.log").c_str()));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_STREQ(L"c.log", finder.GetFileName());
    EXPECT_STREQ((m_dir + L"\\c.log").c_str(), finder.GetFilePath());
    EXPECT_FALSE(finder.FindNextFile());

    EXPECT_FALSE(finder.FindFile((m_dir + L"\\missing.msi").c_str()));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_TRUE(List(m_dir + L"\\nofolder\\*").empty());
}

} // namespace
