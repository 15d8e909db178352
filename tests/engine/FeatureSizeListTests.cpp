#include <gtest/gtest.h>
#include <climits>
#include <string>
#include "engine/MPIFeatureSizeList.h"

namespace {

std::wstring Join(const CStringArray& names)
{
    std::wstring joined;
    for (int i = 0; i < names.GetSize(); ++i)
    {
        if (i)
            joined += L",";
        joined += names[i].GetString();
    }
    return joined;
}

// A (top) > B > C; D names a parent that has no row; E is at the top.
class FeatureTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.Add(L"A", L"", 10, 1);
        list.Add(L"B", L"A", 20, 2);
        list.Add(L"C", L"B", 30, 0);
        list.Add(L"D", L"Ghost", 5, 1);
        list.Add(L"E", L"", 0, 0);
    }
    CMPIFeatureSizeList list;
};

} // namespace

TEST_F(FeatureTree, ParentChains)
{
    struct Case { const wchar_t* start; const wchar_t* feature; const wchar_t* after; };
    const Case cases[] = {
        {L"", L"C", L"B,A"},
        {L"B", L"C", L"B"},          // the first parent already listed ends the walk
        {L"X", L"B", L"X,A"},
        {L"", L"A", L""},            // top of the tree
        {L"", L"D", L"Ghost"},       // a parent without a row ends the chain after it
        {L"", L"Unknown", L""},
        {L"", L"", L""},
        {L"", L"c", L""},            // names compare exactly
    };
    for (const Case& c : cases)
    {
        CStringArray names;
        if (*c.start)
            names.Add(c.start);
        list.AddParentChain(names, c.feature);
        EXPECT_EQ(std::wstring(c.after), Join(names)) << c.feature;
    }
    // The chain of C again on the same array adds nothing.
    CStringArray names;
    list.AddParentChain(names, L"C");
    list.AddParentChain(names, L"C");
    EXPECT_EQ(L"B,A", Join(names));
}

TEST_F(FeatureTree, SumsAndTotals)
{
    CStringArray names;
    names.Add(L"A");
    names.Add(L"B");
    names.Add(L"A");        // counted twice
    names.Add(L"Nothing");  // adds nothing
    names.Add(L"E");
    EXPECT_EQ(40, list.SumBytes(names));
    EXPECT_EQ(4, list.SumComponents(names));
    EXPECT_EQ(65, list.TotalBytes());
    EXPECT_EQ(4, list.TotalComponents());
    EXPECT_EQ(0, list.SumBytes(CStringArray()));

    list.Add(L"A", L"", 999, 9);  // a duplicate name: lookups take the first
    EXPECT_EQ(10, list.Find(L"A")->GetSize());
    list.Clear();
    EXPECT_EQ(0u, list.GetCount());
    EXPECT_EQ(0, list.TotalBytes());
}

TEST(FeatureSizeList, BytesGoBeyond32BitsAndCountsClamp)
{
    CMPIFeatureSizeList list;
    list.Add(L"A", L"", 3000000000LL, INT_MAX);
    list.Add(L"B", L"", INT_MAX, INT_MAX);
    CStringArray names;
    names.Add(L"A");
    names.Add(L"B");
    EXPECT_EQ(3000000000LL + INT_MAX, list.SumBytes(names));
    EXPECT_EQ(INT_MAX, list.SumComponents(names));
    EXPECT_EQ(3000000000LL + INT_MAX, list.TotalBytes());
    EXPECT_EQ(INT_MAX, list.TotalComponents());
}
