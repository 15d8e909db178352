// Text parsing of the service: the setup languages of a group package, the
// installer's progress records and the description of an action.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "setup/service/QuandelEngine.h"
#include "setup/service/QuandelSetupLanguages.h"

TEST(SetupLanguages, ParsesDelimitedListsAndRequiresEnglish)
{
    struct Case
    {
        const wchar_t* text;
        std::vector<DWORD> list;
        UINT result;
    } cases[] = {
        {L"1033;1031", {1033, 1031}, 0},
        {L"1031", {1031}, ERROR_INVALID_DATA},
        {L"", {}, ERROR_INVALID_DATA},
        {L"1033, 1031", {1033, 1031}, 0},
        {L";1033", {1033}, 0},
        {L"1033;;1031", {1033, 1031}, 0},
        {L"1033;", {1033}, 0},
        {L"1033;1033", {1033, 1033}, 0},
        {L"1043;1033", {1033}, 0},
        {L"1033.1034 1036,1040:1041/1042;1046;2052", {1033, 1034, 1036, 1040, 1041, 1042, 1046, 2052}, 0},
        {L"1043;9999;abc", {}, ERROR_INVALID_DATA},
        {L";;;", {}, ERROR_INVALID_DATA},
        {L"1033x;1031", {1033, 1031}, 0},  // _wtol reads the leading digits
    };
    for (const Case& c : cases)
    {
        CQuandelLanguageList list;
        EXPECT_EQ(c.result, ParseSetupLanguagesText(c.text, list)) << c.text;
        EXPECT_EQ(c.list, list) << c.text;
    }
}

TEST(SetupLanguages, AppendsToAListThatAlreadyHoldsLanguages)
{
    CQuandelLanguageList list = {1031};
    EXPECT_EQ(0u, ParseSetupLanguagesText(L"1033", list));
    EXPECT_EQ((CQuandelLanguageList{1031, 1033}), list);
}

TEST(ProgressMessage, ParsesFieldsAndNeverReadsPastTheEnd)
{
    // Each case starts from the same marked state, so fields a text does
    // not carry show that they kept their value.
    const CQuandelProgressState marked = [] {
        CQuandelProgressState s;
        s.nMessageType = 9;
        s.nField2 = -1;
        s.nField3 = -2;
        s.nField4 = -3;
        return s;
    }();
    struct Case
    {
        std::wstring text;  // may hold a NUL: what follows it must stay unread
        BOOL result;
        int type, f2, f3, f4;
    } cases[] = {
        {L"", FALSE, 9, -1, -2, -3},
        {L"1", FALSE, 9, -1, -2, -3},
        {L"1:", FALSE, 9, -1, -2, -3},
        {L"1: ", FALSE, 9, -1, -2, -3},
        {std::wstring(L"1: 0\0 2: 99 ", 12), FALSE, 0, -1, -2, -3},
        {std::wstring(L"1:\0 0 2: 99 ", 12), FALSE, 9, -1, -2, -3},
        {L"1: 0 ", TRUE, 0, -1, -2, -3},
        {L"1: 0 2: 1000 3: 0 4: 0 ", TRUE, 0, 1000, 0, 0},
        {L"1: 0 2: 1000 3: 1 4: 1", TRUE, 0, 1000, 1, 1},
        {L"1: 1 2: 25 3: 1 4: 7 ", TRUE, 1, 25, 1, -3},
        {L"1: 2 2: 24000 3: 0 4: 0 ", TRUE, 2, 24000, -2, -3},
        {L"1: 3 2: 500", TRUE, 3, 500, -2, -3},
        {L"1: 0 2: 12", TRUE, 0, 12, -2, -3},
        {L"1: 0 2: -5 ", TRUE, 0, -5, -2, -3},
        {L"2: 42", TRUE, 9, 42, -2, -3},
        {L"5: 1", FALSE, 9, -1, -2, -3},
        {L"1: x 2: 3", FALSE, 9, -1, -2, -3},
        {L"1: 0 7: 3", FALSE, 0, -1, -2, -3},
    };
    for (Case& c : cases)
    {
        CQuandelEngine::GetProgressState() = marked;
        std::wstring buffer = c.text;
        buffer.push_back(L'\0');
        const std::wstring shown(c.text.c_str());
        EXPECT_EQ(c.result, CQuandelEngine::ParseProgressMessage(&buffer[0])) << shown;
        const CQuandelProgressState& s = CQuandelEngine::GetProgressState();
        EXPECT_EQ(c.type, s.nMessageType) << shown;
        EXPECT_EQ(c.f2, s.nField2) << shown;
        EXPECT_EQ(c.f3, s.nField3) << shown;
        EXPECT_EQ(c.f4, s.nField4) << shown;
    }
    EXPECT_FALSE(CQuandelEngine::ParseProgressMessage(nullptr));
}

TEST(ActionDescription, TakesTheTextAfterTheFirstFullStop)
{
    struct Case
    {
        const wchar_t* text;
        const wchar_t* description;
    } cases[] = {
        {L"Action 7:52:10: CostInitialize. Computing space requirements", L"Computing space requirements"},
        {L"Action 7:52:10: InstallValidate. ", L""},
        {L"   No full stop at all", L"No full stop at all"},
        {L".Begins with a full stop", L""},
        {L"a.b.c", L"b.c"},
        {L"a.\t  tabs and blanks", L"tabs and blanks"},
        {L"", L""},
    };
    for (const Case& c : cases)
    {
        CString out(L"stale");
        CQuandelEngine::GetActionDescription(c.text, out);
        EXPECT_STREQ(c.description, out.GetString()) << c.text;
    }
}
