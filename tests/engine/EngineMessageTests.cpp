// The external user-interface handler and the record-text parsers.
#include "EngineTestFixture.h"

namespace
{
struct ParseCase
{
    const wchar_t* text;
    BOOL result;
    int type;   // g_CommonDataType afterwards (preset 9)
    int value;  // g_CommonDataValue afterwards (preset 99)
};

const ParseCase kParseCases[] = {
    {NULL, FALSE, 9, 99},
    {L"", FALSE, 9, 99},
    {L"1: 0 2: 1033 3: 0 ", TRUE, 0, 1033},  // the language record
    {L"1: 1 2: 0 ", FALSE, 1, 99},           // the caption record
    {L"1: 2 2: 0 ", TRUE, 2, 0},             // the cancel-button record
    {L"Message type: 0, Argument: 1033, 0", FALSE, 9, 99},
    {L"2: 77", TRUE, 9, 77},
    {L"1: 0", TRUE, 0, 99},  // ends after the type: nothing past the end is read
    {L"1: ", FALSE, 9, 99},
    {L"1:", FALSE, 9, 99},
    {L"1", FALSE, 9, 99},
    {L"1: 0 2", FALSE, 0, 99},
    {L"1: x 2: 5 ", FALSE, 9, 99},
};
}

TEST(EngineMessages, ParseCommonData)
{
    for (const ParseCase& c : kParseCases)
    {
        SCOPED_TRACE(c.text ? c.text : L"(null)");
        g_CommonDataType = 9;
        g_CommonDataValue = 99;
        std::wstring before = c.text ? c.text : L"";
        EXPECT_EQ(c.result, CMPIEngineBase::ParseCommonData(c.text));
        EXPECT_EQ(c.type, g_CommonDataType);
        EXPECT_EQ(c.value, g_CommonDataValue);
        if (c.text)
        {
            EXPECT_EQ(before, c.text);  // the installer's text is left alone
        }
    }
}

TEST(EngineMessages, ReadMessageField)
{
    struct Case
    {
        const wchar_t* text;
        int value;
        size_t cut;  // cursor offset afterwards
        BOOL end;
    };
    const Case cases[] = {
        {L"1033 3: 0 ", 1033, 4, FALSE},
        {L"-25 ", -25, 3, FALSE},
        {L"24000", 24000, 5, TRUE},
        {L"x1 2", 0, 2, FALSE},
        {L"", 0, 0, TRUE},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        std::wstring buffer(c.text);
        buffer.push_back(L'\0');
        wchar_t* start = &buffer[0];
        wchar_t* cursor = start;
        BOOL end = 2;
        EXPECT_EQ(c.value, CMPIEngineBase::ReadMessageField(&cursor, &end));
        EXPECT_EQ(c.cut, static_cast<size_t>(cursor - start));
        EXPECT_EQ(L'\0', *cursor);
        EXPECT_EQ(c.end, end);
    }
}

namespace
{
enum Box
{
    kNoBox,
    kPlainBox,
    kLanguageBox
};

struct HandlerCase
{
    const char* name;
    UINT message;
    const wchar_t* text;
    int result;
    Box box;
    const wchar_t* hook;  // hook expected, or NULL
};

const HandlerCase kHandlerCases[] = {
    {"FATALEXIT", INSTALLMESSAGE_FATALEXIT, L"fatal", 0, kNoBox, NULL},
    {"ERROR returns the button", INSTALLMESSAGE_ERROR | MB_ICONERROR | MB_RETRYCANCEL, L"error", IDRETRY,
     kLanguageBox, NULL},
    {"WARNING returns 1", INSTALLMESSAGE_WARNING | MB_ICONWARNING | MB_RETRYCANCEL, L"warning", 1, kPlainBox,
     NULL},
    {"USER returns the button", INSTALLMESSAGE_USER | MB_RETRYCANCEL, L"user", IDRETRY, kLanguageBox, NULL},
    {"INFO", INSTALLMESSAGE_INFO, L"info", 1, kNoBox, NULL},
    {"FILESINUSE", INSTALLMESSAGE_FILESINUSE, L"files", 0, kNoBox, NULL},
    {"RESOLVESOURCE", INSTALLMESSAGE_RESOLVESOURCE, L"source", 0, kNoBox, NULL},
    {"OUTOFDISKSPACE", INSTALLMESSAGE_OUTOFDISKSPACE | MB_OK, L"disk", 1, kPlainBox, NULL},
    {"ACTIONSTART", INSTALLMESSAGE_ACTIONSTART, L"Action 7:52:10: CostInitialize. Computing", 1, kNoBox,
     L"ActionStart"},
    {"ACTIONDATA", INSTALLMESSAGE_ACTIONDATA, L"data", 1, kNoBox, L"ActionData"},
    {"PROGRESS", INSTALLMESSAGE_PROGRESS, L"1: 2 2: 24000 3: 0 4: 0 ", 1, kNoBox, L"Progress"},
    {"COMMONDATA", INSTALLMESSAGE_COMMONDATA, L"1: 2 2: 0 ", 1, kNoBox, NULL},
    {"INITIALIZE without text", INSTALLMESSAGE_INITIALIZE, NULL, 1, kNoBox, NULL},
    {"TERMINATE without text", INSTALLMESSAGE_TERMINATE, NULL, 1, kNoBox, L"Terminate"},
    {"SHOWDIALOG", INSTALLMESSAGE_SHOWDIALOG, L"dialog", 1, kNoBox, NULL},
    {"unknown type", 0x0F000000, L"?", 0, kNoBox, NULL},
};
}

