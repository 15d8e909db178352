#include "support/GetLongPathNameCompat.h"
#include "SupportTestUtil.h"
#include <gtest/gtest.h>
#include <wctype.h>

namespace
{

const wchar_t kUntouched[] = L"untouched";

// A small tree with long names: <scratch>\Program Files Long\Dist Folder\Quandel Setup.exe
class LongPathName : public testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = m_dir / L"Program Files Long";
        m_dist = m_folder + L"\\Dist Folder";
        m_file = m_dist + L"\\Quandel Setup.exe";
        ASSERT_TRUE(CScratchDir::MakeDir(m_folder));
        ASSERT_TRUE(CScratchDir::MakeDir(m_dist));
        ASSERT_TRUE(WriteTextFile(m_file));
        m_long = SystemLongPath(m_file);
        ASSERT_FALSE(m_long.empty());
    }

    // Runs the function with a sentinel-filled output buffer of the given size.
    static DWORD Run(const std::wstring& input, std::wstring& output, DWORD size = 1024)
    {
        wchar_t buffer[1024];
        wcscpy(buffer, kUntouched);
        DWORD n = GetLongPathNameCompat(input.c_str(), buffer, size);
        output = buffer;
        return n;
    }

    CScratchDir m_dir;
    std::wstring m_folder, m_dist, m_file, m_long;
};

TEST_F(LongPathName, ResolvesShortAndMiscasedParts)
{
    wchar_t shortName[1024] = {};
    ASSERT_GT(GetShortPathNameW(m_file.c_str(), shortName, 1024), 0u);
    std::wstring upper = m_long;
    for (size_t i = 3; i < upper.size(); ++i)
        upper[i] = towupper(upper[i]);
    std::wstring runs = m_long;
    runs.insert(2, L"\\\\");                      // C:\\\users...
    runs.insert(runs.rfind(L'\\'), L"\\\\");      // ...Dist Folder\\\Quandel...
    runs += L"\\";

    struct Case
    {
        const wchar_t* what;
        std::wstring input;
        std::wstring expected;
    } cases[] = {
        {L"short names", shortName, m_long},
        {L"already long", m_long, m_long},
        {L"case the file system reports", upper, m_long},
        {L"separator runs and a trailing separator", runs, m_long},
        {L"wildcard part takes the first match", m_folder + L"\\Dist*", SystemLongPath(m_dist)},
        {L"drive root", L"C:\\", L"C:"},
        {L"drive alone", L"C:", L"C:"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::wstring output;
        EXPECT_EQ(c.expected.size(), Run(c.input, output));
        EXPECT_EQ(c.expected, output);
    }
}

TEST_F(LongPathName, WorksInPlace)
{
    wchar_t buffer[MAX_PATH + 1] = {};
    ASSERT_GT(GetShortPathNameW(m_file.c_str(), buffer, MAX_PATH + 1), 0u);
    EXPECT_EQ(m_long.size(), GetLongPathNameCompat(buffer, buffer, MAX_PATH + 1));
    EXPECT_EQ(m_long, buffer);
}

TEST_F(LongPathName, TooSmallOutputGetsNothingButTheNeededLength)
{
    const DWORD n = static_cast<DWORD>(m_long.size());
    std::wstring output;
    EXPECT_EQ(n, Run(m_long, output, n));
    EXPECT_EQ(kUntouched, output);
    EXPECT_EQ(n, GetLongPathNameCompat(m_long.c_str(), nullptr, 0));
    EXPECT_EQ(n, Run(m_long, output, n + 1));
    EXPECT_EQ(m_long, output);
}

TEST_F(LongPathName, FailuresAnswerZeroAndLeaveTheOutput)
{
    const std::wstring cases[] = {
        m_folder + L"\\Missing\\Quandel Setup.exe",   // a missing part in the middle
        m_dist + L"\\Missing.exe",                     // a missing last part
        L"",                                           // nothing at all
        L"\\\\",                                       // separators only
        L"\\\\server",                                 // a server without share
    };
    for (const std::wstring& input : cases)
    {
        SCOPED_TRACE(input);
        std::wstring output;
        EXPECT_EQ(0u, Run(input, output));
        EXPECT_EQ(kUntouched, output);
    }
}

TEST_F(LongPathName, InputBeyondTheWorkingCopyIsRefused)
{
    // Separator runs collapse, so a padded input still names the file; the
    // working copy holds 263 characters and a terminator.
    for (size_t length : {static_cast<size_t>(263), static_cast<size_t>(264), static_cast<size_t>(600)})
    {
        SCOPED_TRACE(length);
        std::wstring padded = m_long;
        ASSERT_LT(padded.size(), length);
        padded.insert(2, length - padded.size(), L'\\');
        ASSERT_EQ(length, padded.size());
        std::wstring output;
        DWORD n = Run(padded, output);
        if (length <= 263)
        {
            EXPECT_EQ(m_long.size(), n);
            EXPECT_EQ(m_long, output);
        }
        else
        {
            EXPECT_EQ(0u, n);
            EXPECT_EQ(kUntouched, output);
        }
    }
}

TEST_F(LongPathName, LongFormBeyondTheResultBufferIsRefused)
{
    // A short wildcard input whose match makes the long form 259 or 260
    // characters: 259 and its terminator fit the 260-character result.
    const std::wstring base = SystemLongPath(m_dir.Path());
    for (size_t total : {static_cast<size_t>(259), static_cast<size_t>(260)})
    {
        SCOPED_TRACE(total);
        const wchar_t lead = total == 259 ? L'A' : L'B';
        std::wstring name(total - base.size() - 1, L'x');
        name[0] = lead;
        ASSERT_LE(name.size(), 255u);
        ASSERT_TRUE(CScratchDir::MakeDir(base + L"\\" + name));
        std::wstring output;
        DWORD n = Run(base + L"\\" + lead + L"x*", output);
        if (total == 259)
        {
            EXPECT_EQ(259u, n);
            EXPECT_EQ(base + L"\\" + name, output);
        }
        else
        {
            EXPECT_EQ(0u, n);
            EXPECT_EQ(kUntouched, output);
        }
    }
}

} // namespace
