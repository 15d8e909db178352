#include "framework/AppCore.h"
#include "framework/CString.h"
#include "strings_ids.h"
#include <gtest/gtest.h>

namespace
{

TEST(CString, SubstringsClampLikeTheClassLibrary)
{
    const CString s(L"Quandel");
    const struct
    {
        const wchar_t* what;
        CString actual;
        const wchar_t* expected;
    } cases[] = {
        {L"Mid from inside", s.Mid(2), L"andel"},
        {L"Mid negative first", s.Mid(-3), L"Quandel"},
        {L"Mid first at the end", s.Mid(7), L""},
        {L"Mid first past the end", s.Mid(10), L""},
        {L"Mid count", s.Mid(2, 3), L"and"},
        {L"Mid negative count", s.Mid(2, -1), L""},
        {L"Mid count past the end", s.Mid(5, 100), L"el"},
        {L"Mid negative first keeps the count", s.Mid(-2, 4), L"Quan"},
        {L"Mid first past the end with count", s.Mid(9, 2), L""},
        {L"Left", s.Left(4), L"Quan"},
        {L"Left negative", s.Left(-1), L""},
        {L"Left past the end", s.Left(100), L"Quandel"},
        {L"Right", s.Right(3), L"del"},
        {L"Right negative", s.Right(-1), L""},
        {L"Right past the end", s.Right(100), L"Quandel"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_STREQ(c.expected, c.actual);
    }
}

CString Formatted(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    CString s;
    s.FormatV(format, args);
    va_end(args);
    return s;
}

TEST(CString, FormatIsPrintfWithWideStrings)
{
    const struct
    {
        CString actual;
        const wchar_t* expected;
    } cases[] = {
        {Formatted(L"%s_%4d", L"GroupName", 1031), L"GroupName_1031"},
        {Formatted(L"[%4d]", 7), L"[   7]"},
        {Formatted(L"%02d:%02d", 7, 45), L"07:45"},
        {Formatted(L"%u", 4294967295u), L"4294967295"},
        {Formatted(L"%d", -3), L"-3"},
        {Formatted(L"%.1f MB", 12.25 + 0.01), L"12.3 MB"},
        {Formatted(L"LANGUAGE=\"%u\" %s", 1031u, L"MODE"), L"LANGUAGE=\"1031\" MODE"},
        {Formatted(L"100%%"), L"100%"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, c.actual);

    // Longer than any small fixed buffer.
    CString longText(L'x', 3000);
    EXPECT_EQ(3002, Formatted(L"<%s>", longText.GetString()).GetLength());

    CString s;
    s.Format(L"%s %d", L"a", 1);
    EXPECT_STREQ(L"a 1", s);
}

TEST(CString, FormatMessageInsertsByNumber)
{
    CString s;
    s.FormatMessage(L"%1 is %2!d! years", L"Anna", 42);
    EXPECT_STREQ(L"Anna is 42 years", s);
    s.FormatMessage(L"%2, then %1, then %1 again", L"first", L"second");
    EXPECT_STREQ(L"second, then first, then first again", s);
    s.FormatMessage(L"no inserts");
    EXPECT_STREQ(L"no inserts", s);
}

TEST(CString, SearchCompareAndCase)
{
    const CString s(L"C:\\Dist\\Quandel.exe");
    EXPECT_EQ(3, s.Find(L'D'));
    EXPECT_EQ(8, s.Find(L"Quandel"));
    EXPECT_EQ(-1, s.Find(L'z'));
    EXPECT_EQ(7, s.Find(L'\\', 3));
    EXPECT_EQ(-1, s.Find(L'C', 100));
    EXPECT_EQ(7, s.ReverseFind(L'\\'));
    EXPECT_EQ(15, s.ReverseFind(L'.'));
    EXPECT_EQ(-1, s.ReverseFind(L'/'));

    EXPECT_EQ(0, CString(L"C:\\DIST\\QUANDELENU.DLL").CompareNoCase(L"c:\\dist\\QuandelENU.dll"));
    EXPECT_LT(CString(L"abc").CompareNoCase(L"ABD"), 0);
    EXPECT_GT(CString(L"abd").CompareNoCase(L"ABC"), 0);
    EXPECT_NE(0, CString(L"abc").Compare(L"ABC"));

    CString upper(L"Quandel enu 1.2");
    EXPECT_STREQ(L"QUANDEL ENU 1.2", upper.MakeUpper());

    CString padded(L" \t Module A \r\n");
    EXPECT_STREQ(L"Module A", padded.Trim());
    CString left(L"  x  ");
    EXPECT_STREQ(L"x  ", left.TrimLeft());
    CString right(L"  x  ");
    EXPECT_STREQ(L"  x", right.TrimRight());
    CString dots(L"..x..");
    EXPECT_STREQ(L"..x", dots.TrimRight(L'.'));
    EXPECT_STREQ(L"x", dots.TrimLeft(L'.'));
    CString marks(L"-+x+-");
    EXPECT_STREQ(L"x", marks.Trim(L"+-"));
}

TEST(CString, BufferAccessKeepsTheWrittenText)
{
    CString s(L"old");
    wchar_t* buffer = s.GetBuffer(MAX_PATH);
    DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    s.ReleaseBuffer();
    EXPECT_EQ(static_cast<int>(n), s.GetLength());
    EXPECT_EQ(0, s.Right(4).CompareNoCase(L".exe"));

    buffer = s.GetBuffer(10);
    wcscpy(buffer, L"abcdef");
    s.ReleaseBuffer(2);
    EXPECT_STREQ(L"ab", s);
    s += L"c";
    EXPECT_STREQ(L"abc", s);
}

// Strings come from whatever library is the current resource handle.
class ResourceStrings : public testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = AfxGetResourceHandle();
        m_library = LoadLibraryW(L"framework_test_strings.dll");
        ASSERT_NE(nullptr, m_library);
        AfxSetResourceHandle(m_library);
    }
    void TearDown() override
    {
        AfxSetResourceHandle(m_previous);
        if (m_library != nullptr)
            FreeLibrary(m_library);
    }

    HINSTANCE m_previous = nullptr;
    HMODULE m_library = nullptr;
};

TEST_F(ResourceStrings, LoadAndFormatFromTheResourceLibrary)
{
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_PLAIN));
    EXPECT_STREQ(L"Module Profile Setup", s);
    EXPECT_STREQ(L"Module Profile Setup", CString(MAKEINTRESOURCEW(IDS_PLAIN)));

    s.FormatMessage(IDS_INSERTS, L"Group", L"Vendor", 3);
    EXPECT_STREQ(L"Vendor of Group (3 modules)", s);
    s.Format(IDS_PRINTF, L"Core", 2, 5);
    EXPECT_STREQ(L"Package Core, version 2.05", s);

    s = L"stale";
    EXPECT_FALSE(s.LoadString(IDS_MISSING));
    EXPECT_TRUE(s.IsEmpty());

    // Back on the program's own handle the library's strings are gone.
    AfxSetResourceHandle(m_previous);
    EXPECT_FALSE(s.LoadString(IDS_PLAIN));
    EXPECT_TRUE(s.LoadString(m_library, IDS_PLAIN));
}

} // namespace