TEST_F(EngineTest, HandlerByMessageType)
{
    for (const HandlerCase& c : kHandlerCases)
    {
        SCOPED_TRACE(c.name);
        MessageBoxRecorder recorder(IDRETRY);
        TestEngine e;
        EXPECT_EQ(c.result, CMPIEngineBase::ExternalUiHandler(&e, c.message, c.text));
        auto shown = recorder.Calls();
        ASSERT_EQ(c.box == kNoBox ? 0u : 1u, shown.size());
        if (c.box != kNoBox)
        {
            EXPECT_EQ(c.text, shown[0].text);
            EXPECT_EQ(L"Caption", shown[0].caption);
            EXPECT_EQ(c.message & 0x00FFFFFF, shown[0].type);
            EXPECT_EQ(c.box == kLanguageBox, shown[0].hasLanguage);
        }
        auto calls = e.Calls();
        if (c.hook)
        {
            ASSERT_EQ(1u, calls.size());
            EXPECT_EQ(c.hook, calls[0].hook);
        }
        else
        {
            EXPECT_TRUE(calls.empty());
        }
    }
    EXPECT_EQ(0, CMPIEngineBase::ExternalUiHandler(NULL, INSTALLMESSAGE_INFO, L"no engine"));
}

TEST_F(EngineTest, AnnouncedLanguageGoesToErrorUserAndCancelBoxes)
{
    auto handle = [&](UINT message, const wchar_t* text) {
        return CMPIEngineBase::ExternalUiHandler(&engine, message, text);
    };
    handle(INSTALLMESSAGE_COMMONDATA, L"1: 0 2: 1036 3: 1252 ");
    EXPECT_EQ(1036, g_MessageLanguage);
    // Caption, cancel-button and Wine's own records keep it.
    handle(INSTALLMESSAGE_COMMONDATA, L"1: 1 2: 1031 ");
    handle(INSTALLMESSAGE_COMMONDATA, L"1: 2 2: 0 ");
    handle(INSTALLMESSAGE_COMMONDATA, L"Message type: 0, Argument: 1033, 0");
    EXPECT_EQ(1036, g_MessageLanguage);

    handle(INSTALLMESSAGE_ERROR | MB_OK, L"e");
    handle(INSTALLMESSAGE_USER | MB_OK, L"u");
    handle(INSTALLMESSAGE_WARNING | MB_OK, L"w");
    handle(INSTALLMESSAGE_OUTOFDISKSPACE | MB_OK, L"d");
    engine.m_bBusy = TRUE;
    engine.Cancel();
    boxes.Answer(IDNO);
    EXPECT_EQ(1, handle(INSTALLMESSAGE_PROGRESS, L"1: 2 2: 1 "));
    engine.m_bBusy = FALSE;

    auto shown = boxes.Calls();
    ASSERT_EQ(5u, shown.size());
    const struct
    {
        const wchar_t* text;
        bool hasLanguage;
    } expected[] = {{L"e", true}, {L"u", true}, {L"w", false}, {L"d", false}, {L"Cancel?", true}};
    for (size_t i = 0; i < 5; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].text, shown[i].text);
        EXPECT_EQ(expected[i].hasLanguage, shown[i].hasLanguage);
        if (expected[i].hasLanguage)
        {
            EXPECT_EQ(1036, shown[i].language);
        }
    }
    EXPECT_EQ(0, g_bCancelRequested.load());  // cleared by the question
}
